#include "render/PrintChart.h"

#include "render/ChartCanvas.h"
#include "render/PdfBytes.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintDevice>
#include <QPdfWriter>
#include <algorithm>

namespace tessaline {

namespace {

constexpr double kMillimetresPerInch = 25.4;

} // namespace

QSizeF pageSizeMillimetres(const QPagedPaintDevice& device) {
    // The printable part of the sheet: a painter on the device starts at its
    // corner (a PDF page has no margins, so there it is the whole sheet).
    return device.pageLayout().paintRect(QPageLayout::Millimeter).size();
}

void scaleToMillimetres(QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (device == nullptr) {
        return;
    }
    painter.scale(device->logicalDpiX() / kMillimetresPerInch,
                  device->logicalDpiY() / kMillimetresPerInch);
}

ChartGeometry printGeometry(QSizeF pageMm, const ChartSource& source) {
    const double cellSize = printCellSize(pageMm.width(), pageMm.height(), source.width(),
                                          source.height(), chartLegendHeight(source));
    return printChartGeometry(cellSize, pageMm.width());
}

bool printChart(QPainter& painter, QSizeF pageMm, const ChartSource& source,
                const ChartProgress& progress, ChartPlacement* placement) {
    const ChartGeometry geometry = printGeometry(pageMm, source);
    ChartPainter chart(painter, geometry, source, progress);
    const bool done = chart.paint(true);
    if (placement != nullptr) {
        *placement = chart.placement();
    }
    return done;
}

QPageLayout withPrintableMargins(QPageLayout layout) {
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF given = layout.margins();
    const QMarginsF kept(
        std::max(given.left(), kMinPrintMarginMm), std::max(given.top(), kMinPrintMarginMm),
        std::max(given.right(), kMinPrintMarginMm), std::max(given.bottom(), kMinPrintMarginMm));
    // The margins only grow, so the printer's own minimum always holds.
    layout.setMode(QPageLayout::StandardMode);
    layout.setMargins(kept);
    return layout;
}

QPageLayout pdfPageLayout() {
    return withPrintableMargins(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

std::optional<QByteArray> renderChartPdf(const ChartSource& source, const ChartProgress& progress,
                                         ChartPlacement* placement, const QPageLayout& layout) {
    return drawPdfBytes(layout, QString(), [&](QPdfWriter& writer, QPainter& painter) {
        scaleToMillimetres(painter);
        return printChart(painter, pageSizeMillimetres(writer), source, progress, placement);
    });
}

double pdfCellSize(const ChartSource& source) {
    const QSizeF pageMm = pdfPageLayout().paintRect(QPageLayout::Millimeter).size();
    return printGeometry(pageMm, source).cell;
}

bool printedCellsTooSmall(double cellMm) {
    return cellMm > 0 && cellMm < kReadableCellMillimetres;
}

QString smallCellsAdvice(double cellMm) {
    if (!printedCellsTooSmall(cellMm)) {
        return {};
    }
    return QCoreApplication::translate(
               "PrintChart",
               "这张图上每格只有%1毫米，符号很难看清；要清楚的绣图，请用“保存图册”把绣图按"
               "看得清的大小分页印出，或缩小绣图尺寸，或用“局部”把图片分成几块分别生成。")
        .arg(cellMm, 0, 'f', 2);
}

} // namespace tessaline
