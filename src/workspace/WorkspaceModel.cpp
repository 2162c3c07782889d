#include "workspace/WorkspaceModel.h"

#include "render/Stretch.h"
#include "workspace/Rounding.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

namespace tessaline {

QString fabricSizeText(const FabricSize& fabric) {
    return QCoreApplication::translate("Workspace", "绣布：宽高%1x%2(约%3x%4厘米)")
        .arg(fabric.stitchesWide)
        .arg(fabric.stitchesHigh)
        .arg(fabric.centimetresWide)
        .arg(fabric.centimetresHigh);
}

QSize handOverFrameSize(const LoadedPictureSizes& sizes) {
    return {std::max(sizes.widthValue, kMinPatternSide),
            std::max(sizes.heightValue, kMinPatternSide)};
}

WorkspaceView wholePictureView(const PreviewArea& area, const QImage& picture, int zoomValue,
                               float xyRate) {
    const WholePictureFrame size = wholePictureFrame(area, zoomValue, xyRate);
    WorkspaceView view;
    view.displayed = halftoneStretch(picture, QSize(size.pictureWidth, size.pictureHeight));
    view.region = {size.frameWidth, size.frameHeight, 0, 0};
    return view;
}

QSize regionDisplaySize(int zoomValue, float xyRate) {
    return {zoomValue, roundHalfEven(zoomValue * static_cast<double>(xyRate))};
}

WorkspaceView regionView(const QImage& picture, int zoomValue, float xyRate, QSize frame,
                         int moveX1, int moveY1) {
    WorkspaceView view;
    view.displayed = halftoneStretch(picture, regionDisplaySize(zoomValue, xyRate));
    view.region = {frame.width(), frame.height(), moveX1, moveY1};
    return view;
}

ReductionOutcome runReductionStep(WorkspaceView& view, int colorBit,
                                  const std::filesystem::path& scratchFile, ClsDIB& srcDIB,
                                  ClsDIB& dstDIB, CellMatrix& patternMatrix, ReductionUse use,
                                  const ReductionProgress& progress) {
    // Worked out aside: a step that fails or stops leaves the pattern as it
    // was.
    const auto sampled = std::make_unique<CellMatrix>();
    sampled->fill(kWhite);
    sampleRegion(view.displayed, view.region, *sampled);
    const bool preview = use == ReductionUse::Preview;
    const QSize shown = view.displayed.size();
    if (preview && colorBit == 0) {
        patternMatrix = *sampled;
        markClearCells(view.transparency, shown, view.region, patternMatrix);
        return {};
    }
    const PreviewRegion& region = view.region;
    const ReductionOutcome outcome = reduceRegion(*sampled, region.width, region.height, colorBit,
                                                  scratchFile, srcDIB, dstDIB, progress);
    // A scratch picture that could not be read back leaves an earlier region
    // in the buffers: pasting that would show the wrong picture.
    if (!reductionSucceeded(outcome) || srcDIB.DataPtr() == nullptr) {
        return outcome;
    }
    if (!preview) {
        patternMatrix = *sampled;
        markClearCells(view.transparency, shown, view.region, patternMatrix);
        return outcome;
    }
    copyBufferInto(view.displayed, dstDIB, region.left, region.top);
    sampled->fill(kWhite);
    sampleRegion(view.displayed, view.region, *sampled);
    patternMatrix = *sampled;
    markClearCells(view.transparency, shown, view.region, patternMatrix);
    return outcome;
}

} // namespace tessaline
