// Finding, scoring and clearing complete blocks, with the re-check chain and held clicks.
#include <algorithm>
#include <numeric>
#include <random>
#include <set>

#include "GameFixture.h"

namespace fitzel::test {
namespace {

using BlocksTest = GameTest;

// The 49 candidates by the rule alone: shapes 3x3, 3x2, 2x3, 2x2 (columns x rows), each at every
// top-left cell that keeps it on the board, in reading order; cells in reading order.
std::vector<std::vector<int>> candidates() {
    std::vector<std::vector<int>> all;
    for (const auto& [columns, rows] : {std::pair{3, 3}, {3, 2}, {2, 3}, {2, 2}}) {
        for (int n = 1; n <= 25; ++n) {
            if ((n - 1) / 5 + rows > 5 || (n - 1) % 5 + columns > 5)
                continue;
            all.emplace_back();
            for (int i = 0; i < rows * columns; ++i)
                all.back().push_back(n + 5 * (i / columns) + i % columns);
        }
    }
    return all;
}

TEST_F(BlocksTest, OnAnyBoardTheFirstCompleteCandidateIsTheOneScored) {
    // The search scores, empties and puts in the clearing slots the first complete candidate.
    game.intPiecesLeft = 0;  // no clearing, so one search at a time
    const auto table = candidates();
    ASSERT_EQ(table.size(), 49u);
    std::vector<std::string> boards;  // each candidate alone and with each other, and random boards
    for (std::size_t i = 0; i < 49 * 49; ++i) {
        std::vector<int> both = table[i / 49];
        both.insert(both.end(), table[i % 49].begin(), table[i % 49].end());
        boards.push_back(boardOf(both));
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 20000; ++i) {  // from sparse to nearly full
        boards.emplace_back(25, '.');
        for (char& c : boards.back())
            c = rng() % 100 < 30u + i % 70 ? '#' : '.';
    }
    std::vector<std::string> wrong;
    for (const std::string& board : boards) {
        const auto first = std::find_if(table.begin(), table.end(), [&](const auto& block) {
            return std::all_of(block.begin(), block.end(),
                               [&](int n) { return board[n - 1] == '#'; });
        });
        const std::vector<int> block = first == table.end() ? std::vector<int>{} : *first;
        std::string after = board;
        for (int n : block)
            after[n - 1] = '.';
        std::array<std::int16_t, 10> slots{};
        std::copy(block.begin(), block.end(), slots.end() - block.size());
        for (int n = 1; n <= 25; ++n)
            game.blnGrid[n] = board[n - 1] == '#';
        game.intScore = 0;
        game.CheckBlocks();
        // 9 cells score 30, 6 cells 15, 4 cells 5; the cells fill the last slots
        const int points = block.size() == 9 ? 30 : block.size() == 6 ? 15 : block.empty() ? 0 : 5;
        if (game.intScore != points || cells(game.blnGrid) != after || game.intClearCell != slots)
            wrong.push_back(board);
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " boards wrong, the first: " << wrong.front();
}

TEST_F(BlocksTest, AScoredBlockVanishesCellByCellOnItsSchedule) {
    // Each slot's timer paints its cell empty on schedule; the ninth ends the clearing.
    const std::vector<std::pair<std::vector<int>, std::vector<int>>> blocks = {
        {{1, 2, 6, 7}, {250, 300, 350, 400}},
        {{4, 5, 9, 10, 14, 15}, {200, 250, 300, 350, 400, 450}},
        {{18, 19, 20, 23, 24, 25}, {200, 250, 300, 350, 400, 450}},
        {{13, 14, 15, 18, 19, 20, 23, 24, 25}, {250, 275, 300, 325, 350, 375, 400, 425, 450}},
    };
    game.LoadShapes();
    game.intPiecesLeft = 10;
    for (const auto& [block, times] : blocks) {
        SCOPED_TRACE(boardOf(block));
        game.intCheckCount = 0;
        fill(block);
        game.DrawBoard();
        const long t0 = fake.now();
        const std::size_t arms = fake.armLog.size(), paints = fake.boardLog.size();
        game.CheckBlocks();
        EXPECT_EQ(cells(fake.board), boardOf(block)) << "it shows until its timers paint it";
        EXPECT_TRUE(game.blnClearing);
        std::vector<FakePlatform::TimerEvent> wantArms;
        std::vector<FakePlatform::BoardPaint> wantPaints;
        for (std::size_t i = 0; i < block.size(); ++i) {
            const int slot = static_cast<int>(10 - block.size() + i);
            wantArms.emplace_back(t0, clearTimer(slot), times[i]);
            wantPaints.emplace_back(t0 + times[i], block[i], CellLook::Empty);
        }
        EXPECT_EQ(std::vector(fake.armLog.begin() + arms, fake.armLog.end()), wantArms);
        fake.advance(times.back() - 1);
        EXPECT_TRUE(game.blnClearing);
        fake.advance(1);
        ASSERT_GE(fake.boardLog.size(), paints + block.size());
        EXPECT_EQ(std::vector(fake.boardLog.begin() + paints,
                              fake.boardLog.begin() + paints + block.size()),
                  wantPaints);
        EXPECT_FALSE(game.blnClearing);
        EXPECT_EQ(game.intCheckCount, 2) << "one re-check, which found nothing";
        EXPECT_EQ(cells(fake.board), boardOf({}));
        EXPECT_FALSE(fake.fireNext()) << "each timer fired once";
    }
}

TEST_F(BlocksTest, ReChecksScoreAtMostThreeBlocksPerPlacement) {
    // Each clearing's end searches again, up to three searches, and the count then starts over.
    struct Chain {
        const char* name;
        std::vector<int> filled;
        std::vector<int> scores;  // after the placement's search and each re-check
        std::vector<int> left;
    };
    std::vector<int> all(25);
    std::iota(all.begin(), all.end(), 1);
    const std::vector<Chain> chains = {
        {"full board", all, {30, 45, 60}, {19, 20, 24, 25}},
        {"3x2 beats the 2x3 it overlaps", {1, 2, 3, 6, 7, 8, 11, 12}, {15, 15}, {11, 12}},
        {"two overlapping 3x2", {1, 2, 3, 4, 6, 7, 8, 9}, {15, 15}, {4, 9}},
        {"3x3 at 7 hides its inner blocks", {7, 8, 9, 12, 13, 14, 17, 18, 19}, {30, 30}, {}},
        {"two disjoint 2x2", {1, 2, 6, 7, 4, 5, 9, 10}, {5, 10, 10}, {}},
        {"four disjoint 2x2",
         {1, 2, 6, 7, 4, 5, 9, 10, 16, 17, 21, 22, 19, 20, 24, 25},
         {5, 10, 15},
         {19, 20, 24, 25}},
    };
    game.LoadShapes();
    game.intPiecesLeft = 10;
    for (const auto& c : chains) {
        SCOPED_TRACE(c.name);
        game.blnGrid = {};
        fill(c.filled);
        game.intScore = game.intCheckCount = 0;
        game.CheckBlocks();
        for (std::size_t run = 0; run < c.scores.size(); ++run) {
            EXPECT_EQ(game.intScore, c.scores[run]) << "after search " << run + 1;
            EXPECT_EQ(game.intCheckCount, static_cast<int>(run + 1));
            if (run + 1 == c.scores.size()) {
                break;
            }
            fake.advance(game.intClearCell[5] == 0 ? 399 : 449);
            EXPECT_TRUE(game.blnClearing) << "the clearing lasts to its ninth timer";
            fake.advance(1);
            EXPECT_EQ(cells(fake.board), cells(game.blnGrid)) << "redrawn when a clearing ends";
        }
        if (c.scores.size() == 3) {  // a clearing started by the third search ends without one
            fake.advance(450);
            EXPECT_EQ(game.intCheckCount, c.scores[2] != c.scores[1] ? 0 : 3);
        }
        EXPECT_FALSE(game.blnClearing);
        EXPECT_EQ(cells(game.blnGrid), boardOf(c.left));
        EXPECT_EQ(cells(fake.board), boardOf(c.left));
        EXPECT_EQ(game.intScore, c.scores.back());
    }
}

TEST_F(BlocksTest, WithNoPieceLeftAStarterArmsNothingAndLeavesTheFlag) {
    // The block of a game's last placement is scored but never cleared on screen.
    for (auto starter :
         {&modGeneral::StartClear4, &modGeneral::StartClear6, &modGeneral::StartClear9}) {
        for (bool flag : {false, true}) {
            game.intPiecesLeft = 0;
            game.blnClearing = flag;
            (game.*starter)();
            EXPECT_EQ(game.blnClearing, flag);
        }
    }
    EXPECT_TRUE(fake.armLog.empty());
}

TEST(HeldClick, WaitsForTheEndOfEveryClearingAndOnlyTheFirstIsKept) {
    // A click during clearings is placed when the last ends, with the piece current then.
    struct Case {
        const char* name;
        std::vector<int> filled;
        long placedAt;
        int score;
    };
    for (const Case& c : {Case{"one block", {}, 400, 5},
                          Case{"the re-check finds a second block", {4, 5, 9, 10}, 800, 10}}) {
        SCOPED_TRACE(c.name);
        Program p;
        p.start(2);
        p.fill(c.filled);
        p.deal({5, 6});
        p.game.picGrid_Click(1);  // the square completes the 2x2 at cell 1
        EXPECT_EQ(p.game.intCurrentPiece, 5);
        p.fake.advance(100);
        p.game.picGrid_Click(13);
        p.game.picGrid_Click(19);
        p.fake.advance(c.placedAt - 101);
        EXPECT_EQ(cells(p.game.blnGrid), boardOf({}));
        EXPECT_TRUE(p.game.blnClearing);
        EXPECT_EQ(p.game.heldClick, 13);
        p.fake.advance(1);
        EXPECT_FALSE(p.game.heldClick.has_value());
        EXPECT_EQ(cells(p.game.blnGrid), boardOf({13}));
        EXPECT_EQ(cells(p.fake.board), boardOf({13}));
        EXPECT_EQ(p.game.intCurrentPiece, 6);
        EXPECT_EQ(p.game.intPiecesLeft, 32);
        EXPECT_EQ(p.game.intCheckCount, 1);
        EXPECT_EQ(p.game.intScore, c.score);
    }
}

TEST(HeldClick, BelongsToItsGameWhichEndsOnceWhateverTheClearingDoes) {
    // The end of the game and a new game drop a click held during a clearing.
    enum class End { SkipLastPiece, LastPieceTimesOut, NewGame };
    for (End end : {End::SkipLastPiece, End::LastPieceTimesOut, End::NewGame}) {
        SCOPED_TRACE(static_cast<int>(end));
        Program p;
        p.start(2);
        p.game.AddScore(40);
        p.game.intPiecesLeft = 1;  // the square is the next to last piece
        p.fake.advance(900);
        p.deal({5});
        p.game.picGrid_Click(1);  // completes the 2x2 at cell 1: cleared until 1300
        p.fake.advance(50);
        p.game.picGrid_Click(13);
        ASSERT_EQ(p.game.heldClick, 13);
        // The clearing ends while the game-over box is open.
        p.fake.duringBox = [&](const std::string&) { p.fake.advance(400); };
        if (end == End::SkipLastPiece) {
            p.game.btnSkip_Click();
        } else if (end == End::LastPieceTimesOut) {
            p.game.intTimeLeft = 1;
            p.fake.advance(50);
        } else {
            p.deal({7});
            p.game.NewGame();
            p.fake.advance(400);
        }
        EXPECT_FALSE(p.game.blnClearing);
        EXPECT_EQ(cells(p.game.blnGrid), boardOf({}));
        if (end == End::NewGame) {
            EXPECT_EQ(p.state(), "Score\n0|Time Left\n10|piece 7|34 left|playing");
            continue;
        }
        EXPECT_EQ(p.gameOverBoxes(), 1);
        EXPECT_EQ(p.fake.scoresWindowShown, 1);
        const int score = end == End::SkipLastPiece ? 38 : 45;
        EXPECT_EQ(scoresIn(p.fake.files.at(p.fake.path("Config.cfg"))),
                  (HighScores{0, static_cast<std::int16_t>(score), 0, 0, 0, 0}));
    }
}

TEST_F(BlocksTest, TheLastPieceCompletingABlockScoresWithoutAClearing) {
    // The points come, the cells stay showing filled, no timer runs and the game ends.
    start(2);
    game.intPiecesLeft = 0;
    game.AddScore(40);
    bool turnTimerAtBox = true;
    fake.duringBox = [&](const auto&) { turnTimerAtBox = fake.running(TimerId::TimeLeft); };
    game.picGrid_Click(1);
    EXPECT_FALSE(turnTimerAtBox) << "the turn timer stops before the game-over box";
    EXPECT_EQ(game.intScore, 45);
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_FALSE(game.blnClearing);
    EXPECT_EQ(gameOverBoxes(), 1);
    EXPECT_FALSE(fake.fireNext()) << "no timer runs after the last placement";
    EXPECT_EQ(cells(fake.board), boardOf({1, 2, 6, 7}));
}

}  // namespace
}  // namespace fitzel::test
