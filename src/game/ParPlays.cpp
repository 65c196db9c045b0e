// The par's plays: the beam search's first play, a play's score by the game's rules, and the
// par's play followed through the transposition table's remembered choices.
#include <unordered_map>

#include "game/ParSearch.h"

namespace fitzel {

// A good play found fast: after each piece, only the best boards are kept, each with the
// best score that reaches it and the choice that did, ranked by the score plus what their
// cells could still earn. Cut short, it gives every piece passed over.
std::vector<int> ParSearch::beam() {
    struct Reached {
        BoardMask board;
        int score;
        int cell;
        std::size_t from;  // in the layer before
    };
    std::vector<std::vector<Reached>> layers(count_ + 1);
    layers[0].push_back({start_.board, start_.score, 0, 0});
    for (int piece = 0; piece < count_; ++piece) {
        if (cancelled_ || ParClock::now() >= deadline_) {
            stopped_ = true;
            return std::vector<int>(count_, 0);
        }
        std::vector<Reached>& next = layers[piece + 1];
        std::unordered_map<BoardMask, std::size_t> at;
        for (std::size_t from = 0; from < layers[piece].size(); ++from) {
            const Reached& here = layers[piece][from];
            for (const ParOutcome& choice : choices(piece, here.board)) {
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
            std::nth_element(next.begin(), next.begin() + kBeamWidth, next.end(),
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
ParOutcome ParSearch::outcomeOf(int piece, BoardMask board, int cell) const {
    const int piecesLeft = count_ - piece - 1;
    for (const auto& [at, footprint] : footprints_[piece]) {
        if (at == cell && !overlaps(footprint, board)) {
            const PlayedOut after = playOut(board, footprint, piecesLeft);
            return {cell, after.points, after.board};
        }
    }
    return {0, passOver(piece), board};
}

// The final score of a play from the start, by the game's rules.
int ParSearch::scoreOf(const std::vector<int>& play) const {
    BoardMask board = start_.board;
    int score = start_.score;
    for (int piece = 0; piece < count_; ++piece) {
        const ParOutcome choice = outcomeOf(piece, board, play[piece]);
        score = scoreAfter(score, choice.points);
        board = choice.board;
    }
    return score;
}

// The play that reaches `value` from the start, through the choices the table remembers for
// each state on its way (a state it has lost is searched again): from the start's gain when
// `fromGain`, else from its par. None when time runs out meanwhile.
std::optional<std::vector<int>> ParSearch::playReaching(int value, bool fromGain) {
    std::vector<int> play;
    BoardMask board = start_.board;
    Question question = fromGain ? Question::Gain : Question::Par;
    int need = fromGain ? value - start_.score : value;
    for (int piece = 0; piece < count_; ++piece) {
        std::optional<TranspositionTable::Known> known = table_.find(keyOf(question, piece, board));
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
        const ParOutcome choice = outcomeOf(piece, board, known->choice);
        play.push_back(choice.cell);
        board = choice.board;
        need -= question == Question::Gain ? choice.points : 0;
    }
    return play;
}

}  // namespace fitzel
