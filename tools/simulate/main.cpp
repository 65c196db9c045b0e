// Plays many games of Fitzel with a greedy player and reports what they score.
//
// Usage: simulate <data folder> [games, 1000] [seed, 1] [lowest mean allowed, 0]
//
// Each turn the player tries the current piece on every cell where it fits, on a scratch copy of
// the game's rules, and takes the cell after which the blocks score most; on equal points the one
// that leaves the fewest filled cells, then the lowest cell. With no cell left it skips. The
// clock is moved on after each click until the clearing has ended, so no click ever waits and
// no turn runs out of time. Ends with 1 when a placement scored other than the copy of the
// rules foresaw, or when the mean score is below the lowest allowed.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace {

using fitzel::kBoardCells;
using fitzel::modGeneral;
using fitzel::NullPlatform;

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

GameResult playOne(modGeneral& game, NullPlatform& platform) {
    GameResult result;
    game.NewGame();
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: simulate <data folder> [games] [seed] [lowest mean]\n");
        return 2;
    }
    const int games = argc > 2 ? std::atoi(argv[2]) : 1000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    const double lowestMean = argc > 4 ? std::atof(argv[4]) : 0.0;
    if (games < 1) {
        std::fprintf(stderr, "simulate: at least one game\n");
        return 2;
    }

    NullPlatform platform("/fitzel", seed);
    if (!platform.copyFromDisk(std::string(argv[1]) + "/Shapes.dat", platform.path("Shapes.dat"))) {
        std::fprintf(stderr, "simulate: cannot read %s/Shapes.dat\n", argv[1]);
        return 2;
    }
    modGeneral game(platform);
    game.LoadShapes();

    std::vector<int> scores;
    int skips = 0, surprises = 0;
    for (int g = 0; g < games; ++g) {
        const GameResult r = playOne(game, platform);
        scores.push_back(r.score);
        skips += r.skips;
        surprises += r.surprises;
    }

    std::vector<int> sorted = scores;
    std::sort(sorted.begin(), sorted.end());
    const double mean = std::accumulate(scores.begin(), scores.end(), 0.0) / games;
    std::printf("games %d, seed %u\n", games, seed);
    std::printf("score: mean %.1f, median %d, min %d, max %d\n", mean, sorted[sorted.size() / 2],
                sorted.front(), sorted.back());
    std::printf("a tenth of the games score below %d, a tenth above %d\n",
                sorted[sorted.size() / 10], sorted[sorted.size() - 1 - sorted.size() / 10]);
    std::printf("skips per game: %.2f\n", static_cast<double>(skips) / games);
    std::printf("virtual time played: %.1f s\n", platform.now() / 1000.0);
    if (surprises != 0) {
        std::printf("placements that scored other than foreseen: %d\n", surprises);
        return 1;
    }
    if (mean < lowestMean) {
        std::printf("the mean score is below %.1f\n", lowestMean);
        return 1;
    }
    return 0;
}
