// The par of a deal: a search through every play of its pieces, by the game's own rules.
//
// A play takes the pieces in the order dealt and puts each on a cell where it fits, or skips it
// for 7 points (the score never below 0); the last piece may instead run out of time, which
// costs nothing. Where a piece fits is decided by the game's own edge test, footprint and
// overlap test (Placement.cpp), and the block each search of the board scores by the game's own
// block search (Blocks.cpp). What the game spreads over its clearing timers after a placement
// (Clearing.cpp) is followed here in the same order, without the clock: see `place`.
//
// The search runs depth first over the states (piece, board), best-looking choice first, and
// remembers what it learnt of each state: its value, or a value that no play from it beats.
// - The floor at 0: a score held at 0 ends at least at what the play gains after any moment
//   (the score at that moment being 0 or more), and exactly at the most of these. So the par is
//   the best gain, the floor aside, from the start or from any state a play can reach: skipping
//   the first pieces at 0 costs nothing, say. Gains do not depend on the score, so a state is
//   remembered by (piece, board) alone: once for its best gain (gainFrom), once for the best
//   gain from it or after it (parFrom).
// - The bound: the blocks still to come can only be made of the filled cells and of the cells of
//   the pieces to come, each cell in one block at most; the best mix of block sizes for that
//   many cells bounds the gain. A state whose bound cannot beat the best play known is not
//   searched further.
// - The start: a quick beam search (the best boards after each piece) finds a good play first,
//   which the bound then measures every state against.
// - The budget: when time runs out, or the caller cancels, the best play met so far is the
//   answer, "at least"; else the answer is proven.
#include "game/Par.h"

#include <algorithm>
#include <array>
#include <bit>
#include <unordered_map>

#include "game/modGeneral.h"

namespace fitzel {
namespace {

using Clock = std::chrono::steady_clock;

// States remembered: 2^22 of 8 bytes, 32 MiB.
constexpr int kMemoBits = 22;
// Boards kept after each piece by the quick search that finds the first play.
constexpr std::size_t kBeamWidth = 2000;

// A choice for one piece and what it leads to: the points it adds (a skip's are -7) and the board.
struct Outcome {
    int points;
    BoardMask board;
};

// The score after a choice: never below 0, as the game's AddScore keeps it.
int scoreAfter(int score, const Outcome& choice) {
    return std::max(0, score + choice.points);
}

// The cells where the piece's key square may go, as the footprints it would cover there: the
// game's edge test and footprint, on an empty board. Whether it fits is then the overlap test.
std::vector<BoardMask> footprintsOf(const std::string& pattern) {
    std::vector<BoardMask> footprints;
    for (int cell = 1; cell <= kBoardCells; ++cell) {
        if (edgesHold(pattern, cell)) {
            footprints.push_back(maskOf(footprintOf(pattern, cell)));
        }
    }
    return footprints;
}

// How many times the board is searched after the placement of piece `piece` (from 0) of `count`.
// The placement searches once; a block found starts a clearing only while a piece is left to
// deal (the game's starters), the next piece is dealt before that clearing ends, and its end
// searches again, up to the game's limit per placement. So the last piece's placement searches
// once, the one before it twice, any other up to the limit.
int searchesAfter(int piece, int count) {
    return std::min<int>(kMaxChecksPerPlacement, count - piece);
}

// A placement as the game plays it out: the piece goes into the board, then each search scores
// the first complete block and empties it, until a search finds none or the searches run out.
Outcome place(BoardMask board, BoardMask footprint, int searches) {
    Outcome after{0, board | footprint};
    for (int i = 0; i < searches; ++i) {
        const Candidate* block = firstCompleteBlock(after.board);
        if (block == nullptr) {
            break;
        }
        after.points += block->points;
        after.board &= ~block->mask;
    }
    return after;
}

// What the search has learnt of states: each one's value, or a value no play from it can beat.
class Memo {
  public:
    struct Known {
        int value;
        bool exact;
    };

    Memo() : slots_(std::size_t{1} << kMemoBits, 0) {}

    // Keys are below 2^40 and never 0.
    std::optional<Known> find(std::uint64_t key) const {
        for (std::size_t i = 0, at = home(key); i < kProbes; ++i, at = next(at)) {
            if ((slots_[at] & kKeyBits) == key) {
                return Known{static_cast<int>((slots_[at] >> 40) & 0xFFFF) - kValueOffset,
                             (slots_[at] >> 56) != 0};
            }
        }
        return std::nullopt;
    }
    // Where the key's neighbourhood is full, the state nearest the game's end makes way: it
    // is the cheapest to search again.
    void store(std::uint64_t key, int value, bool exact) {
        std::size_t at = home(key);
        for (std::size_t i = 0, probe = at; i < kProbes; ++i, probe = next(probe)) {
            if ((slots_[probe] & kKeyBits) == key || slots_[probe] == 0) {
                at = probe;
                break;
            }
            if ((slots_[probe] & kKeyBits) > (slots_[at] & kKeyBits)) {
                at = probe;
            }
        }
        slots_[at] = key | std::uint64_t(value + kValueOffset) << 40 | std::uint64_t{exact} << 56;
    }

    // Asks the memory for a key's slots ahead of their use (a GCC and Clang builtin): the
    // search spends most of its time waiting for them otherwise.
    void prefetch(std::uint64_t key) const { __builtin_prefetch(&slots_[home(key)]); }

  private:
    static constexpr std::uint64_t kKeyBits = (std::uint64_t{1} << 40) - 1;
    static constexpr int kValueOffset = 1 << 15;
    static constexpr std::size_t kProbes = 4;
    static std::size_t home(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> (64 - kMemoBits));
    }
    std::size_t next(std::size_t at) const { return (at + 1) & (slots_.size() - 1); }

    // One a slot: the key in the low 40 bits, then the value and whether it is exact.
    std::vector<std::uint64_t> slots_;
};

class Search {
  public:
    Search(const std::vector<std::string>& patterns, Clock::time_point deadline,
           const std::atomic<bool>& cancelled)
        : count_(static_cast<int>(patterns.size())),
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
        found_ = beam();
        // Is there a play better than the one found? The answer is the par, or there is none.
        const int best = parFrom(0, 0, found_);
        return {std::max(best, found_), !stopped_};
    }

  private:
    // The choices for a piece on a board: every placement, best points first, then the skip;
    // for the last piece, running out of time instead, which costs nothing.
    struct Choices {
        std::array<Outcome, kBoardCells + 1> all;
        int count = 0;
        const Outcome* begin() const { return all.data(); }
        const Outcome* end() const { return all.data() + count; }
    };
    Choices choices(int piece, BoardMask board) const {
        Choices made;
        for (BoardMask footprint : footprints_[piece]) {
            if (!overlaps(footprint, board)) {
                const Outcome after = place(board, footprint, searchesAfter(piece, count_));
                // A piece that completes a block of its own leaves the board as it was,
                // wherever it goes: one of these is enough.
                if (std::none_of(made.begin(), made.end(), [&](const Outcome& o) {
                        return o.board == after.board && o.points == after.points;
                    })) {
                    made.all[made.count++] = after;
                }
            }
        }
        // In place, keeping the cells' order among equal points.
        for (int i = 1; i < made.count; ++i) {
            for (int j = i; j > 0 && made.all[j - 1].points < made.all[j].points; --j) {
                std::swap(made.all[j - 1], made.all[j]);
            }
        }
        made.all[made.count++] = {piece == count_ - 1 ? 0 : kPenalty, board};
        return made;
    }

    // The cells that could still go into blocks: those filled and those of the pieces to come.
    int cellsLeft(int piece, BoardMask board) const {
        return std::popcount(board) + cellsFrom_[piece];
    }

    static std::uint64_t keyOf(bool par, int piece, BoardMask board) {
        return std::uint64_t{1} << 39 | std::uint64_t(piece) << 26 | std::uint64_t{par} << 25 |
               board;
    }

    // The most a play can gain from the state where piece `piece` (from 0) is to be played, the
    // floor aside: the points of the blocks still to come, less 7 for each skip. `gained` is
    // what the play that led here has gained since the state its gain is measured from. When
    // the answer is above `alpha` it is exact; else it is at most `alpha`, and no play beats it.
    int gainFrom(int piece, BoardMask board, int alpha, int gained) {
        if (piece == count_) {
            found_ = std::max(found_, gained);
            return 0;
        }
        const int most = mostPoints_[cellsLeft(piece, board)];
        if (most <= alpha || outOfTime()) {
            return std::min(most, alpha);
        }
        const std::uint64_t key = keyOf(false, piece, board);
        if (const auto known = recalled(key, alpha)) {
            found_ = known->exact ? std::max(found_, gained + known->value) : found_;
            return known->value;
        }
        Best best{alpha};
        const Choices all = choices(piece, board);
        for (const Outcome& choice : all) {
            if (choice.points + mostPoints_[cellsLeft(piece + 1, choice.board)] > alpha) {
                memo_.prefetch(keyOf(false, piece + 1, choice.board));
            }
        }
        for (const Outcome& choice : all) {
            best.take(choice.points + gainFrom(piece + 1, choice.board, best.bar() - choice.points,
                                               gained + choice.points));
            if (stopped_) {
                return alpha;
            }
        }
        return remembered(key, best);
    }

    // The par from a state: the best final score of a play from here whose score is 0 here.
    // A play's score, held at 0, ends at least at what the play gains after any moment, and at
    // exactly the most of these: so the par is the best gain from this state or from any state
    // a play reaches from it. Exact above `alpha`, as gainFrom.
    int parFrom(int piece, BoardMask board, int alpha) {
        if (piece == count_) {
            return 0;
        }
        const int most = mostPoints_[cellsLeft(piece, board)];
        if (most <= alpha || outOfTime()) {
            return std::min(most, alpha);
        }
        const std::uint64_t key = keyOf(true, piece, board);
        if (const auto known = recalled(key, alpha)) {
            return known->value;
        }
        Best best{alpha};
        best.take(gainFrom(piece, board, alpha, 0));
        for (const Outcome& choice : choices(piece, board)) {
            if (stopped_) {
                return alpha;
            }
            best.take(parFrom(piece + 1, choice.board, best.bar()));
        }
        return stopped_ ? alpha : remembered(key, best);
    }

    // The best of a state's choices, each searched against a bar: alpha, or the best choice so
    // far when that is higher. A choice that beats the bar gives its exact value; any other,
    // only a value that it cannot beat.
    struct Best {
        int alpha;
        int exact = kNone;   // the best choice, once one has beaten alpha
        int beaten = kNone;  // the most any other choice could give
        static constexpr int kNone = -(1 << 20);

        int bar() const { return std::max(alpha, exact); }
        void take(int value) {
            if (value > bar()) {
                exact = value;
            } else {
                beaten = std::max(beaten, value);
            }
        }
    };

    // What the memo knows of a state that answers the question at `alpha`, if anything.
    std::optional<Memo::Known> recalled(std::uint64_t key, int alpha) const {
        const std::optional<Memo::Known> known = memo_.find(key);
        return known && (known->exact || known->value <= alpha) ? known : std::nullopt;
    }

    int remembered(std::uint64_t key, const Best& best) {
        const bool exact = best.exact > best.alpha;
        const int value = exact ? best.exact : std::max(best.exact, best.beaten);
        memo_.store(key, value, exact);
        return value;
    }

    bool outOfTime() {
        if (stopped_ || (++visits_ % 4096 == 0 && (cancelled_ || Clock::now() >= deadline_))) {
            stopped_ = true;
        }
        return stopped_;
    }

    // A good play found fast: after each piece, only the best boards are kept, each with the
    // best score that reaches it, ranked by the score plus what their cells could still earn.
    int beam() {
        std::unordered_map<BoardMask, int> boards{{0, 0}};
        std::vector<std::pair<BoardMask, int>> kept;
        for (int piece = 0; piece < count_ && !stopped_; ++piece) {
            stopped_ = cancelled_ || Clock::now() >= deadline_;
            std::unordered_map<BoardMask, int> next;
            for (const auto& [board, score] : boards) {
                for (const Outcome& choice : choices(piece, board)) {
                    int& best = next.try_emplace(choice.board, -1).first->second;
                    best = std::max(best, scoreAfter(score, choice));
                }
            }
            kept.assign(next.begin(), next.end());
            // A 3x3 block's cells are each worth 30/9 points: a board is ranked as if every
            // filled cell were.
            const auto rank = [](const std::pair<BoardMask, int>& b) {
                return 9 * b.second + 30 * std::popcount(b.first);
            };
            if (kept.size() > kBeamWidth) {
                std::nth_element(kept.begin(), kept.begin() + kBeamWidth, kept.end(),
                                 [&](const auto& a, const auto& b) { return rank(a) > rank(b); });
                kept.resize(kBeamWidth);
            }
            boards = std::unordered_map<BoardMask, int>(kept.begin(), kept.end());
        }
        // Cut short, it has no whole play to give.
        int best = 0;
        for (const auto& [board, score] : boards) {
            best = stopped_ ? 0 : std::max(best, score);
        }
        return best;
    }

    const int count_;
    std::vector<std::vector<BoardMask>> footprints_;
    std::vector<int> cellsFrom_;   // the cells of piece i and every later one
    std::vector<int> mostPoints_;  // by cells
    const Clock::time_point deadline_;
    const std::atomic<bool>& cancelled_;
    Memo memo_;
    int found_ = 0;  // the best whole play met so far
    long visits_ = 0;
    bool stopped_ = false;
};

}  // namespace

Par findPar(const std::vector<std::string>& patterns, std::chrono::milliseconds budget,
            const std::atomic<bool>& cancelled) {
    return Search(patterns, Clock::now() + budget, cancelled).run();
}

}  // namespace fitzel
