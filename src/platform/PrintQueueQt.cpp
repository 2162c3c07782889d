// Without CUPS the printout goes through QPrinter, whose end of document is
// the only answer the platform gives.
#include "platform/PrintQueue.h"

namespace tessaline {

bool printSystemTakesPdf() {
    return false;
}

bool printSchedulerRunning() {
    return true;
}

PrintSubmission submitPdfJob(const QString&, const QByteArray&, const QString&) {
    return {false, 0, QStringLiteral("no PDF print system")};
}

} // namespace tessaline
