#pragma once
// A choice of threads judged cell by cell, as the pattern will be.
#include "pattern/DistantLook.h"
#include "pattern/PointDifferences.h"

#include <span>
#include <vector>

namespace tessaline::choice {

// Every colour on its nearest chosen thread, as the cells will take them:
// the cells' mean CIEDE2000 close up plus their mean seen from a distance
// (both blurred by one cell), on up to `judged` cells. Choices judged on
// several cores share the colours' differences from threads.
class CellJudge {
  public:
    CellJudge(std::span<const WeightedColor> colors, std::span<const Lab> labs,
              const ColorLayout& layout, const ThreadPalette& dmc, int judged);
    CellJudge(const CellJudge&) = delete;
    CellJudge& operator=(const CellJudge&) = delete;

    // The judgement of the sorted `choice`; `threadOfColor` receives each
    // colour's thread under it. `memory` is the judgement's own working
    // space (one for each judgement running at a time).
    double operator()(const std::vector<int>& choice, std::vector<int>& threadOfColor,
                      DistantLook::Memory& memory) const;

  private:
    std::vector<LabPoint> colors_; // each colour as a point weighing its cells
    PointDifferences differences_; // of colors_, so declared after it
    DistantLook look_;
    const ThreadPalette& dmc_;
    double cells_ = 0;
};

} // namespace tessaline::choice
