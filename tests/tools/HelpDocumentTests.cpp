// The user guide as built: one MHTML file whose parts a browser can find,
// with every illustration the page names present and decodable.
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <algorithm>
#include <gtest/gtest.h>

namespace tessaline {
namespace {

struct MimePart {
    QByteArray contentType;
    QByteArray location;
    QByteArray body; // decoded
};

struct MimeDocument {
    QByteArray header;
    QList<MimePart> parts;
    bool closed = false; // ends with the closing boundary
};

QByteArray headerValue(const QByteArray& header, const QByteArray& name) {
    for (const QByteArray& line : header.split('\n')) {
        if (line.startsWith(name + ":")) {
            return line.mid(name.size() + 1).trimmed();
        }
    }
    return {};
}

MimeDocument readMhtml(const QByteArray& data) {
    MimeDocument doc;
    const qsizetype headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return doc;
    }
    doc.header = data.left(headerEnd);
    const QRegularExpression boundaryPattern(QStringLiteral("boundary=\"([^\"]+)\""));
    const auto match = boundaryPattern.match(QString::fromLatin1(doc.header));
    if (!match.hasMatch()) {
        return doc;
    }
    const QByteArray delimiter = "--" + match.captured(1).toLatin1();
    qsizetype at = data.indexOf(delimiter, headerEnd);
    while (at >= 0) {
        const qsizetype afterDelimiter = at + delimiter.size();
        if (data.mid(afterDelimiter, 2) == "--") {
            doc.closed = true;
            break;
        }
        const qsizetype next = data.indexOf(delimiter, afterDelimiter);
        const QByteArray raw = data.mid(afterDelimiter, next < 0 ? -1 : next - afterDelimiter);
        const qsizetype split = raw.indexOf("\r\n\r\n");
        if (split < 0) {
            break;
        }
        const QByteArray partHeader = raw.left(split).replace("\r", "");
        MimePart part;
        part.contentType = headerValue(partHeader, "Content-Type");
        part.location = headerValue(partHeader, "Content-Location");
        if (headerValue(partHeader, "Content-Transfer-Encoding") == "base64") {
            part.body = QByteArray::fromBase64(QByteArray(raw.mid(split + 4)).replace("\r\n", ""));
        } else {
            part.body = raw.mid(split + 4);
        }
        doc.parts.append(part);
        at = next;
    }
    return doc;
}

QByteArray builtGuide() {
    QFile file(QStringLiteral(TESSALINE_RUNTIME_DIR "/") + QStringLiteral("Tessaline使用说明.mht"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(HelpDocument, IsOneMhtmlPageWithItsIllustrations) {
    const QByteArray data = builtGuide();
    ASSERT_FALSE(data.isEmpty()) << "the guide was not built beside the program";
    const MimeDocument doc = readMhtml(data);
    EXPECT_TRUE(doc.header.contains("MIME-Version: 1.0"));
    EXPECT_TRUE(doc.header.contains("multipart/related"));
    ASSERT_TRUE(doc.closed);
    ASSERT_GE(doc.parts.size(), 2);

    // The page comes first and is where the snapshot points.
    const MimePart& page = doc.parts.front();
    EXPECT_TRUE(page.contentType.startsWith("text/html"));
    EXPECT_EQ(headerValue(QByteArray(doc.header).replace("\r", ""), "Snapshot-Content-Location"),
              page.location);
    const QString html = QString::fromUtf8(page.body);
    for (const char* step : {"导入图片", "效果预览", "绣图设置", "生成绣图", "保存和打印",
                             "颜色替换", "最终效果预览"}) {
        EXPECT_TRUE(html.contains(QString::fromUtf8(step))) << step;
    }

    // Every picture the page names is a part that decodes, found by its
    // location relative to the page.
    const QByteArray base = page.location.left(page.location.lastIndexOf('/') + 1);
    const QRegularExpression sources(QStringLiteral("src=\"([^\"]+)\""));
    int pictures = 0;
    for (auto it = sources.globalMatch(html); it.hasNext();) {
        const QByteArray wanted = base + it.next().captured(1).toUtf8();
        const auto part = std::find_if(doc.parts.begin(), doc.parts.end(),
                                       [&](const MimePart& p) { return p.location == wanted; });
        ASSERT_NE(part, doc.parts.end()) << wanted.constData();
        EXPECT_EQ(part->contentType, "image/png");
        const QImage picture = QImage::fromData(part->body, "PNG");
        EXPECT_FALSE(picture.isNull()) << wanted.constData();
        ++pictures;
    }
    EXPECT_GE(pictures, 3);
    EXPECT_EQ(pictures, doc.parts.size() - 1) << "a part no one names";
}

} // namespace
} // namespace tessaline
