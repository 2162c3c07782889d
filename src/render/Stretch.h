#pragma once
// The smooth ("halftone") stretch used to draw a picture at another size.
#include <QImage>
#include <cstdint>
#include <vector>

namespace tessaline {

// An exact copy when the size is unchanged; otherwise a smooth scale.
inline QImage halftoneStretch(const QImage& source, QSize size) {
    if (source.isNull() || size.isEmpty()) {
        return {};
    }
    if (source.size() == size) {
        return source;
    }
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The same smooth stretch of an opaque RGB32 picture to a size smaller on
// both sides, fed one source row at a time from the top, so that a large
// picture never needs to be held whole. It gives the very pixels
// halftoneStretch gives: each target pixel is the area average of the
// source pixels under it, in 14-bit fixed-point weights, truncated, in
// the order and precision Qt's smooth scaling uses.
class HalftoneShrink {
  public:
    // Needs 0 < to.width() < from.width() and 0 < to.height() < from.height().
    HalftoneShrink(QSize from, QSize to);

    static bool shrinks(QSize from, QSize to) {
        return to.width() > 0 && to.height() > 0 && to.width() < from.width() &&
               to.height() < from.height();
    }

    // The next source row, from.width() pixels in QImage::Format_RGB32.
    void addRow(const std::uint32_t* row);
    // The stretched picture, once every row that reaches it was added.
    QImage result() const { return target_; }

  private:
    // Which source pixels one target pixel covers along one side, and with
    // what weights: `first` with firstWeight, the next `middle` with
    // middleWeight each, then one with lastWeight.
    struct Span {
        int first;
        int middle;
        int firstWeight;
        int middleWeight;
        int lastWeight;
        int last() const { return first + middle + 1; }
    };
    static std::vector<Span> spans(int from, int to);
    void emitRow(int y);

    QSize from_;
    std::vector<Span> columns_;
    std::vector<Span> rows_;
    // Rows averaged across, red, green and blue per target column, for the
    // last few source rows (a ring, by source row).
    std::vector<std::uint32_t> across_;
    // One target row's weighted sums, red, green and blue per column.
    std::vector<std::uint32_t> sums_;
    int ringRows_ = 0;
    int nextSource_ = 0;
    int nextTarget_ = 0;
    QImage target_;
};

} // namespace tessaline
