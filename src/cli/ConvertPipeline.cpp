#include "cli/ConvertPipeline.h"

#include "app/OutputFiles.h"
#include "imaging/DibImage.h"
#include "pattern/Pattern.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadReplacement.h"
#include "pattern/ThreadTable.h"
#include "platform/ChartPrinter.h"
#include "platform/SystemFiles.h"
#include "render/FileNames.h"
#include "render/FontSetup.h"
#include "render/OxsFile.h"
#include "render/PatternFormats.h"
#include "render/PictureLoader.h"
#include "render/PrintChart.h"
#include "workspace/WorkspaceModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>

namespace tessaline {

namespace {

ConvertResult failure(int exitCode, std::string error) {
    return {exitCode, std::move(error), {}, {}};
}

std::string pictureProblem(PictureLoadError error) {
    switch (error) {
    case PictureLoadError::NotFound:
        return "no such file";
    case PictureLoadError::Unreadable:
        return "permission denied";
    case PictureLoadError::NotAPicture:
        return "not a picture this program can read (BMP, JPEG, GIF, PNG, ...)";
    case PictureLoadError::TooLarge:
        return "the picture is too large";
    case PictureLoadError::Damaged:
        return "the picture file is damaged";
    case PictureLoadError::IsFolder:
        return "this is a folder, not a picture file";
    case PictureLoadError::IsPipe:
        return "this is a pipe (FIFO), not a picture file";
    case PictureLoadError::IsSpecialFile:
        return "this is a device or socket, not a picture file";
    case PictureLoadError::LinkLoop:
        return "too many levels of symbolic links";
    case PictureLoadError::None:
        break;
    }
    return "unknown error";
}

// The state one conversion works on: the windows' shared matrices and the
// effect preview's two buffers.
struct Workbench {
    CellMatrix patternMatrix;
    CellMatrix colorIndexMatrix;
    ClsDIB srcDIB;
    ClsDIB dstDIB;
};

// The picture handed to the workspace and framed as the options say.
struct Framing {
    WorkspaceView view;
    std::string error;
};

// The width "全图" sets the zoom to: the frame's.
int wholePictureZoom(const ConvertOptions& options, const LoadedPictureSizes& sizes) {
    return options.width.value_or(handOverFrameSize(sizes).width());
}

// The size the picture of pictureSize is shown at in the frame; in region
// mode the picture is kept whole.
QSize shownPictureSize(const ConvertOptions& options, QSize pictureSize) {
    if (options.mode != FrameMode::Whole) {
        return pictureSize;
    }
    const PreviewArea area;
    const LoadedPictureSizes sizes =
        loadedPictureSizes(area, pictureSize.width(), pictureSize.height());
    const WholePictureFrame whole =
        wholePictureFrame(area, wholePictureZoom(options, sizes), sizes.xyRate);
    return {whole.pictureWidth, whole.pictureHeight};
}

// picture is the whole picture of pictureSize or, in whole-picture mode,
// possibly already squeezed to its shown size.
Framing frame(const ConvertOptions& options, QSize pictureSize, const QImage& picture) {
    const PreviewArea area;
    const LoadedPictureSizes sizes =
        loadedPictureSizes(area, pictureSize.width(), pictureSize.height());
    const QSize handOver = handOverFrameSize(sizes);
    Framing framing;
    if (options.mode == FrameMode::Whole) {
        framing.view =
            wholePictureView(area, picture, wholePictureZoom(options, sizes), sizes.xyRate);
        return framing;
    }
    // After a hand-over the picture is shown at its own size.
    const int zoomValue = options.zoom.value_or(pictureSize.width());
    if (options.zoom && (*options.zoom < sizes.zoomMin || *options.zoom > sizes.zoomMax)) {
        framing.error = "--zoom: " + std::to_string(*options.zoom) + " is outside " +
                        std::to_string(sizes.zoomMin) + ".." + std::to_string(sizes.zoomMax) +
                        " for this picture";
        return framing;
    }
    const QSize frameSize(options.width.value_or(handOver.width()),
                          options.height.value_or(handOver.height()));
    framing.view =
        regionView(picture, zoomValue, sizes.xyRate, frameSize, options.offsetX, options.offsetY);
    return framing;
}

std::string reductionProblem(const ReductionOutcome& outcome) {
    if (outcome.cannotCreate) {
        return "the framed region could not be copied for the reduction";
    }
    if (outcome.bitmapUnrecognised) {
        return "the scratch picture of the effect preview could not be written or read back";
    }
    return {};
}

std::string printProblem(const PrintOutcome& printed) {
    switch (printed.status) {
    case PrintStatus::Printed:
        return {};
    case PrintStatus::NoPrinter:
        return "cannot print: there is no default printer (name one with --printer)";
    case PrintStatus::NoScheduler:
        return "cannot print: the print scheduler (CUPS) is not running, so no printer can be "
               "reached";
    case PrintStatus::UnknownPrinter:
        return "cannot print: there is no printer named \"" + printed.queue.toStdString() + "\"";
    case PrintStatus::Stopped:
        return "cannot print: the printout was stopped";
    case PrintStatus::Failed:
        break;
    }
    return "cannot print on \"" + printed.queue.toStdString() +
           "\": " + printed.problem.toStdString();
}

std::string smallCellsNote(double cellMm) {
    char size[32];
    std::snprintf(size, sizeof size, "%.2f", cellMm);
    return std::string("the printed cells are ") + size +
           " mm wide, too small to read the symbols well; the pattern book (--book) "
           "prints the chart over several pages at a readable size, as do a smaller "
           "pattern or the picture charted in parts with --mode region";
}

std::string threadNumber(int position) {
    const std::string& cindex = dmcPalette()[static_cast<std::size_t>(position)].cindex;
    return cindex.substr(0, cindex.find(' '));
}

// What "编辑", the replacement window and "完成" do: list the pattern's
// threads, replace them in order on the working copy and write each cell's
// thread colour back. False when the pattern has too many colours to list.
bool replaceThreads(const std::vector<ThreadSwap>& swaps, const ThreadMatching& matching,
                    const PreviewRegion& region, Workbench& bench,
                    std::vector<ReplacementRecord>& replaced) {
    ColorList colorList{};
    const EditIndexOutcome index =
        makeEditIndex(bench.patternMatrix, region.width, region.height, dmcPalette(), colorList,
                      bench.colorIndexMatrix, {}, matching);
    if (index.status != GenerationStatus::Done) {
        return false;
    }
    ThreadReplacement replacement(colorList, index.threadCount, dmcPalette(), matching);
    replacement.load(bench.patternMatrix, region.width, region.height);
    for (const ThreadSwap& swap : swaps) {
        int cells = 0;
        // The window offers no replacement of a thread by itself.
        if (swap.from != swap.to) {
            replacement.replace(swap.from, swap.to, [&cells](int, int, int) { ++cells; });
        }
        replaced.push_back({threadNumber(swap.from), threadNumber(swap.to), cells});
    }
    replacement.commit(bench.patternMatrix);
    return true;
}

// Whether an output draws text: the printout, and the pattern formats that
// say so.
bool drawsText(const ConvertOptions& options) {
    if (options.print) {
        return true;
    }
    for (const auto& [name, path] : options.patternPaths) {
        if (patternFormatNamed(name)->drawsText) {
            return true;
        }
    }
    return false;
}

// The slot of an output not asked for.
constexpr std::size_t kNoSlot = SIZE_MAX;

// A failed output in one line, its name shown as the picture's would be.
std::string outputProblem(const OutputResult& result) {
    return result.message(readableFileNameUtf8(result.path));
}

// Writes every pattern file asked for from `source` into its reserved slot,
// prints when asked and commits the batch; `book` is the paper, pitch and
// fabric the files are made for.
ConvertResult writePatternOutputs(const ConvertOptions& options, const BookSettings& book,
                                  const ChartSource& source, OutputBatch& outputs,
                                  const std::vector<std::size_t>& patternSlots,
                                  std::optional<FontPreload>& fonts,
                                  const ConvertProgress& progress, std::string warning = {}) {
    auto step = [&progress](std::string_view text) { progress.enter(text); };
    if (fonts) {
        fonts->wait();
    }
    for (std::size_t i = 0; i < patternFormats().size(); ++i) {
        if (patternSlots[i] == kNoSlot) {
            continue;
        }
        const PatternFormat& format = patternFormats()[i];
        if (!format.step.empty()) {
            step(format.step);
        }
        const PatternFile file = format.write({.source = source,
                                               .target = options.patternPath(format.name),
                                               .book = book,
                                               .listSkeins = options.fabricGiven});
        if (!file.ok()) {
            return failure(kExitFailure, file.problem);
        }
        if (const OutputResult written = outputs.write(patternSlots[i], file.bytes);
            !written.ok()) {
            return failure(kExitOutput, outputProblem(written));
        }
    }
    std::string note;
    if (!options.patternPath("pdf").empty()) {
        if (const double cell = pdfCellSize(source); printedCellsTooSmall(cell)) {
            note = smallCellsNote(cell);
        }
    }
    // Standard output first, then the files: all or nothing.
    if (const OutputResult committed = outputs.commit(); !committed.ok()) {
        return failure(kExitOutput, outputProblem(committed));
    }
    // A print job cannot be taken back: it goes only once every file is in
    // place, so a run that failed and is run again prints once.
    if (options.print) {
        step("printing");
        const QString queue = QString::fromStdString(options.printer);
        const PrintOutcome printed = options.printBook ? printBookOnQueue(queue, source, book)
                                                       : printChartOnQueue(queue, source);
        if (std::string problem = printProblem(printed); !problem.empty()) {
            return failure(kExitOutput, problem);
        }
        if (!options.printBook && printedCellsTooSmall(printed.cell)) {
            note = smallCellsNote(printed.cell);
        }
    }
    ConvertResult done;
    done.note = note;
    done.warning = std::move(warning);
    return done;
}

std::string oxsProblem(const OxsFileResult& opened) {
    if (opened.fileError != PictureLoadError::None) {
        return opened.fileError == PictureLoadError::TooLarge
                   ? "the file is too large for a pattern file"
                   : pictureProblem(opened.fileError);
    }
    if (opened.changed) {
        return "the file changed while it was read";
    }
    const OxsProblem& problem = opened.read.problem;
    const auto cell = [&problem] {
        return "column " + std::to_string(problem.x) + ", row " + std::to_string(problem.y);
    };
    switch (problem.error) {
    case OxsError::NotXml:
        return "not an OXS pattern file (it is not well-formed XML)";
    case OxsError::NotAChart:
        return "not an OXS pattern file (it has no <chart> with a chart width and height)";
    case OxsError::BadSize:
        return "the chart size " + std::to_string(problem.x) + " x " + std::to_string(problem.y) +
               " is not a size from 1 x 1 to 1000 x 1000";
    case OxsError::TooLarge:
        return "the chart is " + std::to_string(problem.x) + " x " + std::to_string(problem.y) +
               " cells, larger than the 320 x 320 a pattern can have";
    case OxsError::BadStitch:
        return "a full stitch has no whole-number x, y and palindex";
    case OxsError::StitchOutside:
        return "the stitch at " + cell() + " lies outside the chart";
    case OxsError::UnknownPaletteIndex:
        return "the stitch at " + cell() + " uses palette index " + std::to_string(problem.value) +
               ", which the palette does not have";
    case OxsError::BadPalette:
        return "a palette item's index is not a whole number from 0 to 9999";
    case OxsError::TooManyThreads:
        return "the pattern has more than 500 colours";
    case OxsError::None:
        break;
    }
    return "unknown error";
}

// "12 backstitches and 40 half stitches were not imported; ...": what an
// opened file held that the pattern does not, in one line.
std::string oxsWarning(const OxsPattern& pattern) {
    std::vector<std::string> parts;
    const auto count = [&parts](int n, const char* one, const char* many) {
        if (n > 0) {
            parts.push_back(std::to_string(n) + " " + (n == 1 ? one : many));
        }
    };
    const OxsLeftOut& out = pattern.leftOut;
    count(out.backstitches, "backstitch", "backstitches");
    count(out.halfStitches, "half stitch", "half stitches");
    count(out.partStitches, "quarter or three-quarter stitch",
          "quarter and three-quarter stitches");
    count(out.knots, "French knot", "French knots");
    count(out.beads, "bead", "beads");
    count(out.otherOrnaments, "other ornament", "other ornaments");
    count(out.comments, "comment box", "comment boxes");
    std::vector<std::string> sentences;
    if (!parts.empty()) {
        std::string list;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            list += i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ";
            list += parts[i];
        }
        const bool one = parts.size() == 1 && list.rfind("1 ", 0) == 0;
        sentences.push_back(list + (one ? " was" : " were") + " not imported");
    }
    if (out.blendedThreads > 0) {
        sentences.push_back(
            std::to_string(out.blendedThreads) +
            (out.blendedThreads == 1 ? " blended thread was" : " blended threads were") +
            " read as its first colour");
    }
    if (pattern.duplicateCells > 0) {
        sentences.push_back(std::to_string(pattern.duplicateCells) +
                            (pattern.duplicateCells == 1 ? " cell was" : " cells were") +
                            " stitched twice (the last stitch kept)");
    }
    if (!pattern.matched.empty()) {
        std::string list = "threads that are not DMC threads became their nearest DMC thread: ";
        for (std::size_t i = 0; i < pattern.matched.size(); ++i) {
            list += (i == 0 ? "" : ", ") + pattern.matched[i].number + " -> DMC " +
                    threadNumber(pattern.matched[i].dmcPosition);
        }
        sentences.push_back(list);
    }
    std::string line;
    for (const std::string& sentence : sentences) {
        line += (line.empty() ? "" : "; ") + sentence;
    }
    return line;
}

// `tessaline convert pattern.oxs`: the pattern read from the file, with no
// picture step; a replacement works on the cells' thread colours and the
// pattern is generated again from them, as in the windows.
ConvertResult convertPatternFile(const ConvertOptions& options, OutputBatch& outputs,
                                 const std::vector<std::size_t>& patternSlots,
                                 std::optional<FontPreload>& fonts,
                                 const ConvertProgress& progress) {
    progress.enter("reading the pattern file");
    const std::filesystem::path path(options.picture);
    const OxsFileResult opened = readOxsFile(path, {options.match, options.ignore});
    if (!opened.ok()) {
        return failure(kExitInput, "cannot open the pattern file \"" + readableFileNameUtf8(path) +
                                       "\": " + oxsProblem(opened));
    }
    const OxsPattern& read = *opened.read.pattern;
    BookSettings book = options.book;
    if (!options.fabricGiven && read.fabricCount) {
        book.fabricCount = *read.fabricCount;
    }
    const std::string title = options.title.empty() ? read.title : options.title;
    if (options.replacements.empty()) {
        const ChartSource source(
            Pattern{read.threads, read.colorIndexMatrix, read.patternMatrix, title, {}},
            options.grid, options.kind, false);
        return writePatternOutputs(options, book, source, outputs, patternSlots, fonts, progress,
                                   oxsWarning(read));
    }

    progress.enter("replacing threads");
    const int width = read.threads.width;
    const int height = read.threads.height;
    const auto bench = std::make_unique<Workbench>();
    // Cells the file left as cloth (kClearCell) stay unstitched through the
    // replacements and the generation.
    bench->patternMatrix = read.patternMatrix;
    std::vector<ReplacementRecord> replaced;
    if (!replaceThreads(options.replacements, {options.match, 0}, {width, height, 0, 0}, *bench,
                        replaced)) {
        return failure(kExitTooManyColors, "the pattern has more than 500 colours, too many to "
                                           "replace threads");
    }
    progress.enter("generating the pattern");
    GenerationSettings settings;
    settings.category = read.threads.category;
    settings.reduceStrength = 0; // the pattern's threads stay apart
    settings.ignorableCount = options.ignore;
    settings.match = options.match;
    PatternThreads threads = generatePatternThreads(bench->patternMatrix, width, height, settings,
                                                    bench->colorIndexMatrix);
    if (threads.status == GenerationStatus::TooManyColors) {
        return failure(kExitTooManyColors, "the pattern has more than 500 colours");
    }
    const ChartSource source(
        Pattern{threads, bench->colorIndexMatrix, bench->patternMatrix, title, std::move(replaced)},
        options.grid, options.kind, false);
    return writePatternOutputs(options, book, source, outputs, patternSlots, fonts, progress,
                               oxsWarning(read));
}

} // namespace

ConvertResult convertPicture(const ConvertOptions& options, std::ostream& standardOutput,
                             const ConvertProgress& progress) {
    auto step = [&progress](std::string_view text) { progress.enter(text); };

    // Reserving every output first refuses an unwritable target (or the
    // picture itself) before any work is done; nothing reserved survives a
    // failure or an interruption.
    OutputBatch outputs(standardOutput);
    outputs.protect(options.picture);
    auto reserve = [&](const std::string& target, std::size_t& slot) -> OutputResult {
        slot = kNoSlot;
        return target.empty() ? OutputResult{} : outputs.add(target, slot);
    };
    // The pattern's files in the order of patternFormats(), then the effect.
    std::vector<std::size_t> patternSlots(patternFormats().size(), kNoSlot);
    std::size_t effectSlot = kNoSlot;
    std::vector<OutputResult> reserved;
    for (std::size_t i = 0; i < patternFormats().size(); ++i) {
        reserved.push_back(reserve(options.patternPath(patternFormats()[i].name), patternSlots[i]));
    }
    reserved.push_back(reserve(options.effectPath, effectSlot));
    for (const OutputResult& result : reserved) {
        if (!result.ok()) {
            return failure(kExitOutput, outputProblem(result));
        }
    }

    // The font database fills while the picture decodes; it is ready before
    // any text is drawn.
    std::optional<FontPreload> fonts;
    if (drawsText(options)) {
        fonts.emplace();
    }

    if (isOxsFileName(options.picture)) {
        return convertPatternFile(options, outputs, patternSlots, fonts, progress);
    }

    step("loading the picture");
    // The name's bytes as given: they need not be UTF-8.
    const std::filesystem::path picturePath(options.picture);
    // A large JPEG shown smaller is shrunk while it is decoded.
    FittedPicture fitted = loadPicture(
        picturePath, [&options](QSize size) { return shownPictureSize(options, size); });
    PictureLoadResult& loaded = fitted.loaded;
    if (!loaded.ok()) {
        return failure(kExitInput, "cannot open the picture \"" +
                                       readableFileNameUtf8(picturePath) +
                                       "\": " + pictureProblem(loaded.error));
    }
    Framing framing = frame(options, fitted.pictureSize, loaded.image);
    framing.view.transparency = loaded.transparency;
    loaded.image = QImage(); // the full-size picture is no longer needed
    if (!framing.error.empty()) {
        return failure(kExitUsage, framing.error);
    }
    WorkspaceView& view = framing.view;

    const auto bench = std::make_unique<Workbench>();
    const bool needsScratch = options.method != 0 || !options.effectPath.empty();
    // Named with our process number, so that the next run removes it should
    // this one be killed.
    removeScratchLeftovers(QFile::encodeName(QDir::tempPath()).toStdString());
    QTemporaryDir scratchFolder(QDir::tempPath() + QLatin1Char('/') +
                                QString::fromStdString(scratchFolderPattern()));
    if (needsScratch && !scratchFolder.isValid()) {
        return failure(kExitFailure, "cannot create a temporary folder: " +
                                         scratchFolder.errorString().toStdString());
    }
    const std::filesystem::path scratchFile =
        needsScratch
            ? std::filesystem::path(
                  QFile::encodeName(scratchFolder.filePath(kScratchPictureName)).toStdString())
            : std::filesystem::path();
    // An interruption takes the scratch picture and its folder along.
    const CleanupTicket scratchFolderTicket =
        needsScratch ? CleanupTicket(scratchFile.parent_path(), true) : CleanupTicket();
    const CleanupTicket scratchFileTicket =
        needsScratch ? CleanupTicket(scratchFile) : CleanupTicket();

    step("effect preview");
    const ReductionOutcome outcome = runReductionStep(
        view, options.method, scratchFile, bench->srcDIB, bench->dstDIB, bench->patternMatrix);
    if (std::string problem = reductionProblem(outcome); !problem.empty()) {
        return failure(kExitFailure, problem);
    }
    const PreviewRegion& region = view.region;

    if (effectSlot != kNoSlot) {
        // Without a method the sampled region itself is the effect, read
        // back through the scratch picture as "保存效果" does.
        if (options.method == 0) {
            const ReductionOutcome sampled =
                runReductionStep(view, 0, scratchFile, bench->srcDIB, bench->dstDIB,
                                 bench->patternMatrix, ReductionUse::EffectFile);
            if (std::string problem = reductionProblem(sampled); !problem.empty()) {
                return failure(kExitFailure, problem);
            }
        }
        const ClsDIB& effect = effectBuffer(options.method, bench->srcDIB, bench->dstDIB);
        if (effect.DataPtr() == nullptr) {
            return failure(kExitFailure, "the reduced region is empty");
        }
        if (const OutputResult written = outputs.write(effectSlot, effect.bmpBytes());
            !written.ok()) {
            return failure(kExitOutput, outputProblem(written));
        }
    }

    if (!options.needsThreads()) {
        const OutputResult committed = outputs.commit();
        return committed.ok() ? ConvertResult{} : failure(kExitOutput, outputProblem(committed));
    }

    std::vector<ReplacementRecord> replaced;
    if (!options.replacements.empty()) {
        step("replacing threads");
        if (!replaceThreads(options.replacements, {options.match, options.threads}, region, *bench,
                            replaced)) {
            return failure(kExitTooManyColors,
                           "the pattern has more than 500 colours, too many to replace threads: "
                           "reduce them with a --method other than 0, or choose its threads "
                           "with --threads");
        }
    }

    step("generating the pattern");
    GenerationSettings settings;
    settings.category = options.category;
    settings.reduceStrength = options.strength;
    settings.ignorableCount = options.ignore;
    settings.threadLimit = options.threads;
    settings.match = options.match;
    settings.cleanup = options.cleanup;
    settings.minStitches = options.minStitches;
    settings.fabricColor = options.fabricColor;
    settings.unstitchedBackground = options.unstitchedBackground;
    settings.allowSpecialty = options.allowSpecialty;
    const PatternThreads threads = generatePatternThreads(
        bench->patternMatrix, region.width, region.height, settings, bench->colorIndexMatrix);
    if (threads.status == GenerationStatus::TooManyColors) {
        return failure(kExitTooManyColors,
                       "the pattern has more than 500 colours: reduce them with a --method "
                       "other than 0, or choose its threads with --threads");
    }

    const ChartSource source(Pattern{threads, bench->colorIndexMatrix, bench->patternMatrix,
                                     options.title, // empty: the chart's own title
                                     std::move(replaced)},
                             options.grid, options.kind, greySwatchMethod(options.method));
    return writePatternOutputs(options, options.book, source, outputs, patternSlots, fonts,
                               progress);
}

} // namespace tessaline
