#pragma once
// The printout on a print queue, the one-page chart or the pattern book:
// one routine for the generation window's "打印" and the command line's
// --print (--book-print), reporting only what the print system accepted as
// printed.
#include "pattern/BookSettings.h"
#include "render/ChartPainter.h"
#include "render/ChartSource.h"

#include <QString>

namespace tessaline {

enum class PrintStatus {
    Printed,        // the print system accepted the job
    Stopped,        // the progress callback stopped the drawing; no job was sent
    NoPrinter,      // there is no default printer
    NoScheduler,    // the print scheduler (CUPS) is not running: no printer can be known
    UnknownPrinter, // no queue of the asked name
    Failed,         // the document could not be made or the job was refused
};

struct PrintOutcome {
    PrintStatus status = PrintStatus::Failed;
    QString queue;   // the queue used
    QString problem; // what went wrong, in the print system's words
    double cell = 0; // the printed cell pitch in millimetres
    int jobId = 0;   // the print system's job number, when it gives one
};

// Prints the chart on `queue` (empty: the default printer), on its paper
// inside its printable area.
PrintOutcome printChartOnQueue(const QString& queue, const ChartSource& source,
                               const ChartProgress& progress = {});

// Prints the pattern book of `book` (its paper, pitch and fabric) on
// `queue` through the same checks. The book's pages are its own paper size;
// a print system that takes no PDF documents cannot print it (Failed).
PrintOutcome printBookOnQueue(const QString& queue, const ChartSource& source,
                              const BookSettings& book, const ChartProgress& progress = {});

} // namespace tessaline
