// A greedy player: each turn it tries the current piece on every cell where it fits, on a
// scratch copy of the game, and takes the cell after which the blocks score most; on equal points
// the one that leaves the fewest filled cells, then the lowest cell. With no cell left it skips.
// The clock is moved on after each click until the clearing has ended, so no click ever waits
// and no turn runs out of time.
#pragma once

#include <algorithm>
#include <array>
#include <optional>

#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel::greedy {

struct Outcome {
    int points = 0;                            // from the blocks the placement completes
    std::array<bool, kBoardCells + 1> grid{};  // the board once they have gone
    int filled() const { return static_cast<int>(std::count(grid.begin() + 1, grid.end(), true)); }
};

// Tries placements on a copy of the game, with the game's own procedures.
class Lookahead {
  public:
    explicit Lookahead(const modGeneral& game) : scratch_(quiet_) {
        scratch_.strShapes = game.strShapes;
    }

    // What placing the current piece with its key square on `cell` gives, or nothing where the
    // piece does not fit there.
    std::optional<Outcome> place(const modGeneral& game, int cell) {
        scratch_.blnGrid = game.blnGrid;
        scratch_.intCurrentPiece = game.intCurrentPiece;
        scratch_.intPiecesLeft = game.intPiecesLeft;
        scratch_.intScore = 0;
        scratch_.blnClearing = false;
        scratch_.heldClick.reset();
        scratch_.CheckEdges(cell);
        if (!scratch_.blnOnBoard) {
            return std::nullopt;
        }
        scratch_.CanPlace(cell);
        if (scratch_.blnOverlap) {
            return std::nullopt;
        }
        for (int n = 1; n <= kBoardCells; ++n) {
            if (scratch_.blnFootprint[n]) {
                scratch_.blnGrid[n] = true;
                scratch_.blnFootprint[n] = false;
            }
        }
        scratch_.intCheckCount = 0;
        scratch_.CheckBlocks();
        // Each clearing ends with timer 9, whose handler searches again for the next block.
        while (scratch_.blnClearing) {
            scratch_.tmrClear9_Timer();
        }
        return Outcome{scratch_.intScore, scratch_.blnGrid};
    }

  private:
    NullPlatform quiet_;
    modGeneral scratch_;
};

struct GameResult {
    int score = 0;
    int skips = 0;
    int surprises = 0;  // placements whose real outcome differed from the lookahead's
};

// Plays the game just started to its end.
inline GameResult playOne(modGeneral& game, NullPlatform& platform) {
    GameResult result;
    Lookahead lookahead(game);
    while (game.blnInGame) {
        int bestCell = 0;
        Outcome best;
        for (int cell = 1; cell <= kBoardCells; ++cell) {
            const std::optional<Outcome> outcome = lookahead.place(game, cell);
            if (!outcome) {
                continue;
            }
            if (bestCell == 0 || outcome->points > best.points ||
                (outcome->points == best.points && outcome->filled() < best.filled())) {
                bestCell = cell;
                best = *outcome;
            }
        }
        const int before = game.intScore;
        const bool lastPiece = game.intPiecesLeft == 0;
        if (bestCell == 0) {
            ++result.skips;
            game.btnSkip_Click();
        } else {
            game.picGrid_Click(bestCell);
        }
        while (game.blnClearing) {
            platform.fireNext();
        }
        // The last piece's blocks are scored but the game ends before they are cleared away.
        if (bestCell != 0 &&
            (game.intScore - before != best.points || (!lastPiece && game.blnGrid != best.grid))) {
            ++result.surprises;
        }
    }
    result.score = game.intScore;
    return result;
}

}  // namespace fitzel::greedy
