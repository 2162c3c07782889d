#pragma once
// Merging threads by hand. The edit action lists the pattern's threads
// (every colour mapped to its nearest DMC thread, nothing merged); the
// replacement works on a copy of the pattern in which every cell holds its
// thread's palette position, replaces one thread by another in all cells at
// once, undoes replacements one by one and finally writes each cell's thread
// colour back into the pattern. Each replacement keeps the cells it changed,
// so an undo gives back exactly those. The colour replacement window and the
// command line's --replace both run it.
#include "pattern/ColorIndex.h"
#include "pattern/ColorMatch.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

namespace tessaline {

// How the edit action and the replacement find a colour's thread: the
// matching of the settings, and their thread limit (0 for none), which first
// chooses the threads the colours may take.
struct ThreadMatching {
    ColorMatch match = ColorMatch::Rgb;
    int threadLimit = 0;
};

// colorList(1..m) = the distinct threads of the width x height cells in order
// of first appearance, colorIndexMatrix(x, y) = each cell's thread, always on
// the DMC palette. More than 500 colours stop with TooManyColors before any
// thread is looked up, except under a thread limit, which takes any number
// of colours. Progress is reported per cell, then per row.
struct EditIndexOutcome {
    GenerationStatus status = GenerationStatus::Done;
    int threadCount = 0; // m, the window's starting number of entries
};
EditIndexOutcome makeEditIndex(const CellMatrix& patternMatrix, int width, int height,
                               const ThreadPalette& dmc, ColorList& colorList,
                               CellMatrix& colorIndexMatrix,
                               const GenerationProgress& progress = {},
                               const ThreadMatching& matching = {});

class ThreadReplacement {
  public:
    // A replacement is refused once this many are on record.
    static constexpr int kMaxReplacements = 201;

    // Called for every cell a replacement or undo changes, with its new thread.
    using CellChanged = std::function<void(int x, int y, int thread)>;
    // Called after every cell so the caller can hand over to the event loop.
    using Yield = std::function<void()>;

    // Works on colorList(1..colorCount) in place: replace removes entries,
    // undo appends them. colorCount is kept within 1..500. Colours find
    // their threads under `matching`; under a thread limit only among the
    // threads listed now, as makeEditIndex chose them.
    ThreadReplacement(ColorList& colorList, int colorCount, const ThreadPalette& dmc,
                      const ThreadMatching& matching = {});

    // The thread a pattern colour stands for: its nearest thread under the
    // matching.
    int nearest(Color color) const { return matcher_.nearest(color); }
    // The working copy: each of the width x height cells of patternMatrix
    // (sides clamped to 0..321) as its nearest thread; a cell left
    // unstitched (kClearCell) holds kUnstitchedIndex and keeps it.
    void load(const CellMatrix& patternMatrix, int width, int height, const Yield& yield = {});

    int width() const { return width_; }
    int height() const { return height_; }
    int colorCount() const { return colorCount_; }
    int replaceCount() const { return replaceCount_; }
    // Entry i (1..colorCount) of the list.
    int entry(int i) const { return colorList_[static_cast<std::size_t>(i)]; }
    // Position 1..colorCount of a thread in the list, 0 when it is not listed.
    int entryOf(int thread) const;
    // The thread of a cell of the working copy.
    int thread(int x, int y) const { return (*workCopy_)(x, y); }
    // The palette colour of a thread, white for a position outside 1..423.
    Color threadColor(int thread) const;

    // Replaces target by replacement in every cell and removes target's
    // entry from the list (the list never drops below one entry). A
    // replacement not listed yet joins the end of the list, so a later
    // replacement finds it again. Nothing happens when the target is not
    // listed or the limit is reached.
    void replace(int target, int replacement, const CellChanged& changed = {},
                 const Yield& yield = {});
    // Undoes the last replacement: the cells it changed take the replaced
    // thread again (cells that had the replacement thread before keep it),
    // the replaced thread goes back to the end of the list, and a replacement
    // thread that joined the list with it leaves it again.
    void undo(const CellChanged& changed = {}, const Yield& yield = {});
    // How many cells of the working copy hold a thread.
    int cellsOf(int thread) const;
    // Writes each cell's thread colour into patternMatrix, kClearCell for an
    // unstitched one.
    void commit(CellMatrix& patternMatrix, const Yield& yield = {}) const;

  private:
    ColorList& colorList_;
    const ThreadPalette& dmc_;
    int colorCount_;
    ThreadMatcher matcher_;
    int width_ = 0;
    int height_ = 0;
    int replaceCount_ = 0;
    std::array<int, kMaxReplacements> replacedColors_{};
    std::array<int, kMaxReplacements> replacementColors_{};
    // Whether replacement k put its replacement thread on the list.
    std::array<bool, kMaxReplacements> replacementListed_{};
    // The cells (y * kSize + x) each replacement on record changed.
    std::vector<std::vector<int>> changedCells_;
    std::unique_ptr<CellMatrix> workCopy_ = std::make_unique<CellMatrix>();
};

// The palette position of a DMC thread number such as "310", or as a shop
// prints it ("Ecru", "B5200", case ignored; blanks around it do not
// matter), 0 when no thread has that number.
int threadPositionOfNumber(const ThreadPalette& dmc, std::string_view number);

// The swatch lists of the replacement window: 10 swatches a row, each row
// 14 pixels high and each column 18 pixels wide, separators between them.
struct SwatchListLayout {
    static constexpr int kColumns = 10;
    static constexpr int kRowHeight = 14;
    static constexpr int kColumnWidth = 18;
    static constexpr int kWidth = 196;

    static int rows(int count) { return count / kColumns + (count % kColumns != 0 ? 1 : 0); }
    static int height(int count) { return kRowHeight * rows(count) + 10; }
    static int scrollMaximum(int count) { return kRowHeight * rows(count); }
    // Entry 1..count whose swatch holds pixel (x, y), 0 on a separator, the
    // margin round a swatch or an empty place.
    static int entryAt(int x, int y, int count);
};

} // namespace tessaline
