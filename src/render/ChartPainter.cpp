#include "render/ChartPainter.h"

#include "render/ColorConvert.h"
#include "render/FontSetup.h"

namespace tessaline {

namespace {

// "宋体" 9 for symbols, header, legend and notes; "Arial" 8 for numbering.
constexpr qreal kSongPointSize = 9;
constexpr qreal kArialPointSize = 8;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ChartPainter::ChartPainter(QPainter& painter, const ChartGeometry& geometry,
                           const ChartSource& source, const ChartProgress& progress)
    : surface_(painter), g_(geometry), source_(source), progress_(progress),
      songFont_(songFont(kSongPointSize)), arialFont_(arialFont(kArialPointSize)) {}

bool ChartPainter::paint(bool withSymbols) {
    const int width = source_.width();
    const int height = source_.height();
    const std::string info =
        chartInfoLine(std::string(threadCategoryText(source_.threads.category)),
                      source_.entryCount(), width, height);

    progress_.enter(ChartStage::Header);
    const double headerBottom =
        drawChartHeader(fromUtf8(chartTitle(source_.title)), fromUtf8(info));
    setGridTop(headerBottom + g_.gridGap);

    const std::optional<double> gridBottom = drawChartGrid(width, height);
    if (!gridBottom) {
        return false;
    }
    setLegendTop(*gridBottom + g_.legendGap);

    progress_.enter(ChartStage::Legend);
    drawLegendGrid(width, source_.entryCount());
    if (!drawLegendEntries()) {
        return false;
    }
    drawLegendNote();

    return !withSymbols || drawCellSymbols();
}

double ChartPainter::drawChartHeader(const QString& title, const QString& info) {
    surface_.setTextColor(Qt::black);
    const double lineHeight = surface_.textHeight(songFont_);
    const double titleX = (g_.surfaceWidth - surface_.textWidth(title, songFont_)) / 2;
    surface_.text(titleX, g_.topMargin, title, songFont_);
    const double infoY = g_.topMargin + lineHeight + g_.infoGap;
    surface_.text(g_.leftMargin, infoY, info, songFont_);
    // Printing the info line moves the current y one line down; the header
    // ends one more line height and a small gap below that.
    return infoY + 2 * lineHeight + g_.headerTail;
}

std::optional<double> ChartPainter::drawChartGrid(int width, int height) {
    const double left = g_.leftMargin;
    const double top = placement_.gridTop;
    const double cell = g_.cell;
    const double right = left + cell * width;
    const double bottom = top + cell * height;

    progress_.enter(ChartStage::Grid);
    const int lineSteps = height + width;
    for (int r = 0; r < height; ++r) {
        surface_.horizontalLine(g_.rowLineStart, right, top + cell * r, g_.thinLine,
                                kThinLineColor);
        if (!progress_.report(r + 1, lineSteps)) {
            return std::nullopt;
        }
    }
    for (int c = 0; c < width; ++c) {
        surface_.verticalLine(left + cell * c, top, bottom + g_.columnLineOverhang, g_.thinLine,
                              kThinLineColor);
        if (!progress_.report(height + c + 1, lineSteps)) {
            return std::nullopt;
        }
    }

    if (drawsBlocks()) {
        progress_.enter(ChartStage::Blocks);
        for (int r = 0; r < height; ++r) {
            const double y = top + cell * r;
            for (int c = 0; c < width; ++c) {
                const double x = left + cell * c;
                surface_.fillBox(x + g_.blockInsetStart, y + g_.blockInsetStart,
                                 x + cell - g_.blockInsetEnd, y + cell - g_.blockInsetEnd,
                                 blockColor(c, r));
            }
            if (!progress_.report(r + 1, height)) {
                return std::nullopt;
            }
        }
    }

    // Closing lines: bottom of the last row, right of the last column.
    surface_.horizontalLine(g_.rowLineStart, right, bottom, g_.thinLine, kThinLineColor);
    surface_.verticalLine(right, top, bottom, g_.thinLine, kThinLineColor);

    drawNumbering(width, height);
    drawHeavyLines(width, height);
    return bottom + g_.gridResultGap;
}

void ChartPainter::drawNumbering(int width, int height) {
    const double left = g_.leftMargin;
    const double top = placement_.gridTop;
    const double cell = g_.cell;
    const double bottom = top + cell * height;
    const int gridSize = effectiveGridSize(source_.gridSize);

    surface_.setTextColor(Qt::black);
    for (int r = 0; r < height; ++r) {
        surface_.text(left + g_.rowNumberDx, top + g_.rowNumberDy + cell * r,
                      fromUtf8(rowNumberText(r, gridSize)), arialFont_);
    }

    surface_.setTextColor(kBlockLetterColor);
    for (int c = gridSize; c <= width - 1; c += gridSize) {
        surface_.text(left + cell * c + g_.letterDx, bottom + g_.letterDy,
                      fromUtf8(blockLetterText(c / gridSize)), arialFont_);
    }

    surface_.setTextColor(Qt::black);
    for (int c = 0; c < width; ++c) {
        const std::string digits = columnDigitsText(c);
        const double x = left + cell * c + g_.digitDx;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            surface_.text(x, bottom + g_.digitDy[i], QString(QChar(digits[i])), arialFont_);
        }
    }
}

void ChartPainter::drawHeavyLines(int width, int height) {
    const double left = g_.leftMargin;
    const double top = placement_.gridTop;
    const double cell = g_.cell;
    const int gridSize = effectiveGridSize(source_.gridSize);
    for (int r = gridSize; r < height; r += gridSize) {
        surface_.horizontalLine(left, left + cell * width, top + cell * r, g_.heavyLine,
                                kHeavyLineColor);
    }
    for (int c = gridSize; c < width; c += gridSize) {
        surface_.verticalLine(left + cell * c, top, top + cell * height, g_.heavyLine,
                              kHeavyLineColor);
    }
}

QColor ChartPainter::blockColor(int x, int y) const {
    if (g_.blocksInPatternColor) {
        return toQColor(source_.patternMatrix(x, y));
    }
    return toQColor(source_.threads.indexColor(source_.colorIndexMatrix(x, y)));
}

QString ChartPainter::symbolString(int index) const {
    return fromUtf8(source_.threads.symbol(index));
}

const QStaticText& ChartPainter::symbolText(int index) {
    static const QStaticText kNone;
    if (index < 0 || index > kMaxPatternColors) {
        return kNone;
    }
    std::optional<QStaticText>& slot = symbols_[static_cast<std::size_t>(index)];
    if (!slot) {
        slot.emplace(symbolString(index));
        surface_.prepare(*slot, songFont_);
    }
    return *slot;
}

void ChartPainter::drawCellSymbol(int x, int y, int index) {
    const double px = g_.leftMargin + g_.cell * x + g_.symbolDx;
    const double py = placement_.gridTop + g_.cell * y + g_.symbolDy;
    if (surface_.devicePixels()) {
        surface_.staticText(px, py, symbolText(index));
    } else {
        surface_.text(px, py, symbolString(index), songFont_);
    }
}

bool ChartPainter::drawCellSymbols() {
    const int width = source_.width();
    const int height = source_.height();
    progress_.enter(ChartStage::Symbols);
    surface_.setTextColor(Qt::black);
    surface_.useFont(songFont_);
    // A run stopped before the pass begins draws none of it.
    if (!progress_.report(0, height)) {
        return false;
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            drawCellSymbol(x, y, source_.colorIndexMatrix(x, y));
        }
        if (!progress_.report(y + 1, height)) {
            return false;
        }
    }
    return true;
}

} // namespace tessaline
