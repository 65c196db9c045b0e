// Finding, scoring and clearing complete blocks, with the re-check chain and held clicks.
#include <algorithm>
#include <map>
#include <random>

#include "GameFixture.h"
#include "game/Tables.h"

namespace fitzel::test {
namespace {

struct Block {
    int cols, rows, points;
    std::vector<int> cells;  // reading order
};

// The candidates built from the rule alone: shapes 3x3, 3x2, 2x3, 2x2 (columns x rows); within a
// shape every top-left cell that keeps the block on the board, in reading order.
std::vector<Block> candidatesByRule() {
    std::vector<Block> all;
    for (auto [cols, rows, points] :
         {std::array{3, 3, 30}, std::array{3, 2, 15}, std::array{2, 3, 15}, std::array{2, 2, 5}}) {
        for (int n = 1; n <= 25; ++n) {
            int row = (n - 1) / 5, col = (n - 1) % 5;
            if (row + rows > 5 || col + cols > 5) {
                continue;
            }
            Block b{cols, rows, points, {}};
            for (int r = 0; r < rows; ++r) {
                for (int c = 0; c < cols; ++c) {
                    b.cells.push_back(n + 5 * r + c);
                }
            }
            all.push_back(b);
        }
    }
    return all;
}

// Milliseconds after the start at which each slot's cell goes empty, by block size.
std::map<int, int> scheduleFor(std::size_t size) {
    if (size == 4) {
        return {{6, 250}, {7, 300}, {8, 350}, {9, 400}};
    }
    if (size == 6) {
        return {{4, 200}, {5, 250}, {6, 300}, {7, 350}, {8, 400}, {9, 450}};
    }
    return {{1, 250}, {2, 275}, {3, 300}, {4, 325}, {5, 350},
            {6, 375}, {7, 400}, {8, 425}, {9, 450}};
}

std::array<std::int16_t, 10> slotsFor(const std::vector<int>& cells) {
    std::array<std::int16_t, 10> slots{};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        slots[10 - cells.size() + i] = static_cast<std::int16_t>(cells[i]);
    }
    return slots;
}

using BlocksTest = GameTest;

TEST(CandidateTable, FollowsTheOrderingRule) {
    // The fixed table lists the blocks larger first, wide before tall, then in reading order.
    auto expected = candidatesByRule();
    ASSERT_EQ(expected.size(), kCandidates.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        const Candidate& c = kCandidates[i];
        EXPECT_EQ(c.count, static_cast<int>(expected[i].cells.size()));
        EXPECT_EQ(c.points, expected[i].points);
        EXPECT_EQ(std::vector<int>(c.cells.begin(), c.cells.begin() + c.count), expected[i].cells);
        Shape shape = expected[i].cells.size() == 9   ? Shape::Square9
                      : expected[i].cells.size() == 4 ? Shape::Square4
                      : expected[i].cols == 3         ? Shape::Wide6
                                                      : Shape::Tall6;
        EXPECT_EQ(c.shape, shape);
    }
}

TEST_F(BlocksTest, EachCandidateAloneScoresFillsItsSlotsAndVanishesOnSchedule) {
    // Every block on its own is found, scored, emptied at once and painted empty cell by cell.
    game.LoadShapes();
    game.intPiecesLeft = 10;
    for (const Block& b : candidatesByRule()) {
        SCOPED_TRACE("block at " + std::to_string(b.cells.front()) + " of " +
                     std::to_string(b.cells.size()));
        game.intScore = 0;
        game.intCheckCount = 0;
        for (int n : b.cells) {
            game.blnGrid[n] = true;
        }
        game.DrawBoard();
        const long t0 = fake.now();
        const std::size_t fired = fake.fireLog.size(), armed = fake.armLog.size();
        game.CheckBlocks();
        EXPECT_EQ(game.intScore, b.points);
        EXPECT_EQ(game.intClearCell, slotsFor(b.cells));
        EXPECT_EQ(cells(game.blnGrid), std::string(25, '.'));
        EXPECT_EQ(cells(fake.board), boardOf(b.cells))
            << "the block still shows until its timers paint it";
        EXPECT_TRUE(game.blnClearing);
        EXPECT_EQ(game.intCheckCount, 1);

        std::vector<FakePlatform::TimerEvent> expectArm, expectFire;
        for (auto [slot, ms] : scheduleFor(b.cells.size())) {
            expectArm.push_back({t0, clearTimer(slot), ms});
            expectFire.push_back({t0 + ms, clearTimer(slot), 0});
        }
        EXPECT_EQ(std::vector(fake.armLog.begin() + armed, fake.armLog.end()), expectArm);
        fake.advance(500);
        std::vector<FakePlatform::TimerEvent> fires;
        for (std::size_t i = fired; i < fake.fireLog.size(); ++i) {
            fires.push_back(fake.fireLog[i]);
        }
        EXPECT_EQ(fires, expectFire);
        for (const auto& f : expectFire) {  // the first paint of each firing is its own cell
            auto paint = std::find_if(fake.boardLog.begin(), fake.boardLog.end(),
                                      [&](const auto& p) { return p.time == f.time; });
            ASSERT_NE(paint, fake.boardLog.end());
            EXPECT_EQ(paint->cell, slotsFor(b.cells)[clearSlot(f.timer)]);
            EXPECT_EQ(paint->look, CellLook::Empty);
        }
        EXPECT_FALSE(game.blnClearing);
        EXPECT_EQ(game.intCheckCount, 2) << "one re-check, which found nothing";
        EXPECT_EQ(game.intScore, b.points);
        EXPECT_EQ(cells(fake.board), std::string(25, '.'));
        for (int k = 0; k < kTimerCount; ++k) {
            EXPECT_FALSE(fake.running(static_cast<TimerId>(k))) << "timer " << k;
        }
    }
}

TEST_F(BlocksTest, TheFirstCompleteCandidateInTableOrderIsTheOneScored) {
    // On any board the search takes the first complete block of the ordered list, and only it.
    game.intPiecesLeft = 0;  // no clearing, so one search at a time
    auto table = candidatesByRule();
    std::vector<std::set<int>> boards;
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {  // two blocks, overlapping or not
            std::set<int> s(table[i].cells.begin(), table[i].cells.end());
            s.insert(table[j].cells.begin(), table[j].cells.end());
            boards.push_back(s);
        }
        for (int gap : table[i].cells) {  // a block lacking one cell
            std::set<int> s(table[i].cells.begin(), table[i].cells.end());
            s.erase(gap);
            boards.push_back(s);
        }
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        std::set<int> s;
        for (int n = 1; n <= 25; ++n) {
            if (rng() % 100 < 60)
                s.insert(n);
        }
        boards.push_back(s);
    }
    std::vector<std::string> wrong;
    for (const auto& filled : boards) {
        const Block* first = nullptr;
        for (const auto& b : table) {
            if (std::all_of(b.cells.begin(), b.cells.end(),
                            [&](int n) { return filled.count(n); })) {
                first = &b;
                break;
            }
        }
        std::string before(25, '.'), after;
        for (int n : filled)
            before[n - 1] = '#';
        after = before;
        if (first != nullptr) {
            for (int n : first->cells)
                after[n - 1] = '.';
        }
        game.blnGrid = {};
        for (int n : filled)
            game.blnGrid[n] = true;
        game.intScore = 0;
        game.intCheckCount = 0;
        const std::size_t paints = fake.boardLog.size(), arms = fake.armLog.size();
        game.CheckBlocks();
        auto slots = first ? slotsFor(first->cells) : std::array<std::int16_t, 10>{};
        // With no block the board is redrawn; a block is left showing for its clearing.
        if (game.intScore != (first ? first->points : 0) || cells(game.blnGrid) != after ||
            game.intClearCell != slots || fake.armLog.size() != arms ||
            fake.boardLog.size() != paints + (first ? 0 : 25) ||
            (!first && cells(fake.board) != before)) {
            wrong.push_back(before);
        }
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " boards wrong, the first: " << wrong.front();
}

struct ChainCase {
    const char* name;
    std::vector<int> filled;
    std::vector<int> scoreAfterEachSearch;  // score after the placement's run and each re-check
    std::vector<int> left;
};

TEST_F(BlocksTest, ReChecksScoreAtMostThreeBlocksPerPlacement) {
    // Each clearing's end searches again, up to three searches, and the count then starts over.
    std::vector<int> all(25);
    for (int n = 1; n <= 25; ++n)
        all[n - 1] = n;
    const std::vector<ChainCase> cases = {
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        game.blnGrid = {};
        for (int n : c.filled)
            game.blnGrid[n] = true;
        game.intScore = 0;
        game.intCheckCount = 0;
        game.CheckBlocks();
        for (std::size_t run = 0; run < c.scoreAfterEachSearch.size(); ++run) {
            EXPECT_EQ(game.intScore, c.scoreAfterEachSearch[run]) << "after search " << run + 1;
            EXPECT_EQ(game.intCheckCount, static_cast<int>(run + 1));
            bool more = run + 1 < c.scoreAfterEachSearch.size();
            if (!more) {
                break;
            }
            const std::size_t size = std::count_if(
                game.intClearCell.begin() + 1, game.intClearCell.end(), [](auto v) { return v; });
            fake.advance(size == 4 ? 399 : 449);
            EXPECT_TRUE(game.blnClearing) << "the clearing lasts to its ninth timer";
            fake.advance(1);
            EXPECT_EQ(cells(fake.board), cells(game.blnGrid)) << "redrawn when a clearing ends";
        }
        const auto& s = c.scoreAfterEachSearch;
        if (s.size() == 3) {  // a clearing started by the third search ends without a search
            fake.advance(450);
            EXPECT_EQ(game.intCheckCount, s[2] != s[1] ? 0 : 3);
        }
        EXPECT_FALSE(game.blnClearing);
        std::string left(25, '.');
        for (int n : c.left)
            left[n - 1] = '#';
        EXPECT_EQ(cells(game.blnGrid), left);
        EXPECT_EQ(cells(fake.board), left);
        EXPECT_EQ(game.intScore, c.scoreAfterEachSearch.back());
    }
}

TEST_F(BlocksTest, StartersArmNothingWhenNoPieceIsLeft) {
    // With no piece left to deal a starter neither arms a timer nor touches the clearing flag.
    using Starter = void (modGeneral::*)();
    const std::vector<std::pair<Starter, std::size_t>> starters = {{&modGeneral::StartClear4, 4},
                                                                   {&modGeneral::StartClear6, 6},
                                                                   {&modGeneral::StartClear9, 9}};
    for (auto [starter, size] : starters) {
        SCOPED_TRACE(size);
        for (bool before : {false, true}) {
            game.intPiecesLeft = 0;
            game.blnClearing = before;
            std::size_t armed = fake.armLog.size();
            (game.*starter)();
            EXPECT_EQ(fake.armLog.size(), armed);
            EXPECT_EQ(game.blnClearing, before);
        }
        game.intPiecesLeft = 1;
        game.blnClearing = false;
        std::size_t armed = fake.armLog.size();
        (game.*starter)();
        EXPECT_TRUE(game.blnClearing);
        std::vector<FakePlatform::TimerEvent> expect;
        for (auto [slot, ms] : scheduleFor(size))
            expect.push_back({fake.now(), clearTimer(slot), ms});
        EXPECT_EQ(std::vector(fake.armLog.begin() + armed, fake.armLog.end()), expect);
    }
}

TEST_F(BlocksTest, AClickDuringAClearingIsHeldUntilItEndsAndOnlyTheFirstIsKept) {
    // The held click is carried out with the piece current when the clearing ends.
    start(2);
    deal({5, 6});
    game.picGrid_Click(1);  // the square completes the 2x2 at cell 1
    EXPECT_EQ(game.intScore, 5);
    EXPECT_EQ(game.intCurrentPiece, 5);
    fake.advance(100);
    game.picGrid_Click(13);
    game.picGrid_Click(19);
    EXPECT_EQ(game.heldClick, 13);
    fake.advance(299);
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_EQ(game.intCurrentPiece, 5);
    fake.advance(1);
    EXPECT_FALSE(game.heldClick.has_value());
    EXPECT_EQ(cells(game.blnGrid), boardOf({13}));
    EXPECT_EQ(cells(fake.board), boardOf({13}));
    EXPECT_EQ(game.intCurrentPiece, 6);
    EXPECT_EQ(game.intPiecesLeft, 32);
    EXPECT_EQ(game.intCheckCount, 1) << "the held placement starts its own count";
}

TEST_F(BlocksTest, AHeldClickWaitsThroughTheClearingThatTheReCheckStarts) {
    // A second block found at the end of the first clearing keeps the click waiting for its end.
    start(2);
    fill({4, 5, 9, 10});
    deal({5});
    game.picGrid_Click(1);
    fake.advance(100);
    game.picGrid_Click(13);
    fake.advance(300);  // t = 400: the first clearing ends, the 2x2 at cell 4 is found
    EXPECT_EQ(game.intScore, 10);
    EXPECT_TRUE(game.blnClearing);
    EXPECT_EQ(game.heldClick, 13);
    EXPECT_EQ(cells(fake.board), boardOf({}));
    fake.advance(399);
    EXPECT_FALSE(game.blnGrid[13]);
    fake.advance(1);
    EXPECT_EQ(cells(game.blnGrid), boardOf({13}));
    EXPECT_FALSE(game.heldClick.has_value());
    EXPECT_EQ(game.intCheckCount, 1) << "the held placement starts its own count";
}

TEST_F(BlocksTest, TheLastPieceCompletingABlockScoresWithoutAClearing) {
    // The points come, the cells stay showing filled, no timer runs and the game ends.
    game.LoadShapes();
    game.ResetLabels();
    for (int k = 35; k >= 1; --k) {
        if (k != 2)
            deal({k});
    }
    deal({2});
    game.NewGame();
    for (int i = 0; i < 34; ++i)
        game.btnSkip_Click();
    ASSERT_EQ(game.intCurrentPiece, 2);
    game.AddScore(40);
    std::size_t armed = fake.armLog.size();
    bool turnTimerAtBox = true;
    fake.duringBox = [&](const auto&) { turnTimerAtBox = fake.running(TimerId::TimeLeft); };
    game.picGrid_Click(1);
    EXPECT_FALSE(turnTimerAtBox) << "the turn timer stops before the game-over box";
    EXPECT_EQ(game.intScore, 45);
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_EQ(cells(fake.board), boardOf({1, 2, 6, 7}));
    EXPECT_FALSE(game.blnClearing);
    EXPECT_EQ(gameOverBoxes(), 1);
    for (std::size_t i = armed; i < fake.armLog.size(); ++i) {
        EXPECT_EQ(fake.armLog[i].interval, 0) << "nothing armed after the last placement";
    }
    fake.advance(1000);
    EXPECT_EQ(cells(fake.board), boardOf({1, 2, 6, 7}));
}

}  // namespace
}  // namespace fitzel::test
