// The search for the first complete block after a placement, its points, and a placement played
// out to its end.
#include <array>
#include <bit>

#include "game/Tables.h"
#include "game/modGeneral.h"

namespace fitzel {

void modGeneral::CheckBlocks() {
    ++intCheckCount;
    for (int slot = 1; slot <= 9; ++slot) {
        intClearCell[slot] = 0;
    }
    const Candidate* found = firstCompleteBlock(maskOf(blnGrid));
    if (found == nullptr) {
        DrawBoard();
        return;
    }
    const Candidate& block = *found;
    AddScore(block.points);
    // Emptied at once for the rules; the screen catches up as the clearing timers fire.
    for (int i = 0; i < block.count; ++i) {
        blnGrid[block.cells[i]] = false;
    }
    // The block fills the last slots, so timer 9, which ends the clearing, always has a cell.
    const int firstSlot = 10 - block.count;
    for (int i = 0; i < block.count; ++i) {
        intClearCell[firstSlot + i] = static_cast<std::int16_t>(block.cells[i]);
    }
    switch (block.shape) {
        case Shape::Square9:
            StartClear9();
            break;
        case Shape::Wide6:
        case Shape::Tall6:
            StartClear6();
            break;
        case Shape::Square4:
            StartClear4();
            break;
    }
}

PlayedOut playOut(BoardMask board, BoardMask footprint, int piecesLeft) {
    PlayedOut after{0, board | footprint};
    for (int searches = searchesAfterPlacement(piecesLeft); searches > 0; --searches) {
        const Candidate* block = firstCompleteBlock(after.board);
        if (block == nullptr) {
            break;
        }
        after.points += block->points;
        after.board &= ~block->mask;
    }
    return after;
}

namespace {

// The table holds each shape's blocks together, the shapes one after another, and within a shape
// the blocks by their top-left cell in reading order: so the first complete block is the one of
// the first shape with any complete, at the lowest top-left cell. The search then tests a whole
// shape at once (the par asks it millions of times a deal).
struct ShapeRun {
    int columns = 0;
    int rows = 0;
    BoardMask topLefts = 0;            // the bits of the top-left cells of its blocks
    std::array<std::int8_t, 25> at{};  // the table entry of the block at a top-left bit
};

constexpr BoardMask topLeftOf(BoardMask mask) {
    return mask & (~mask + 1);
}

constexpr std::array<ShapeRun, 4> kShapeRuns = [] {
    std::array<ShapeRun, 4> runs{};
    int run = -1;
    for (std::size_t i = 0; i < kCandidates.size(); ++i) {
        const Candidate& block = kCandidates[i];
        if (i == 0 || block.shape != kCandidates[i - 1].shape) {
            ++run;
            runs[run].columns =
                block.shape == Shape::Tall6 || block.shape == Shape::Square4 ? 2 : 3;
            runs[run].rows = block.count / runs[run].columns;
        }
        const BoardMask topLeft = topLeftOf(block.mask);
        runs[run].topLefts |= topLeft;
        runs[run].at[std::countr_zero(topLeft)] = static_cast<std::int8_t>(i);
    }
    return runs;
}();

// Whether the table is laid out as the search above reads it.
constexpr bool shapesRunInReadingOrder() {
    int runs = 1;
    for (std::size_t i = 1; i < kCandidates.size(); ++i) {
        const bool sameShape = kCandidates[i].shape == kCandidates[i - 1].shape;
        runs += sameShape ? 0 : 1;
        if (sameShape && topLeftOf(kCandidates[i].mask) <= topLeftOf(kCandidates[i - 1].mask)) {
            return false;
        }
    }
    return runs == static_cast<int>(kShapeRuns.size());
}
static_assert(shapesRunInReadingOrder());

// The top-left bits of a shape's complete blocks: a row of cells filled across from each cell,
// then such rows stacked down. A row that would wrap into the next is not a top-left of the shape.
BoardMask completeTopLefts(BoardMask board, const ShapeRun& run) {
    BoardMask across = board;
    for (int i = 1; i < run.columns; ++i) {
        across &= board >> i;
    }
    BoardMask complete = across & run.topLefts;
    for (int i = 1; i < run.rows; ++i) {
        complete &= across >> (5 * i);
    }
    return complete;
}

}  // namespace

const Candidate* firstCompleteBlock(BoardMask board) {
    // The table's order is the whole tie-break: later entries are not looked at.
    for (const ShapeRun& run : kShapeRuns) {
        if (const BoardMask complete = completeTopLefts(board, run)) {
            return &kCandidates[static_cast<std::size_t>(run.at[std::countr_zero(complete)])];
        }
    }
    return nullptr;
}

}  // namespace fitzel
