#include "cli/ConvertPipeline.h"

#include "cli/PatternJson.h"
#include "cli/StagedOutputs.h"
#include "imaging/DibImage.h"
#include "pattern/PatternThreads.h"
#include "pattern/ThreadReplacement.h"
#include "render/ChartCanvas.h"
#include "render/FileNames.h"
#include "render/PictureLoader.h"
#include "render/PrintChart.h"
#include "workspace/WorkspaceModel.h"

#include <QTemporaryDir>
#include <fstream>
#include <memory>

namespace tessaline {

namespace {

ConvertResult failure(int exitCode, std::string error) {
    return {exitCode, std::move(error)};
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

bool endsWithPng(const std::string& path) {
    return QString::fromStdString(path).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
}

QString qPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
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

Framing frame(const ConvertOptions& options, const QImage& picture) {
    const PreviewArea area;
    const LoadedPictureSizes sizes = loadedPictureSizes(area, picture.width(), picture.height());
    const QSize handOver = handOverFrameSize(sizes);
    Framing framing;
    if (options.mode == FrameMode::Whole) {
        // "全图" sets the zoom to the frame's width.
        const int zoomValue = options.width.value_or(handOver.width());
        framing.view = wholePictureView(area, picture, zoomValue, sizes.xyRate);
        return framing;
    }
    // After a hand-over the picture is shown at its own size.
    const int zoomValue = options.zoom.value_or(picture.width());
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

bool writeText(const std::filesystem::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return static_cast<bool>(out);
}

std::string threadNumber(int position) {
    const std::string& cindex = dmcPalette()[static_cast<std::size_t>(position)].cindex;
    return cindex.substr(0, cindex.find(' '));
}

// What "编辑", the replacement window and "完成" do: list the pattern's
// threads, replace them in order on the working copy and write each cell's
// thread colour back. False when the pattern has too many colours to list.
bool replaceThreads(const std::vector<ThreadSwap>& swaps, const PreviewRegion& region,
                    Workbench& bench, std::vector<ReplacementRecord>& replaced) {
    ColorList colorList{};
    const EditIndexOutcome index = makeEditIndex(bench.patternMatrix, region.width, region.height,
                                                 dmcPalette(), colorList, bench.colorIndexMatrix);
    if (index.status != GenerationStatus::Done) {
        return false;
    }
    ThreadReplacement replacement(colorList, index.threadCount, dmcPalette());
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

} // namespace

ConvertResult convertPicture(const ConvertOptions& options, std::ostream& standardOutput,
                             const ConvertProgress& progress) {
    auto step = [&progress](std::string_view text) { progress.enter(text); };

    // Reserving every output first refuses an unwritable target before any
    // work is done; nothing reserved survives a failure.
    StagedOutputs outputs;
    std::string error;
    auto reserve = [&](const std::string& target) -> std::filesystem::path {
        if (target.empty() || target == "-") {
            return {};
        }
        return outputs.stage(target, error);
    };
    const std::filesystem::path chartFile = reserve(options.chartPath);
    const std::filesystem::path pdfFile = error.empty() ? reserve(options.pdfPath) : "";
    const std::filesystem::path effectFile = error.empty() ? reserve(options.effectPath) : "";
    const std::filesystem::path jsonFile = error.empty() ? reserve(options.jsonPath) : "";
    if (!error.empty()) {
        return failure(kExitOutput, error);
    }

    step("loading the picture");
    // The name's bytes as given: they need not be UTF-8.
    const std::filesystem::path picturePath(options.picture);
    PictureLoadResult loaded = loadPicture(picturePath);
    if (!loaded.ok()) {
        return failure(kExitInput, "cannot open the picture \"" +
                                       readableFileNameUtf8(picturePath) +
                                       "\": " + pictureProblem(loaded.error));
    }
    Framing framing = frame(options, loaded.image);
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
            ? std::filesystem::path(scratchFolder.filePath(kScratchPictureName).toStdString())
            : std::filesystem::path();

    step("effect preview");
    const ReductionOutcome outcome = runReductionStep(
        view, options.method, scratchFile, bench->srcDIB, bench->dstDIB, bench->patternMatrix);
    if (std::string problem = reductionProblem(outcome); !problem.empty()) {
        return failure(kExitFailure, problem);
    }
    const PreviewRegion& region = view.region;

    if (!effectFile.empty()) {
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
        if (!effect.SaveBMP(effectFile)) {
            return failure(kExitOutput, "cannot write \"" + options.effectPath + "\"");
        }
    }

    if (!options.needsThreads()) {
        return outputs.commit(error) ? ConvertResult{} : failure(kExitOutput, error);
    }

    std::vector<ReplacementRecord> replaced;
    if (!options.replacements.empty()) {
        step("replacing threads");
        if (!replaceThreads(options.replacements, region, *bench, replaced)) {
            return failure(kExitTooManyColors,
                           "the pattern has more than 500 colours, too many to replace threads: "
                           "reduce them with a --method other than 0");
        }
    }

    step("generating the pattern");
    GenerationSettings settings;
    settings.category = options.category;
    settings.reduceStrength = options.strength;
    settings.ignorableCount = options.ignore;
    settings.threadLimit = options.threads;
    settings.match = options.match;
    const PatternThreads threads = generatePatternThreads(
        bench->patternMatrix, region.width, region.height, settings, bench->colorIndexMatrix);
    if (threads.status == GenerationStatus::TooManyColors) {
        return failure(kExitTooManyColors,
                       "the pattern has more than 500 colours: reduce them with a --method "
                       "other than 0, or choose its threads with --threads");
    }

    const ChartSource source{threads,       bench->colorIndexMatrix,         bench->patternMatrix,
                             options.grid,
                             options.title, // empty: the chart's own title
                             options.kind,  greySwatchMethod(options.method)};

    if (!chartFile.empty()) {
        step("drawing the chart");
        const QImage canvas = renderChartCanvas(source);
        bool written = false;
        if (endsWithPng(options.chartPath)) {
            written = canvas.save(qPath(chartFile), "PNG");
        } else {
            ClsDIB bitmap;
            written = imageToDib(canvas, bitmap) && bitmap.SaveBMP(chartFile);
        }
        if (!written) {
            return failure(kExitOutput, "cannot write \"" + options.chartPath + "\"");
        }
    }
    if (!pdfFile.empty()) {
        step("writing the printout");
        if (writeChartPdf(qPath(pdfFile), source) != PdfWriteResult::Written) {
            return failure(kExitOutput, "cannot write \"" + options.pdfPath + "\"");
        }
    }
    std::string json;
    if (!options.jsonPath.empty()) {
        json = patternJson(threads, bench->patternMatrix, bench->colorIndexMatrix, replaced);
        if (!jsonFile.empty() && !writeText(jsonFile, json)) {
            return failure(kExitOutput, "cannot write \"" + options.jsonPath + "\"");
        }
    }

    if (!outputs.commit(error)) {
        return failure(kExitOutput, error);
    }
    if (options.jsonPath == "-") {
        standardOutput << json;
        standardOutput.flush();
        if (!standardOutput) {
            return failure(kExitOutput, "cannot write the JSON to standard output");
        }
    }
    return {};
}

} // namespace tessaline
