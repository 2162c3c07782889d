#pragma once
// The chart canvas of the generation window: a white image of
// 10 x gw + 83 by 10 x gh + legendHeight pixels with the chart on it.
#include "pattern/ChartGeometry.h"
#include "render/ChartPainter.h"
#include "render/ChartSource.h"

#include <QImage>
#include <QPainter>
#include <QSize>

namespace tessaline {

// Pixels reserved below the grid for legend, notes and footer.
int chartLegendHeight(const ChartSource& source);
QSize chartCanvasSize(const ChartSource& source);
ChartGeometry screenChartGeometry(const ChartSource& source);

// A white canvas at 96 dots per inch, so "宋体" 9 is 12 pixels as on the
// screens the charts were designed for.
QImage makeChartCanvas(QSize size);

// Draws the chart on a canvas painter (pixels, no transform): symbols unless
// the kind is "仅生成色块". False when the progress callback stopped it.
bool drawChart(QPainter& painter, const ChartSource& source, const ChartProgress& progress = {},
               ChartPlacement* placement = nullptr);

// A new canvas of the right size with the whole chart on it (a stopped
// drawing leaves the partial chart).
QImage renderChartCanvas(const ChartSource& source, const ChartProgress& progress = {});

} // namespace tessaline
