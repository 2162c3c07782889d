#pragma once
// Paints a chart: header, grid with colour blocks and numbering, legend with
// notes and footer, and the cell symbols. One implementation for the screen
// canvas and the printed page; the ChartGeometry decides which.
#include "pattern/ChartGeometry.h"
#include "render/ChartSource.h"
#include "render/ChartSurface.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QStaticText>
#include <QString>
#include <array>
#include <optional>

namespace tessaline {

// Fixed colours of the chart.
inline const QColor kThinLineColor{166, 166, 166};
inline const QColor kHeavyLineColor{66, 66, 66};
inline const QColor kBlockLetterColor{255, 11, 11};

// The swatch colour of a legend entry: its own colour, or under the grey
// methods the average of its channels (a colour with green and blue both
// 255 keeps its own colour).
Color legendSwatchColor(Color color, bool grey);

// A legend thread number as printed: the stored one without its padding.
QString printedThreadNumber(const std::string& threadNo);

// Where the last run put things (layout units); see ChartPainter::paint.
struct ChartPlacement {
    double cell = 0;
    double gridTop = 0;
    double legendTop = 0;
    double legendBottom = 0;
};

class ChartPainter {
  public:
    ChartPainter(QPainter& painter, const ChartGeometry& geometry, const ChartSource& source,
                 const ChartProgress& progress = {});

    // The whole chart in the generation order: header, grid (gridTop = header
    // + gap), legend grid, entries and notes (legendTop = grid + gap), then
    // the symbols when withSymbols. False when the progress callback stopped
    // it; the part drawn so far stays.
    bool paint(bool withSymbols);

    // Title and info line; returns the y below the header.
    double drawChartHeader(const QString& title, const QString& info);
    // Grid lines, blocks (unless the kind has none), numbering, block letters
    // and heavy lines of a width x height chart at gridTop; returns the y
    // below the labels, or nothing when stopped.
    std::optional<double> drawChartGrid(int width, int height);
    // The symbol of cell (x, y), whose colour index is `index`.
    void drawCellSymbol(int x, int y, int index);
    // Every cell's symbol, rows outer; false when stopped.
    bool drawCellSymbols();

    // Legend lines and headings for `count` entries under a chart `width`
    // cells wide at legendTop; returns legendBottom. The key has an entry for
    // every thread on the chart: the legend entries, then the threads under
    // the ignorable count, marked "*" (keyEntryCount).
    double drawLegendGrid(int width, int count);
    // Swatches, symbols, thread numbers and amounts; false when stopped.
    bool drawLegendEntries();
    // The two notes and the footer under legendBottom, and a line on the
    // marked threads when there are any.
    void drawLegendNote();

    void setGridTop(double y) { placement_.gridTop = y; }
    void setLegendTop(double y) { placement_.legendTop = y; }
    const ChartPlacement& placement() const { return placement_; }
    bool drawsBlocks() const { return source_.kind != ChartKind::SymbolsOnly; }
    int keyEntryCount() const { return static_cast<int>(key_.size()); }

  private:
    void drawRowLines(int width, int height);
    void drawColorBlocks(int width, int height);
    void drawNumbering(int width, int height);
    void drawHeavyLines(int width, int height);
    QColor blockColor(int x, int y) const;
    const QStaticText& symbolText(int index);
    QString symbolString(int index) const;
    QString keyThreadText(int k) const;
    void fitFonts();

    ChartSurface surface_;
    // Copies: a painter may outlive the arguments it was made from.
    ChartGeometry g_;
    ChartSource source_;
    ChartProgress progress_;
    ChartPlacement placement_;
    // The legend entries, then the threads under the ignorable count.
    ThreadTable key_;
    std::size_t listedEntries_ = 0;
    LegendLayout legendLayout_;
    // "宋体" 9 and "Arial" 8 as designed; on paper each sized from its room.
    QFont titleFont_;
    QFont infoFont_;
    QFont rowNumberFont_;
    QFont digitFont_;
    QFont symbolFont_;
    QFont legendFont_;
    QFont noteFont_;
    bool stopped_ = false;

    // Shaped symbols by colour index, made on first use.
    std::array<std::optional<QStaticText>, kMaxPatternColors + 1> symbols_;
};

} // namespace tessaline
