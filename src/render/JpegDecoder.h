#pragma once
// JPEG decoding through libjpeg-turbo, row by row. Any damage the decoder
// notices (corrupt entropy data, a scan ended early by a marker, the file
// ending before the picture does, a progressive picture whose scans stop
// before full precision) refuses the picture: the plain decoders would fill
// the missing part with grey and call it loaded.
#include <cstddef>
#include <istream>

namespace tessaline {

enum class JpegStatus { Ok, TooLarge, Damaged };

// Where the compressed bytes come from.
class JpegInput {
  public:
    virtual ~JpegInput() = default;
    // Fills buffer with up to capacity bytes; 0 at the end (or on failure).
    virtual std::size_t read(unsigned char* buffer, std::size_t capacity) = 0;
};

// Reads a stream (an open file) from its current position.
class JpegStreamInput final : public JpegInput {
  public:
    explicit JpegStreamInput(std::istream& stream) : stream_(stream) {}
    std::size_t read(unsigned char* buffer, std::size_t capacity) override;

  private:
    std::istream& stream_;
};

// Bytes already in memory.
class JpegMemoryInput final : public JpegInput {
  public:
    JpegMemoryInput(const unsigned char* data, std::size_t size) : data_(data), left_(size) {}
    std::size_t read(unsigned char* buffer, std::size_t capacity) override;

  private:
    const unsigned char* data_;
    std::size_t left_;
};

// Receives the decoded picture, 4 bytes a pixel in the byte order of
// QImage::Format_RGB32 (opaque).
class JpegRowSink {
  public:
    virtual ~JpegRowSink() = default;
    // The EXIF orientation (1..8, 1 when absent or unreadable), before
    // begin(): the rows come as stored, the sink turns them upright.
    virtual void orientation(int) {}
    // The picture's size, before any pixel memory is taken; false refuses
    // it as too large.
    virtual bool begin(int width, int height) = 0;
    // Room for row y, at least width x 4 bytes; stays valid until rowDone(y).
    virtual unsigned char* row(int y) = 0;
    virtual void rowDone(int y) = 0;
};

JpegStatus decodeJpeg(JpegInput& input, JpegRowSink& sink);

// The orientation tag (0x0112) of an EXIF block as an APP1 segment holds it,
// starting at "Exif\0\0": 1..8, or 1 when there is none or it is unreadable.
int exifOrientation(const unsigned char* data, std::size_t size);

} // namespace tessaline
