#pragma once
// The one-page printout: header, chart, legend, notes, footer and symbols on
// a page in millimetres, scaled so the whole chart fits. The same routine
// drives a printer and the PDF writer.
#include "pattern/ChartGeometry.h"
#include "render/ChartPainter.h"
#include "render/ChartSource.h"

#include <QByteArray>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <optional>
#include <string_view>

namespace tessaline {

// The printable size of a paged device's page in millimetres: the part a
// painter on it reaches, starting from painter (0, 0).
QSizeF pageSizeMillimetres(const QPagedPaintDevice& device);

// Scales a painter on a fresh page so that one unit is one millimetre.
void scaleToMillimetres(QPainter& painter);

// Geometry of the printed chart on a page of pageMm: cell size s from the
// canvas shape and the page shape.
ChartGeometry printGeometry(QSizeF pageMm, const ChartSource& source);

// Paints the chart on a painter already scaled to millimetres. Symbols are
// printed for every chart kind; blocks take each cell's pattern colour.
// False when the progress callback stopped it: the caller then abandons
// the job (QPrinter::abort) instead of ending the document.
bool printChart(QPainter& painter, QSizeF pageMm, const ChartSource& source,
                const ChartProgress& progress = {}, ChartPlacement* placement = nullptr);

// The least margin on every side of a one-page printout, in millimetres:
// what a home printer can print, so row numbers and edge columns are kept.
inline constexpr double kMinPrintMarginMm = 6.0;

// `layout` with each margin raised to at least kMinPrintMarginMm.
QPageLayout withPrintableMargins(QPageLayout layout);

// A4 with the least printable margins, the page of the saved PDF.
QPageLayout pdfPageLayout();

// The printout as a PDF on a page of `layout`, inside its margins, made in
// memory so that writing it to a file goes through the output files, whose
// checks see every failed write (the PDF engine does not report its own).
// Empty when the progress callback stopped it.
std::optional<QByteArray> renderChartPdf(const ChartSource& source,
                                         const ChartProgress& progress = {},
                                         ChartPlacement* placement = nullptr,
                                         const QPageLayout& layout = pdfPageLayout());

// The cell pitch in millimetres of the chart on the saved PDF's page.
double pdfCellSize(const ChartSource& source);

// True when printed cells of `cellMm` are too small to read the symbols.
bool printedCellsTooSmall(double cellMm);
// The sentence added to the message after a print or PDF with such cells
// (empty when they are large enough).
QString smallCellsAdvice(double cellMm);

} // namespace tessaline
