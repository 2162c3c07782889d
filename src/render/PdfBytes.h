#pragma once
// A PDF document drawn into memory, for the printout and the pattern book.
#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>

class QPainter;
class QPdfWriter;

namespace tessaline {

// Opens a painter on a PDF writer with `layout` (and `title`, unless empty)
// and lets `draw` paint the pages. The document's bytes, or nothing when the
// painter cannot start or `draw` returns false (stopped or failed).
std::optional<QByteArray>
drawPdfBytes(const QPageLayout& layout, const QString& title,
             const std::function<bool(QPdfWriter& writer, QPainter& painter)>& draw);

} // namespace tessaline
