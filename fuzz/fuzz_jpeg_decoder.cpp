// Feeds arbitrary bytes to the JPEG decoder with our own input and damage
// handling: whatever the file claims, decoding must stop cleanly, either
// with the picture or with a refusal, and never read outside its buffers.
// The rows go through the row-fed stretch, as on the command line, to a
// size that varies with the input, so its spans meet every picture edge.
#include "render/JpegDecoder.h"
#include "render/Stretch.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

// Keeps one row at a time, as the streamed decode does; refuses pictures
// above a few megapixels so that each run stays quick.
class RowSink final : public tessaline::JpegRowSink {
  public:
    RowSink(int xDivisor, int yDivisor) : xDivisor_(xDivisor), yDivisor_(yDivisor) {}

    bool begin(int width, int height) override {
        if (static_cast<long long>(width) * height > 4'000'000) {
            return false;
        }
        row_.assign(static_cast<std::size_t>(width), 0);
        const QSize from(width, height);
        const QSize to(width / xDivisor_ + 1, height / yDivisor_ + 1);
        if (tessaline::HalftoneShrink::shrinks(from, to)) {
            shrink_.emplace(from, to);
        }
        return true;
    }
    unsigned char* row(int) override { return reinterpret_cast<unsigned char*>(row_.data()); }
    void rowDone(int) override {
        if (shrink_) {
            shrink_->addRow(row_.data());
        }
    }

  private:
    int xDivisor_;
    int yDivisor_;
    std::vector<std::uint32_t> row_;
    std::optional<tessaline::HalftoneShrink> shrink_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessaline::JpegMemoryInput input(data, size);
    RowSink sink(1 + static_cast<int>(size % 7), 1 + static_cast<int>(size / 7 % 5));
    (void)tessaline::decodeJpeg(input, sink);
    return 0;
}
