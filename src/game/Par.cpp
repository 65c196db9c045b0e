// The par of a deal: the best final score that any play of its pieces could have reached.
//
// The method: depth-first branch and bound over the states (piece to play, board), with a
// transposition table (TranspositionTable.h) and an upper bound on what a state can still gain,
// started from the play that a beam search finds first.
//
// A play takes the pieces in the order dealt, each once the board is still, and for each makes
// one choice: a cell where the piece fits (the game's edge test, footprint and overlap test), the
// placement played out by the game's own playOut; or passing it over, at the game's passCost
// (a skip, or the last piece's time running out). The score after each choice is the game's
// scoreAfter, never below 0.
//
// - Values. Because the score is held at 0, the final score of a play is at least what it gains
//   after any moment (its score then being 0 or more), and exactly the most of these. So the par
//   is the best gain, the floor aside, from the start or from any state a play can reach: skipping
//   the first pieces at 0 costs nothing, say. A state's gain does not depend on the score, so the
//   table keys a state by (piece, board) alone: once for its best gain (gainFrom), once for the
//   best gain from it or after it (parFrom).
// - The upper bound. The blocks still to come can only be made of the filled cells and the cells
//   of the pieces to come, each cell in one block at most; the best mix of block sizes for that
//   many cells bounds the gain. A state whose bound cannot beat the best play known is cut off.
// - Alpha. Each state is searched against the value its parent needs beaten; an answer above it
//   is exact, any other only an upper bound, and the table keeps which.
// - The first play. A beam search (after each piece, only the best boards) finds a good play
//   quickly, scored by the game's rules, which the bound then measures every state against.
// - The budget. When time runs out, or the caller cancels, the best play met so far is the
//   answer, "at least"; else the answer is proven.
#include "game/Par.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>

#include "game/TranspositionTable.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

using Clock = std::chrono::steady_clock;

// Boards kept after each piece by the beam search that finds the first play.
constexpr std::size_t kBeamWidth = 2000;

// A choice for one piece and what it leads to: the cell its key square goes to (0 to pass it
// over), the points it adds (a pass's cost is negative) and the board once it has played out.
struct Outcome {
    int cell;
    int points;
    BoardMask board;
};

// The cells where the piece's key square may go, with the footprints it would cover there: the
// game's edge test and footprint, on an empty board. Whether it fits is then the overlap test.
std::vector<std::pair<int, BoardMask>> footprintsOf(const std::string& pattern) {
    std::vector<std::pair<int, BoardMask>> footprints;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (edgesHold(pattern, cell)) {
            footprints.emplace_back(cell, maskOf(footprintOf(pattern, cell)));
        }
    }
    return footprints;
}

class Search {
  public:
    Search(const std::vector<std::string>& patterns, const ParStart& start,
           Clock::time_point deadline, const std::atomic<bool>& cancelled)
        : count_(static_cast<int>(patterns.size())),
          start_(start),
          cellsFrom_(patterns.size() + 1, 0),
          deadline_(deadline),
          cancelled_(cancelled) {
        for (const std::string& pattern : patterns) {
            footprints_.push_back(footprintsOf(pattern));
        }
        for (int piece = count_ - 1; piece >= 0; --piece) {
            int cells = 0;
            for (int j = 1; j <= 9; ++j) {
                cells += squareCovers(patterns[piece], j) ? 1 : 0;
            }
            cellsFrom_[piece] = cellsFrom_[piece + 1] + cells;
        }
        // The most points n cells can make, each in one block at most: the best mix of block
        // sizes, from the candidates' own cells and points.
        mostPoints_.assign(kBoardCells + cellsFrom_[0] + 1, 0);
        for (int n = 1; n < static_cast<int>(mostPoints_.size()); ++n) {
            mostPoints_[n] = mostPoints_[n - 1];
            for (const Candidate& block : kCandidates) {
                if (block.count <= n) {
                    mostPoints_[n] =
                        std::max(mostPoints_[n], mostPoints_[n - block.count] + block.points);
                }
            }
        }
    }

    Par run() {
        bestPlay_ = beam();
        found_ = scoreOf(bestPlay_);
        // Is there a play better than the one found? From a score s, a play ends at the better of
        // s and its gain, and of its par from here.
        const int s = start_.score;
        const int gain = gainFrom(0, start_.board, found_ - s, 0);
        const int par = parFrom(0, start_.board, std::max(found_, s + gain));
        const int best = std::max({found_, s + gain, par});
        if (!stopped_ && best > scoreOf(bestPlay_)) {
            if (std::optional<std::vector<int>> play = playReaching(best, s + gain == best)) {
                bestPlay_ = std::move(*play);
            }
        }
        const int score = scoreOf(bestPlay_);
        return {score, bestPlay_, !stopped_ && score >= best};
    }

  private:
    // The choices for a piece on a board: every placement, best points first, then passing it
    // over the cheaper way (for the last piece, letting its time run out).
    struct Choices {
        std::array<Outcome, kBoardCells + 1> all;
        int count = 0;
        const Outcome* begin() const { return all.data(); }
        const Outcome* end() const { return all.data() + count; }
    };
    Choices choices(int piece, BoardMask board) const {
        const int piecesLeft = count_ - piece - 1;
        Choices made;
        for (const auto& [cell, footprint] : footprints_[piece]) {
            if (!overlaps(footprint, board)) {
                const PlayedOut after = playOut(board, footprint, piecesLeft);
                // A piece that completes a block of its own leaves the board as it was,
                // wherever it goes: one of these is enough.
                if (std::none_of(made.begin(), made.end(), [&](const Outcome& o) {
                        return o.board == after.board && o.points == after.points;
                    })) {
                    made.all[made.count++] = {cell, after.points, after.board};
                }
            }
        }
        std::sort(made.all.begin(), made.all.begin() + made.count,
                  [](const Outcome& a, const Outcome& b) {
                      return a.points != b.points ? a.points > b.points : a.cell < b.cell;
                  });
        const int pass =
            std::max(passCost(Pass::Skip, piecesLeft), passCost(Pass::TimeOut, piecesLeft));
        made.all[made.count++] = {0, pass, board};
        return made;
    }

    // The cells that could still go into blocks: those filled and those of the pieces to come.
    int cellsLeft(int piece, BoardMask board) const {
        return std::popcount(board) + cellsFrom_[piece];
    }

    // A state's key in the table: later pieces give greater keys.
    enum class Question { Gain, Par };
    // The choice a par remembers when its best is the gain from the state itself.
    static constexpr int kGainFromHere = 31;
    static std::uint64_t keyOf(Question question, int piece, BoardMask board) {
        return std::uint64_t{1} << 39 | std::uint64_t(piece) << 26 |
               std::uint64_t{question == Question::Par} << 25 | board;
    }

    // What both questions ask of a state first: whether its answer is settled at once, by the
    // deal's end, by the bound, by the clock or by the table. `gained` is what the play that led
    // here has gained since the state its gain is measured from.
    std::optional<int> settled(std::uint64_t key, int piece, BoardMask board, int alpha,
                               int gained) {
        if (piece == count_) {
            // The play that led here ends at least at its gain: the best met so far is kept.
            if (gained > found_) {
                found_ = gained;
                bestPlay_ = path_;
            }
            return 0;
        }
        const int most = mostPoints_[cellsLeft(piece, board)];
        if (most <= alpha || outOfTime()) {
            return std::min(most, alpha);
        }
        const std::optional<TranspositionTable::Known> known = table_.find(key);
        if (!known || (!known->exact && known->value > alpha)) {
            return std::nullopt;
        }
        return known->value;
    }

    // The most a play can gain from the state where piece `piece` (from 0) is to be played, the
    // floor aside: the points of the blocks still to come, less the cost of each pass. Exact
    // when above `alpha`; else at most `alpha`, and no play beats it.
    int gainFrom(int piece, BoardMask board, int alpha, int gained) {
        const std::uint64_t key = keyOf(Question::Gain, piece, board);
        if (const std::optional<int> answer = settled(key, piece, board, alpha, gained)) {
            return *answer;
        }
        Best best{alpha};
        const Choices all = choices(piece, board);
        for (const Outcome& choice : all) {
            if (choice.points + mostPoints_[cellsLeft(piece + 1, choice.board)] > alpha) {
                table_.prefetch(keyOf(Question::Gain, piece + 1, choice.board));
            }
        }
        for (const Outcome& choice : all) {
            path_.push_back(choice.cell);
            best.take(choice.points + gainFrom(piece + 1, choice.board, best.bar() - choice.points,
                                               gained + choice.points),
                      choice.cell);
            path_.pop_back();
            if (stopped_) {
                return alpha;
            }
        }
        return remembered(key, best);
    }

    // The par from a state: the best final score of a play from here whose score is 0 here: the
    // best gain from this state or from any state a play reaches from it. Exact above `alpha`.
    int parFrom(int piece, BoardMask board, int alpha) {
        const std::uint64_t key = keyOf(Question::Par, piece, board);
        if (const std::optional<int> answer = settled(key, piece, board, alpha, 0)) {
            return *answer;
        }
        Best best{alpha};
        best.take(gainFrom(piece, board, alpha, 0), kGainFromHere);
        for (const Outcome& choice : choices(piece, board)) {
            if (stopped_) {
                return alpha;
            }
            path_.push_back(choice.cell);
            best.take(parFrom(piece + 1, choice.board, best.bar()), choice.cell);
            path_.pop_back();
        }
        return stopped_ ? alpha : remembered(key, best);
    }

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

    int remembered(std::uint64_t key, const Best& best) {
        const bool exact = best.exact > best.alpha;
        const int value = exact ? best.exact : std::max(best.exact, best.beaten);
        table_.store(key, {value, exact, best.choice});
        return value;
    }

    bool outOfTime() {
        if (stopped_ || (++visits_ % 4096 == 0 && (cancelled_ || Clock::now() >= deadline_))) {
            stopped_ = true;
        }
        return stopped_;
    }

    // A good play found fast: after each piece, only the best boards are kept, each with the
    // best score that reaches it and the choice that did, ranked by the score plus what their
    // cells could still earn. Cut short, it gives every piece passed over.
    std::vector<int> beam() {
        struct Reached {
            BoardMask board;
            int score;
            int cell;
            std::size_t from;  // in the layer before
        };
        std::vector<std::vector<Reached>> layers(count_ + 1);
        layers[0].push_back({start_.board, start_.score, 0, 0});
        for (int piece = 0; piece < count_; ++piece) {
            if (cancelled_ || Clock::now() >= deadline_) {
                stopped_ = true;
                return std::vector<int>(count_, 0);
            }
            std::vector<Reached>& next = layers[piece + 1];
            std::unordered_map<BoardMask, std::size_t> at;
            for (std::size_t from = 0; from < layers[piece].size(); ++from) {
                const Reached& here = layers[piece][from];
                for (const Outcome& choice : choices(piece, here.board)) {
                    const Reached there{choice.board, scoreAfter(here.score, choice.points),
                                        choice.cell, from};
                    const auto [slot, fresh] = at.try_emplace(choice.board, next.size());
                    if (fresh) {
                        next.push_back(there);
                    } else if (there.score > next[slot->second].score) {
                        next[slot->second] = there;
                    }
                }
            }
            // A 3x3 block's cells are each worth 30/9 points: a board is ranked as if every
            // filled cell were.
            const auto rank = [](const Reached& r) {
                return 9 * r.score + 30 * std::popcount(r.board);
            };
            if (next.size() > kBeamWidth) {
                std::nth_element(
                    next.begin(), next.begin() + kBeamWidth, next.end(),
                    [&](const Reached& a, const Reached& b) { return rank(a) > rank(b); });
                next.resize(kBeamWidth);
            }
        }
        const std::vector<Reached>& last = layers[count_];
        std::size_t at = static_cast<std::size_t>(
            std::max_element(last.begin(), last.end(),
                             [](const Reached& a, const Reached& b) { return a.score < b.score; }) -
            last.begin());
        std::vector<int> play(count_, 0);
        for (int piece = count_; piece > 0; --piece) {
            play[piece - 1] = layers[piece][at].cell;
            at = layers[piece][at].from;
        }
        return play;
    }

    // What a choice for a piece leads to: the cell its key square goes to, or 0 to pass it over.
    Outcome outcomeOf(int piece, BoardMask board, int cell) const {
        const int piecesLeft = count_ - piece - 1;
        for (const auto& [at, footprint] : footprints_[piece]) {
            if (at == cell && !overlaps(footprint, board)) {
                const PlayedOut after = playOut(board, footprint, piecesLeft);
                return {cell, after.points, after.board};
            }
        }
        return {0, std::max(passCost(Pass::Skip, piecesLeft), passCost(Pass::TimeOut, piecesLeft)),
                board};
    }

    // The final score of a play from the start, by the game's rules.
    int scoreOf(const std::vector<int>& play) const {
        BoardMask board = start_.board;
        int score = start_.score;
        for (int piece = 0; piece < count_; ++piece) {
            const Outcome choice = outcomeOf(piece, board, play[piece]);
            score = scoreAfter(score, choice.points);
            board = choice.board;
        }
        return score;
    }

    // The play that reaches `value` from the start, through the choices the table remembers for
    // each state on its way (a state it has lost is searched again): from the start's gain when
    // `fromGain`, else from its par. None when time runs out meanwhile.
    std::optional<std::vector<int>> playReaching(int value, bool fromGain) {
        std::vector<int> play;
        BoardMask board = start_.board;
        Question question = fromGain ? Question::Gain : Question::Par;
        int need = fromGain ? value - start_.score : value;
        for (int piece = 0; piece < count_; ++piece) {
            std::optional<TranspositionTable::Known> known =
                table_.find(keyOf(question, piece, board));
            if (!known || !known->exact || known->value != need) {
                if (question == Question::Gain) {
                    gainFrom(piece, board, need - 1, 0);
                } else {
                    parFrom(piece, board, need - 1);
                }
                known = table_.find(keyOf(question, piece, board));
                if (stopped_ || !known || !known->exact || known->value != need) {
                    return std::nullopt;
                }
            }
            if (known->choice == kGainFromHere) {
                question = Question::Gain;
                --piece;  // the same piece, now for its best gain
                continue;
            }
            const Outcome choice = outcomeOf(piece, board, known->choice);
            play.push_back(choice.cell);
            board = choice.board;
            need -= question == Question::Gain ? choice.points : 0;
        }
        return play;
    }

    const int count_;
    const ParStart start_;
    std::vector<std::vector<std::pair<int, BoardMask>>> footprints_;
    std::vector<int> cellsFrom_;   // the cells of piece i and every later one
    std::vector<int> mostPoints_;  // by cells
    const Clock::time_point deadline_;
    const std::atomic<bool>& cancelled_;
    TranspositionTable table_;
    int found_ = 0;              // at least what the best play met so far ends at
    std::vector<int> bestPlay_;  // that play
    std::vector<int> path_;      // the choices that led to the state being searched
    long visits_ = 0;
    bool stopped_ = false;
};

}  // namespace

Par findPar(const std::vector<std::string>& patterns, std::chrono::milliseconds budget,
            const std::atomic<bool>& cancelled, const ParStart& start) {
    return Search(patterns, start, Clock::now() + budget, cancelled).run();
}

}  // namespace fitzel
