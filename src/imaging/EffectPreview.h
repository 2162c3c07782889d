#pragma once
// The effect preview's pipeline on plain images and buffers, shared by the
// main window and the command line: sample the framed region one pixel per
// stitch, write it as the scratch picture, reduce it with the chosen method
// and copy the result back into the working picture.
#include "app/Progress.h"
#include "app/Xiubas.h"
#include "imaging/ClsDIB.h"

#include <QImage>
#include <filesystem>

namespace tessaline {

// The scratch picture the reduction reads back.
inline constexpr const char* kScratchPictureName = "tmppicv.bmp";

// The framed region: the pattern's size in stitches and where it starts in
// the working picture.
struct PreviewRegion {
    int width = 0;
    int height = 0;
    int left = 0;
    int top = 0;
};

// Fills patternMatrix(x, y) from picture pixel (left + x, top + y), row by
// row. Cells whose pixel lies outside the picture stay white.
void sampleRegion(const QImage& picture, const PreviewRegion& region, CellMatrix& patternMatrix);

// Marks as kClearCell the cells whose pixel of the working picture, shown
// at `shown` size from a picture with this `transparency` (Alpha8, see
// PictureLoadResult), is transparent. A null transparency marks nothing.
void markClearCells(const QImage& transparency, QSize shown, const PreviewRegion& region,
                    CellMatrix& patternMatrix);

// The reduction a method code selects (1, 2, 3, 4, 8, 16); false for any
// other code, which reduces nothing.
bool reduceByMethod(int colorBit, const ClsDIB& source, ClsDIB& target);

struct ReductionOutcome {
    bool scratchSaved = false;       // the scratch picture was written
    bool bitmapUnrecognised = false; // it could not be read back
    bool cannotCreate = false;       // the 24-bit copy could not be made
    bool reduced = false;            // srcDIB was reduced into dstDIB
    bool stopped = false;            // the progress asked to stop before reducing
};

// The stages of a reduction, for its progress: writing and reading back the
// scratch picture (reported as 1 of 1 when done, where a stop is honoured),
// then reducing.
enum class ReductionStage { Scratch, Reduce };
using ReductionProgress = Progress<ReductionStage>;

// True when the scratch picture went out and came back into srcDIB and
// nothing stopped the step.
inline bool reductionSucceeded(const ReductionOutcome& outcome) {
    return outcome.scratchSaved && !outcome.bitmapUnrecognised && !outcome.cannotCreate &&
           !outcome.stopped;
}

// Writes the sampled region as the scratch picture, loads it into srcDIB and
// reduces it into dstDIB by colorBit. When the scratch picture cannot be read
// back, srcDIB keeps what an earlier run left in it. Callers go through
// runReductionStep (workspace/WorkspaceModel.h), which samples first.
ReductionOutcome reduceRegion(const CellMatrix& patternMatrix, int width, int height, int colorBit,
                              const std::filesystem::path& scratchFile, ClsDIB& srcDIB,
                              ClsDIB& dstDIB, const ReductionProgress& progress = {});

// The buffer holding the effect after a reduction: the region as sampled
// (srcDIB) without a method, the reduced region (dstDIB) otherwise.
const ClsDIB& effectBuffer(int colorBit, const ClsDIB& srcDIB, const ClsDIB& dstDIB);

// The second half of reduceRegion, which the edit action runs on its own:
// loads the scratch picture into srcDIB (freeing dstDIB) and reduces it into
// dstDIB by colorBit; when it cannot be loaded, srcDIB keeps what it held.
ReductionOutcome reduceScratchPicture(const std::filesystem::path& scratchFile, int colorBit,
                                      ClsDIB& srcDIB, ClsDIB& dstDIB,
                                      const ReductionProgress& progress = {});

// Copies the whole of a (possibly indexed) buffer onto picture at (x, y).
void copyBufferInto(QImage& picture, const ClsDIB& buffer, int x, int y);

} // namespace tessaline
