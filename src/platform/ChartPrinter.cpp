#include "platform/ChartPrinter.h"

#include "platform/PrintQueue.h"
#include "render/PrintChart.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

namespace tessaline {

namespace {

constexpr const char* kJobTitle = "Tessaline";

// Through QPrinter, where the print system takes no PDF files: the end of
// the document is all it tells.
PrintOutcome printThroughQPrinter(const QPrinterInfo& info, const ChartSource& source,
                                  const ChartProgress& progress) {
    PrintOutcome outcome;
    outcome.queue = info.printerName();
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setDocName(QString::fromLatin1(kJobTitle));
    QPainter painter;
    if (!painter.begin(&printer)) {
        outcome.problem = QStringLiteral("the printer cannot start a document");
        return outcome;
    }
    scaleToMillimetres(painter);
    ChartPlacement placement;
    const bool drawn =
        printChart(painter, pageSizeMillimetres(printer), source, progress, &placement);
    outcome.cell = placement.cell;
    if (!drawn) {
        // No half page reaches the printer.
        printer.abort();
        painter.end();
        outcome.status = PrintStatus::Stopped;
        return outcome;
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        outcome.problem = QStringLiteral("the printer did not take the document");
        return outcome;
    }
    outcome.status = PrintStatus::Printed;
    return outcome;
}

} // namespace

PrintOutcome printChartOnQueue(const QString& queue, const ChartSource& source,
                               const ChartProgress& progress) {
    PrintOutcome outcome;
    const QPrinterInfo info =
        queue.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(queue);
    if (info.isNull()) {
        outcome.status = !printSchedulerRunning() ? PrintStatus::NoScheduler
                         : queue.isEmpty()        ? PrintStatus::NoPrinter
                                                  : PrintStatus::UnknownPrinter;
        outcome.queue = queue;
        return outcome;
    }
    if (!printSystemTakesPdf()) {
        return printThroughQPrinter(info, source, progress);
    }
    outcome.queue = info.printerName();
    // The page as the printer offers it: its paper, inside its margins.
    const QPageLayout layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    bool stopped = false;
    ChartProgress watched = progress;
    watched.step = [&](int done, int total) {
        stopped = !progress.report(done, total);
        return !stopped;
    };
    ChartPlacement placement;
    const std::optional<QByteArray> document = renderChartPdf(source, watched, &placement, layout);
    outcome.cell = placement.cell;
    if (stopped) {
        outcome.status = PrintStatus::Stopped;
        return outcome;
    }
    if (!document) {
        outcome.problem = QStringLiteral("the print document could not be drawn");
        return outcome;
    }
    const PrintSubmission submission =
        submitPdfJob(outcome.queue, *document, QString::fromLatin1(kJobTitle));
    outcome.jobId = submission.jobId;
    if (!submission.accepted) {
        outcome.problem = submission.problem;
        return outcome;
    }
    outcome.status = PrintStatus::Printed;
    return outcome;
}

} // namespace tessaline
