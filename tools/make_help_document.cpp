// Builds a user guide ("Tessaline使用说明.mht", "Tessaline User Guide.mht",
// "Tessaline使用說明.mht"): the guide's HTML and the figures it names, in one
// MHTML file (multipart/related, every part base64-coded and found by its
// Content-Location) that browsers open as a single page. The figures are the
// PNG files beside the guide (assets/help/images/<language>/, taken from the
// real windows and charts by scripts/help-figures.sh); the page's <title> is
// the document's subject.
//   make_help_document <guide.html> <output.mht>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <cstdio>

namespace {

const QByteArray kBase = "https://help.tessaline.invalid/";
const QByteArray kBoundary = "----=_Tessaline_Help_Part_000";

QByteArray base64Lines(const QByteArray& data) {
    const QByteArray coded = data.toBase64();
    QByteArray lines;
    for (qsizetype at = 0; at < coded.size(); at += 76) {
        lines += coded.mid(at, 76) + "\r\n";
    }
    return lines;
}

QByteArray part(const QByteArray& type, const QByteArray& location, const QByteArray& body) {
    return "--" + kBoundary + "\r\nContent-Type: " + type +
           "\r\nContent-Transfer-Encoding: base64\r\nContent-Location: " + kBase + location +
           "\r\n\r\n" + base64Lines(body) + "\r\n";
}

int fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "make_help_document: %s %s\n", what, qPrintable(detail));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        return fail("usage:", QStringLiteral("make_help_document <guide.html> <output.mht>"));
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        return fail("cannot read", source.fileName());
    }
    const QByteArray html = source.readAll();
    const QString page = QString::fromUtf8(html);
    static const QRegularExpression titled(QStringLiteral("<title>([^<]*)</title>"));
    const QString title = titled.match(page).captured(1);
    if (title.isEmpty()) {
        return fail("no <title> in", source.fileName());
    }

    QByteArray document;
    document += "From: <Saved by Tessaline>\r\n";
    document += "Snapshot-Content-Location: " + kBase + "index.html\r\n";
    document += "Subject: =?utf-8?B?" + title.toUtf8().toBase64() + "?=\r\n";
    document += "MIME-Version: 1.0\r\n";
    document += "Content-Type: multipart/related;\r\n\ttype=\"text/html\";\r\n\tboundary=\"" +
                kBoundary + "\"\r\n\r\n";
    document += part("text/html; charset=\"utf-8\"", "index.html", html);

    // Every picture the guide names must be a PNG file beside it that decodes.
    static const QRegularExpression named(QStringLiteral("src=\"(images/[A-Za-z0-9_/-]+\\.png)\""));
    const QDir folder = QFileInfo(source).dir();
    QStringList embedded;
    for (auto match = named.globalMatch(page); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (embedded.contains(name)) {
            continue;
        }
        QFile figure(folder.filePath(name));
        if (!figure.open(QIODevice::ReadOnly)) {
            return fail("no figure", figure.fileName());
        }
        const QByteArray png = figure.readAll();
        if (QImage::fromData(png, "PNG").isNull()) {
            return fail("not a PNG picture:", figure.fileName());
        }
        document += part("image/png", name.toUtf8(), png);
        embedded << name;
    }
    document += "--" + kBoundary + "--\r\n";

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(document) != document.size() ||
        !output.commit()) {
        return fail("cannot write", output.fileName());
    }
    return 0;
}
