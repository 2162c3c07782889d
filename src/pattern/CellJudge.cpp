#include "pattern/CellJudge.h"

namespace tessaline::choice {

namespace {

std::vector<LabPoint> colorPointsOf(std::span<const WeightedColor> colors,
                                    std::span<const Lab> labs) {
    std::vector<LabPoint> points;
    points.reserve(colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
        points.push_back({labs[i], static_cast<double>(colors[i].count), 0});
    }
    return points;
}

} // namespace

CellJudge::CellJudge(std::span<const WeightedColor> colors, std::span<const Lab> labs,
                     const ColorLayout& layout, const ThreadPalette& dmc, int judged)
    : colors_(colorPointsOf(colors, labs)), differences_(colors_, dmc),
      look_(layout, colors, judged), dmc_(dmc) {
    for (const LabPoint& color : colors_) {
        cells_ += color.weight;
    }
}

double CellJudge::operator()(const std::vector<int>& choice, std::vector<int>& threadOfColor,
                             DistantLook::Memory& memory) const {
    std::vector<double> loss;
    const double total = assignByLab(colors_, choice, differences_, threadOfColor, loss);
    return total / cells_ +
           look_.mean(
               [&](int c) {
                   return dmc_[static_cast<std::size_t>(threadOfColor[static_cast<std::size_t>(c)])]
                       .color;
               },
               memory);
}

} // namespace tessaline::choice
