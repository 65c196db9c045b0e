// Finding, scoring and clearing complete blocks, the re-check chain and clicks held meanwhile.
#include <map>
#include <random>

#include "GameFixture.h"

namespace fitzel::test {

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
    game.setUpForTest({.piecesLeft = 0});  // no clearing, so one search at a time
    const auto table = candidates();
    // 9 cells score 30, 6 cells 15, 4 cells 5; the cells fill the last slots
    const std::map<std::size_t, int> points = {{0, 0}, {4, 5}, {6, 15}, {9, 30}};
    std::mt19937 rng(7);
    std::vector<std::string> wrong;
    for (int i = 0; i < 20000; ++i) {  // random boards, from sparse to nearly full
        std::string board(25, '.');
        for (char& c : board)
            c = rng() % 100 < 30u + i % 70 ? '#' : '.';
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
        game.setUpForTest({.filled = filledIn(board), .score = 0});
        game.CheckBlocks();
        const GameState& now = game.state();
        if (now.intScore != points.at(block.size()) || cells(now.blnGrid) != after ||
            now.intClearCell != slots)
            wrong.push_back(board);
    }
    EXPECT_TRUE(wrong.empty()) << wrong.size() << " boards wrong, the first: " << wrong.front();
}

TEST_F(BlocksTest, AScoredBlockVanishesCellByCellInReadingOrder) {
    // A block's cells go empty on screen one timer at a time in reading order, each timer once,
    // the clearing lasting until the last.
    for (const std::vector<int>& block : std::vector<std::vector<int>>{
             {1, 2, 6, 7}, {4, 5, 9, 10, 14, 15}, {13, 14, 15, 18, 19, 20, 23, 24, 25}}) {
        game.setUpForTest({.filled = block, .piecesLeft = 10});
        game.DrawBoard();
        game.CheckBlocks();
        for (std::size_t gone = 1; gone <= block.size(); ++gone) {
            EXPECT_TRUE(game.state().blnClearing);
            EXPECT_TRUE(fake.fireNext());
            EXPECT_EQ(fake.board, boardOf({block.begin() + gone, block.end()})) << gone;
        }
        EXPECT_FALSE(game.state().blnClearing || fake.fireNext()) << "each timer fired once";
    }
}

TEST_F(BlocksTest, APlacementScoresAtMostThreeBlocksAndAHeldClickWaitsForTheLast) {
    // Up to three blocks per placement, one a clearing; a click meanwhile waits for the last.
    struct Chain {
        std::string board;        // with the cell about to be placed
        int placed;               // that cell
        std::vector<int> scores;  // the score after each search that finds a block
        std::vector<int> left;    // the cells left
        int held;                 // a cell clicked during the clearings (0: none)
    };
    const std::vector<Chain> chains = {
        // In turn: a 3x2 beats the 2x3 it overlaps; two 2x2; a full board, its last 2x2 waiting
        // for the next placement; two overlapping 3x2; a 3x3 hides its inner blocks; four 2x2,
        // the last waiting.
        {"###..###..##.............", 8, {15}, {11, 12}, 13},
        {"##.####.##...............", 7, {5, 10}, {}, 13},
        {"#########################", 25, {30, 45, 60}, {19, 20, 24, 25}, 0},
        {"####.####................", 9, {15}, {4, 9}, 13},
        {"......###..###..###......", 13, {30}, {}, 13},
        {"##.####.##.....##.####.##", 25, {5, 10, 15}, {19, 20, 24, 25}, 0},
    };
    start(1);
    for (auto [board, placed, scores, left, held] : chains) {
        SCOPED_TRACE(board);
        board[placed - 1] = '.';
        game.setUpForTest({.filled = filledIn(board), .score = 0});
        game.picGrid_Click(placed);
        game.picGrid_Click(held);  // of two clicks during the clearings only the first is kept
        game.picGrid_Click(3);
        for (int score : scores) {  // each clearing's end redraws the board and searches again
            EXPECT_EQ(game.state().intScore, score);
            fake.advance(fake.interval(clearTimer(9)) - 1);
            EXPECT_TRUE(game.state().blnClearing) << "the click waits";
            EXPECT_FALSE(game.state().blnGrid[held]) << "the click waits";
            fake.advance(1);
            EXPECT_EQ(fake.board, cells(game.state().blnGrid)) << "redrawn as the clearing ends";
        }
        if (held)
            left.push_back(held);
        EXPECT_EQ(fake.board, boardOf(left));
        EXPECT_EQ(game.state().intScore, scores.back());
    }
}

TEST(HeldClick, BelongsToItsGameWhichEndsOnceWhateverTheClearingDoes) {
    // The end of the game and a new game drop a click held during a clearing.
    for (const bool newGame : {false, true}) {
        Program p;
        std::vector<std::string> shapes(35, kSingle);
        shapes[1] = "000011011";  // piece 2: a 2x2 square, its key square top left
        p.writeShapes(shapes);
        p.start(2);
        p.game.setUpForTest({.piecesLeft = 1});  // the square is the next to last piece
        p.deal({5, 7});
        p.game.picGrid_Click(1);  // completes the 2x2 at cell 1: cleared until 400 ms
        p.game.picGrid_Click(13);
        p.fake.duringBox = [&] { p.fake.advance(400); };  // the clearing ends behind the box
        if (newGame)
            p.game.NewGame();
        else
            p.game.btnSkip_Click();
        p.fake.advance(400);
        EXPECT_EQ(cells(p.game.state().blnGrid), boardOf({}));
        EXPECT_EQ(p.fake.boxes.size(), newGame ? 0u : 1u) << "the game ends once";
        EXPECT_EQ(p.fake.strip[4], newGame ? '0' : '2') << "piece 5, the old game's last";
        EXPECT_EQ(p.state(), newGame ? "Score\n0|Time Left\n10|piece 7|34 left|playing"
                                     : "Score\n0|Time Left\n10|piece 5|0 left|over");
    }
}

}  // namespace fitzel::test
