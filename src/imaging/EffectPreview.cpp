#include "imaging/EffectPreview.h"

#include "imaging/DibImage.h"
#include "render/ColorConvert.h"

#include <QPainter>
#include <cstring>

namespace tessaline {

void sampleRegion(const QImage& picture, const PreviewRegion& region, CellMatrix& patternMatrix) {
    const int width = std::min(region.width, CellMatrix::kSize);
    const int height = std::min(region.height, CellMatrix::kSize);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int px = region.left + x;
            const int py = region.top + y;
            patternMatrix(x, y) = picture.valid(px, py) ? fromQRgb(picture.pixel(px, py)) : kWhite;
        }
    }
}

void markClearCells(const QImage& transparency, QSize shown, const PreviewRegion& region,
                    CellMatrix& patternMatrix) {
    if (transparency.isNull() || shown.isEmpty()) {
        return;
    }
    const int width = std::min(region.width, CellMatrix::kSize);
    const int height = std::min(region.height, CellMatrix::kSize);
    const qint64 fromWidth = transparency.width();
    const qint64 fromHeight = transparency.height();
    for (int y = 0; y < height; ++y) {
        const qint64 py = region.top + y;
        if (py < 0 || py >= shown.height()) {
            continue;
        }
        // The picture pixel under the middle of the shown one.
        const auto sy = static_cast<int>((2 * py + 1) * fromHeight / (2 * shown.height()));
        const uchar* alpha = transparency.constScanLine(sy);
        for (int x = 0; x < width; ++x) {
            const qint64 px = region.left + x;
            if (px < 0 || px >= shown.width()) {
                continue;
            }
            const auto sx = static_cast<int>((2 * px + 1) * fromWidth / (2 * shown.width()));
            if (alpha[sx] < 128) {
                patternMatrix(x, y) = kClearCell;
            }
        }
    }
}

bool reduceByMethod(int colorBit, const ClsDIB& source, ClsDIB& target) {
    switch (colorBit) {
    case 1:
        return target.ddGet1Bit(source);
    case 2:
        return target.ddGet2Bit(source);
    case 3:
        return target.ddGet3Bit(source, true);
    case 4:
        return target.ddGet4Bit(source);
    case 8:
        return target.ddGet8Bit(source, true);
    case 16:
        return target.ddGet216C(source, true);
    default:
        return false;
    }
}

namespace {

// After the scratch picture was (or could not be) loaded: report it (a stop
// is honoured here), then reduce whatever srcDIB holds.
ReductionOutcome reduceLoadedRegion(ReductionOutcome outcome, int colorBit, const ClsDIB& srcDIB,
                                    ClsDIB& dstDIB, const ReductionProgress& progress) {
    if (!progress.report(1, 1)) {
        outcome.stopped = true;
        return outcome;
    }
    if (srcDIB.DataPtr() == nullptr) {
        return outcome;
    }
    progress.enter(ReductionStage::Reduce);
    outcome.reduced = reduceByMethod(colorBit, srcDIB, dstDIB);
    return outcome;
}

} // namespace

ReductionOutcome reduceRegion(const CellMatrix& patternMatrix, int width, int height, int colorBit,
                              const std::filesystem::path& scratchFile, ClsDIB& srcDIB,
                              ClsDIB& dstDIB, const ReductionProgress& progress) {
    ReductionOutcome outcome;
    progress.enter(ReductionStage::Scratch);
    // The scratch picture: one pixel per stitch.
    ClsDIB scratch;
    if (scratch.Create(width, height, 24, true)) {
        std::span<std::uint8_t> bytes;
        const int stride = scratch.MapArray(bytes);
        for (int y = 0; y < height; ++y) {
            std::uint8_t* row = bytes.data() + static_cast<std::size_t>(height - 1 - y) * stride;
            for (int x = 0; x < width; ++x) {
                const Color c = patternMatrix(x, y);
                row[3 * x] = getBlue(c);
                row[3 * x + 1] = getGreen(c);
                row[3 * x + 2] = getRed(c);
            }
        }
        ClsDIB::UnMapArray(bytes);
        outcome.scratchSaved = scratch.SaveBMP(scratchFile);
    }

    const bool saved = outcome.scratchSaved;
    if (saved) {
        outcome = reduceScratchPicture(scratchFile, colorBit, srcDIB, dstDIB, progress);
    } else {
        // Nothing to read back: reduce what an earlier run left in srcDIB.
        outcome.bitmapUnrecognised = true;
        outcome = reduceLoadedRegion(outcome, colorBit, srcDIB, dstDIB, progress);
    }
    outcome.scratchSaved = saved;
    return outcome;
}

ReductionOutcome reduceScratchPicture(const std::filesystem::path& scratchFile, int colorBit,
                                      ClsDIB& srcDIB, ClsDIB& dstDIB,
                                      const ReductionProgress& progress) {
    ReductionOutcome outcome;
    ClsDIB loaded;
    if (loaded.LoadBitMap(scratchFile)) {
        if (!srcDIB.Create(loaded.Width(), loaded.Height(), 24, false)) {
            outcome.cannotCreate = true;
            return outcome;
        }
        std::memcpy(srcDIB.DataPtr(), loaded.DataPtr(),
                    static_cast<std::size_t>(loaded.DataSize()));
        loaded.Free();
        dstDIB.Free();
    } else {
        outcome.bitmapUnrecognised = true;
    }
    return reduceLoadedRegion(outcome, colorBit, srcDIB, dstDIB, progress);
}

const ClsDIB& effectBuffer(int colorBit, const ClsDIB& srcDIB, const ClsDIB& dstDIB) {
    return colorBit == 0 ? srcDIB : dstDIB;
}

void copyBufferInto(QImage& picture, const ClsDIB& buffer, int x, int y) {
    const QImage block = dibToImage(buffer);
    if (block.isNull()) {
        return;
    }
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(x, y, block);
}

} // namespace tessaline
