#pragma once
// How much thread a legend entry needs: the length of one full cross on the
// chosen fabric, times its stitches and strands, with an allowance for
// starting and ending, in whole skeins.
//
//   cell side          a = 25.4 mm / fabric count
//   one cross, 1 strand  = 2 x sqrt(2) x a  (the two diagonals on the front)
//                        + 2 x a            (two cell sides on the back)
//   thread             L = stitches x cross x strands x (1 + 20 % allowance)
//   skeins               = ceil(L / (8 m x 6 strands))
//
// A skein is 8 m of six-strand floss, so it gives 48 m of single strand.
// On 14-count with 2 strands a cross takes 8.76 mm of strand, 21.02 mm with
// both strands and the allowance, and a skein covers 2283 crosses.
#include "pattern/BookSettings.h"

namespace tessaline {

inline constexpr double kSkeinMetres = 8.0;
inline constexpr int kSkeinStrands = 6;
// Share added for the tails left when a thread is started and ended.
inline constexpr double kThreadAllowance = 0.20;

// Millimetres of single strand one full cross takes on `fabricCount` fabric.
double crossStrandMillimetres(int fabricCount);

// Millimetres of single strand `stitches` crosses take with `strands`
// strands, the allowance included.
double threadMillimetres(int stitches, int fabricCount, int strands);

// Whole skeins to buy for `stitches` crosses (0 for none).
int skeinsFor(int stitches, int fabricCount, int strands = kDefaultStrands);

// Finished size of `stitches` cells on `fabricCount` fabric.
double finishedCentimetres(int stitches, int fabricCount);
double finishedInches(int stitches, int fabricCount);

} // namespace tessaline
