#include "pattern/ThreadReplacement.h"

#include "pattern/DmcNames.h"
#include "pattern/PlainText.h"

#include <algorithm>
#include <unordered_map>

namespace tessaline {

namespace {

std::size_t at(int position) {
    return static_cast<std::size_t>(position);
}

} // namespace

EditIndexOutcome makeEditIndex(const CellMatrix& patternMatrix, int width, int height,
                               const ThreadPalette& dmc, ColorList& colorList,
                               CellMatrix& colorIndexMatrix, const GenerationProgress& progress,
                               const ThreadMatching& matching) {
    // The colour index with nothing merged: a limit of 0 joins only equal
    // palette colours, and no two DMC threads share one.
    GenerationSettings settings;
    settings.category = ThreadCategory::Dmc;
    settings.reduceStrength = 0;
    settings.match = matching.match;
    settings.threadLimit = matching.threadLimit;
    const ColorIndexOutcome index = makeColorIndex(patternMatrix, width, height, settings, dmc,
                                                   colorList, colorIndexMatrix, progress);
    return {index.status, index.threadCount};
}

namespace {

// The threads a replacement may map colours to: all of them, or under a
// thread limit the ones listed.
std::span<const int> choosableThreads(const ColorList& colorList, int colorCount,
                                      const ThreadMatching& matching) {
    if (matching.threadLimit <= 0) {
        return {};
    }
    return std::span<const int>(colorList).subspan(1, static_cast<std::size_t>(colorCount));
}

} // namespace

ThreadReplacement::ThreadReplacement(ColorList& colorList, int colorCount, const ThreadPalette& dmc,
                                     const ThreadMatching& matching)
    : colorList_(colorList), dmc_(dmc), colorCount_(std::clamp(colorCount, 1, kMaxPatternColors)),
      matcher_(dmc, matching.match, choosableThreads(colorList, colorCount_, matching)) {}

void ThreadReplacement::load(const CellMatrix& patternMatrix, int width, int height,
                             const Yield& yield) {
    width_ = std::clamp(width, 0, CellMatrix::kSize);
    height_ = std::clamp(height, 0, CellMatrix::kSize);
    replaceCount_ = 0;
    changedCells_.clear();
    workCopy_->fill(0);
    // A pattern has few colours; each is looked up once.
    std::unordered_map<Color, int> threads;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Color color = patternMatrix(x, y);
            // A cell left unstitched stays so: no thread, none to replace.
            auto found = threads.find(color);
            if (found == threads.end()) {
                const int thread = color == kClearCell ? kUnstitchedIndex : matcher_.nearest(color);
                found = threads.emplace(color, thread).first;
            }
            (*workCopy_)(x, y) = found->second;
            if (yield) {
                yield();
            }
        }
    }
}

int ThreadReplacement::entryOf(int thread) const {
    for (int i = 1; i <= colorCount_; ++i) {
        if (colorList_[at(i)] == thread) {
            return i;
        }
    }
    return 0;
}

Color ThreadReplacement::threadColor(int thread) const {
    return thread >= 1 && thread <= kDmcThreadCount ? dmc_[at(thread)].color : kWhite;
}

void ThreadReplacement::replace(int target, int replacement, const CellChanged& changed,
                                const Yield& yield) {
    if (replaceCount_ >= kMaxReplacements) {
        return;
    }
    const int i = entryOf(target);
    if (i == 0) {
        return;
    }
    std::copy(colorList_.begin() + i + 1, colorList_.begin() + colorCount_ + 1,
              colorList_.begin() + i);
    --colorCount_;
    // The replacement is now a thread of the pattern: listed, it can be
    // replaced in turn.
    const bool listed = entryOf(replacement) == 0;
    if (listed) {
        colorList_[at(++colorCount_)] = replacement;
    }
    colorCount_ = std::max(colorCount_, 1);
    replacedColors_[at(replaceCount_)] = target;
    replacementColors_[at(replaceCount_)] = replacement;
    replacementListed_[at(replaceCount_)] = listed;
    ++replaceCount_;
    std::vector<int>& cells = changedCells_.emplace_back();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int& cell = (*workCopy_)(x, y);
            if (cell == target) {
                cell = replacement;
                cells.push_back(y * CellMatrix::kSize + x);
                if (changed) {
                    changed(x, y, replacement);
                }
            }
            if (yield) {
                yield();
            }
        }
    }
}

void ThreadReplacement::undo(const CellChanged& changed, const Yield& yield) {
    if (replaceCount_ == 0) {
        return;
    }
    const int k = --replaceCount_;
    // Only the cells this replacement changed; later ones are undone already,
    // so each holds the replacement thread again.
    const std::vector<int> cells = std::move(changedCells_.back());
    changedCells_.pop_back();
    const int restored = replacedColors_[at(k)];
    for (const int cell : cells) {
        const int x = cell % CellMatrix::kSize;
        const int y = cell / CellMatrix::kSize;
        (*workCopy_)(x, y) = restored;
        if (changed) {
            changed(x, y, restored);
        }
        if (yield) {
            yield();
        }
    }
    // A replacement thread that joined the list with this replacement leaves it.
    if (const int i = entryOf(replacementColors_[at(k)]); replacementListed_[at(k)] && i != 0) {
        std::copy(colorList_.begin() + i + 1, colorList_.begin() + colorCount_ + 1,
                  colorList_.begin() + i);
        --colorCount_;
    }
    colorCount_ = std::min(colorCount_ + 1, kMaxPatternColors);
    colorList_[at(colorCount_)] = restored;
}

int ThreadReplacement::cellsOf(int thread) const {
    int count = 0;
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            count += (*workCopy_)(x, y) == thread ? 1 : 0;
        }
    }
    return count;
}

void ThreadReplacement::commit(CellMatrix& patternMatrix, const Yield& yield) const {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const int cell = (*workCopy_)(x, y);
            patternMatrix(x, y) = cell == kUnstitchedIndex ? kClearCell : threadColor(cell);
            if (yield) {
                yield();
            }
        }
    }
}

int threadPositionOfNumber(const ThreadPalette& dmc, std::string_view number) {
    number = trimmedBlanks(number);
    if (number.empty()) {
        return 0;
    }
    // A shop's spelling ("Ecru", "B5200") names the thread stored as "0000", "5200".
    const std::optional<std::string> stored = paletteNumberOfShop(number);
    if (stored) {
        number = *stored;
    }
    for (int position = 1; position <= kDmcThreadCount; ++position) {
        if (trimmedBlanks(dmc[at(position)].cindex) == number) {
            return position;
        }
    }
    return 0;
}

int SwatchListLayout::entryAt(int x, int y, int count) {
    if (x < 0 || y < 0) {
        return 0;
    }
    const int column = x / kColumnWidth;
    const int row = y / kRowHeight;
    const int dx = x % kColumnWidth;
    const int dy = y % kRowHeight;
    // A swatch fills x = 1..15 and y = 1..11 of its place.
    if (column >= kColumns || dx < 1 || dx > 15 || dy < 1 || dy > 11) {
        return 0;
    }
    const int entry = row * kColumns + column + 1;
    return entry <= count ? entry : 0;
}

} // namespace tessaline
