// The course of a game: dealing, the turn timer, skips, time-outs, the score and the game's end.
#include "GameFixture.h"

namespace fitzel::test {

using GameFlowTest = GameTest;

TEST_F(GameFlowTest, APiecePassedOverByTimeOrSkipCostsSevenPointsDownToZeroButTheLast) {
    // Time-outs and skips cost 7 points down to 0; the last piece's time-out ends the game free.
    start(5);
    game.AddScore(10);
    deal({6, 7});  // the tenth tick passes piece 5 over, the timer keeping its phase
    for (int s = 9; s >= 1; --s) {
        fake.advance(1000);
        EXPECT_EQ(fake.timeLabel, "Time Left\n" + std::to_string(s));
    }
    fake.advance(1000);
    EXPECT_EQ(state(), "Score\n3|Time Left\n10|piece 6|33 left|playing");
    EXPECT_EQ(fake.strip.substr(4, 3), "120") << "piece 5 dealt, piece 6 current";
    fake.advance(1300);
    EXPECT_EQ(fake.timeLabel, "Time Left\n9");
    game.btnSkip_Click();  // restarts the timer: piece 7 has ten whole seconds
    EXPECT_EQ(state(), "Score\n0|Time Left\n10|piece 7|32 left|playing");
    fake.advance(999);
    EXPECT_EQ(fake.timeLabel, "Time Left\n10");

    game.setUpForTest({.piecesLeft = 0});  // piece 7 is the last
    game.AddScore(20);
    // The turn timer stops before the game-over box, and the game is over before the name box.
    std::vector<int> seen;  // as each box opens: 2 in a game, + 1 the turn timer running
    fake.duringBox = [&] {
        seen.push_back(2 * game.state().blnInGame + fake.running(TimerId::TimeLeft));
    };
    fake.advance(9001);
    EXPECT_EQ(state(), "Score\n20|Time Left\n0|piece 7|0 left|over");
    EXPECT_EQ(fake.boxes[0], "Fitzel! - Game Over!|Game Over - No Pieces Left!     ");
    EXPECT_EQ(seen, (std::vector<int>{2, 0, 0})) << "game over, then name and congratulation";
}

TEST_F(GameFlowTest, AWholeGameDealsEachPieceOnceAndEndsOnce) {
    // A whole game deals each piece once and ends once, ranked though the game before was played
    // unranked. (A game played unranked ends without the table: the window's test of the par
    // watched; File > New starts afresh: the held click's and the deal's tests.)
    game.playUnranked();
    start(1);  // cells go into 2x2 blocks half a second a piece; each ninth piece is skipped
    bool ticking = false;
    fake.duringBox = [&] { ticking |= fake.running(TimerId::TimeLeft); };
    int placed = 0;
    for (int i = 1; i <= 35; ++i) {
        if (i % 9 == 0)
            game.btnSkip_Click();
        else
            game.picGrid_Click(std::vector{1, 2, 6, 7}[placed++ % 4]);
        fake.advance(500);
    }
    EXPECT_EQ(fake.boxes.size(), 3u) << "game over, name, congratulation";
    EXPECT_FALSE(ticking || fake.fireNext()) << "no timer runs at or after the game's end";
    EXPECT_EQ(fake.board, boardOf({1, 2, 6, 7})) << "the last piece's block scored, not cleared";
    EXPECT_EQ(std::count(fake.strip.begin(), fake.strip.end(), '1'), 34) << "and one current";
    EXPECT_EQ(fake.files.at(fake.path("Config.cfg")), encodeHighScoreFile({0, 19}, {}));
    const std::string over = state() + fake.board;  // clicks and Skip do nothing outside a game
    game.picGrid_Click(13);
    game.btnSkip_Click();
    EXPECT_EQ(state() + fake.board, over);
    EXPECT_EQ(game.placementAt(13).cells, PlacementView{}.cells) << "no placement shown";
}

}  // namespace fitzel::test
