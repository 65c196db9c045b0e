// The course of a game: dealing, the turn timer, skips, time-outs, the score and the game's end.
#include "GameFixture.h"
#include "game/HighScoreFile.h"

namespace fitzel::test {
namespace {

using GameFlowTest = GameTest;

std::string timeText(int seconds) {
    return "Time Left\n" + std::to_string(seconds);
}
std::string scoreText(int score) {
    return "Score\n" + std::to_string(score);
}

std::vector<FakePlatform::TimerEvent> turnTimerArms(const FakePlatform& fake) {
    std::vector<FakePlatform::TimerEvent> arms;
    for (const auto& e : fake.armLog) {
        if (e.timer == TimerId::TimeLeft)
            arms.push_back(e);
    }
    return arms;
}

TEST_F(GameFlowTest, NewGameResetsEverythingAndDealsTheFirstPiece) {
    // A new game during a game starts afresh at once, with a fresh ten seconds.
    start(2);
    deal({9, 20});
    game.picGrid_Click(1);  // scores the square at cell 1
    game.picGrid_Click(25);
    fake.advance(1600);
    ASSERT_EQ(game.intScore, 5);
    deal({30});
    game.NewGame();
    EXPECT_EQ(game.intCurrentPiece, 30);
    EXPECT_EQ(game.intPiecesLeft, 34);
    EXPECT_TRUE(game.blnInGame);
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(game.blnPieceDealt[k], k == 30) << k;
        EXPECT_EQ(fake.strip[k].cell, k == 30 ? kCurrent : kWaiting) << k;
        EXPECT_EQ(fake.strip[k].path, fake.path(pictureName(k)));
    }
    EXPECT_EQ(cells(game.blnGrid), boardOf({}));
    EXPECT_EQ(cells(fake.board), boardOf({}));
    EXPECT_EQ(cells(fake.preview), "....#....");
    EXPECT_EQ(fake.scoreLabel, scoreText(0));
    EXPECT_EQ(fake.timeLabel, timeText(10));
    EXPECT_EQ(game.intTimeLeft, 10);
    ASSERT_FALSE(turnTimerArms(fake).empty());
    EXPECT_EQ(turnTimerArms(fake).back(),
              (FakePlatform::TimerEvent{1600, TimerId::TimeLeft, 1000}));
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
        EXPECT_EQ(fake.timeLabel, timeText(s));
        EXPECT_EQ(game.intCurrentPiece, 5);
    }
    fake.advance(1000);
    EXPECT_EQ(fake.timeLabel, timeText(10));
    EXPECT_EQ(fake.scoreLabel, scoreText(3));
    EXPECT_EQ(game.intCurrentPiece, 6);
    EXPECT_EQ(game.intPiecesLeft, 33);
    EXPECT_EQ(fake.strip[5].cell, kDealt);
    EXPECT_EQ(fake.strip[6].cell, kCurrent);
    EXPECT_EQ(turnTimerArms(fake).size(), 1u) << "only NewGame armed the turn timer";
    fake.advance(1000);
    EXPECT_EQ(fake.timeLabel, timeText(9));
    fake.advance(9000);
    EXPECT_EQ(fake.scoreLabel, scoreText(0)) << "3 - 7 stops at 0";
    EXPECT_EQ(game.intCurrentPiece, 7);
}

TEST_F(GameFlowTest, SkipCostsSevenNeverBelowZeroAndRestartsTheSecond) {
    // Each skip takes 7 points, floors the score at 0 and gives the next piece a whole second.
    const std::vector<std::pair<int, int>> scores = {{0, 0}, {3, 0}, {7, 0}, {8, 1}, {30, 23}};
    start(1);
    int piece = 1;
    for (auto [before, after] : scores) {
        SCOPED_TRACE(before);
        fake.advance(300);
        game.intScore = 0;
        game.AddScore(static_cast<std::int16_t>(before));
        EXPECT_EQ(fake.scoreLabel, scoreText(before));
        deal({++piece});
        game.btnSkip_Click();
        EXPECT_EQ(game.intScore, after);
        EXPECT_EQ(fake.scoreLabel, scoreText(after));
        EXPECT_EQ(fake.timeLabel, timeText(10));
        EXPECT_EQ(game.intCurrentPiece, piece);
        auto arms = turnTimerArms(fake);
        ASSERT_GE(arms.size(), 2u);
        EXPECT_EQ(arms[arms.size() - 2],
                  (FakePlatform::TimerEvent{fake.now(), TimerId::TimeLeft, 0}));
        EXPECT_EQ(arms.back(), (FakePlatform::TimerEvent{fake.now(), TimerId::TimeLeft, 1000}));
    }
    fake.advance(999);
    EXPECT_EQ(fake.timeLabel, timeText(10));
    fake.advance(1);
    EXPECT_EQ(fake.timeLabel, timeText(9));
    game.AddScore(5);
    EXPECT_EQ(fake.scoreLabel, scoreText(28));
}

TEST_F(GameFlowTest, DealingDrawsAgainUntilAnUndealtPieceComesUp) {
    // Each draw gives Int(r x 35) + 1; a piece already dealt is drawn again.
    start(5);
    EXPECT_EQ(fake.randomCalls, 1);
    const std::vector<std::pair<std::vector<double>, int>> rounds = {
        {{pick(5), pick(5), 0.0}, 1},
        {{0.0, pick(5), 1.0 - 1e-12}, 35},
        {{pick(1), pick(35), 4.0 / 35 - 1e-9, 0.5}, 4},  // the last value is not needed
    };
    int draws = 1;
    for (const auto& [values, expected] : rounds) {
        fake.randoms.assign(values.begin(), values.end());
        int previous = game.intCurrentPiece;
        game.btnSkip_Click();
        draws += 3;  // each round's piece comes up on the third draw
        EXPECT_EQ(fake.randomCalls, draws);
        EXPECT_EQ(game.intCurrentPiece, expected);
        EXPECT_EQ(fake.strip[previous].cell, kDealt);
        EXPECT_EQ(fake.strip[expected].cell, kCurrent);
    }
    EXPECT_EQ(fake.randoms.size(), 1u);
    EXPECT_EQ(game.intPiecesLeft, 31);
}

class LastPieceTest : public GameTest {
  protected:
    // Plays to the last piece by skipping 34, then sets the score to 20.
    void reachLastPiece() {
        start(1);
        for (int i = 0; i < 34; ++i)
            game.btnSkip_Click();
        ASSERT_EQ(game.intPiecesLeft, 0);
        ASSERT_TRUE(game.blnInGame);
        game.AddScore(20);
        fake.duringBox = [this](const FakePlatform::Box&) {
            turnTimerDuringBoxes.push_back(fake.running(TimerId::TimeLeft));
        };
        fake.inputAnswers.push_back("Ada");
    }
    void expectGameOver(int score) {
        EXPECT_FALSE(game.blnInGame);
        EXPECT_EQ(game.intScore, score);
        EXPECT_EQ(gameOverBoxes(), 1);
        ASSERT_GE(fake.boxes.size(), 2u);
        EXPECT_EQ(fake.boxes[0].title, "Fitzel! - Game Over!");
        EXPECT_TRUE(fake.boxes[1].input) << "the high-score check follows the box";
        EXPECT_EQ(turnTimerDuringBoxes.front(), false);
        EXPECT_EQ(fake.scoresWindowShown, 1);
        const std::size_t ticks = fake.fireLog.size();
        fake.advance(30000);
        EXPECT_EQ(fake.fireLog.size(), ticks);
        EXPECT_EQ(gameOverBoxes(), 1);
    }
    std::vector<bool> turnTimerDuringBoxes;
};

TEST_F(LastPieceTest, SkippingItCostsSevenAndLeavesTen) {
    // Skipping the last piece takes the penalty, then ends the game.
    reachLastPiece();
    fake.advance(4000);
    game.btnSkip_Click();
    expectGameOver(13);
    EXPECT_EQ(fake.timeLabel, timeText(10));
}

TEST_F(LastPieceTest, RunningOutOfTimeEndsWithoutPenaltyAndLeavesZero) {
    // The last piece's ten seconds end the game with no penalty.
    reachLastPiece();
    fake.advance(9999);
    EXPECT_TRUE(game.blnInGame);
    EXPECT_EQ(fake.timeLabel, timeText(1));
    fake.advance(1);
    expectGameOver(20);
    EXPECT_EQ(fake.timeLabel, timeText(0));
}

TEST_F(GameFlowTest, AWholeGameDealsEachPieceOnceAndEndsOnce) {
    // A scripted player places single cells into 2x2 blocks and skips every seventh piece.
    writeShapes(std::vector<std::string>(35, kSingle));
    game.LoadShapes();
    game.ResetLabels();
    game.NewGame();
    const int cycle[] = {1, 2, 6, 7};
    std::vector<int> afterSkips;
    int placed = 0;
    for (int i = 1; i <= 35; ++i) {
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
    std::array<int, 36> current{}, dealt{};
    for (auto [k, cell] : fake.stripLog) {
        current[k] += cell == kCurrent;
        dealt[k] += cell == kDealt;
    }
    int lastDealtOnce = 0;
    for (int k = 1; k <= 35; ++k) {
        EXPECT_EQ(current[k], 1) << "piece " << k;
        EXPECT_TRUE(game.blnPieceDealt[k]);
        lastDealtOnce += dealt[k] == 0;
    }
    EXPECT_EQ(lastDealtOnce, 1) << "only the last piece is never marked as dealt";
    EXPECT_EQ(fake.strip[game.intCurrentPiece].cell, kCurrent);
    EXPECT_GE(fake.randomCalls, 35);

    HighScores scores{};
    HighNames names;
    decodeHighScoreFile(fake.files.at(fake.path("Config.cfg")), scores, names);
    EXPECT_EQ(scores, (HighScores{0, 2, 0, 0, 0, 0}));
    EXPECT_EQ(fake.scoresWindowShown, 1);
}

}  // namespace
}  // namespace fitzel::test
