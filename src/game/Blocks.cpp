// The search for the first complete block after a placement, its points, and a placement played
// out to its end.
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

const Candidate* firstCompleteBlock(BoardMask board) {
    // The table's order is the whole tie-break: later entries are not looked at.
    for (const Candidate& block : kCandidates) {
        if ((board & block.mask) == block.mask) {
            return &block;
        }
    }
    return nullptr;
}

}  // namespace fitzel
