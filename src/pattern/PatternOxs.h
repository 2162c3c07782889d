#pragma once
// The generated pattern as an OXS file, the open cross-stitch XML that
// stitching apps and pattern editors read: the chart's properties, a palette
// (the cloth, then every thread of the pattern), one full stitch per cell and
// the empty sections for part stitches, backstitches, ornaments and comments.
#include "pattern/BookSettings.h"
#include "pattern/Pattern.h"

#include <string>
#include <string_view>

namespace tessaline {

// `text` fit for an XML 1.0 attribute value between double quotes: & < > "
// and ' as entities, tab, line feed and carriage return as character
// references (so they survive attribute normalisation), the other control
// characters XML 1.0 forbids left out, and bytes that are not UTF-8 (also
// encoded surrogates and U+FFFE/U+FFFF) replaced by U+FFFD.
std::string xmlAttribute(std::string_view text);

// <?xml version="1.0" encoding="UTF-8"?>
// <chart>
// <properties oxsversion="1.0" software="Tessaline" software_version="V2008"
//   chartheight="H" chartwidth="W" charttitle="..." author="" copyright=""
//   instructions="" stitchesperinch="N" stitchesperinch_y="N" palettecount="n"/>
// <palette>
// <palette_item index="0" number="cloth" name="cloth" color="FFFFFF" .../>
// <palette_item index="1" number="DMC 310" name="DMC 310" color="000000"
//   printcolor="000000" blendcolor="nil" comments="" strands="2" symbol="A"/>
// ...
// </palette>
// <fullstitches>
// <stitch x="0" y="0" palindex="1"/> ... row by row from the top-left cell
// </fullstitches>
// <partstitches/> <backstitches/> <ornaments_inc_knots_and_beads/> <commentboxes/>
// </chart>
// The palette holds the legend's threads in legend order, then the threads
// whose cells are charted without a legend entry (fewer cells than the
// ignorable count), in order of their first cell. A "DMC" thread's number is
// "DMC 310", a "CC" colour's its RRGGBB. palettecount counts the threads,
// not the cloth. The title is the chart's (its own when empty); the stitches
// per inch are the fabric's count, every thread's strands the fabric's.
std::string patternOxs(const Pattern& pattern, const BookSettings& fabric);

} // namespace tessaline
