#pragma once
// Small builders for pattern matrices used by the pattern tests.
#include "app/Xiubas.h"

#include <memory>
#include <vector>

namespace tessaline::testing {

// The matrix is 400 KB: keep it on the heap.
inline std::unique_ptr<CellMatrix> matrixFromRows(const std::vector<std::vector<Color>>& rows) {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(kWhite);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) {
            (*matrix)(static_cast<int>(x), static_cast<int>(y)) = rows[y][x];
        }
    }
    return matrix;
}

inline std::unique_ptr<CellMatrix> filledMatrix(Color color) {
    auto matrix = std::make_unique<CellMatrix>();
    matrix->fill(color);
    return matrix;
}

} // namespace tessaline::testing
