// Feeds arbitrary bytes to the JPEG decoder with our own input and damage
// handling: whatever the file claims, decoding must stop cleanly, either
// with the picture or with a refusal, and never read outside its buffers.
#include "render/JpegDecoder.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

// Keeps one row at a time, as the streamed decode does; refuses pictures
// above a few megapixels so that each run stays quick.
class RowSink final : public tessaline::JpegRowSink {
  public:
    bool begin(int width, int height) override {
        if (static_cast<long long>(width) * height > 4'000'000) {
            return false;
        }
        row_.assign(static_cast<std::size_t>(width) * 4, 0);
        return true;
    }
    unsigned char* row(int) override { return row_.data(); }
    void rowDone(int) override {}

  private:
    std::vector<unsigned char> row_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tessaline::JpegMemoryInput input(data, size);
    RowSink sink;
    (void)tessaline::decodeJpeg(input, sink);
    return 0;
}
