// Placing a piece: the edge test, the footprint and overlap, the preview and the board click.
#include "GameFixture.h"

namespace fitzel::test {
namespace {

using PlacementTest = GameTest;

// Whether pattern position j (1 to 9) put at board cell n falls off the board or wraps.
bool leavesBoard(int n, int j) {
    int row = (n - 1) / 5 + (j - 1) / 3 - 1;
    int col = (n - 1) % 5 + (j - 1) % 3 - 1;
    return row < 0 || row > 4 || col < 0 || col > 4;
}

TEST_F(PlacementTest, EdgeTestRefusesExactlyThePositionsThatLeaveOrWrap) {
    // Only an exact "0" counts as empty: a "1", "2", other character or missing one is the piece.
    std::vector<std::string> patterns;
    for (int j = 1; j <= 9; ++j) {
        for (char mark : {'1', '2', 'x'}) {
            std::string p = kSingle;
            p[j - 1] = mark;
            patterns.push_back(p);
        }
    }
    for (std::size_t length = 0; length <= 9; ++length) {
        patterns.push_back(kSingle.substr(0, length));
    }
    patterns.push_back("000010000111");  // characters after the ninth have no effect
    for (const auto& pattern : patterns) {
        game.strShapes[1] = pattern;
        game.intCurrentPiece = 1;
        for (int n = 0; n <= 26; ++n) {
            bool onBoard = n >= 1 && n <= 25;
            for (int j = 1; j <= 9 && onBoard; ++j) {
                bool empty = j <= static_cast<int>(pattern.size()) && pattern[j - 1] == '0';
                onBoard = j == 5 || empty || !leavesBoard(n, j);
            }
            game.blnOnBoard = !onBoard;
            game.CheckEdges(n);
            EXPECT_EQ(game.blnOnBoard, onBoard) << "pattern \"" << pattern << "\" at cell " << n;
        }
    }
}

struct FootprintCase {
    std::string pattern;
    int cell;
    std::vector<int> covered;
};

TEST_F(PlacementTest, FootprintCoversExactlyTheOnesAndAKeySquareOfOneOrTwo) {
    // A position covers its cell only for "1" (the key square also for "2"); any filled covered
    // cell, and only such a cell, is an overlap.
    const std::vector<FootprintCase> cases = {
        {kPlus, 7, {2, 6, 7, 8, 12}},
        {"000020000", 13, {13}},
        {"010101010", 13, {8, 12, 14, 18}},  // key square "0": the clicked cell is not covered
        {"121111111", 13, {7, 9, 12, 13, 14, 17, 18, 19}},
        {"1x1x2x1x1", 13, {7, 9, 13, 17, 19}},
        {"0000100001111", 13, {13}},
        {"0100", 13, {8}},
        {kFull, 19, {13, 14, 15, 18, 19, 20, 23, 24, 25}},
        {"000010000", 25, {25}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern + " at " + std::to_string(c.cell));
        game.strShapes[1] = c.pattern;
        game.intCurrentPiece = 1;
        game.blnGrid = {};
        game.blnFootprint.fill(true);
        game.CanPlace(c.cell);
        std::array<bool, 26> expected{};
        for (int n : c.covered)
            expected[n] = true;
        EXPECT_EQ(cells(game.blnFootprint), cells(expected));
        EXPECT_FALSE(game.blnOverlap);
        for (int n = 1; n <= 25; ++n) {
            game.blnGrid = {};
            game.blnGrid[n] = true;
            game.CanPlace(c.cell);
            EXPECT_EQ(game.blnOverlap, expected[n]) << "cell " << n << " filled";
        }
    }
}

TEST_F(PlacementTest, PreviewFillsTheDigitsOneToNineOnly) {
    // The preview shows a position filled when its character is a digit other than "0".
    const std::vector<std::pair<std::string, std::string>> cases = {
        {kSingle, "....#...."},        {kFull, "#########"},       {"0000200", "....#...."},
        {"a1b1c1d1e", ".#.#.#.#."},    {"900050009", "#...#...#"}, {"", "........."},
        {"000000000111", "........."}, {"1 -1+1.1/", "#..#.#.#."},
    };
    for (const auto& [pattern, expected] : cases) {
        SCOPED_TRACE(pattern);
        game.strShapes[1] = pattern;
        game.intCurrentPiece = 1;
        game.DrawPreview();
        EXPECT_EQ(cells(game.blnPreview), expected);
        EXPECT_EQ(cells(fake.preview), expected);
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(fake.preview[n].path,
                      fake.path(expected[n - 1] == '#' ? "EGFilled.bmp" : "EGEmpty.bmp"));
        }
    }
}

TEST_F(PlacementTest, APieceThatFitsIsWrittenShownAndTheNextOneDealt) {
    // The plus at cell 7 fills its five cells, and the scratch state is clean afterwards.
    start(3);
    deal({9});
    game.picGrid_Click(7);
    EXPECT_EQ(cells(game.blnGrid), boardOf({2, 6, 7, 8, 12}));
    EXPECT_EQ(cells(fake.board), boardOf({2, 6, 7, 8, 12}));
    EXPECT_EQ(fake.board[7].path, fake.path("GridFilled.bmp"));
    EXPECT_EQ(fake.board[1].path, fake.path("GridEmpty.bmp"));
    EXPECT_EQ(cells(game.blnFootprint), std::string(25, '.'));
    EXPECT_FALSE(game.blnOnBoard);
    EXPECT_EQ(game.intCheckCount, 1);
    EXPECT_EQ(game.intCurrentPiece, 9);
    EXPECT_EQ(game.intScore, 0) << "placing earns nothing by itself";
}

TEST_F(PlacementTest, ARefusedClickChangesNothingButTheCheckingFlags) {
    // Off the edge, onto a filled cell, covering nothing, out of range, or with no game.
    struct Refusal {
        const char* why;
        std::string pattern;
        std::vector<int> filled;
        int cell;
    };
    const std::vector<Refusal> cases = {
        {"plus at a corner", kPlus, {}, 1},
        {"wraps at the right edge", "000011000", {}, 10},
        {"covered cell filled", kPlus, {12}, 7},
        {"clicked cell filled", kSingle, {13}, 13},
        {"covers no cell", "000000000", {}, 13},
        {"short and empty", "0000", {}, 13},
        {"cell 0", kSingle, {}, 0},
        {"cell 26", kSingle, {}, 26},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::vector<std::string> shapes(35, kSingle);
        shapes[0] = c.pattern;
        writeShapes(shapes);
        game.LoadShapes();
        deal({1});
        game.NewGame();
        for (int n : c.filled)
            game.blnGrid[n] = true;
        const std::string before = cells(game.blnGrid);
        const auto paints = fake.boardLog.size();
        const int draws = fake.randomCalls;
        game.picGrid_Click(c.cell);
        EXPECT_EQ(cells(game.blnGrid), before);
        EXPECT_EQ(fake.boardLog.size(), paints);
        EXPECT_EQ(fake.randomCalls, draws);
        EXPECT_EQ(game.intCurrentPiece, 1);
        EXPECT_EQ(game.intPiecesLeft, 34);
        EXPECT_TRUE(fake.running(TimerId::TimeLeft));
    }
}

TEST_F(PlacementTest, ClicksAndSkipDoNothingOutsideAGame) {
    // Before the first game and after game over, clicks and Skip change nothing.
    game.LoadShapes();
    game.intCurrentPiece = 1;
    game.AddScore(9);
    const int labels = fake.labelSets;
    game.picGrid_Click(13);
    game.btnSkip_Click();
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_TRUE(fake.boardLog.empty());
    EXPECT_EQ(game.intScore, 9);
    EXPECT_EQ(fake.labelSets, labels);
    EXPECT_EQ(fake.randomCalls, 0);
    EXPECT_TRUE(fake.armLog.empty());

    start(7);
    game.intPiecesLeft = 0;
    game.btnSkip_Click();  // ends the game
    ASSERT_FALSE(game.blnInGame);
    const auto paints = fake.boardLog.size();
    game.picGrid_Click(13);
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_EQ(fake.boardLog.size(), paints);
    EXPECT_EQ(fake.strip[7].cell, kCurrent) << "the last piece keeps its current picture";
    EXPECT_EQ(cells(fake.preview), "....#....");
}

TEST_F(PlacementTest, KeySquareZeroPlacesAroundAFilledClickedCell) {
    // A piece without its key square covers only its other cells, whatever the clicked cell holds.
    std::vector<std::string> shapes(35, kSingle);
    shapes[0] = "010000000";
    writeShapes(shapes);
    start(1);
    EXPECT_EQ(cells(fake.preview), ".#.......");
    fill({13});
    game.picGrid_Click(13);
    EXPECT_EQ(cells(game.blnGrid), boardOf({8, 13}));
}

}  // namespace
}  // namespace fitzel::test
