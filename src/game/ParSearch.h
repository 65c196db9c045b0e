// The par's search, shared by its two files: Par.cpp searches, ParPlays.cpp makes and follows
// plays.
#pragma once

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "game/Par.h"
#include "game/TranspositionTable.h"
#include "game/modGeneral.h"

namespace fitzel {

using ParClock = std::chrono::steady_clock;

// Boards kept after each piece by the beam search that finds the first play.
inline constexpr std::size_t kBeamWidth = 2000;
// The second search takes the choices for the first pieces the other way round, and the others in
// the first search's order: the two start far apart, each on the states the other comes to last.
inline constexpr int kTurnedPieces = 2;

// A choice for one piece and what it leads to: the cell its key square goes to (0 to pass it
// over), the points it adds (a pass's cost is negative) and the board once it has played out.
struct ParOutcome {
    int cell;
    int points;
    BoardMask board;
};

// The cells where the piece's key square may go, with the footprints it would cover there: the
// game's edge test and footprint, on an empty board. Whether it fits is then the overlap test.
inline std::vector<std::pair<int, BoardMask>> footprintsOf(const std::string& pattern) {
    std::vector<std::pair<int, BoardMask>> footprints;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (edgesHold(pattern, cell)) {
            footprints.emplace_back(cell, maskOf(footprintOf(pattern, cell)));
        }
    }
    return footprints;
}

class ParSearch {
  public:
    ParSearch(const std::vector<std::string>& patterns, const ParStart& start,
              ParClock::time_point deadline, const std::atomic<bool>& cancelled,
              TranspositionTable& table);
    // A second search of the same deal from the same first play, sharing the first one's table,
    // that takes the first pieces' choices the other way round (kTurnedPieces): the states it
    // settles, the first one finds settled. It stops when `stop` turns true.
    ParSearch(const ParSearch& first, const std::atomic<bool>& stop);

    Par run();
    // The second search's work: the questions run() asks, its answers left in the table.
    void help();

  private:
    // The choices for a piece on a board: every placement, best points first, then passing it
    // over the cheaper way (for the last piece, letting its time run out).
    struct Choices {
        std::array<ParOutcome, kBoardCells + 1> all;
        int count = 0;
        const ParOutcome* begin() const { return all.data(); }
        const ParOutcome* end() const { return all.data() + count; }
    };
    Choices choices(int piece, BoardMask board) const;
    // What passing piece `piece` over costs the cheaper way: a skip, or for the last piece its
    // time running out.
    int passOver(int piece) const {
        const int piecesLeft = count_ - piece - 1;
        return std::max(passCost(Pass::Skip, piecesLeft), passCost(Pass::TimeOut, piecesLeft));
    }

    // The cells that could still go into blocks: those filled and those of the pieces to come.
    int cellsLeft(int piece, BoardMask board) const {
        return std::popcount(board) + cellsFrom_[piece];
    }

    // A state's key in the table: later pieces give greater keys.
    enum class Question { Gain, Par };
    // The choice a par remembers when its best is the gain from the state itself.
    static constexpr int kGainFromHere = 31;
    static TranspositionTable::Key keyOf(Question question, int piece, BoardMask board) {
        return static_cast<TranspositionTable::Key>(piece) << 26 |
               TranspositionTable::Key{question == Question::Par} << 25 | board;
    }

    // What both questions ask of a state first: whether its answer is settled at once, by the
    // deal's end, by the bound, by the clock or by the table. `gained` is what the play that led
    // here has gained since the state its gain is measured from.
    std::optional<int> settled(TranspositionTable::Key key, int piece, BoardMask board, int alpha,
                               int gained);

    // The most a play can gain from the state where piece `piece` (from 0) is to be played, the
    // floor aside: the points of the blocks still to come, less the cost of each pass. Exact
    // when above `alpha`; else at most `alpha`, and no play beats it.
    int gainFrom(int piece, BoardMask board, int alpha, int gained);

    // The par from a state: the best final score of a play from here whose score is 0 here: the
    // best gain from this state or from any state a play reaches from it. Exact above `alpha`.
    int parFrom(int piece, BoardMask board, int alpha);

    // The best of a state's choices, each searched against a bar: alpha, or the best choice so
    // far when that is higher. A choice that beats the bar gives its exact value; any other,
    // only a value that it cannot beat.
    struct Best {
        int alpha;
        int exact = kNone;   // the best choice, once one has beaten alpha
        int choice = 0;      // which it was
        int beaten = kNone;  // the most any other choice could give
        static constexpr int kNone = -(1 << 20);

        int bar() const { return std::max(alpha, exact); }
        void take(int value, int made) {
            if (value > bar()) {
                exact = value;
                choice = made;
            } else {
                beaten = std::max(beaten, value);
            }
        }
    };

    int remembered(TranspositionTable::Key key, const Best& best) {
        const bool exact = best.exact > best.alpha;
        const int value = exact ? best.exact : std::max(best.exact, best.beaten);
        table_.store(key, {value, exact, best.choice});
        return value;
    }

    bool outOfTime() {
        if (stopped_ || (++visits_ % 4096 == 0 && (cancelled_ || ParClock::now() >= deadline_))) {
            stopped_ = true;
        }
        return stopped_;
    }

    // Plays: the beam's first play, a play's score by the game's rules, and the par's play
    // followed through the table (ParPlays.cpp).
    std::vector<int> beam();
    ParOutcome outcomeOf(int piece, BoardMask board, int cell) const;
    int scoreOf(const std::vector<int>& play) const;
    std::optional<std::vector<int>> playReaching(int value, bool fromGain);

    const int count_;
    const ParStart start_;
    std::vector<std::vector<std::pair<int, BoardMask>>> footprints_;
    std::vector<int> cellsFrom_;   // the cells of piece i and every later one
    std::vector<int> mostPoints_;  // by cells
    const ParClock::time_point deadline_;
    const std::atomic<bool>& cancelled_;
    TranspositionTable& table_;
    int found_ = 0;              // at least what the best play met so far ends at
    std::vector<int> bestPlay_;  // the best play met whose every choice is known
    std::vector<int> path_;      // the choices that led to the state being searched
    long visits_ = 0;
    bool stopped_ = false;
    bool backwards_ = false;  // whether this is the second search
};

}  // namespace fitzel
