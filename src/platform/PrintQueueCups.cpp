// CUPS: the job goes to the server through its own API, which answers with
// the job's number or says why it refused (CUPS_SERVER and the user's
// lpoptions choose the server and default queue, as for every CUPS client).
#include "platform/PrintQueue.h"

#include <cstddef>
#include <cups/cups.h>

namespace tessaline {

bool printSystemTakesPdf() {
    return true;
}

bool printSchedulerRunning() {
    http_t* connection = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                      1, 5000, nullptr);
    if (connection == nullptr) {
        return false;
    }
    httpClose(connection);
    return true;
}

PrintSubmission submitPdfJob(const QString& queue, const QByteArray& pdf, const QString& title) {
    PrintSubmission submission;
    const QByteArray name = queue.toUtf8();
    const QByteArray jobTitle = title.toUtf8();
    const auto refused = [&submission] {
        submission.problem = QString::fromUtf8(cupsLastErrorString());
        return submission;
    };
    // A queue that refuses jobs says so here.
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobTitle.constData(), 0, nullptr);
    if (job <= 0) {
        return refused();
    }
    const bool sent =
        cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, jobTitle.constData(),
                          CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                             static_cast<std::size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
    // The server's answer to the finished document decides.
    const ipp_status_t finished = cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData());
    if (!sent || finished > IPP_STATUS_OK_EVENTS_COMPLETE) {
        submission.problem = QString::fromUtf8(cupsLastErrorString());
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return submission;
    }
    submission.jobId = job;
    submission.accepted = true;
    return submission;
}

} // namespace tessaline
