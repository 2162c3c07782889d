#include "cli/ConvertPipeline.h"

#include "app/OutputFiles.h"
#include "imaging/DibImage.h"
#include "pattern/Pattern.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadReplacement.h"
#include "platform/ChartPrinter.h"
#include "platform/SystemFiles.h"
#include "render/FileNames.h"
#include "render/FontSetup.h"
#include "render/PatternFormats.h"
#include "render/PictureLoader.h"
#include "render/PrintChart.h"
#include "workspace/WorkspaceModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>

namespace tessaline {

namespace {

ConvertResult failure(int exitCode, std::string error) {
    return {exitCode, std::move(error), {}};
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

// Whether an output draws text: the printout and every pattern file but the
// data ones.
bool drawsText(const ConvertOptions& options) {
    if (options.print) {
        return true;
    }
    for (const auto& [format, path] : options.patternPaths) {
        if (format != "json" && format != "oxs") {
            return true;
        }
    }
    return false;
}

// A failed output in one line, its name shown as the picture's would be.
std::string outputProblem(const OutputResult& result) {
    return result.message(readableFileNameUtf8(result.path));
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
    constexpr std::size_t kNone = SIZE_MAX;
    auto reserve = [&](const std::string& target, std::size_t& slot) -> OutputResult {
        slot = kNone;
        return target.empty() ? OutputResult{} : outputs.add(target, slot);
    };
    // The pattern's files in the order of patternFormats(), then the effect.
    std::vector<std::size_t> patternSlots(patternFormats().size(), kNone);
    std::size_t effectSlot = kNone;
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
    loaded.image = QImage(); // the full-size picture is no longer needed
    if (!framing.error.empty()) {
        return failure(kExitUsage, framing.error);
    }
    WorkspaceView& view = framing.view;

    const auto bench = std::make_unique<Workbench>();
    const bool needsScratch = options.method != 0 || !options.effectPath.empty();
    QTemporaryDir scratchFolder;
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

    if (effectSlot != kNone) {
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
    if (fonts) {
        fonts->wait();
    }
    for (std::size_t i = 0; i < patternFormats().size(); ++i) {
        if (patternSlots[i] == kNone) {
            continue;
        }
        const PatternFormat& format = patternFormats()[i];
        if (!format.step.empty()) {
            step(format.step);
        }
        const PatternFile file = format.write({.source = source,
                                               .target = options.patternPath(format.name),
                                               .book = options.book,
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
    if (!options.patternPath("pdf").empty() && printedCellsTooSmall(pdfCellSize(source))) {
        note = smallCellsNote(pdfCellSize(source));
    }
    if (options.print) {
        step("printing");
        const PrintOutcome printed =
            printChartOnQueue(QString::fromStdString(options.printer), source);
        if (std::string problem = printProblem(printed); !problem.empty()) {
            return failure(kExitOutput, problem);
        }
        if (printedCellsTooSmall(printed.cell)) {
            note = smallCellsNote(printed.cell);
        }
    }

    // Standard output first, then the files: all or nothing.
    if (const OutputResult committed = outputs.commit(); !committed.ok()) {
        return failure(kExitOutput, outputProblem(committed));
    }
    ConvertResult done;
    done.note = note;
    return done;
}

} // namespace tessaline
