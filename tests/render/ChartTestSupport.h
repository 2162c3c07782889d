#pragma once
// Builds small generated patterns for the chart tests: the cells are filled
// with palette colours, so each colour maps to its own thread.
#include "app/Xiubas.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadPalette.h"
#include "render/ChartSource.h"
#include "render/FontSetup.h"

#include <QColor>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace tessaline::test {

// Palette position of the n-th (0-based) light thread whose colour differs
// from every earlier one: symbols stay visible on their blocks and no two
// chosen threads share a colour.
inline int lightThread(int n) {
    static const std::vector<int> positions = [] {
        std::vector<int> found;
        std::vector<Color> colors;
        for (int p = 1; p <= kDmcThreadCount; ++p) {
            const Color c = dmcPalette()[static_cast<std::size_t>(p)].color;
            const int sum = getRed(c) + getGreen(c) + getBlue(c);
            if (sum > 480 && sum < 700 &&
                std::find(colors.begin(), colors.end(), c) == colors.end()) {
                found.push_back(p);
                colors.push_back(c);
            }
        }
        return found;
    }();
    return positions.at(static_cast<std::size_t>(n));
}

inline Color threadColor(int position) {
    return dmcPalette()[static_cast<std::size_t>(position)].color;
}

struct GeneratedChart {
    CellMatrix pattern;
    CellMatrix index;
    PatternThreads threads;

    // paletteOf(x, y) names the thread position of every cell.
    GeneratedChart(int width, int height, const std::function<int(int, int)>& paletteOf,
                   int ignorableCount = 0) {
        pattern.fill(kWhite);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                pattern(x, y) = dmcPalette()[static_cast<std::size_t>(paletteOf(x, y))].color;
            }
        }
        GenerationSettings settings;
        settings.reduceStrength = 0; // keep every thread apart
        settings.ignorableCount = ignorableCount;
        threads = generatePatternThreads(pattern, width, height, settings, index);
    }

    ChartSource source(ChartKind kind, int gridSize = 10) const {
        return ChartSource(Pattern{threads, index, pattern, "", {}}, gridSize, kind, false);
    }
};

inline std::unique_ptr<GeneratedChart> makeChart(int width, int height,
                                                 const std::function<int(int, int)>& paletteOf,
                                                 int ignorableCount = 0) {
    return std::make_unique<GeneratedChart>(width, height, paletteOf, ignorableCount);
}

inline QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

inline bool isInk(const QColor& c) {
    return c.red() < 128 && c.green() < 128 && c.blue() < 128;
}
inline bool isRedInk(const QColor& c) {
    return c.red() > 200 && c.green() < 150 && c.blue() < 150 && c.green() == c.blue();
}

// Pixels in [x, x + w) x [y, y + h) matching `test`.
inline int countPixels(const QImage& image, int x, int y, int w, int h,
                       const std::function<bool(const QColor&)>& test) {
    int count = 0;
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (image.valid(i, j) && test(image.pixelColor(i, j))) {
                ++count;
            }
        }
    }
    return count;
}

inline bool sameRegion(const QImage& image, int x1, int y1, int x2, int y2, int w, int h) {
    return image.copy(x1, y1, w, h) == image.copy(x2, y2, w, h);
}

// Height of "宋体" 9 on a 96 dpi canvas, in whole pixels.
inline int songLineHeight(const QImage& canvas) {
    return QFontMetrics(songFont(9), &canvas).height();
}

inline QColor qcolor(Color c) {
    return QColor(getRed(c), getGreen(c), getBlue(c));
}

// A white 96 dpi image of `size` with `text` drawn top-left at (x, y): what
// the chart should show there.
inline QImage referenceText(QSize size, int x, int y, const QString& text, const QFont& font,
                            const QColor& color = Qt::black) {
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(x, y, size.width() - x, size.height() - y),
                     Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

// True when the canvas shows exactly `text` top-left at (x, y) inside the
// clip rectangle (which must hold nothing else).
inline bool showsText(const QImage& canvas, QRect clip, int x, int y, const QString& text,
                      const QFont& font, const QColor& color = Qt::black) {
    const QImage reference = referenceText(canvas.size(), x, y, text, font, color);
    return canvas.copy(clip) == reference.copy(clip);
}

} // namespace tessaline::test
