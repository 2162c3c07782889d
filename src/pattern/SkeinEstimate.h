#pragma once
// How much thread a key entry needs: the length of one full cross on the
// chosen fabric, times its stitches and strands, with an allowance for the
// thread that runs on the back between stitches and the thread wasted on
// starts, ends and trimming, in whole skeins.
//
//   cell side          a = 25.4 mm / stitches per inch (count / 2 over two)
//   one cross, 1 strand  = 2 x sqrt(2) x a  (the two diagonals on the front)
//                        + 2 x a            (two cell sides on the back)
//   thread             L = stitches x cross x strands x (1 + 150 % allowance)
//   skeins               = ceil(L / (8 m x 6 strands))
//
// A skein is 8 m of six-strand floss, so it gives 48 m of single strand.
// On 14-count with 2 strands a cross takes 8.76 mm of strand, 43.80 mm with
// both strands and the allowance, and a skein covers 1095 crosses. The
// allowance is set from published figures for photo patterns, which have
// many lone stitches and colour changes: the Stitchmate thread calculator
// gives about 1,100 crosses a skein at 14-count (866 at 11, 1,417 at 18),
// Brodette's "How many skeins" guide 1,500 for patterns of larger areas.
#include "pattern/BookSettings.h"

namespace tessaline {

inline constexpr double kSkeinMetres = 8.0;
inline constexpr int kSkeinStrands = 6;
// Share added for the thread on the back between stitches and the tails
// left when a thread is started and ended.
inline constexpr double kThreadAllowance = 1.50;

// Millimetres of single strand one full cross takes on `fabricCount` fabric
// (evenweave and linen stitched over two).
double crossStrandMillimetres(int fabricCount);

// Millimetres of single strand `stitches` crosses take with `strands`
// strands, the allowance included.
double threadMillimetres(int stitches, int fabricCount, int strands);

// Whole skeins to buy for `stitches` crosses (0 for none).
int skeinsFor(int stitches, int fabricCount, int strands = kDefaultStrands);

// Crosses one skein covers on that fabric with that many strands.
int crossesPerSkein(int fabricCount, int strands);

// Finished size of `stitches` cells on `fabricCount` fabric (over two on
// evenweave and linen).
double finishedCentimetres(int stitches, int fabricCount);
double finishedInches(int stitches, int fabricCount);

} // namespace tessaline
