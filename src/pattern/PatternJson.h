#pragma once
// The generated pattern as JSON: size, category, thread count, the cells'
// colours after the effect preview, the cells' indices after generation and
// the legend in its order.
#include "pattern/BookSettings.h"
#include "pattern/Pattern.h"

#include <string>
#include <string_view>

namespace tessaline {

// `text` as a JSON string literal, quotes included; control characters,
// '"' and '\' are escaped, other UTF-8 passes unchanged.
std::string jsonString(std::string_view text);

// {"width": W, "height": H, "category": "DMC", "threadCount": n,
//  "title": "...", "fabricCount": 28, "stitchesPerInch": 14, "overTwo": true,
//  "strands": 2,
//  "replacements": [{"from": "310", "to": "321", "cells": 40}, ...],
//  "colors": ["RRGGBB", ...], "cells": [p, ...],
//  "legend": [{"value": p, "symbol": "■", "thread": "310", "name": "Black",
//              "amount": 123, "rgb": "000000"}, ...]}
// colors and cells run row by row from the top-left cell; a cell holds its
// thread's value (0: unstitched). The legend lists the legend entries, then
// the threads under the ignorable count with "belowIgnorable": true, so that
// every value in cells has an entry. Under "DMC" thread is the number a shop
// prints ("Ecru", "B5200") and name the colour name. With `listSkeins`, each
// entry ends with "skeins": the whole skeins it needs on that fabric
// (pattern/SkeinEstimate).
std::string patternJson(const Pattern& pattern, const BookSettings& fabric = {},
                        bool listSkeins = false);

} // namespace tessaline
