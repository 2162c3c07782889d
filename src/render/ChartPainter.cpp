#include "render/ChartPainter.h"

#include "pattern/BookLayout.h"
#include "render/ChartTexts.h"
#include "render/ColorConvert.h"
#include "render/FontSetup.h"

#include <algorithm>

namespace tessaline {

namespace {

// "宋体" 9 for symbols, header, legend and notes; "Arial" 8 for numbering.
constexpr qreal kSongPointSize = 9;
constexpr qreal kArialPointSize = 8;

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

QString infoText(const ChartSource& source) {
    const std::string_view category = threadCategoryText(source.threads.category);
    return chartInfoText(
        QString::fromUtf8(category.data(), static_cast<qsizetype>(category.size())),
        source.entryCount(), source.width(), source.height());
}

} // namespace

QString printedThreadNumber(const std::string& threadNo) {
    // The stored number is padded with blanks; they print as nothing.
    QString text = QString::fromStdString(threadNo);
    while (text.endsWith(QLatin1Char(' '))) {
        text.chop(1);
    }
    return text;
}

ChartPainter::ChartPainter(QPainter& painter, const ChartGeometry& geometry,
                           const ChartSource& source, const ChartProgress& progress)
    : surface_(painter), g_(geometry), source_(source), progress_(progress),
      key_(source.threads.table), listedEntries_(source.threads.table.size()) {
    placement_.cell = g_.cell;
    for (ThreadEntry& entry : source.rare()) {
        key_.push_back(std::move(entry));
    }
    fitFonts();
}

void ChartPainter::fitFonts() {
    const QFont song = songFont(kSongPointSize);
    const QFont arial = arialFont(kArialPointSize);
    const double unit = g_.legendUnit;

    // The legend's texts must stay inside their cells, on the canvas too
    // (six-character "CC" numbers are wider than four-digit ones).
    QStringList legendTexts;
    for (int line = 0; line < kLegendLinesPerRow; ++line) {
        legendTexts << legendHeadingText(line);
    }
    for (std::size_t k = 0; k < key_.size(); ++k) {
        const ThreadEntry& entry = key_[k];
        legendTexts << symbolString(entry.paletteIndex) << keyThreadText(static_cast<int>(k))
                    << QString::fromStdString(entry.amountText());
    }
    const double legendRoomWidth = g_.legendColumnWidth() - g_.legendTextDx - unit;
    const double legendRoomHeight =
        g_.fitTexts ? g_.legendLineHeight() - g_.legendTextDy - 0.5 * unit : 0;
    legendFont_ = surface_.fitFont(song, legendTexts, legendRoomWidth, legendRoomHeight);

    titleFont_ = song;
    infoFont_ = song;
    rowNumberFont_ = arial;
    digitFont_ = arial;
    symbolFont_ = song;
    noteFont_ = song;
    if (!g_.fitTexts) {
        return;
    }
    const double width = g_.surfaceWidth;
    const double cell = g_.cell;
    titleFont_ =
        surface_.fitFont(song, {chartTitleText(source_.title)}, width, g_.headerLineHeight);
    infoFont_ =
        surface_.fitFont(song, {infoText(source_)}, width - g_.leftMargin, g_.headerLineHeight);

    const int gridSize = effectiveGridSize(source_.gridSize);
    QStringList rowNumbers;
    for (int r = 0; r < std::min(gridSize, source_.height()); ++r) {
        rowNumbers << fromUtf8(rowNumberText(r, gridSize));
    }
    // A row number ends before the grid; one row high.
    rowNumberFont_ = surface_.fitFont(arial, rowNumbers, -g_.rowNumberDx - unit, 0.98 * cell);
    QStringList digits;
    for (char digit = '0'; digit <= '9'; ++digit) {
        digits << QString(QLatin1Char(digit));
    }
    digits << fromUtf8(blockLetterText(source_.width() / gridSize));
    // Column digits stack one under the other inside their column.
    digitFont_ = surface_.fitFont(arial, digits, 0.9 * (cell - g_.digitDx),
                                  0.98 * (g_.digitDy[1] - g_.digitDy[0]));

    // Every symbol the cells use fits its cell.
    std::array<bool, kMaxPatternColors + 1> used{};
    for (int y = 0; y < source_.height(); ++y) {
        for (int x = 0; x < source_.width(); ++x) {
            const int index = source_.colorIndexMatrix(x, y);
            if (index >= 0 && index <= kMaxPatternColors) {
                used[static_cast<std::size_t>(index)] = true;
            }
        }
    }
    QStringList symbols;
    for (int index = 0; index <= kMaxPatternColors; ++index) {
        if (used[static_cast<std::size_t>(index)]) {
            symbols << symbolString(index);
        }
    }
    symbolFont_ = surface_.fitFont(song, symbols, 0.98 * (cell - g_.symbolDx), 0.98 * cell);

    const double left = g_.leftMargin;
    noteFont_ = surface_.fitFont(song, {legendTotalNoteText(source_.width(), source_.height())},
                                 width - left - g_.noteDx, g_.noteLineHeight);
    noteFont_ = surface_.fitFont(noteFont_, {symbolNoteText()}, width - left - g_.symbolNoteDx, 0);
    noteFont_ = surface_.fitFont(noteFont_, {chartFooterText()}, width, 0);
    if (key_.size() > listedEntries_) {
        noteFont_ =
            surface_.fitFont(noteFont_, {rareThreadNoteText()}, width - left - g_.noteDx, 0);
    }
}

bool ChartPainter::paint(bool withSymbols) {
    const int width = source_.width();
    const int height = source_.height();

    progress_.enter(ChartStage::Header);
    const double headerBottom = drawChartHeader(chartTitleText(source_.title), infoText(source_));
    setGridTop(headerBottom + g_.gridGap);

    const std::optional<double> gridBottom = drawChartGrid(width, height);
    if (!gridBottom) {
        return false;
    }
    setLegendTop(*gridBottom + g_.legendGap);

    progress_.enter(ChartStage::Legend);
    drawLegendGrid(width, keyEntryCount());
    if (!drawLegendEntries()) {
        return false;
    }
    drawLegendNote();

    return !withSymbols || drawCellSymbols();
}

double ChartPainter::drawChartHeader(const QString& title, const QString& info) {
    surface_.setTextColor(Qt::black);
    const double lineHeight =
        std::max(surface_.textHeight(titleFont_), surface_.textHeight(infoFont_));
    const double titleX = (g_.surfaceWidth - surface_.textWidth(title, titleFont_)) / 2;
    surface_.text(titleX, g_.topMargin, title, titleFont_);
    const double infoY = g_.topMargin + lineHeight + g_.infoGap;
    surface_.text(g_.leftMargin, infoY, info, infoFont_);
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
                      fromUtf8(rowNumberText(r, gridSize)), rowNumberFont_);
    }

    surface_.setTextColor(kBlockLetterColor);
    for (int c = gridSize; c <= width - 1; c += gridSize) {
        surface_.text(left + cell * c + g_.letterDx, bottom + g_.letterDy,
                      fromUtf8(blockLetterText(c / gridSize)), digitFont_);
    }

    surface_.setTextColor(Qt::black);
    for (int c = 0; c < width; ++c) {
        const std::string digits = columnDigitsText(c);
        const double x = left + cell * c + g_.digitDx;
        for (std::size_t i = 0; i < digits.size(); ++i) {
            surface_.text(x, bottom + g_.digitDy[i], QString(QChar(digits[i])), digitFont_);
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
    // An unstitched cell stays blank.
    if (source_.colorIndexMatrix(x, y) == kUnstitchedIndex) {
        return Qt::white;
    }
    if (g_.blocksInPatternColor) {
        return toQColor(source_.patternMatrix(x, y));
    }
    return toQColor(source_.threads.indexColor(source_.colorIndexMatrix(x, y)));
}

QString ChartPainter::keyThreadText(int k) const {
    const QString number = printedThreadNumber(key_[static_cast<std::size_t>(k)].threadNo);
    return static_cast<std::size_t>(k) < listedEntries_ ? number : number + QLatin1Char('*');
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
        surface_.prepare(*slot, symbolFont_);
    }
    return *slot;
}

void ChartPainter::drawCellSymbol(int x, int y, int index) {
    if (drawsBlocks()) {
        // On its block the symbol is white or black, whichever reads.
        surface_.setTextColor(whiteSymbolOn(fromQColor(blockColor(x, y))) ? Qt::white : Qt::black);
    }
    const double px = g_.leftMargin + g_.cell * x + g_.symbolDx;
    const double py = placement_.gridTop + g_.cell * y + g_.symbolDy;
    if (surface_.devicePixels()) {
        surface_.staticText(px, py, symbolText(index));
    } else {
        surface_.text(px, py, symbolString(index), symbolFont_);
    }
}

bool ChartPainter::drawCellSymbols() {
    const int width = source_.width();
    const int height = source_.height();
    progress_.enter(ChartStage::Symbols);
    surface_.setTextColor(Qt::black);
    surface_.useFont(symbolFont_);
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
