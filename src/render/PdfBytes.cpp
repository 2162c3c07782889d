#include "render/PdfBytes.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace tessaline {

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
    return bytes;
}

} // namespace tessaline
