#include "render/JpegDecoder.h"

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <jpeglib.h>
#include <memory>
// after jpeglib.h, which it needs
#include <jerror.h>

// libjpeg reports errors through a callback that must not return; it leaves
// by longjmp, as libjpeg's own examples do. The frames it skips (libjpeg's
// and the callbacks below) hold no objects with destructors.

namespace tessaline {

std::size_t JpegStreamInput::read(unsigned char* buffer, std::size_t capacity) {
    stream_.read(reinterpret_cast<char*>(buffer), static_cast<std::streamsize>(capacity));
    return static_cast<std::size_t>(stream_.gcount());
}

std::size_t JpegMemoryInput::read(unsigned char* buffer, std::size_t capacity) {
    const std::size_t count = std::min(capacity, left_);
    std::memcpy(buffer, data_, count);
    data_ += count;
    left_ -= count;
    return count;
}

namespace {

constexpr std::size_t kInputChunk = 64 * 1024;

struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

struct SourceManager {
    jpeg_source_mgr pub;
    JpegInput* input;
    bool started;
    JOCTET buffer[kInputChunk];
};

struct Decoder {
    jpeg_decompress_struct info;
    ErrorManager errors;
    SourceManager source;
};

[[noreturn]] void leave(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Warnings that mean pixels were lost leave like errors; the others (stray
// bytes between segments, an unknown JFIF revision or colour transform, a
// bad colour profile) leave the picture whole.
void onMessage(j_common_ptr info, int level) {
    if (level != -1) {
        return; // trace messages
    }
    switch (info->err->msg_code) {
    case JWRN_EXTRANEOUS_DATA:
    case JWRN_JFIF_MAJOR:
    case JWRN_ADOBE_XFORM:
    case JWRN_BOGUS_ICC:
        return;
    default:
        leave(info);
    }
}

void silent(j_common_ptr) {}

void initSource(j_decompress_ptr) {}

boolean fillInput(j_decompress_ptr info) {
    auto* source = reinterpret_cast<SourceManager*>(info->src);
    const std::size_t count = source->input->read(source->buffer, kInputChunk);
    if (count == 0) {
        // The file ends before the picture does (or an empty file).
        ERREXIT(info, source->started ? JERR_INPUT_EOF : JERR_INPUT_EMPTY);
    }
    source->started = true;
    source->pub.next_input_byte = source->buffer;
    source->pub.bytes_in_buffer = count;
    return TRUE;
}

void skipInput(j_decompress_ptr info, long count) {
    auto* source = reinterpret_cast<SourceManager*>(info->src);
    while (count > static_cast<long>(source->pub.bytes_in_buffer)) {
        count -= static_cast<long>(source->pub.bytes_in_buffer);
        fillInput(info);
    }
    if (count > 0) {
        source->pub.next_input_byte += count;
        source->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
    }
}

void termSource(j_decompress_ptr) {}

// A progressive picture ends at its end marker whether or not every scan
// came; a cut-off one leaves some coefficients short of full precision.
bool hasEveryScan(const jpeg_decompress_struct& info) {
    if (!info.progressive_mode) {
        return true;
    }
    for (int component = 0; component < info.num_components; ++component) {
        for (int k = 0; k < DCTSIZE2; ++k) {
            if (info.coef_bits[component][k] != 0) {
                return false;
            }
        }
    }
    return true;
}

// CMYK rows as the plain decoders show them (stored inverted, as Adobe
// writes them), converted in place to opaque RGB.
void cmykToRgb32(unsigned char* row, int width) {
    auto* pixel = reinterpret_cast<std::uint32_t*>(row);
    for (int x = 0; x < width; ++x, row += 4) {
        const unsigned k = row[3];
        const std::uint32_t r = k * row[0] / 255;
        const std::uint32_t g = k * row[1] / 255;
        const std::uint32_t b = k * row[2] / 255;
        pixel[x] = 0xFF000000u | r << 16 | g << 8 | b;
    }
}

// Everything between setjmp and the last libjpeg call; no objects with
// destructors live here.
JpegStatus run(Decoder& decoder, JpegRowSink& sink) {
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.errors.jump)) {
        return JpegStatus::Damaged;
    }
    jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(&info, TRUE);
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr;
         marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) {
            const int orientation = exifOrientation(marker->data, marker->data_length);
            if (orientation != 1) {
                sink.orientation(orientation);
                break;
            }
        }
    }
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    if (cmyk) {
        info.out_color_space = JCS_CMYK;
    } else {
        info.out_color_space =
            std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    }
    if (!sink.begin(static_cast<int>(info.image_width), static_cast<int>(info.image_height))) {
        return JpegStatus::TooLarge;
    }
    jpeg_start_decompress(&info);
    if (!hasEveryScan(info)) {
        return JpegStatus::Damaged;
    }
    const int width = static_cast<int>(info.output_width);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW row = sink.row(y);
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) {
            cmykToRgb32(row, width);
        }
        sink.rowDone(y);
    }
    jpeg_finish_decompress(&info);
    return JpegStatus::Ok;
}

} // namespace

int exifOrientation(const unsigned char* data, std::size_t size) {
    constexpr std::size_t kTiff = 6; // after "Exif\0\0"
    if (size < kTiff + 8 || std::memcmp(data, "Exif\0\0", kTiff) != 0) {
        return 1;
    }
    const unsigned char* tiff = data + kTiff;
    const std::size_t length = size - kTiff;
    const bool little = tiff[0] == 'I' && tiff[1] == 'I';
    if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) {
        return 1;
    }
    auto u16 = [&](std::size_t at) -> unsigned {
        return little ? tiff[at] | tiff[at + 1] << 8 : tiff[at] << 8 | tiff[at + 1];
    };
    auto u32 = [&](std::size_t at) -> std::uint32_t {
        return little ? u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16
                      : static_cast<std::uint32_t>(u16(at)) << 16 | u16(at + 2);
    };
    const std::uint32_t directory = u32(4);
    if (directory > length - 2) {
        return 1;
    }
    const unsigned entries = u16(directory);
    for (unsigned i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + 12 * static_cast<std::size_t>(i);
        if (entry + 12 > length) {
            break;
        }
        // The tag is a SHORT whose value sits in the entry itself.
        if (u16(entry) == 0x0112 && u16(entry + 2) == 3) {
            const unsigned value = u16(entry + 8);
            return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
        }
    }
    return 1;
}

JpegStatus decodeJpeg(JpegInput& input, JpegRowSink& sink) {
    const auto decoder = std::make_unique<Decoder>();
    jpeg_decompress_struct& info = decoder->info;
    info.err = jpeg_std_error(&decoder->errors.pub);
    decoder->errors.pub.error_exit = leave;
    decoder->errors.pub.emit_message = onMessage;
    decoder->errors.pub.output_message = silent;
    if (setjmp(decoder->errors.jump)) {
        jpeg_destroy_decompress(&info);
        return JpegStatus::Damaged; // out of memory while setting up
    }
    jpeg_create_decompress(&info);
    SourceManager& source = decoder->source;
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillInput;
    source.pub.skip_input_data = skipInput;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.bytes_in_buffer = 0;
    source.pub.next_input_byte = nullptr;
    source.input = &input;
    source.started = false;
    info.src = &source.pub;

    const JpegStatus status = run(*decoder, sink);
    jpeg_destroy_decompress(&info);
    return status;
}

} // namespace tessaline
