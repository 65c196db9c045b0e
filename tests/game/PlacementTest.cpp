// Placing a piece: the edge test, the footprint and overlap, the preview and the board click.
#include "GameFixture.h"

namespace fitzel::test {

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
                const int row = (n - 1) / 5 + (j - 1) / 3 - 1;
                const int col = (n - 1) % 5 + (j - 1) % 3 - 1;
                const bool empty = j <= static_cast<int>(pattern.size()) && pattern[j - 1] == '0';
                fits = j == 5 || empty || (row >= 0 && row <= 4 && col >= 0 && col <= 4);
            }
            EXPECT_EQ(edgesHold(pattern, n), fits) << "pattern \"" << pattern << "\" at cell " << n;
        }
    }
}

TEST(Placement, AClickPlacesThePieceOnlyWhereItFits) {
    // A click places the piece where it fits on empty cells; elsewhere nothing changes.
    struct Click {
        std::string pattern;
        std::vector<int> filled;  // before
        int cell;                 // clicked
        std::vector<int> placed;  // filled after, none when the piece is refused
        std::string preview;
    };
    // A piece covers its exact "1" positions and a key square "1" or "2"; the preview shows every
    // digit but "0" filled.
    const std::vector<Click> clicks = {
        {kPlus, {}, 7, {2, 6, 7, 8, 12}, ".#.###.#."},
        {"010101010", {13}, 13, {8, 12, 13, 14, 18}, ".#.#.#.#."},  // key square "0"
        {"1x2x2x1x1", {}, 13, {7, 13, 17, 19}, "#.#.#.#.#"},        // a "2" covers only as key
        {"0000100001111", {}, 13, {13}, "....#...."},
        {"0000200", {}, 13, {13}, "....#...."},
        {"111111111", {25}, 19, {}, "#########"},
        {"900050009", {}, 13, {}, "#...#...#"},  // covers nothing
        {kPlus, {}, 1, {}, ".#.###.#."},
        {kSingle, {}, 0, {}, "....#...."},
    };
    for (const auto& [pattern, filled, cell, placed, preview] : clicks) {
        Program p;
        p.writeShapes(std::vector<std::string>(35, pattern));
        p.start(1);
        EXPECT_EQ(p.fake.preview, preview) << pattern;
        p.game.setUpForTest({.filled = filled});
        p.game.DrawBoard();
        p.deal({9});
        p.game.picGrid_Click(cell);
        EXPECT_EQ(p.fake.board, boardOf(placed.empty() ? filled : placed))
            << pattern << " at " << cell;
        p.fake.advance(1000);  // the next piece is dealt, or the same one's time runs on
        EXPECT_EQ(p.state(), "Score\n0|Time Left\n9|" +
                                 std::string(placed.empty() ? "piece 1|34" : "piece 9|33") +
                                 " left|playing");
    }
}

}  // namespace fitzel::test
