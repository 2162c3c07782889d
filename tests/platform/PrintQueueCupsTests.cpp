// The print queue through CUPS: the server's own answer decides. A queue
// that refuses jobs fails with the print system's words; a paused one holds
// the job and that is no failure; an unknown queue is refused.
#include "PrivatePrintServer.h"
#include "platform/PrintQueue.h"

#include <gtest/gtest.h>

namespace tessaline {
namespace {

TEST(PrintQueueCups, TheServerSaysWhetherAJobIsTaken) {
    test::PrivatePrintServer server({QStringLiteral("TessReject"), QStringLiteral("TessPaused")});
    if (server.unavailable()) {
        GTEST_SKIP() << server.problem().toStdString();
    }
    ASSERT_TRUE(server.running()) << server.problem().toStdString();
    ASSERT_TRUE(printSystemTakesPdf());
    EXPECT_TRUE(printSchedulerRunning());
    const QByteArray pdf("%PDF-1.4\n%%EOF\n");

    const PrintSubmission refused =
        submitPdfJob(QStringLiteral("TessReject"), pdf, QStringLiteral("chart"));
    EXPECT_FALSE(refused.accepted);
    EXPECT_FALSE(refused.problem.isEmpty());
    EXPECT_EQ(server.jobCount(QStringLiteral("TessReject")), 0);

    const PrintSubmission held =
        submitPdfJob(QStringLiteral("TessPaused"), pdf, QStringLiteral("chart"));
    EXPECT_TRUE(held.accepted) << held.problem.toStdString();
    EXPECT_GT(held.jobId, 0);
    EXPECT_EQ(server.pendingJobs(QStringLiteral("TessPaused")), 1);

    const PrintSubmission nowhere =
        submitPdfJob(QStringLiteral("Nowhere"), pdf, QStringLiteral("chart"));
    EXPECT_FALSE(nowhere.accepted);
    EXPECT_FALSE(nowhere.problem.isEmpty());
}

} // namespace
} // namespace tessaline
