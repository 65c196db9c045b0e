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

// The board cell under position j when the key square is on `cell`, by row and column, or 0
// where it falls off the board; within the edge test's limits this is cell + offset.
int cellUnder(int cell, int j) {
    const int row = (cell - 1) / 5 + (j - 1) / 3 - 1;
    const int column = (cell - 1) % 5 + (j - 1) % 3 - 1;
    return (row < 0 || row > 4 || column < 0 || column > 4) ? 0 : row * 5 + column + 1;
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
    blnOnBoard = edgesHold(strShapes[intCurrentPiece], cell);
}

void modGeneral::CanPlace(int cell) {
    blnFootprint = footprintOf(strShapes[intCurrentPiece], cell);
    blnOverlap = overlaps(blnFootprint, blnGrid);
}

PlacementView modGeneral::placementAt(int cell) const {
    // The same tests as a click, changing nothing.
    PlacementView view;
    if (!blnInGame || !onBoard(cell)) {
        return view;
    }
    const std::string& pattern = strShapes[intCurrentPiece];
    const Footprint footprint = footprintOf(pattern, cell);
    view.fits = edgesHold(pattern, cell) && !overlaps(footprint, blnGrid);
    for (int n = 1; n <= kBoardCells; ++n) {
        if (footprint[n]) {
            view.cells[n] = view.fits    ? CellFit::Covers
                            : blnGrid[n] ? CellFit::Clashes
                                         : CellFit::Refused;
        }
    }
    return view;
}

bool squareCovers(const std::string& pattern, int j) {
    const char c = patternAt(pattern, j);
    return c == '1' || (j == 5 && c == '2');
}

bool edgesHold(const std::string& pattern, int cell) {
    if (!onBoard(cell)) {
        return false;
    }
    // Only an exact "0" is empty here: a missing or odd character would hang over the edge.
    const EdgeRule& rule = kEdgeRule[cell];
    for (int i = 0; i < rule.count; ++i) {
        if (patternAt(pattern, rule.positions[i]) != '0') {
            return false;
        }
    }
    return true;
}

Footprint footprintOf(const std::string& pattern, int cell) {
    Footprint footprint{};
    for (int j = 1; j <= 9; ++j) {
        const int target = onBoard(cell) ? cellUnder(cell, j) : 0;
        if (squareCovers(pattern, j) && target != 0) {
            footprint[target] = true;
        }
    }
    return footprint;
}

bool overlaps(const Footprint& footprint, const std::array<bool, kBoardCells + 1>& grid) {
    return overlaps(maskOf(footprint), maskOf(grid));
}

bool overlaps(BoardMask footprint, BoardMask board) {
    // A piece that covers nothing is refused like one that does not fit.
    return footprint == 0 || (footprint & board) != 0;
}

BoardMask maskOf(const std::array<bool, kBoardCells + 1>& cells) {
    BoardMask mask = 0;
    for (int n = 1; n <= kBoardCells; ++n) {
        if (cells[n]) {
            mask |= BoardMask{1} << (n - 1);
        }
    }
    return mask;
}

}  // namespace fitzel
