#pragma once
// The stitch-grid view of the main window: the pattern matrix magnified, one
// small square per stitch with dark grey grid lines on its top and left edges.
#include "app/Xiubas.h"

#include <QImage>

namespace tessaline {

struct StitchGridView {
    int cellSize = 4; // pixels per stitch, grid line included
    int viewX = 0;    // first column shown
    int viewY = 0;    // first row shown
    // Cells beyond the largest pattern (picmaxW x picmaxH) show white.
    int maxColumns = 230;
    int maxRows = 250;
};

// Fills the whole image, pixel by pixel on its scan lines.
void drawStitchGrid(QImage& image, const CellMatrix& matrix, const StitchGridView& view);

} // namespace tessaline
