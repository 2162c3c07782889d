// Builds a user guide ("Tessaline使用说明.mht", "Tessaline User Guide.mht",
// "Tessaline使用說明.mht"): the guide's HTML and the illustrations it names,
// in one MHTML file (multipart/related, every part base64-coded and found by
// its Content-Location) that browsers open as a single page. The page's own
// language (<html lang="en">, "zh-TW", "zh-HK" or "zh-Hant" for Traditional
// Chinese, Simplified Chinese otherwise) chooses the illustrations' captions,
// its <title> the document's subject.
//   make_help_document <guide.html> <output.mht>
#include "help_illustrations.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
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

GuideLanguage pageLanguage(const QString& page) {
    static const QRegularExpression declared(QStringLiteral("<html[^>]*\\blang=\"([^\"]*)\""));
    const QString language = declared.match(page).captured(1).toLower();
    if (language == QLatin1String("en") || language.startsWith(QLatin1String("en-"))) {
        return GuideLanguage::English;
    }
    if (language == QLatin1String("zh-tw") || language == QLatin1String("zh-hk") ||
        language.startsWith(QLatin1String("zh-hant"))) {
        return GuideLanguage::TraditionalChinese;
    }
    return GuideLanguage::Chinese;
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
    const GuideLanguage language = pageLanguage(page);
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

    // Every picture the guide names must be one we can draw.
    static const QRegularExpression named(QStringLiteral("src=\"images/([a-z]+)\\.png\""));
    QStringList drawn;
    for (auto match = named.globalMatch(page); match.hasNext();) {
        const QString name = match.next().captured(1);
        if (drawn.contains(name)) {
            continue;
        }
        const QImage picture = drawHelpIllustration(name, language);
        if (picture.isNull()) {
            return fail("no illustration named", name);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "PNG");
        document += part("image/png", "images/" + name.toUtf8() + ".png", png);
        drawn << name;
    }
    document += "--" + kBoundary + "--\r\n";

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(document) != document.size() ||
        !output.commit()) {
        return fail("cannot write", output.fileName());
    }
    return 0;
}
