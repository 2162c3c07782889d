#include "render/PatternFormats.h"

#include "imaging/ClsDIB.h"
#include "pattern/PatternJson.h"
#include "pattern/PatternOxs.h"
#include "render/ChartCanvas.h"
#include "render/ChartTexts.h"
#include "render/FinishedLookImage.h"
#include "render/PatternBook.h"
#include "render/PrintChart.h"

#include <QBuffer>
#include <QByteArray>
#include <QtGlobal>
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

PatternFile pngFile(const QImage& image, std::string_view what) {
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return {{}, std::string(what) + " could not be encoded as PNG"};
    }
    return {bytesOf(png), {}};
}

// The chart canvas as a BMP, or a PNG when the name ends in ".png".
PatternFile chartFile(const PatternFileRequest& request) {
    const QImage canvas = request.drawnCanvas != nullptr
                              ? *request.drawnCanvas
                              : renderChartCanvas(request.source, request.progress);
    if (endsWithPng(request.target)) {
        return pngFile(canvas, "the chart");
    }
    PatternFile file;
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

// The pattern as it looks stitched, in thread colours (pattern/FinishedLook).
PatternFile finishedFile(const PatternFileRequest& request) {
    return pngFile(finishedLookImage(request.source), "the finished look");
}

// The window's texts are looked up in its context (tessaline::Form7) when
// shown; QT_TRANSLATE_NOOP marks them for the translations.
// One entry a format, in the order the command line writes them.
constexpr std::array kFormats{
    PatternFormat{
        .name = "chart",
        .option = "-o",
        .extension = ".bmp",
        .step = "drawing the chart",
        .drawsText = true,
        .help =
            "  -o FILE, --output FILE  the chart canvas as BMP, or PNG when FILE ends in .png\n",
        .window = {.caption = QT_TRANSLATE_NOOP("tessaline::Form7", "保存"),
                   .enabled = WindowSave::Enabled::Always,
                   .notGenerated =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "请先点一次 生成 按钮，再保存绣图"),
                   .failed = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图文件保存失败，无法写入"),
                   .saved = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图文件保存成功在")},
        .write = chartFile},
    PatternFormat{
        .name = "pdf",
        .option = "--pdf",
        .extension = ".pdf",
        .step = "writing the printout",
        .drawsText = true,
        .help = "  --pdf FILE            the one-page A4 printout\n",
        .window = {.caption = QT_TRANSLATE_NOOP("tessaline::Form7", "保存PDF"),
                   .enabled = WindowSave::Enabled::Always,
                   .notGenerated =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "请先点一次 生成 按钮，再保存PDF文件"),
                   .failed = QT_TRANSLATE_NOOP("tessaline::Form7", "  PDF文件保存失败，无法写入"),
                   .saved = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图PDF文件保存成功在"),
                   .status = WindowSave::Status::PrintStages,
                   .advisesCellSize = true},
        .write = pdfFile},
    PatternFormat{
        .name = "book",
        .option = "--book",
        .extension = "-book.pdf",
        .step = "writing the pattern book",
        .drawsText = true,
        .help = "  --book FILE           the pattern book, a PDF of several pages to stitch from:\n"
                "                        a cover with the pattern, its size in stitches and its\n"
                "                        finished size on 11, 14, 16 and 18-count fabric; the\n"
                "                        chart over as many pages as it needs, each repeating\n"
                "                        the last two rows and columns of its neighbours\n"
                "                        (shaded) and numbered as the whole pattern; a legend\n"
                "                        with every thread's stitches and skeins to buy\n",
        .window = {.caption = QT_TRANSLATE_NOOP("tessaline::Form7", "保存图册"),
                   .row = WindowSave::Row::Book,
                   .notGenerated =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "请先点一次 生成 按钮，再保存图册"),
                   .failed = QT_TRANSLATE_NOOP("tessaline::Form7", "  图册文件保存失败，无法写入"),
                   .saved = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图图册保存成功在"),
                   .status = WindowSave::Status::Drawing,
                   .drawingText =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "正在生成图册，请等待....")},
        .write = bookFile},
    PatternFormat{
        .name = "json",
        .option = "--json",
        .extension = ".json",
        .help =
            "  --json FILE           the pattern as JSON:\n"
            "                        {\"width\": W, \"height\": H, \"category\": \"DMC\", "
            "\"threadCount\": n,\n"
            "                         \"replacements\": [{\"from\": \"310\", \"to\": \"321\", "
            "\"cells\": 40}],\n"
            "                         \"colors\": [\"RRGGBB\", ...], \"cells\": [p, ...],\n"
            "                         \"legend\": [{\"symbol\": \"A\", \"thread\": \"3713\",\n"
            "                                     \"amount\": 123, \"rgb\": \"FFC9B8\"}, ...]}\n"
            "                        colors: each cell's colour after the effect preview;\n"
            "                        cells: each cell's thread, its palette position 1..423\n"
            "                        (DMC) or its colour's position in the colour list (CC);\n"
            "                        both row by row from the top-left cell. legend: the\n"
            "                        legend's threads in order (CC: the colour's own hex).\n"
            "                        replacements: each --replace in order with the number\n"
            "                        of cells it changed (0 when FROM was not in the pattern).\n"
            "                        With --fabric each legend entry also has \"skeins\": the\n"
            "                        whole skeins it needs (see --fabric).\n",
        .write = jsonFile},
    PatternFormat{
        .name = "oxs",
        .option = "--oxs",
        .extension = ".oxs",
        .help = "  --oxs FILE            the pattern as OXS, the open cross-stitch XML that\n"
                "                        stitching apps and pattern editors read: the title,\n"
                "                        the threads with their numbers (\"DMC 310\"; CC: the\n"
                "                        colour's RRGGBB), colours, symbols and strands, and\n"
                "                        one full stitch per cell; its stitches per inch are\n"
                "                        the --fabric count (14 unless given)\n",
        .window = {.caption = QT_TRANSLATE_NOOP("tessaline::Form7", "保存OXS"),
                   .notGenerated =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "请先点一次 生成 按钮，再保存OXS文件"),
                   .failed = QT_TRANSLATE_NOOP("tessaline::Form7", "  OXS文件保存失败，无法写入"),
                   .saved = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图OXS文件保存成功在")},
        .write = oxsFile},
    PatternFormat{
        .name = "finished",
        .option = "--finished",
        .extension = "-finished.png",
        .step = "drawing the finished look",
        .help =
            "  --finished FILE       the finished look as a PNG picture: the pattern as it\n"
            "                        will look stitched, three pixels a stitch in the\n"
            "                        threads' colours, as the final preview (\"最终效果预览\")\n"
            "                        shows it\n",
        .window = {.caption = QT_TRANSLATE_NOOP("tessaline::Form7", "保存效果图"),
                   .row = WindowSave::Row::Book,
                   .notGenerated =
                       QT_TRANSLATE_NOOP("tessaline::Form7", "请先点一次 生成 按钮，再保存效果图"),
                   .failed = QT_TRANSLATE_NOOP("tessaline::Form7", "  效果图保存失败，无法写入"),
                   .saved = QT_TRANSLATE_NOOP("tessaline::Form7", "  绣图效果图保存成功在")},
        .write = finishedFile},
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
