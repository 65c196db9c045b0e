// Placing the current piece: the click on a board cell, the edge test and the overlap test.
#include "game/Tables.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// The pattern's character at position j (1 to 9), or '\0' where the line is shorter.
char patternAt(const std::string& pattern, int j) {
    return j <= static_cast<int>(pattern.size()) ? pattern[j - 1] : '\0';
}

bool onBoard(int cell) {
    return cell >= 1 && cell <= kBoardCells;
}

}  // namespace

void modGeneral::picGrid_Click(int cell) {
    // The clearing timers are what end a clearing, so the click waits without holding them up.
    if (blnClearing) {
        if (!heldClick) {
            heldClick = cell;
        }
        return;
    }
    placeAt(cell);
}

void modGeneral::placeAt(int cell) {
    if (!blnInGame) {
        return;
    }
    CheckEdges(cell);
    if (!blnOnBoard) {
        return;
    }
    CanPlace(cell);
    if (blnOverlap) {
        return;
    }
    intCheckCount = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (blnFootprint[n]) {
            blnGrid[n] = true;
            blnFootprint[n] = false;
        }
    }
    DrawBoard();
    CheckBlocks();
    blnOnBoard = false;
    NextPiece();
}

void modGeneral::CheckEdges(int cell) {
    blnOnBoard = false;
    if (!onBoard(cell)) {
        return;
    }
    // Only an exact "0" is empty here: a missing or odd character would hang over the edge.
    const std::string& pattern = strShapes[intCurrentPiece];
    const EdgeRule& rule = kEdgeRule[cell];
    for (int i = 0; i < rule.count; ++i) {
        if (patternAt(pattern, rule.positions[i]) != '0') {
            return;
        }
    }
    blnOnBoard = true;
}

void modGeneral::CanPlace(int cell) {
    for (int n = 1; n <= kBoardCells; ++n) {
        blnFootprint[n] = false;
    }
    const std::string& pattern = strShapes[intCurrentPiece];
    bool coversAny = false;
    for (int j = 1; j <= 9; ++j) {
        const char c = patternAt(pattern, j);
        const bool covers = c == '1' || (j == 5 && c == '2');
        const int target = cell + kPatternOffset[j];
        if (covers && onBoard(target)) {
            blnFootprint[target] = true;
            coversAny = true;
        }
    }
    // A piece that covers nothing is refused like one that does not fit.
    blnOverlap = !coversAny;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (blnFootprint[n] && blnGrid[n]) {
            blnOverlap = true;
            return;
        }
    }
}

}  // namespace fitzel
