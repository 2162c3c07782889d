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
//  "replacements": [{"from": "310", "to": "321", "cells": 40}, ...],
//  "colors": ["RRGGBB", ...], "cells": [p, ...],
//  "legend": [{"symbol": "A", "thread": "3713", "amount": 123, "rgb": "FFC9B8"}, ...]}
// colors and cells run row by row from the top-left cell.
// The title is not part of it. With `skeins`, each legend entry ends with
// "skeins": the whole skeins it needs on that fabric (pattern/SkeinEstimate).
std::string patternJson(const Pattern& pattern, const BookSettings* skeins = nullptr);

} // namespace tessaline
