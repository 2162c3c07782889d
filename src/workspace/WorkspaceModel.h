#pragma once
// The workspace without its window: the frame a picture hand-over sets, the
// picture as displayed under the frame in either mode, and the reduction
// step of the effect preview on that displayed picture. The command line
// uses these; the main window's handlers do the same steps on its boxes.
#include "app/Xiubas.h"
#include "imaging/ClsDIB.h"
#include "imaging/EffectPreview.h"
#include "workspace/WorkspaceMath.h"

#include <QImage>
#include <QSize>
#include <filesystem>

namespace tessaline {

// The frame a picture hand-over sets: the size bars' values, each raised to
// the bars' minimum, so a picture under 16 pixels gets the smallest frame
// instead of being refused.
QSize handOverFrameSize(const LoadedPictureSizes& sizes);

// The main window's fabric line, "绣布：宽高117x132(约35x40厘米)", in the
// interface language.
QString fabricSizeText(const FabricSize& fabric);

// The working picture as displayed and the framed region the effect preview
// samples from it.
struct WorkspaceView {
    QImage displayed;
    PreviewRegion region;
    // The picture's transparency (PictureLoadResult::transparency) when
    // displayed shows a picture with transparent parts: their cells come out
    // as kClearCell.
    QImage transparency;
};

// Whole-picture mode ("全图"): zoomValue is the pattern width, the height
// follows the picture's shape and the whole picture is squeezed to that size
// at the frame's corner (wholePictureFrame, the rule the main window uses).
WorkspaceView wholePictureView(const PreviewArea& area, const QImage& picture, int zoomValue,
                               float xyRate);

// Region mode ("局部"): the picture drawn zoomValue pixels wide, its height
// following xyRate; the frame keeps its size and starts at (moveX1, moveY1).
QSize regionDisplaySize(int zoomValue, float xyRate);
WorkspaceView regionView(const QImage& picture, int zoomValue, float xyRate, QSize frame,
                         int moveX1, int moveY1);

// What a reduction step is for.
enum class ReductionUse {
    // "效果预览->": unless colorBit is 0, the reduced region is copied back
    // into the displayed picture at the region's corner and sampled again.
    Preview,
    // "保存效果": the region goes through the scratch picture even without a
    // method and stays in the buffers (see effectBuffer); the picture is
    // left alone.
    EffectFile,
};

// The one reduction step, for the windows and the command line alike:
// samples the region into patternMatrix and reduces it through the scratch
// picture as `use` asks. With colorBit 0 (Preview), or when nothing could be
// reduced (see the outcome), patternMatrix holds the region as sampled.
// Cells over transparent parts of the picture are kClearCell.
// When the scratch picture cannot be written or read back, or the progress
// stops the step, patternMatrix and the displayed picture stay as they were.
ReductionOutcome runReductionStep(WorkspaceView& view, int colorBit,
                                  const std::filesystem::path& scratchFile, ClsDIB& srcDIB,
                                  ClsDIB& dstDIB, CellMatrix& patternMatrix,
                                  ReductionUse use = ReductionUse::Preview,
                                  const ReductionProgress& progress = {});

} // namespace tessaline
