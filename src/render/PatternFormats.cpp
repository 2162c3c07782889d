#include "render/PatternFormats.h"

#include "imaging/ClsDIB.h"
#include "pattern/PatternJson.h"
#include "pattern/PatternOxs.h"
#include "render/ChartCanvas.h"
#include "render/ChartTexts.h"
#include "render/PatternBook.h"
#include "render/PrintChart.h"

#include <QBuffer>
#include <QByteArray>
#include <array>

namespace tessaline {

namespace {

std::vector<std::uint8_t> bytesOf(const QByteArray& data) {
    const auto* first = reinterpret_cast<const std::uint8_t*>(data.constData());
    return {first, first + data.size()};
}

bool endsWithPng(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()))
        .endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

// The chart canvas as a BMP, or a PNG when the name ends in ".png".
PatternFile chartFile(const PatternFileRequest& request) {
    const QImage canvas = request.drawnCanvas != nullptr
                              ? *request.drawnCanvas
                              : renderChartCanvas(request.source, request.progress);
    PatternFile file;
    if (endsWithPng(request.target)) {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !canvas.save(&buffer, "PNG")) {
            file.problem = "the chart could not be encoded as PNG";
        } else {
            file.bytes = bytesOf(png);
        }
        return file;
    }
    // The canvas rows go straight into the file: no 24-bit copy between.
    const QImage rgb = canvas.convertToFormat(QImage::Format_RGB32);
    file.bytes = ClsDIB::bmpBytesFromRgb32(rgb.width(), rgb.height(),
                                           reinterpret_cast<const std::uint32_t*>(rgb.constBits()),
                                           rgb.bytesPerLine() / 4);
    if (file.bytes.empty()) {
        file.problem = "the chart could not be made into a bitmap";
    }
    return file;
}

// The one-page A4 printout.
PatternFile pdfFile(const PatternFileRequest& request) {
    const std::optional<QByteArray> pdf = renderChartPdf(request.source, request.progress);
    if (!pdf) {
        return {{}, "the printout could not be drawn"};
    }
    return {bytesOf(*pdf), {}};
}

// The pattern book: cover, chart pages and legend (render/PatternBook).
PatternFile bookFile(const PatternFileRequest& request) {
    const std::optional<QByteArray> pdf =
        renderPatternBook(request.source, request.book, request.progress);
    if (!pdf) {
        return {{}, "the pattern book could not be drawn"};
    }
    return {bytesOf(*pdf), {}};
}

// The pattern with its title as the chart shows it: the default title in
// the interface language, as in every other file of the run.
Pattern titled(const Pattern& pattern) {
    Pattern out = pattern;
    out.title = chartTitleText(pattern.title).toStdString();
    return out;
}

// The pattern's data (pattern/PatternJson).
PatternFile jsonFile(const PatternFileRequest& request) {
    const std::string json = patternJson(titled(request.source), request.book, request.listSkeins);
    return {{json.begin(), json.end()}, {}};
}

// The pattern for stitching apps (pattern/PatternOxs).
PatternFile oxsFile(const PatternFileRequest& request) {
    const std::string oxs = patternOxs(titled(request.source), request.book);
    return {{oxs.begin(), oxs.end()}, {}};
}

// One line a format.
constexpr std::array kFormats{
    PatternFormat{"chart", "-o", ".bmp", "drawing the chart", chartFile},
    PatternFormat{"pdf", "--pdf", ".pdf", "writing the printout", pdfFile},
    PatternFormat{"book", "--book", "-book.pdf", "writing the pattern book", bookFile},
    PatternFormat{"json", "--json", ".json", "", jsonFile},
    PatternFormat{"oxs", "--oxs", ".oxs", "", oxsFile},
};

} // namespace

std::span<const PatternFormat> patternFormats() {
    return kFormats;
}

const PatternFormat* patternFormatNamed(std::string_view name) {
    for (const PatternFormat& format : kFormats) {
        if (format.name == name) {
            return &format;
        }
    }
    return nullptr;
}

const PatternFormat* patternFormatOfOption(std::string_view option) {
    for (const PatternFormat& format : kFormats) {
        if (format.option == option) {
            return &format;
        }
    }
    return nullptr;
}

} // namespace tessaline
