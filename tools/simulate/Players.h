// Players that play the real game to its end: a greedy one, and one that follows a given play.
//
// The greedy player: each turn it weighs the current piece on every cell where it fits, by the
// game's own playOut, and takes the cell after which the blocks score most; on equal points the
// one that leaves the fewest filled cells, then the lowest cell. With no cell left it skips.
// The clock is moved on after each click until the clearing has ended, so no click ever waits
// and no turn runs out of time.
#pragma once

#include <bit>
#include <optional>
#include <vector>

#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel::players {

struct Choice {
    int cell = 0;
    PlayedOut outcome;
};

// The greedy choice for the current piece, or none where it fits nowhere.
inline std::optional<Choice> choose(const modGeneral& game) {
    const GameState& state = game.state();
    const std::string& pattern = state.strShapes[state.intCurrentPiece];
    std::optional<Choice> best;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (!game.placementAt(cell).fits) {
            continue;
        }
        const PlayedOut outcome =
            playOut(maskOf(state.blnGrid), maskOf(footprintOf(pattern, cell)), state.intPiecesLeft);
        if (!best || outcome.points > best->outcome.points ||
            (outcome.points == best->outcome.points &&
             std::popcount(outcome.board) < std::popcount(best->outcome.board))) {
            best = Choice{cell, outcome};
        }
    }
    return best;
}

struct GameResult {
    int score = 0;
    int skips = 0;
    int surprises = 0;  // placements whose real outcome differed from what playOut foresaw
};

// Plays the game just started to its end.
inline GameResult playOne(modGeneral& game, NullPlatform& platform) {
    GameResult result;
    const GameState& state = game.state();
    while (state.blnInGame) {
        const std::optional<Choice> choice = choose(game);
        const int before = state.intScore;
        const bool lastPiece = state.intPiecesLeft == 0;
        if (!choice) {
            ++result.skips;
            game.btnSkip_Click();
        } else {
            game.picGrid_Click(choice->cell);
        }
        while (state.blnClearing) {
            platform.fireNext();
        }
        // The last piece's blocks are scored but the game ends before they are cleared away.
        if (choice && (state.intScore - before != choice->outcome.points ||
                       (!lastPiece && maskOf(state.blnGrid) != choice->outcome.board))) {
            ++result.surprises;
        }
    }
    result.score = state.intScore;
    return result;
}

// Plays the game just started by the given play: for each piece, the cell its key square goes to,
// or 0 to pass it over (a skip; for the last piece, letting its time run out). Each move is made
// once the board is still, through the procedures a click and Skip use.
inline void playAlong(modGeneral& game, NullPlatform& platform, const std::vector<int>& play) {
    const GameState& state = game.state();
    for (int cell : play) {
        if (!state.blnInGame) {
            return;
        }
        if (cell != 0) {
            game.picGrid_Click(cell);
        } else if (state.intPiecesLeft != 0) {
            game.btnSkip_Click();
        } else {
            platform.advance(10000);
        }
        while (state.blnClearing) {
            platform.fireNext();
        }
    }
}

}  // namespace fitzel::players
