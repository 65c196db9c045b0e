// Deal numbers, and the par of a deal: the best final score its pieces allowed.
#include <random>
#include <unordered_map>

#include "GameFixture.h"
#include "Players.h"
#include "game/Deal.h"
#include "game/Par.h"
#include "game/ParSearch.h"
#include "game/TranspositionTable.h"

namespace fitzel::test {

// The real pieces.
struct RealDeal : Program {
    RealDeal() {
        EXPECT_TRUE(fake.copyFromDisk(FITZEL_DATA_DIR "/Shapes.dat", fake.path("Shapes.dat")));
        game.LoadShapes();
    }
    // The whole deal, from the number; the patterns of its first pieces in the order dealt.
    void deal(std::uint64_t number) {
        game.newDeal(number);
        for (int i = 0; i < 34; ++i)
            game.NextPiece();
    }
    std::vector<std::string> patterns(std::size_t count = 35) const {
        std::vector<std::string> dealt = game.dealtPatterns();
        dealt.resize(std::min(count, dealt.size()));
        return dealt;
    }
};

const std::atomic<bool> kGoOn{false};

TEST(DealTest, ANumberDealsTheSamePiecesEverywhereANewGameAFreshOneAndThePlayerTypesIt) {
    RealDeal p;
    p.deal(1234567);  // as it is on every machine
    EXPECT_EQ(
        p.game.state().dealtPieces,
        (std::vector<int>{35, 27, 23, 2,  4,  16, 9,  5,  10, 6, 3,  19, 33, 20, 24, 25, 11, 1,
                          13, 29, 22, 21, 12, 18, 34, 14, 31, 8, 28, 32, 26, 7,  15, 17, 30}));
    const std::vector<std::string> whole = p.patterns();
    p.game.newDeal(1234567);  // again: nothing of the first deal is left to change it
    for (int i = 0; i < 10; ++i)
        p.game.NextPiece();
    EXPECT_EQ(p.game.patternsToCome(), std::vector(whole.begin() + 10, whole.end()))
        << "the current piece and those to come, foreseen";
    p.game.NewGame();  // File > New takes a fresh number; so does the next run
    const std::uint64_t fresh = p.game.state().dealNumber;
    p.game.NewGame();
    EXPECT_NE(p.game.state().dealNumber, fresh);
    EXPECT_TRUE(fresh >= 1 && fresh <= kLastDeal);
    EXPECT_TRUE(unitFraction(0) == 0 && unitFraction(~0ull) < 1) << "every draw in [0, 1)";
    // What the player types for a deal number: digits, from 1 to the last, blanks around.
    // clang-format off
    const std::vector<std::pair<std::string, std::optional<std::uint64_t>>> typed = {
        {"", {}}, {"   ", {}}, {"42", 42}, {" 42\t", 42}, {"4 2", {}}, {"+42", {}}, {"-42", {}},
        {"42a", {}}, {"x", {}}, {"4.2", {}}, {"0", {}}, {"000", {}}, {"007", 7}, {"1", 1},
        {"999999999", 999999999}, {"1000000000", {}}, {"99999999999999999999999", {}},
        {"\xd9\xa4", {}}};  // the last an Arabic four
    // clang-format on
    for (const auto& [text, number] : typed)
        EXPECT_EQ(parseDealNumber(text), number) << '"' << text << '"';
}

// The best of every play from piece i on, by the game's own rules: the piece put wherever it fits
// and played out, or passed over by a skip or by its time running out.
int exhaustive(const std::vector<std::string>& pieces, std::size_t i, std::uint32_t board,
               int score, std::unordered_map<std::uint64_t, int>& seen) {
    if (i == pieces.size())
        return score;
    const std::uint64_t state = std::uint64_t(i) << 48 | std::uint64_t(score) << 25 | board;
    if (const auto known = seen.find(state); known != seen.end())
        return known->second;
    const int piecesLeft = static_cast<int>(pieces.size() - i - 1);
    int best = 0;
    for (const Pass pass : {Pass::Skip, Pass::TimeOut})
        best = std::max(best, exhaustive(pieces, i + 1, board,
                                         scoreAfter(score, passCost(pass, piecesLeft)), seen));
    for (int cell = 1; cell <= 25; ++cell) {
        const std::uint32_t covers = maskOf(footprintOf(pieces[i], cell));
        if (edgesHold(pieces[i], cell) && !overlaps(covers, board)) {
            const PlayedOut after = playOut(board, covers, piecesLeft);
            best = std::max(best, exhaustive(pieces, i + 1, after.board,
                                             scoreAfter(score, after.points), seen));
        }
    }
    return seen[state] = best;
}

TEST(ParTest, OnShortDealsTheSearchFindsWhatEveryPlayTriedGives) {
    // The first eight pieces of real deals, and pieces made to complete two blocks at once, to
    // skip at 0 and to end on blocks that the last search cannot take.
    std::vector<std::vector<std::string>> deals;
    for (std::uint64_t number : {2, 8, 20, 4242}) {
        RealDeal p;
        p.deal(number);
        deals.push_back(p.patterns(8));
    }
    // Pieces best where they complete two blocks: the last piece's only search scores one, the
    // next to last's two searches both. A piece covering nothing is skipped, at 0 for nothing,
    // and run out of time when last.
    const std::vector<std::string> two = {"001011000", "010011000", "111010000"};
    deals.push_back(two);
    deals.push_back({"000000000", two[0], two[1], two[2], "000000000"});
    for (const auto& pieces : deals) {
        std::unordered_map<std::uint64_t, int> seen;
        const Par par = findPar(pieces, std::chrono::seconds(60), kGoOn);
        EXPECT_TRUE(par.proven && par.score == exhaustive(pieces, 0, 0, 0, seen))
            << par.score << " for " << ::testing::PrintToString(pieces);
    }
    std::atomic<bool> cancelled{true};
    RealDeal p;
    p.deal(5);
    EXPECT_FALSE(findPar(p.patterns(), kParBudget, cancelled).proven) << "given up at once";
}

TEST(ParTest, ItsPlayPlayedOnTheRealGameEndsAtThePar) {
    // Whole deals: the par, proven, is what its play scores on the game itself, each move made
    // once the board is still. The pars were found by an earlier search of another design too.
    struct Known {
        std::uint64_t deal;
        int par;
    };
    const std::vector<Known> known = {{2, 430},  {4, 435},  {6, 440},  {8, 425},  {11, 425},
                                      {14, 425}, {19, 425}, {27, 430}, {29, 425}, {33, 415}};
    for (const Known& k : known) {
        RealDeal p;
        p.deal(k.deal);
        const Par par = findPar(p.patterns(), std::chrono::seconds(60), kGoOn);
        EXPECT_TRUE(par.proven) << k.deal;
        EXPECT_EQ(par.score, k.par) << k.deal;
        p.game.newDeal(k.deal);
        players::playAlong(p.game, p.fake, par.play);
        EXPECT_EQ(p.game.state().intScore, par.score) << k.deal;
        EXPECT_FALSE(p.game.state().blnInGame) << "the play passes every piece";
        // Two pieces first that fit nowhere: skipped at 0, they cost nothing.
        std::vector<std::string> skipped(2, "000000000");
        const std::vector<std::string> patterns = p.patterns();
        skipped.insert(skipped.end(), patterns.begin(), patterns.end());
        EXPECT_EQ(findPar(skipped, std::chrono::seconds(60), kGoOn).score, k.par) << k.deal;
    }
}

TEST(ParTest, APlayerWhoFollowsEveryHintFromTheFirstPieceEndsAtThePar) {
    // The hint: the first move of the best play from the board, the score and the pieces to
    // come, sought afresh before each move, as the Hint item seeks it.
    RealDeal p;
    p.game.newDeal(4);
    const GameState& state = p.game.state();
    while (state.blnInGame) {
        const Par best = findPar(p.game.patternsToCome(), std::chrono::minutes(1), kGoOn,
                                 {maskOf(state.blnGrid), state.intScore});
        players::playAlong(p.game, p.fake, {best.play.front()});
    }
    EXPECT_EQ(state.intScore, 435);
}

TEST(ParTest, WhatASecondSearchLeavesInTheTableLeadsTheFirstToThePar) {
    // The second search alone fills the table before the first one starts: what it learnt of
    // each state holds, so the first proves the par all the same, 10 above the first play's.
    RealDeal p;
    p.deal(14);
    TranspositionTable table;
    ParSearch first(p.patterns(), {}, ParClock::now() + std::chrono::minutes(1), kGoOn, table);
    ParSearch(first, kGoOn).help();
    const Par par = first.run();
    EXPECT_TRUE(par.proven);
    EXPECT_EQ(par.score, 425);
}

TEST(ParTest, ItsTableGivesBackWhatWasStoredUnderAKeyAndNothingUnderAnother) {
    // A million states of every piece on random boards, stored; as many others, never stored. The
    // table may lose a state to make room, but never answers for one state with another's.
    using Key = TranspositionTable::Key;
    const auto knownOf = [](Key key) {
        return TranspositionTable::Known{static_cast<int>(key % 2001) - 1000, (key & 2) != 0,
                                         static_cast<int>(key >> 2 & 31)};
    };
    TranspositionTable table;
    std::mt19937 rng(11);
    std::vector<Key> stored;  // boards of even number; the others are the odd ones
    for (int i = 0; i < 1 << 20; ++i)
        stored.push_back(static_cast<Key>(rng() % 35 << 26 | (rng() & 0x3FFFFFEu)));
    for (const Key key : stored)
        table.store(key, knownOf(key));
    int kept = 0;
    int wrong = 0;
    for (const Key key : stored) {
        const std::optional<TranspositionTable::Known> known = table.find(key);
        if (known) {
            ++kept;
            wrong += *known != knownOf(key);
        }
        wrong += table.find(key | 1).has_value();
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(kept, 99 * static_cast<int>(stored.size()) / 100);
}

}  // namespace fitzel::test
