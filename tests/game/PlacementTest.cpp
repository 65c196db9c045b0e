// Placing a piece: the edge test, the footprint and overlap, the preview and the board click.
#include "GameFixture.h"

namespace fitzel::test {
namespace {

using PlacementTest = GameTest;

TEST(Placement, TheEdgeTestRefusesExactlyThePositionsThatLeaveOrWrap) {
    // A piece is refused exactly where a position not "0" would leave the board or wrap a row.
    std::vector<std::string> patterns = {kSingle, "000010000111"};  // past the ninth: no effect
    for (int j = 1; j <= 9; ++j) {
        for (char mark : {'1', '2', 'x'})
            patterns.push_back(kSingle.substr(0, j - 1) + mark + kSingle.substr(j));
        patterns.push_back(kSingle.substr(0, j - 1));
    }
    for (const auto& pattern : patterns) {
        for (int n = 0; n <= 26; ++n) {
            bool fits = n >= 1 && n <= 25;
            for (int j = 1; j <= 9 && fits; ++j) {
                const int row = (n - 1) / 5 + (j - 1) / 3 - 1, col = (n - 1) % 5 + (j - 1) % 3 - 1;
                const bool empty = j <= static_cast<int>(pattern.size()) && pattern[j - 1] == '0';
                fits = j == 5 || empty || (row >= 0 && row <= 4 && col >= 0 && col <= 4);
            }
            EXPECT_EQ(edgesHold(pattern, n), fits) << "pattern \"" << pattern << "\" at cell " << n;
        }
    }
}

TEST_F(PlacementTest, FootprintAndPreviewReadTheCharactersByTheirOwnRules) {
    // Footprint: exact "1" (key square also "2"); preview: any digit but "0".
    const std::vector<std::tuple<std::string, int, std::vector<int>, std::string>> cases = {
        {kPlus, 7, {2, 6, 7, 8, 12}, ".#.###.#."},
        {"000020000", 13, {13}, "....#...."},
        {"010101010", 13, {8, 12, 14, 18}, ".#.#.#.#."},  // key square "0": the cell is not covered
        {"121111111", 13, {7, 9, 12, 13, 14, 17, 18, 19}, "#########"},
        {"1x1x2x1x1", 13, {7, 9, 13, 17, 19}, "#.#.#.#.#"},
        {"0000100001111", 13, {13}, "....#...."},  // past the ninth: no effect
        {"0100", 13, {8}, ".#......."},
        {"0000200", 13, {13}, "....#...."},
        {kFull, 19, {13, 14, 15, 18, 19, 20, 23, 24, 25}, "#########"},
        {kSingle, 25, {25}, "....#...."},
        {"a1b1c1d1e", 13, {8, 12, 14, 18}, ".#.#.#.#."},
        {"1 -1+1.1/", 13, {7, 12, 14, 18}, "#..#.#.#."},
        {"900050009", 13, {}, "#...#...#"},
        {"", 13, {}, "........."},
        {"000000000111", 13, {}, "........."},
    };
    game.intCurrentPiece = 1;
    for (const auto& [pattern, cell, covered, preview] : cases) {
        SCOPED_TRACE(pattern + " at " + std::to_string(cell));
        game.strShapes[1] = pattern;
        game.blnGrid = {};
        game.blnFootprint.fill(true);
        game.CanPlace(cell);
        EXPECT_EQ(cells(game.blnFootprint), boardOf(covered));
        EXPECT_EQ(game.blnOverlap, covered.empty());
        for (int n = 1; n <= 25; ++n) {
            game.blnGrid = {};
            game.blnGrid[n] = true;
            game.CanPlace(cell);
            EXPECT_EQ(game.blnOverlap, covered.empty() || boardOf(covered)[n - 1] == '#') << n;
        }
        game.DrawPreview();
        EXPECT_EQ(cells(game.blnPreview), preview);
        EXPECT_EQ(cells(fake.preview), preview);
        for (int n = 1; n <= 9; ++n) {
            EXPECT_EQ(fake.preview[n].path,
                      fake.path(preview[n - 1] == '#' ? "EGFilled.bmp" : "EGEmpty.bmp"));
        }
    }
}

TEST_F(PlacementTest, AClickPlacesThePieceOnlyWhereItFits) {
    // A click places the current piece only where it fits, then deals the next.
    struct Click {
        std::string pattern;
        std::vector<int> filled;
        int cell;
        std::vector<int> placed;  // empty: refused
    };
    const std::vector<Click> clicks = {
        {kPlus, {}, 7, {2, 6, 7, 8, 12}},
        {"010000000", {13}, 13, {8, 13}},  // key square "0"
        {kPlus, {}, 1, {}},
        {"000011000", {}, 10, {}},  // wraps at the right edge
        {kPlus, {12}, 7, {}},
        {kSingle, {13}, 13, {}},
        {"000000000", {}, 13, {}},
        {"0000", {}, 13, {}},
        {kSingle, {}, 0, {}},
        {kSingle, {}, 26, {}},
    };
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.pattern + " at " + std::to_string(c.cell));
        fake.randoms.clear();
        start(1);
        game.strShapes[1] = c.pattern;
        fill(c.filled);
        deal({9});
        const auto paints = fake.boardLog.size();
        game.picGrid_Click(c.cell);
        const bool fits = !c.placed.empty();
        EXPECT_EQ(cells(game.blnGrid), boardOf(fits ? c.placed : c.filled));
        EXPECT_EQ(cells(fake.board), boardOf(fits ? c.placed : std::vector<int>{}));
        EXPECT_EQ(fake.boardLog.size() == paints, !fits);
        EXPECT_EQ(fake.randoms.size(), fits ? 0u : 1u);
        EXPECT_EQ(state(), fits ? "Score\n0|Time Left\n10|piece 9|33 left|playing"
                                : "Score\n0|Time Left\n10|piece 1|34 left|playing");
        EXPECT_TRUE(fake.running(TimerId::TimeLeft));
        if (fits) {
            EXPECT_EQ(fake.board[c.cell].path, fake.path("GridFilled.bmp"));
            EXPECT_EQ(fake.board[1].path, fake.path("GridEmpty.bmp"));
            EXPECT_EQ(cells(game.blnFootprint), boardOf({}));
            EXPECT_FALSE(game.blnOnBoard);
            EXPECT_EQ(game.intCheckCount, 1);
        }
    }
}

TEST_F(PlacementTest, ClicksAndSkipDoNothingOutsideAGame) {
    // Before the first game and after game over, clicks and Skip change nothing.
    game.LoadShapes();
    game.intCurrentPiece = 1;
    game.AddScore(9);
    game.picGrid_Click(13);
    game.btnSkip_Click();
    EXPECT_EQ(state(), "Score\n9||piece 1|0 left|over");
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_TRUE(fake.boardLog.empty());
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

}  // namespace
}  // namespace fitzel::test
