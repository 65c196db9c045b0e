// The par of a deal: the best final score that any play of its pieces could have reached, and the
// play that reaches it.
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
// - The play. The table keeps, with each exact value, the choice that reaches it; the par's play
//   follows those choices from the start (ParPlays.cpp), and its score by the game's rules is
//   the par.
// - The budget. When time runs out, or the caller cancels, the best play met so far is the
//   answer, "at least"; else the answer is proven.
// - Two searches. With a core to spare, a second search runs beside the first on a thread of its
//   own, sharing its table, the first pieces' choices taken the other way round. What either
//   learns of a state holds for both, so the first one's answer stays exact and its own; the
//   second only spares it the states it has settled first.
#include "game/Par.h"

#include <thread>

#include "game/ParSearch.h"

namespace fitzel {

ParSearch::ParSearch(const std::vector<std::string>& patterns, const ParStart& start,
                     ParClock::time_point deadline, const std::atomic<bool>& cancelled,
                     TranspositionTable& table)
    : count_(static_cast<int>(patterns.size())),
      start_(start),
      cellsFrom_(patterns.size() + 1, 0),
      deadline_(deadline),
      cancelled_(cancelled),
      table_(table) {
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

ParSearch::ParSearch(const ParSearch& first, const std::atomic<bool>& stop)
    : count_(first.count_),
      start_(first.start_),
      footprints_(first.footprints_),
      cellsFrom_(first.cellsFrom_),
      mostPoints_(first.mostPoints_),
      deadline_(first.deadline_),
      cancelled_(stop),
      table_(first.table_),
      found_(first.found_),
      bestPlay_(first.bestPlay_),
      backwards_(true) {}

Par ParSearch::run() {
    bestPlay_ = beam();
    found_ = scoreOf(bestPlay_);
    // With a core to spare, a second search goes through the same states the other way round.
    std::atomic<bool> searched{false};
    std::optional<ParSearch> second;
    std::jthread helper;
    if (std::thread::hardware_concurrency() > 1 && !stopped_) {
        second.emplace(*this, searched);
        helper = std::jthread([&second] { second->help(); });
    }
    // Is there a play better than the one found? From a score s, the best play ends at the better
    // of s plus the best gain from here, and the par from here (a play whose score is 0 here).
    const int s = start_.score;
    const int gain = gainFrom(0, start_.board, found_ - s, 0);
    const int par = parFrom(0, start_.board, std::max(found_, s + gain));
    searched = true;
    const int best = std::max({found_, s + gain, par});
    if (!stopped_ && best > scoreOf(bestPlay_)) {
        if (std::optional<std::vector<int>> play = playReaching(best, s + gain == best)) {
            bestPlay_ = std::move(*play);
        }
    }
    const int score = scoreOf(bestPlay_);
    return {score, bestPlay_, !stopped_ && score >= best};
}

void ParSearch::help() {
    // Made before the first play was known, it finds one of its own.
    if (bestPlay_.empty()) {
        bestPlay_ = beam();
        found_ = scoreOf(bestPlay_);
    }
    const int s = start_.score;
    const int gain = gainFrom(0, start_.board, found_ - s, 0);
    parFrom(0, start_.board, std::max(found_, s + gain));
}

ParSearch::Choices ParSearch::choices(int piece, BoardMask board) const {
    const int piecesLeft = count_ - piece - 1;
    Choices made;
    // Placements that score come first, most points first; they are few. The others follow in
    // the order of their cells, which is the footprints' own order.
    std::array<ParOutcome, kBoardCells> quiet;
    int quietCount = 0;
    for (const auto& [cell, footprint] : footprints_[piece]) {
        if (overlaps(footprint, board)) {
            continue;
        }
        const PlayedOut after = playOut(board, footprint, piecesLeft);
        if (after.points == 0) {
            // The piece stays whole on the board: no other cell leaves the same board.
            quiet[quietCount++] = {cell, 0, after.board};
            continue;
        }
        // A piece that completes a block of its own leaves the board as it was, wherever it
        // goes: one of these is enough.
        if (std::none_of(made.begin(), made.end(), [&](const ParOutcome& o) {
                return o.board == after.board && o.points == after.points;
            })) {
            int at = made.count++;
            for (; at > 0 && made.all[at - 1].points < after.points; --at) {
                made.all[at] = made.all[at - 1];
            }
            made.all[at] = {cell, after.points, after.board};
        }
    }
    std::copy(quiet.begin(), quiet.begin() + quietCount, made.all.begin() + made.count);
    made.count += quietCount;
    made.all[made.count++] = {0, passOver(piece), board};
    return made;
}

std::optional<int> ParSearch::settled(TranspositionTable::Key key, int piece, BoardMask board,
                                      int alpha, int gained) {
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
    // A play ends at least at the gain that led here and the best from here, though its choices
    // past here are not kept: the par's play is followed through the table in the end.
    if (known->exact) {
        found_ = std::max(found_, gained + known->value);
    }
    return known->value;
}

int ParSearch::gainFrom(int piece, BoardMask board, int alpha, int gained) {
    const TranspositionTable::Key key = keyOf(Question::Gain, piece, board);
    if (const std::optional<int> answer = settled(key, piece, board, alpha, gained)) {
        return *answer;
    }
    Best best{alpha};
    const Choices all = choices(piece, board);
    for (const ParOutcome& choice : all) {
        if (choice.points + mostPoints_[cellsLeft(piece + 1, choice.board)] > alpha) {
            table_.prefetch(keyOf(Question::Gain, piece + 1, choice.board));
        }
    }
    for (int k = 0; k < all.count; ++k) {
        const ParOutcome& choice =
            all.all[backwards_ && piece < kTurnedPieces ? all.count - 1 - k : k];
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

int ParSearch::parFrom(int piece, BoardMask board, int alpha) {
    const TranspositionTable::Key key = keyOf(Question::Par, piece, board);
    if (const std::optional<int> answer = settled(key, piece, board, alpha, 0)) {
        return *answer;
    }
    Best best{alpha};
    best.take(gainFrom(piece, board, alpha, 0), kGainFromHere);
    for (const ParOutcome& choice : choices(piece, board)) {
        if (stopped_) {
            return alpha;
        }
        path_.push_back(choice.cell);
        best.take(parFrom(piece + 1, choice.board, best.bar()), choice.cell);
        path_.pop_back();
    }
    return stopped_ ? alpha : remembered(key, best);
}

Par findPar(const std::vector<std::string>& patterns, std::chrono::milliseconds budget,
            const std::atomic<bool>& cancelled, const ParStart& start) {
    TranspositionTable table;
    return ParSearch(patterns, start, ParClock::now() + budget, cancelled, table).run();
}

}  // namespace fitzel
