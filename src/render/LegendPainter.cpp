// The legend part of ChartPainter: grid and headings, entries, notes.
#include "render/ChartPainter.h"
#include "render/ChartTexts.h"
#include "render/ColorConvert.h"

#include <algorithm>

namespace tessaline {

Color legendSwatchColor(Color color, bool grey) {
    const int r = getRed(color);
    const int g = getGreen(color);
    const int b = getBlue(color);
    if (!grey || (g == 255 && b == 255)) {
        return color;
    }
    const int average = (r + g + b) / 3;
    return rgb(average, average, average);
}

double ChartPainter::drawLegendGrid(int width, int count) {
    legendLayout_ = legendLayout(g_.legendWidth(width), count, g_.legend);
    const double left = g_.leftMargin;
    const double top = placement_.legendTop;
    const double column = g_.legendColumnWidth();
    const double line = g_.legendLineHeight();
    const int lines = legendLayout_.textLines();
    const int columns = legendLayout_.columns;

    for (int i = 0; i <= lines; ++i) {
        surface_.horizontalLine(left, left + column * columns, top + line * i, g_.thinLine,
                                kThinLineColor);
    }
    for (int c = 0; c <= columns; ++c) {
        surface_.verticalLine(left + column * c, top, top + line * lines, g_.thinLine,
                              kThinLineColor);
    }

    surface_.setTextColor(Qt::black);
    for (int i = 0; i < lines; i += kLegendLinesPerRow) {
        for (int j = 0; j < kLegendLinesPerRow; ++j) {
            surface_.text(left + g_.legendTextDx, top + line * (i + j) + g_.legendTextDy,
                          legendHeadingText(j), legendFont_);
        }
    }
    placement_.legendBottom = top + line * (lines + 2);
    return placement_.legendBottom;
}

bool ChartPainter::drawLegendEntries() {
    const ThreadTable& table = key_;
    const double left = g_.leftMargin;
    const double top = placement_.legendTop;
    const double column = g_.legendColumnWidth();
    const double line = g_.legendLineHeight();
    const int count = static_cast<int>(table.size());

    surface_.setTextColor(Qt::black);
    for (int k = 1; k <= count; ++k) {
        const ThreadEntry& entry = table[static_cast<std::size_t>(k - 1)];
        const LegendCell cell = legendCellOf(k, legendLayout_);
        const double x = left + column * cell.column;
        const double y = top + line * cell.firstLine;
        if (g_.swatches) {
            const double sx = x + g_.swatchDx;
            const double sy = y + g_.swatchDy;
            surface_.fillBox(sx, sy, sx + g_.swatchWidth, sy + g_.swatchHeight,
                             toQColor(legendSwatchColor(entry.color, source_.greySwatches)));
        }
        const double tx = x + g_.legendTextDx;
        surface_.text(tx, y + g_.legendTextDy, symbolString(entry.paletteIndex), legendFont_);
        surface_.text(tx, y + line + g_.legendTextDy, keyThreadText(k - 1), legendFont_);
        surface_.text(tx, y + 2 * line + g_.legendTextDy,
                      QString::fromStdString(entry.amountText()), legendFont_);
        if (!progress_.report(k, count)) {
            return false;
        }
    }
    return true;
}

void ChartPainter::drawLegendNote() {
    const double left = g_.leftMargin;
    const double bottom = placement_.legendBottom;
    surface_.setTextColor(Qt::black);
    surface_.text(left + g_.noteDx, bottom + g_.noteDy,
                  legendTotalNoteText(source_.width(), source_.height()), noteFont_);
    surface_.text(left + g_.symbolNoteDx, bottom + g_.symbolNoteDy, symbolNoteText(), noteFont_);

    // The footer ends near the chart's right edge; on a narrow chart it is
    // pulled left so that it stays on the surface.
    const QString footer = chartFooterText();
    const double footerWidth = surface_.textWidth(footer, noteFont_);
    double x = left + g_.cell * source_.width() - g_.footerBack;
    x = std::max(std::min(x, g_.surfaceWidth - footerWidth), 0.0);
    surface_.text(x, bottom + g_.footerDy, footer, noteFont_);
    if (key_.size() > listedEntries_) {
        // One note line below the footer.
        const double y = bottom + g_.footerDy + (g_.symbolNoteDy - g_.noteDy);
        surface_.text(left + g_.noteDx, y, rareThreadNoteText(), noteFont_);
    }
}

} // namespace tessaline
