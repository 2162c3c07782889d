#include "render/ChartCanvas.h"

#include "render/PixelImage.h"

namespace tessaline {

int chartLegendHeight(const ChartSource& source) {
    // Every thread on the chart has a key entry, the rare ones included.
    const int entries = source.entryCount() + static_cast<int>(source.rare().size());
    return legendHeight(screenLegendLayout(source.width(), entries));
}

QSize chartCanvasSize(const ChartSource& source) {
    const CanvasSize size =
        chartCanvasSize(source.width(), source.height(), chartLegendHeight(source));
    return {size.width, size.height};
}

ChartGeometry screenChartGeometry(const ChartSource& source) {
    return screenChartGeometry(source.width(), source.height(), chartLegendHeight(source));
}

QImage makeChartCanvas(QSize size) {
    QImage canvas = makePixelImage(size);
    canvas.fill(Qt::white);
    return canvas;
}

bool drawChart(QPainter& painter, const ChartSource& source, const ChartProgress& progress,
               ChartPlacement* placement) {
    const ChartGeometry geometry = screenChartGeometry(source);
    ChartPainter chart(painter, geometry, source, progress);
    const bool done = chart.paint(source.kind != ChartKind::BlocksOnly);
    if (placement != nullptr) {
        *placement = chart.placement();
    }
    return done;
}

QImage renderChartCanvas(const ChartSource& source, const ChartProgress& progress) {
    QImage canvas = makeChartCanvas(chartCanvasSize(source));
    QPainter painter(&canvas);
    drawChart(painter, source, progress);
    painter.end();
    return canvas;
}

} // namespace tessaline
