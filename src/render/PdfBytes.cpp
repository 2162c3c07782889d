#include "render/PdfBytes.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace tessaline {

namespace {

// Some fonts (AR PL UMing among them) give the tab and the space one glyph,
// and the writer's text map names that glyph by the lower code: a reader
// copying the text would get tabs between words. No text drawn here holds a
// tab, so such a glyph reads as a space. Each "<0009>" becomes "<0020>",
// the same length, so the document's byte offsets stand.
void readSharedSpaceGlyphsAsSpaces(QByteArray& pdf) {
    static const QByteArray tab("<0009>");
    static const QByteArray space("<0020>");
    qsizetype from = 0;
    while ((from = pdf.indexOf("begincmap", from)) >= 0) {
        const qsizetype end = pdf.indexOf("endcmap", from);
        if (end < 0) {
            return;
        }
        // Only the Unicode side of a mapping: what follows a source range
        // "<a> <b> " or stands inside a range's "[...]".
        qsizetype at = from;
        while ((at = pdf.indexOf(tab, at)) >= 0 && at < end) {
            const qsizetype lineStart = pdf.lastIndexOf('\n', at) + 1;
            const QByteArray before = pdf.mid(lineStart, at - lineStart);
            if (before.contains('[') || before.count('<') == 2) {
                pdf.replace(at, tab.size(), space);
            }
            at += tab.size();
        }
        from = end;
    }
}

} // namespace

std::optional<QByteArray>
drawPdfBytes(const QPageLayout& layout, const QString& title,
             const std::function<bool(QPdfWriter& writer, QPainter& painter)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    bool done = false;
    {
        // The writer finishes the document when it goes, before the bytes
        // are handed over.
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Tessaline"));
        if (!title.isEmpty()) {
            writer.setTitle(title);
        }
        writer.setPageLayout(layout);
        QPainter painter;
        if (!painter.begin(&writer)) {
            return std::nullopt;
        }
        done = draw(writer, painter);
        painter.end();
    }
    if (!done) {
        return std::nullopt;
    }
    readSharedSpaceGlyphsAsSpaces(bytes);
    return bytes;
}

} // namespace tessaline
