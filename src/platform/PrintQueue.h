#pragma once
// The print system as the printout needs it: whether a queue exists, and
// handing it a finished PDF document with the system's own answer. On
// systems with CUPS that answer comes from the CUPS server itself; a queue
// that refuses jobs is a failure there, a paused one that holds the job is
// not.
#include <QByteArray>
#include <QString>

namespace tessaline {

struct PrintSubmission {
    bool accepted = false;
    int jobId = 0;
    QString problem; // the print system's words when not accepted
};

// True when the print system can take documents as PDF files (CUPS).
bool printSystemTakesPdf();

// False when the print scheduler (the CUPS server) cannot be reached, so
// that no printer can be known; true where this cannot be told.
bool printSchedulerRunning();

// Hands the PDF document to `queue` as one job titled `title`.
PrintSubmission submitPdfJob(const QString& queue, const QByteArray& pdf, const QString& title);

} // namespace tessaline
