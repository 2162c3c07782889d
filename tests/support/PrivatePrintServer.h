#pragma once
// A private CUPS server for one test (print-server.sh): started with the
// given queues, named to this process through CUPS_SERVER, stopped when the
// test ends. Jobs of its PDF queues arrive as files in pdfFolder().
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdlib>
#include <cups/cups.h>

namespace tessaline::test {

class PrivatePrintServer {
  public:
    // Queues: the first is the default; see print-server.sh for *Reject*
    // and *Paused*. No queues: a server without printers.
    explicit PrivatePrintServer(const QStringList& queues = {}) {
        folder_.setAutoRemove(true);
        QProcess start;
        start.start(QStringLiteral("bash"),
                    QStringList{script(), QStringLiteral("start"), folder_.path()} + queues);
        start.waitForFinished(60000);
        const QString socket = QString::fromLocal8Bit(start.readAllStandardOutput()).trimmed();
        problem_ = QString::fromLocal8Bit(start.readAllStandardError()).trimmed();
        if (start.exitStatus() != QProcess::NormalExit || start.exitCode() != 0 ||
            socket.isEmpty()) {
            unavailable_ = start.exitCode() == 77;
            return;
        }
        running_ = true;
        ::setenv("CUPS_SERVER", socket.toLocal8Bit().constData(), 1);
        ::unsetenv("PRINTER");
        ::unsetenv("LPDEST");
        // The client library reads CUPS_SERVER once; make it read it again.
        cupsSetServer(nullptr);
    }
    ~PrivatePrintServer() {
        QProcess::execute(QStringLiteral("bash"),
                          {script(), QStringLiteral("stop"), folder_.path()});
    }
    PrivatePrintServer(const PrivatePrintServer&) = delete;
    PrivatePrintServer& operator=(const PrivatePrintServer&) = delete;

    bool running() const { return running_; }
    // True when this machine cannot run one (not root, no cupsd or driver).
    bool unavailable() const { return unavailable_; }
    const QString& problem() const { return problem_; }
    QString pdfFolder() const { return folder_.filePath(QStringLiteral("pdf")); }

    // The job PDFs written so far.
    QStringList jobFiles() const {
        QStringList files;
        for (const QFileInfo& file :
             QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name)) {
            files << file.filePath();
        }
        return files;
    }
    // The documents handed to the server so far, as it received them.
    QStringList submittedDocuments() const {
        QStringList files;
        for (const QFileInfo& file :
             QDir(folder_.filePath(QStringLiteral("spool")))
                 .entryInfoList({QStringLiteral("d*-001")}, QDir::Files, QDir::Name)) {
            files << file.filePath();
        }
        return files;
    }
    // Waits until `queue` has no job left to do and returns the job PDFs.
    QStringList waitForJobs(const QString& queue, int timeoutMs = 120000) const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            cups_job_t* jobs = nullptr;
            const int active = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0,
                                            CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(active, jobs);
            if (active == 0) {
                break;
            }
            QThread::msleep(200);
        }
        return jobFiles();
    }
    // Jobs of `queue` waiting to print.
    int pendingJobs(const QString& queue) const {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0,
                                       CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(count, jobs);
        return count;
    }
    // Makes `queue` the default printer.
    bool setDefault(const QString& queue) const {
        return QProcess::execute(QStringLiteral("lpadmin"),
                                 {QStringLiteral("-h"), QString::fromLocal8Bit(cupsServer()),
                                  QStringLiteral("-d"), queue}) == 0;
    }
    // Jobs of `queue` in any state.
    int jobCount(const QString& queue) const {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0,
                                       CUPS_WHICHJOBS_ALL);
        cupsFreeJobs(count, jobs);
        return count;
    }

  private:
    static QString script() {
        return QStringLiteral(TESSALINE_TEST_SUPPORT_DIR "/print-server.sh");
    }

    QTemporaryDir folder_{QDir::tempPath() + QStringLiteral("/tessaline-cups-XXXXXX")};
    bool running_ = false;
    bool unavailable_ = false;
    QString problem_;
};

// The text of a PDF (pdftotext) and its page count (pdfinfo); empty and 0
// when poppler's tools fail.
inline QString pdfText(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    run.waitForFinished(60000);
    return QString::fromUtf8(run.readAllStandardOutput());
}
// True when the first pages of two PDFs look the same: rendered grey at 30
// dpi, the mean difference is under a tenth of the ink on the page (a page
// moved or scaled by a millimetre differs by far more).
inline bool pdfPagesLookAlike(const QString& a, const QString& b) {
    QTemporaryDir folder;
    QImage pages[2];
    const QString pdfs[2] = {a, b};
    for (int i = 0; i < 2; ++i) {
        const QString stem = folder.filePath(QString::number(i));
        QProcess::execute(QStringLiteral("pdftoppm"),
                          {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-gray"),
                           QStringLiteral("-singlefile"), pdfs[i], stem});
        pages[i] = QImage(stem + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
    }
    if (pages[0].isNull() || pages[0].size() != pages[1].size()) {
        return false;
    }
    double ink = 0;
    double difference = 0;
    for (int y = 0; y < pages[0].height(); ++y) {
        const uchar* first = pages[0].constScanLine(y);
        const uchar* second = pages[1].constScanLine(y);
        for (int x = 0; x < pages[0].width(); ++x) {
            ink += 255 - first[x];
            difference += std::abs(first[x] - second[x]);
        }
    }
    return ink > 0 && difference < ink / 10;
}

inline int pdfPages(const QString& pdf) {
    QProcess run;
    run.start(QStringLiteral("pdfinfo"), {pdf});
    run.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(run.readAllStandardOutput()).split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:"))) {
            return line.mid(6).trimmed().toInt();
        }
    }
    return 0;
}

} // namespace tessaline::test
