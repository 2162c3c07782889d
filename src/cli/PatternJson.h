#pragma once
// The generated pattern as JSON: size, category, thread count, the cells'
// colours after the effect preview, the cells' indices after generation and
// the legend in its order.
#include "app/Xiubas.h"
#include "pattern/PatternThreads.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaline {

// `text` as a JSON string literal, quotes included; control characters,
// '"' and '\' are escaped, other UTF-8 passes unchanged.
std::string jsonString(std::string_view text);

// A thread replaced before the generation, and how many cells it had.
struct ReplacementRecord {
    std::string from; // DMC thread numbers
    std::string to;
    int cells = 0;
};

// {"width": W, "height": H, "category": "DMC", "threadCount": n,
//  "replacements": [{"from": "310", "to": "321", "cells": 40}, ...],
//  "colors": ["RRGGBB", ...], "cells": [p, ...],
//  "legend": [{"symbol": "A", "thread": "3713", "amount": 123, "rgb": "FFC9B8"}, ...]}
// colors and cells run row by row from the top-left cell.
std::string patternJson(const PatternThreads& threads, const CellMatrix& patternMatrix,
                        const CellMatrix& colorIndexMatrix,
                        const std::vector<ReplacementRecord>& replacements = {});

} // namespace tessaline
