#include "render/PatternBook.h"

#include "pattern/BookLayout.h"
#include "pattern/SkeinEstimate.h"
#include "render/ChartPainter.h"
#include "render/ChartTexts.h"
#include "render/ColorConvert.h"
#include "render/FontSetup.h"
#include "render/PdfBytes.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace tessaline {

namespace {

QString number(double value, int decimals = 1) {
    return QString::number(value, 'f', decimals);
}

// The cloth as the book names it: "14 格布", or for evenweave and linen the
// count stitched over two and the crosses an inch it gives.
QString fabricText(int count) {
    if (stitchedOverTwo(count)) {
        return QCoreApplication::translate("PatternBook",
                                           "%1 纱亚麻或十字布，跨两纱绣（每英寸 %2 针）")
            .arg(count)
            .arg(QString::number(stitchesPerInch(count)));
    }
    return QCoreApplication::translate("PatternBook", "%1 格布").arg(count);
}

// Where the centre falls: "第 51 列", or "第 50 与 51 列之间".
QString centreColumnText(int cells) {
    if (cells % 2 == 1) {
        return QCoreApplication::translate("PatternBook", "第 %1 列").arg(cells / 2 + 1);
    }
    return QCoreApplication::translate("PatternBook", "第 %1 与 %2 列之间")
        .arg(cells / 2)
        .arg(cells / 2 + 1);
}
QString centreRowText(int cells) {
    if (cells % 2 == 1) {
        return QCoreApplication::translate("PatternBook", "第 %1 行").arg(cells / 2 + 1);
    }
    return QCoreApplication::translate("PatternBook", "第 %1 与 %2 行之间")
        .arg(cells / 2)
        .arg(cells / 2 + 1);
}

// Line widths and shades of the chart pages, millimetres.
constexpr double kThinLine = 0.1;
constexpr double kHeavyLine = 0.4;
const QColor kRepeatShade(0, 0, 0, 56);
const QColor kMapPage(200, 200, 200);
const QColor kMapCurrent(66, 66, 66);

// One symbol as glyphs of one font, placed so that its ink is centred on
// the point (0, 0).
struct SymbolGlyphs {
    int font = -1; // index into the glyph fonts; -1: nothing to draw
    QList<quint32> glyphs;
    QList<QPointF> offsets;
};

// Glyphs of one font and ink gathered for one drawGlyphRun call.
struct GlyphBatch {
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

class BookWriter {
  public:
    BookWriter(QPdfWriter& writer, QPainter& painter, const ChartSource& source,
               const BookSettings& settings, const ChartProgress& progress)
        : writer_(writer), painter_(painter), source_(source), settings_(settings),
          progress_(progress), legend_(bookLegend(source, settings)),
          layout_(source.width(), source.height(), static_cast<int>(legend_.size()), settings),
          scale_(writer.resolution() / 25.4) {}

    bool write() {
        progress_.enter(ChartStage::Header);
        drawCover();
        if (!progress_.report(1, 1)) {
            return false;
        }
        prepareSymbols();
        progress_.enter(ChartStage::Grid);
        for (int k = 0; k < layout_.chartPages(); ++k) {
            writer_.newPage();
            drawChartPage(layout_.chartPage(k));
            if (!progress_.report(k + 1, layout_.chartPages())) {
                return false;
            }
        }
        progress_.enter(ChartStage::Legend);
        for (int k = 0; k < layout_.legendPages(); ++k) {
            writer_.newPage();
            drawLegendPage(k);
            if (!progress_.report(k + 1, layout_.legendPages())) {
                return false;
            }
        }
        return true;
    }

  private:
    // ---- Millimetres on the PDF's device units.
    double mm(double v) const { return v * scale_; }
    QRectF box(double x, double y, double w, double h) const {
        return QRectF(mm(x), mm(y), mm(w), mm(h));
    }
    void fill(double x, double y, double w, double h, const QColor& color) {
        painter_.fillRect(box(x, y, w, h), color);
    }
    void horizontal(double x1, double x2, double y, double width, const QColor& color) {
        fill(x1 - width / 2, y - width / 2, x2 - x1 + width, width, color);
    }
    void vertical(double x, double y1, double y2, double width, const QColor& color) {
        fill(x - width / 2, y1 - width / 2, width, y2 - y1 + width, color);
    }
    void outline(double x, double y, double w, double h, double width, const QColor& color) {
        horizontal(x, x + w, y, width, color);
        horizontal(x, x + w, y + h, width, color);
        vertical(x, y, y + h, width, color);
        vertical(x + w, y, y + h, width, color);
    }
    // A font whose em is `heightMm` high.
    QFont font(QFont base, double heightMm) const {
        base.setPixelSize(std::max(1, static_cast<int>(std::lround(mm(heightMm)))));
        return base;
    }
    // Text, and the symbols: every one a glyph of the chart font itself.
    QFont song(double heightMm) const { return font(songFont(9), heightMm); }
    QFont arial(double heightMm) const { return font(arialFont(8), heightMm); }
    void text(double x, double y, double w, double h, int flags, const QString& text,
              const QFont& font, const QColor& color = Qt::black) {
        painter_.setFont(font);
        painter_.setPen(color);
        painter_.drawText(box(x, y, w, h), flags, text);
    }
    double textWidth(const QString& text, const QFont& font) const {
        return QFontMetricsF(font, &writer_).horizontalAdvance(text) / scale_;
    }
    // `font` made smaller until `text` is at most maxWidth wide.
    QFont fitted(QFont font, const QString& text, double maxWidth) const {
        const double width = textWidth(text, font);
        if (width > maxWidth && width > 0) {
            font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * maxWidth / width)));
        }
        return font;
    }

    PaperMillimetres paper() const { return layout_.paper(); }
    double margin() const { return layout_.frame().margin; }
    double contentWidth() const { return paper().width - 2 * margin(); }
    QString title() const { return chartTitleText(source_.title); }
    bool drawsBlocks() const { return source_.kind != ChartKind::SymbolsOnly; }
    bool drawsSymbols() const { return source_.kind != ChartKind::BlocksOnly; }
    Color cellColor(int x, int y) const {
        return source_.threads.indexColor(source_.colorIndexMatrix(x, y));
    }

    // The page number, centred on the bottom line of the page.
    void drawPageNumber(int page) {
        const double h = 4;
        text(margin(), paper().height - margin() - h, contentWidth(), h,
             Qt::AlignHCenter | Qt::AlignBottom, bookPageText(page, layout_.pageCount()),
             song(3.2));
    }

    // ---- Cover.
    void drawCover() {
        const double left = margin();
        double y = margin() + 4;
        const QFont titleFont = fitted(song(8), title(), contentWidth());
        text(left, y, contentWidth(), 12, Qt::AlignHCenter | Qt::AlignTop, title(), titleFont);
        y += 16;

        // The pattern in its thread colours, one square a cell.
        const int w = source_.width();
        const int h = source_.height();
        const double roomW = contentWidth() - 20;
        const double roomH = 150;
        const double cell = std::min(roomW / std::max(w, 1), roomH / std::max(h, 1));
        const double px = left + (contentWidth() - cell * w) / 2;
        const double py = y + (roomH - cell * h) / 2;
        drawCellRuns(0, w, 0, h, px, py, cell);
        outline(px, py, cell * w, cell * h, 0.2, kHeavyLineColor);
        y += roomH + 10;

        int stitches = 0;
        for (const BookLegendEntry& entry : legend_) {
            stitches += entry.stitches;
        }
        const QFont lineFont = song(4.2);
        const double line = 7;
        auto say = [&](const QString& words, double indent = 0) {
            text(left + 15 + indent, y, contentWidth() - 15 - indent, line,
                 Qt::AlignLeft | Qt::AlignVCenter, words, lineFont);
            y += line;
        };
        say(QCoreApplication::translate("PatternBook", "尺寸：%1 × %2 针").arg(w).arg(h));
        say(QCoreApplication::translate("PatternBook", "绣线：%1 种　　针数：%2 针")
                .arg(static_cast<int>(legend_.size()))
                .arg(stitches));
        say(QCoreApplication::translate("PatternBook", "成品尺寸："));
        for (const int count : kCoverFabricCounts) {
            say(QCoreApplication::translate("PatternBook", "%1 格布：%2 × %3 厘米（%4 × %5 英寸）")
                    .arg(count)
                    .arg(number(finishedCentimetres(w, count)))
                    .arg(number(finishedCentimetres(h, count)))
                    .arg(number(finishedInches(w, count)))
                    .arg(number(finishedInches(h, count))),
                8);
        }
        if (stitchedOverTwo(settings_.fabricCount)) {
            say(QCoreApplication::translate("PatternBook", "%1：%2 × %3 厘米（%4 × %5 英寸）")
                    .arg(fabricText(settings_.fabricCount))
                    .arg(number(finishedCentimetres(w, settings_.fabricCount)))
                    .arg(number(finishedCentimetres(h, settings_.fabricCount)))
                    .arg(number(finishedInches(w, settings_.fabricCount)))
                    .arg(number(finishedInches(h, settings_.fabricCount))),
                8);
        }
        say(QCoreApplication::translate("PatternBook", "中心：%1，%2（图表页边上的箭头所指）")
                .arg(centreColumnText(w))
                .arg(centreRowText(h)));
        say(QCoreApplication::translate("PatternBook",
                                        "图表：%1 页，每格 %2 毫米；用线按 %3、%4 股线计算")
                .arg(layout_.chartPages())
                .arg(number(settings_.pitchMm, 2))
                .arg(fabricText(settings_.fabricCount))
                .arg(settings_.strands));

        text(left, paper().height - margin() - 12, contentWidth(), 6,
             Qt::AlignHCenter | Qt::AlignBottom, chartFooterText(), song(3.6));
        drawPageNumber(1);
    }

    // Cells [x0, x1) x [y0, y1) as squares of `cell` at (left, top), each
    // row's runs of one colour as one box.
    void drawCellRuns(int x0, int x1, int y0, int y1, double left, double top, double cell) {
        for (int y = y0; y < y1; ++y) {
            int start = x0;
            while (start < x1) {
                const Color color = cellColor(start, y);
                int end = start + 1;
                while (end < x1 && cellColor(end, y) == color) {
                    ++end;
                }
                painter_.fillRect(QRectF(mm(left + cell * (start - x0)), mm(top + cell * (y - y0)),
                                         mm(cell * (end - start)), mm(cell)),
                                  toQColor(color));
                start = end;
            }
        }
    }

    // ---- Chart symbols.
    void prepareSymbols() {
        const double pitch = settings_.pitchMm;
        std::array<bool, kMaxPatternColors + 1> used{};
        for (const BookLegendEntry& entry : legend_) {
            if (entry.paletteIndex >= 1 && entry.paletteIndex <= kMaxPatternColors) {
                used[static_cast<std::size_t>(entry.paletteIndex)] = true;
            }
        }
        // One size for every symbol: the largest ink fits 80 % of a cell.
        QFont symbolFont = song(0.9 * pitch);
        for (int round = 0; round < 2; ++round) {
            double largest = 0;
            for (int index = 1; index <= kMaxPatternColors; ++index) {
                if (used[static_cast<std::size_t>(index)]) {
                    const QRectF ink = QFontMetricsF(symbolFont, &writer_)
                                           .tightBoundingRect(QString::fromStdString(
                                               source_.threads.stitchSymbol(index)));
                    largest = std::max({largest, ink.width(), ink.height()});
                }
            }
            const double room = mm(0.8 * pitch);
            if (largest <= room || largest <= 0) {
                break;
            }
            symbolFont.setPixelSize(
                std::max(1, static_cast<int>(symbolFont.pixelSize() * room / largest)));
        }
        for (int index = 1; index <= kMaxPatternColors; ++index) {
            if (used[static_cast<std::size_t>(index)]) {
                symbols_[static_cast<std::size_t>(index)] = shapeSymbol(
                    QString::fromStdString(source_.threads.stitchSymbol(index)), symbolFont);
                whiteInk_[static_cast<std::size_t>(index)] =
                    whiteSymbolOn(source_.threads.indexColor(index));
            }
        }
    }

    SymbolGlyphs shapeSymbol(const QString& symbol, const QFont& font) {
        SymbolGlyphs shaped;
        if (symbol.isEmpty()) {
            return shaped;
        }
        QTextLayout layout(symbol, font, &writer_);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        if (runs.isEmpty() || runs.front().glyphIndexes().isEmpty()) {
            return shaped;
        }
        const QGlyphRun& run = runs.front();
        const QRawFont raw = run.rawFont();
        QRectF ink;
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            ink |= raw.boundingRect(run.glyphIndexes()[i]).translated(run.positions()[i]);
        }
        const QPointF centre = ink.center();
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i) {
            shaped.glyphs.append(run.glyphIndexes()[i]);
            shaped.offsets.append(run.positions()[i] - centre);
        }
        const auto known = std::find(glyphFonts_.begin(), glyphFonts_.end(), raw);
        shaped.font = static_cast<int>(known - glyphFonts_.begin());
        if (known == glyphFonts_.end()) {
            glyphFonts_.push_back(raw);
        }
        return shaped;
    }

    // ---- Chart pages.
    void drawChartPage(const ChartPage& page) {
        const double pitch = settings_.pitchMm;
        const double left = layout_.chartLeft();
        const double top = layout_.chartTop();
        const BookSpan& cols = page.columns;
        const BookSpan& rows = page.rows;
        const double width = pitch * cols.count;
        const double height = pitch * rows.count;
        const int gridSize = effectiveGridSize(source_.gridSize);

        // Header: title, and which part of the pattern this page holds.
        const QFont headerFont = song(3.6);
        const QString where = QCoreApplication::translate("PatternBook", "第 %1–%2 列，第 %3–%4 行")
                                  .arg(cols.first + 1)
                                  .arg(cols.end())
                                  .arg(rows.first + 1)
                                  .arg(rows.end());
        const double headerTop = margin();
        const double whereWidth = textWidth(where, headerFont) + 2;
        text(margin(), headerTop, contentWidth() - whereWidth, 6, Qt::AlignLeft | Qt::AlignTop,
             title(), fitted(headerFont, title(), contentWidth() - whereWidth - 4));
        text(margin(), headerTop, contentWidth(), 6, Qt::AlignRight | Qt::AlignTop, where,
             headerFont);

        if (drawsBlocks()) {
            drawCellRuns(cols.first, cols.end(), rows.first, rows.end(), left, top, pitch);
        }
        // The rows and columns repeated from the neighbouring pages, shaded.
        if (cols.repeated > 0) {
            fill(left, top, pitch * cols.repeated, height, kRepeatShade);
        }
        if (rows.repeated > 0) {
            fill(left + pitch * cols.repeated, top, width - pitch * cols.repeated,
                 pitch * rows.repeated, kRepeatShade);
        }

        // Thin lines between the cells, heavy ones on the whole pattern's
        // block lines and around the page's part.
        for (int c = 1; c < cols.count; ++c) {
            if ((cols.first + c) % gridSize != 0) {
                vertical(left + pitch * c, top, top + height, kThinLine, kThinLineColor);
            }
        }
        for (int r = 1; r < rows.count; ++r) {
            if ((rows.first + r) % gridSize != 0) {
                horizontal(left, left + width, top + pitch * r, kThinLine, kThinLineColor);
            }
        }
        for (int c = 1; c < cols.count; ++c) {
            if ((cols.first + c) % gridSize == 0) {
                vertical(left + pitch * c, top, top + height, kHeavyLine, kHeavyLineColor);
            }
        }
        for (int r = 1; r < rows.count; ++r) {
            if ((rows.first + r) % gridSize == 0) {
                horizontal(left, left + width, top + pitch * r, kHeavyLine, kHeavyLineColor);
            }
        }
        outline(left, top, width, height, kHeavyLine, kHeavyLineColor);

        if (drawsSymbols()) {
            drawChartSymbols(page);
        }
        drawCentreArrows(page);

        // The whole pattern's numbers: columns above, rows to the left.
        const QFont numberFont = arial(std::min(2.6, std::max(1.8, 0.9 * pitch)));
        const double numberBand = layout_.frame().columnGutter;
        for (const int n : axisNumbers(cols, gridSize)) {
            const double cx = left + pitch * (n - 1 - cols.first) + pitch / 2;
            text(cx - 6, top - numberBand, 12, numberBand - 0.8, Qt::AlignHCenter | Qt::AlignBottom,
                 QString::number(n), numberFont);
        }
        const double rowBand = layout_.frame().rowGutter;
        for (const int n : axisNumbers(rows, gridSize)) {
            const double cy = top + pitch * (n - 1 - rows.first) + pitch / 2;
            text(left - rowBand, cy - 3, rowBand - 0.8, 6, Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(n), numberFont);
        }

        drawPageMap(page);
        drawPageNumber(layout_.chartPageNumber(page.index));
    }

    // Arrows under the chart and right of it where the whole pattern's
    // centre column and row fall on this page; stitchers start there.
    void drawCentreArrows(const ChartPage& page) {
        const double pitch = settings_.pitchMm;
        const double left = layout_.chartLeft();
        const double top = layout_.chartTop();
        const double size = 2.2;
        const double gap = 0.5;
        const double cx = centreLine(source_.width());
        const double cy = centreLine(source_.height());
        const BookSpan& cols = page.columns;
        const BookSpan& rows = page.rows;
        const double bottom = top + pitch * rows.count;
        const double right = left + pitch * cols.count;
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(kHeavyLineColor);
        if (cx >= cols.first && cx <= cols.end()) {
            const double x = left + pitch * (cx - cols.first);
            painter_.drawPolygon(QPolygonF{QPointF(mm(x), mm(bottom + gap)),
                                           QPointF(mm(x - size / 2), mm(bottom + gap + size)),
                                           QPointF(mm(x + size / 2), mm(bottom + gap + size))});
        }
        if (cy >= rows.first && cy <= rows.end()) {
            const double y = top + pitch * (cy - rows.first);
            painter_.drawPolygon(QPolygonF{QPointF(mm(right + gap), mm(y)),
                                           QPointF(mm(right + gap + size), mm(y - size / 2)),
                                           QPointF(mm(right + gap + size), mm(y + size / 2))});
        }
        painter_.setBrush(Qt::NoBrush);
    }

    void drawChartSymbols(const ChartPage& page) {
        const double pitch = settings_.pitchMm;
        const double left = layout_.chartLeft();
        const double top = layout_.chartTop();
        // Per row, one run of glyphs for each font and ink.
        std::vector<std::array<GlyphBatch, 2>> batches(glyphFonts_.size());
        for (int y = page.rows.first; y < page.rows.end(); ++y) {
            const double cy = mm(top + pitch * (y - page.rows.first) + pitch / 2);
            for (int x = page.columns.first; x < page.columns.end(); ++x) {
                const int index = source_.colorIndexMatrix(x, y);
                if (index < 1 || index > kMaxPatternColors) {
                    continue;
                }
                const SymbolGlyphs& symbol = symbols_[static_cast<std::size_t>(index)];
                if (symbol.font < 0) {
                    continue;
                }
                const int ink = drawsBlocks() && whiteInk_[static_cast<std::size_t>(index)] ? 1 : 0;
                GlyphBatch& batch = batches[static_cast<std::size_t>(symbol.font)][ink];
                const QPointF centre(mm(left + pitch * (x - page.columns.first) + pitch / 2), cy);
                for (qsizetype i = 0; i < symbol.glyphs.size(); ++i) {
                    batch.glyphs.append(symbol.glyphs[i]);
                    batch.positions.append(centre + symbol.offsets[i]);
                }
            }
            for (std::size_t f = 0; f < batches.size(); ++f) {
                for (int ink = 0; ink < 2; ++ink) {
                    GlyphBatch& batch = batches[f][static_cast<std::size_t>(ink)];
                    if (batch.glyphs.isEmpty()) {
                        continue;
                    }
                    QGlyphRun run;
                    run.setRawFont(glyphFonts_[f]);
                    run.setGlyphIndexes(batch.glyphs);
                    run.setPositions(batch.positions);
                    painter_.setPen(ink == 1 ? Qt::white : Qt::black);
                    painter_.drawGlyphRun(QPointF(0, 0), run);
                    batch.glyphs.clear();
                    batch.positions.clear();
                }
            }
        }
    }

    // Where the page lies: every chart page as a box, this one dark.
    void drawPageMap(const ChartPage& current) {
        const double room = layout_.frame().footer - 6;
        const double maxWidth = 2 * room;
        const double w = source_.width();
        const double h = source_.height();
        const double unit = std::min(maxWidth / std::max(w, 1.0), room / std::max(h, 1.0));
        const double x0 = margin();
        const double y0 = layout_.footerTop() + 2;
        for (int k = 0; k < layout_.chartPages(); ++k) {
            const ChartPage page = layout_.chartPage(k);
            // Each page's own cells, without the repeated ones.
            const double px = x0 + unit * (page.columns.first + page.columns.repeated);
            const double py = y0 + unit * (page.rows.first + page.rows.repeated);
            const double pw = unit * (page.columns.count - page.columns.repeated);
            const double ph = unit * (page.rows.count - page.rows.repeated);
            fill(px, py, pw, ph, k == current.index ? kMapCurrent : kMapPage);
            outline(px, py, pw, ph, 0.2, Qt::white);
        }
        outline(x0, y0, unit * w, unit * h, 0.2, kHeavyLineColor);
    }

    // ---- Legend pages.
    void drawLegendPage(int k) {
        const double left = margin();
        const double rowHeight = BookLayout::kLegendRowHeight;
        const QFont headerFont = song(3.6);
        text(left, margin(), contentWidth(), 6, Qt::AlignLeft | Qt::AlignTop,
             QCoreApplication::translate("PatternBook", "%1 — 绣线表").arg(title()),
             fitted(headerFont, title(), contentWidth() / 2));
        text(left, margin(), contentWidth(), 6, Qt::AlignRight | Qt::AlignTop,
             QCoreApplication::translate("PatternBook", "%1，%2 股线")
                 .arg(fabricText(settings_.fabricCount))
                 .arg(settings_.strands),
             headerFont);

        const double gap = 6;
        const double columnWidth = (contentWidth() - gap) / BookLayout::kLegendColumns;
        // Symbol, swatch, thread number and name, stitches, skeins.
        const std::array<double, 5> widths{10, 14, 0, 16, 12};
        const double threadWidth = columnWidth - widths[0] - widths[1] - widths[3] - widths[4];
        const QFont cellFont = song(3.6);
        const QFont headingFont = song(3.4);
        const std::array<QString, 5> headings{
            QCoreApplication::translate("PatternBook", "符号"),
            QCoreApplication::translate("PatternBook", "色块"),
            QCoreApplication::translate("PatternBook", "线号和颜色"),
            QCoreApplication::translate("PatternBook", "针数"),
            QCoreApplication::translate("PatternBook", "支数")};

        const int perColumn = layout_.legendRowsPerColumn();
        const int firstEntry = k * layout_.legendEntriesPerPage();
        const int entries = static_cast<int>(legend_.size());
        bool anyRare = false;
        for (int column = 0; column < BookLayout::kLegendColumns; ++column) {
            const int from = firstEntry + column * perColumn;
            if (from >= entries) {
                break;
            }
            const int to = std::min(entries, from + perColumn);
            const double x0 = left + column * (columnWidth + gap);
            double y = layout_.legendTop() - rowHeight;
            double x = x0;
            for (std::size_t i = 0; i < headings.size(); ++i) {
                const double w = i == 2 ? threadWidth : widths[i];
                const int align = i >= 3 ? Qt::AlignRight : Qt::AlignHCenter;
                text(x + 0.5, y, w - 1, rowHeight, align | Qt::AlignVCenter, headings[i],
                     headingFont);
                x += w;
            }
            horizontal(x0, x0 + columnWidth, y + rowHeight, 0.3, kHeavyLineColor);
            for (int e = from; e < to; ++e) {
                y += rowHeight;
                const BookLegendEntry& entry = legend_[static_cast<std::size_t>(e)];
                anyRare = anyRare || entry.belowIgnorable;
                drawLegendRow(entry, x0, y, widths, threadWidth, cellFont);
                horizontal(x0, x0 + columnWidth, y + rowHeight, kThinLine, kThinLineColor);
            }
        }

        // Notes above the page number: the marked threads and the formula.
        const QFont noteFont = song(2.8);
        double noteY = layout_.footerTop() + 2;
        const QStringList notes{
            anyRare ? rareThreadNoteText() : QString(),
            QCoreApplication::translate(
                "PatternBook",
                "支数：每个十字每股用线 (2×√2 + 2) × 25.4 ÷ %1 毫米（正面两条对角线，背面两条边），"
                "乘以针数和 %2 股，加 %3% 背面走线和起针收针的余量；每支绣线 8 米 × 6 "
                "股，向上取整："
                "约 %4 针用一支（参照 Stitchmate 线量计算器与 Brodette 的估算）。")
                .arg(QString::number(stitchesPerInch(settings_.fabricCount)))
                .arg(settings_.strands)
                .arg(static_cast<int>(std::lround(kThreadAllowance * 100)))
                .arg(crossesPerSkein(settings_.fabricCount, settings_.strands))};
        for (const QString& note : notes) {
            if (note.isEmpty()) {
                continue;
            }
            const QRectF room = box(left, noteY, contentWidth(), 9);
            painter_.setFont(noteFont);
            painter_.setPen(Qt::black);
            QRectF used;
            painter_.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note, &used);
            noteY += used.height() / scale_ + 1;
        }
        drawPageNumber(layout_.legendPageNumber(k));
    }

    void drawLegendRow(const BookLegendEntry& entry, double x0, double y,
                       const std::array<double, 5>& widths, double threadWidth, const QFont& font) {
        const double rowHeight = BookLayout::kLegendRowHeight;
        const QString symbol = QString::fromStdString(entry.symbol);
        // The symbol as the chart shows it: on its block, or black on white.
        const double s = std::min(5.6, rowHeight - 1.4);
        const double sx = x0 + (widths[0] - s) / 2;
        const double sy = y + (rowHeight - s) / 2;
        QColor ink = Qt::black;
        if (drawsBlocks()) {
            fill(sx, sy, s, s, toQColor(entry.color));
            if (whiteSymbolOn(entry.color)) {
                ink = Qt::white;
            }
        }
        outline(sx, sy, s, s, kThinLine, kThinLineColor);
        if (drawsSymbols() || !drawsBlocks()) {
            text(sx, sy, s, s, Qt::AlignCenter, symbol, song(0.8 * s), ink);
        }
        double x = x0 + widths[0];
        const double swatchW = widths[1] - 3;
        fill(x + 1.5, sy, swatchW, s,
             toQColor(legendSwatchColor(entry.color, source_.greySwatches)));
        outline(x + 1.5, sy, swatchW, s, kThinLine, kThinLineColor);
        x += widths[1];
        const QString thread = QString::fromStdString(entry.label) +
                               (entry.belowIgnorable ? QStringLiteral(" *") : QString());
        text(x + 1, y, threadWidth - 1, rowHeight, Qt::AlignLeft | Qt::AlignVCenter, thread,
             fitted(font, thread, threadWidth - 1.5));
        x += threadWidth;
        text(x, y, widths[3] - 1, rowHeight, Qt::AlignRight | Qt::AlignVCenter,
             QString::number(entry.stitches), font);
        x += widths[3];
        text(x, y, widths[4] - 1, rowHeight, Qt::AlignRight | Qt::AlignVCenter,
             QString::number(entry.skeins), font);
    }

    QPdfWriter& writer_;
    QPainter& painter_;
    const ChartSource& source_;
    BookSettings settings_;
    ChartProgress progress_;
    std::vector<BookLegendEntry> legend_;
    BookLayout layout_;
    double scale_; // device units per millimetre
    std::array<SymbolGlyphs, kMaxPatternColors + 1> symbols_{};
    std::vector<QRawFont> glyphFonts_;
    // A cell's symbol in white on its block (the block is the thread's colour).
    std::array<bool, kMaxPatternColors + 1> whiteInk_{};
};

} // namespace

QString bookPageText(int page, int pages) {
    return QCoreApplication::translate("PatternBook", "第 %1 页 / 共 %2 页").arg(page).arg(pages);
}

std::optional<QByteArray> renderPatternBook(const ChartSource& source, const BookSettings& settings,
                                            const ChartProgress& progress) {
    const QPageSize size(settings.paper == PaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
    const QPageLayout layout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                             QPageLayout::Millimeter);
    return drawPdfBytes(layout, chartTitleText(source.title),
                        [&](QPdfWriter& writer, QPainter& painter) {
                            return BookWriter(writer, painter, source, settings, progress).write();
                        });
}

} // namespace tessaline
