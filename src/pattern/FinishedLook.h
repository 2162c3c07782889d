#pragma once
// The finished look: the pattern as it will look stitched, each cell in the
// colour it is stitched in. The final preview and the finished-look picture
// are both drawn from it.
#include "app/Color.h"
#include "pattern/Pattern.h"

namespace tessaline {

// The colour of cell (x, y): the fabric's where it is left unstitched, else
// its thread's colour for a pattern of up to 50 legend entries, the cell's
// own colour above that (so many threads mix on the cloth much as the
// picture's colours do).
Color finishedLookColor(const Pattern& pattern, int x, int y);

} // namespace tessaline
