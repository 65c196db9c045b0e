// The course of a game: dealing, the turn timer, skips, time-outs, the score and the game's end.
#include "GameFixture.h"

namespace fitzel::test {
namespace {

using GameFlowTest = GameTest;

std::string timeText(int seconds) {
    return "Time Left\n" + std::to_string(seconds);
}
std::string scoreText(int score) {
    return "Score\n" + std::to_string(score);
}

TEST_F(GameFlowTest, NewGameDuringAGameStartsAfreshWithAFreshTenSeconds) {
    // Board, preview, strip, labels and dealt flags are reset at once and a first piece dealt.
    start(2);
    deal({9, 20});
    game.picGrid_Click(1);  // scores the square at cell 1
    game.picGrid_Click(25);
    fake.advance(1600);
    ASSERT_EQ(game.intScore, 5);
    deal({30});
    game.NewGame();
    EXPECT_EQ(state(), "Score\n0|Time Left\n10|piece 30|34 left|playing");
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(game.blnPieceDealt[k], k == 30) << k;
        EXPECT_EQ(fake.strip[k].cell, k == 30 ? kCurrent : kWaiting) << k;
        EXPECT_EQ(fake.strip[k].path, fake.path(pictureName(k)));
    }
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_EQ(cells(fake.board), boardOf({}));
    EXPECT_EQ(cells(fake.preview), "....#....");
    EXPECT_EQ(game.intTimeLeft, 10);
    EXPECT_EQ(fake.armLog.back(), (FakePlatform::TimerEvent{1600, TimerId::TimeLeft, 1000}));
    fake.advance(999);
    EXPECT_EQ(fake.timeLabel, timeText(10));
    fake.advance(1);
    EXPECT_EQ(fake.timeLabel, timeText(9));
}

TEST_F(GameFlowTest, RunningOutOfTimePassesThePieceOverForSevenPoints) {
    // Ten ticks after the deal the piece is passed over; the timer keeps its phase.
    start(5);
    game.AddScore(10);
    deal({6, 7});
    for (int s = 9; s >= 1; --s) {
        fake.advance(1000);
        EXPECT_EQ(state(), "Score\n10|" + timeText(s) + "|piece 5|34 left|playing");
    }
    fake.advance(1000);
    EXPECT_EQ(state(), "Score\n3|Time Left\n10|piece 6|33 left|playing");
    EXPECT_EQ(fake.strip[5].cell, kDealt);
    EXPECT_EQ(fake.strip[6].cell, kCurrent);
    EXPECT_EQ(fake.armLog.size(), 1u) << "only NewGame armed the turn timer";
    fake.advance(1000);
    EXPECT_EQ(fake.timeLabel, timeText(9));
    fake.advance(9000);
    EXPECT_EQ(state(), "Score\n0|Time Left\n10|piece 7|32 left|playing") << "3 - 7 stops at 0";
}

TEST_F(GameFlowTest, SkipCostsSevenNeverBelowZeroAndRestartsTheSecond) {
    // Each skip takes 7 points, floors the score at 0 and gives the next piece a whole second.
    start(1);
    int piece = 1;
    for (auto [before, after] : {std::pair{0, 0}, {3, 0}, {7, 0}, {8, 1}, {30, 23}}) {
        SCOPED_TRACE(before);
        fake.advance(300);
        game.intScore = 0;
        game.AddScore(static_cast<std::int16_t>(before));
        EXPECT_EQ(fake.scoreLabel, scoreText(before));
        deal({++piece});
        game.btnSkip_Click();
        EXPECT_EQ(state(), scoreText(after) + "|" + timeText(10) + "|piece " +
                               std::to_string(piece) + "|" + std::to_string(35 - piece) +
                               " left|playing");
        EXPECT_EQ(std::vector(fake.armLog.end() - 2, fake.armLog.end()),
                  (std::vector<FakePlatform::TimerEvent>{{fake.now(), TimerId::TimeLeft, 0},
                                                         {fake.now(), TimerId::TimeLeft, 1000}}));
    }
    fake.advance(999);
    EXPECT_EQ(fake.timeLabel, timeText(10));
    fake.advance(1);
    EXPECT_EQ(fake.timeLabel, timeText(9));
}

TEST_F(GameFlowTest, DealingDrawsAgainUntilAnUndealtPieceComesUp) {
    // Each draw gives Int(r x 35) + 1; a piece already dealt is drawn again.
    start(5);
    const std::vector<std::pair<std::vector<double>, int>> rounds = {
        {{pick(5), pick(5), 0.0}, 1},
        {{0.0, pick(5), 1.0 - 1e-12}, 35},
        {{pick(1), pick(35), 4.0 / 35 - 1e-9}, 4},
    };
    for (const auto& [values, expected] : rounds) {
        fake.randoms.assign(values.begin(), values.end());
        fake.randoms.push_back(0.5);  // not needed
        const int previous = game.intCurrentPiece;
        game.btnSkip_Click();
        EXPECT_EQ(fake.randoms.size(), 1u) << "three draws";
        EXPECT_EQ(game.intCurrentPiece, expected);
        EXPECT_EQ(fake.strip[previous].cell, kDealt);
        EXPECT_EQ(fake.strip[expected].cell, kCurrent);
    }
    EXPECT_EQ(game.intPiecesLeft, 31);
}

TEST_F(GameFlowTest, TheLastPieceRunningOutOfTimeEndsTheGameWithoutPenalty) {
    // The last piece's ten seconds end the game with no penalty and a stopped turn timer.
    start(1);
    game.intPiecesLeft = 0;
    game.AddScore(20);
    std::vector<bool> turnTimerAtBoxes, inGameAtBoxes;
    fake.duringBox = [&](const auto&) {
        turnTimerAtBoxes.push_back(fake.running(TimerId::TimeLeft));
        inGameAtBoxes.push_back(game.blnInGame);
    };
    fake.advance(9999);
    EXPECT_EQ(state(), "Score\n20|Time Left\n1|piece 1|0 left|playing");
    fake.advance(1);
    EXPECT_EQ(state(), "Score\n20|Time Left\n0|piece 1|0 left|over");
    EXPECT_EQ(gameOverBoxes(), 1);
    ASSERT_GE(fake.boxes.size(), 2u);
    EXPECT_EQ(fake.boxes[1].rfind("ask ", 0), 0u) << "the high-score check follows";
    EXPECT_EQ(turnTimerAtBoxes, std::vector<bool>(fake.boxes.size(), false));
    // The game is over before the name is asked: the game-over box alone sees it running.
    std::vector<bool> overAfterTheFirst(fake.boxes.size(), false);
    overAfterTheFirst[0] = true;
    EXPECT_EQ(inGameAtBoxes, overAfterTheFirst);
    EXPECT_EQ(fake.scoresWindowShown, 1);
    EXPECT_FALSE(fake.fireNext());
}

TEST_F(GameFlowTest, AWholeGameDealsEachPieceOnceAndEndsOnce) {
    // A player placing cells into 2x2 blocks and skipping each seventh piece (the last too).
    writeShapes(std::vector<std::string>(35, kSingle));
    game.LoadShapes();
    game.ResetLabels();
    game.NewGame();
    const int cycle[] = {1, 2, 6, 7};
    std::vector<int> afterSkips;
    for (int i = 1, placed = 0; i <= 35; ++i) {
        ASSERT_TRUE(game.blnInGame) << "piece " << i;
        EXPECT_EQ(game.intPiecesLeft, 35 - i);
        if (i % 7 == 0) {
            game.btnSkip_Click();
            afterSkips.push_back(game.intScore);
        } else {
            game.picGrid_Click(cycle[placed++ % 4]);
        }
        fake.advance(500);
    }
    EXPECT_EQ(afterSkips, (std::vector<int>{0, 3, 1, 4, 2}));
    EXPECT_EQ(fake.scoreLabel, scoreText(2));
    EXPECT_EQ(fake.timeLabel, timeText(10));
    EXPECT_EQ(gameOverBoxes(), 1);
    EXPECT_EQ(fake.boxes.at(1).rfind("ask ", 0), 0u) << "the high-score check follows";
    EXPECT_FALSE(fake.fireNext()) << "no timer runs after the game";
    std::array<int, 36> current{}, dealt{};
    for (auto [k, cell] : fake.stripLog) {
        current[k] += cell == kCurrent;
        dealt[k] += cell == kDealt;
    }
    EXPECT_EQ(std::count(current.begin() + 1, current.end(), 1), 35) << "each piece dealt once";
    EXPECT_EQ(std::count(dealt.begin() + 1, dealt.end(), 0), 1) << "all but the last marked dealt";
    EXPECT_EQ(fake.strip[game.intCurrentPiece].cell, kCurrent);
    EXPECT_EQ(scoresIn(fake.files.at(fake.path("Config.cfg"))), (HighScores{0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(fake.scoresWindowShown, 1);
}

}  // namespace
}  // namespace fitzel::test
