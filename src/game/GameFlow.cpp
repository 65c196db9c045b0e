// The course of a game: dealing the 35 pieces, the ten-second turn timer, skipping and the score.
#include <algorithm>
#include <cstdint>
#include <string>

#include "game/DataFiles.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

constexpr int kTurnSeconds = 10;
constexpr int kTurnTickMs = 1000;

constexpr char kGameOverText[] = FITZEL_TEXT("fitzel", "Game Over - No Pieces Left!     ");
constexpr char kGameOverTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Game Over!");
// The labels: a heading over a number.
constexpr char kTimeLeftLabel[] = FITZEL_TEXT("fitzel", "Time Left\n%1");
constexpr char kScoreLabel[] = FITZEL_TEXT("fitzel", "Score\n%1");

// The next piece dealt: draws until a piece not yet dealt comes up, which always happens while
// pieces are left.
template <typename Draw>
int undealtPiece(Draw&& draw, const std::array<bool, kPieceCount + 1>& dealt) {
    int k = 0;
    do {
        k = std::clamp(static_cast<int>(draw() * kPieceCount) + 1, 1, kPieceCount);
    } while (dealt[k]);
    return k;
}

}  // namespace

modGeneral::modGeneral(Platform& platform) : platform_(platform) {
    platform_.setTimerHandler([this](TimerId timer) { onTimer(timer); });
}

void modGeneral::Randomize() {
    freshDeals_.seed(platform_.entropy());
}

void modGeneral::NewGame() {
    newDeal(freshDeals_.next());
}

void modGeneral::newDeal(std::uint64_t number) {
    // A game in progress is simply replaced: no question, and its score is not offered to the
    // table. A click held from it belongs to it and goes with it.
    heldClick.reset();
    draws_ = DealDraws(number);
    dealNumber = number;
    dealtPieces.clear();
    ranked = true;
    ResetPieceStrip();
    ClearPreview();
    ClearBoard();
    ResetLabels();
    ResetPieceFlags();
    intPiecesLeft = kPieceCount;
    intCurrentPiece = 0;
    NextPiece();
    blnInGame = true;
    StartTurnTimer();
    tell(GameEvent::Started);
}

void modGeneral::NextPiece() {
    if (intPiecesLeft < 1) {
        StopTurnTimer();
        gameOver();
        return;
    }
    if (intCurrentPiece > 0) {
        showPieceCell(intCurrentPiece, kDealt);
    }
    const int k = undealtPiece([this] { return draw(); }, blnPieceDealt);
    intCurrentPiece = static_cast<std::int16_t>(k);
    blnPieceDealt[k] = true;
    dealtPieces.push_back(k);
    --intPiecesLeft;
    showPieceCell(k, kCurrent);
    DrawPreview();
    // The label keeps the previous count until the next tick.
    intTimeLeft = kTurnSeconds;
}

double modGeneral::draw() {
    if (scriptedDraws_) {
        if (const std::optional<double> scripted = scriptedDraws_()) {
            return *scripted;
        }
    }
    return draws_.next();
}

std::vector<std::string> modGeneral::patternsToCome() const {
    std::vector<std::string> patterns;
    if (!blnInGame) {
        return patterns;
    }
    patterns.push_back(strShapes[intCurrentPiece]);
    DealDraws draws = draws_;
    std::array<bool, kPieceCount + 1> dealt = blnPieceDealt;
    for (int left = intPiecesLeft; left > 0; --left) {
        const int k = undealtPiece([&draws] { return draws.next(); }, dealt);
        dealt[k] = true;
        patterns.push_back(strShapes[k]);
    }
    return patterns;
}

void modGeneral::playUnranked() {
    ranked = false;
}

std::vector<std::string> modGeneral::dealtPatterns() const {
    std::vector<std::string> patterns;
    for (int k : dealtPieces) {
        patterns.push_back(strShapes[k]);
    }
    return patterns;
}

void modGeneral::AddScore(std::int16_t points) {
    intScore = scoreAfter(intScore, points);
    showScore();
}

void modGeneral::showScore() {
    platform_.setLabel(Label::Score, filled(say(kScoreLabel), {std::to_string(intScore)}));
}

void modGeneral::showTimeLeft(int seconds) {
    platform_.setLabel(Label::TimeRemaining,
                       filled(say(kTimeLeftLabel), {std::to_string(seconds)}));
}

void modGeneral::ResetLabels() {
    intTimeLeft = kTurnSeconds;
    showTimeLeft(10);
    intScore = 0;
    showScore();
}

void modGeneral::ResetPieceFlags() {
    for (int k = 1; k <= kPieceCount; ++k) {
        blnPieceDealt[k] = false;
    }
}

void modGeneral::StartTurnTimer() {
    platform_.setTimerInterval(TimerId::TimeLeft, kTurnTickMs);
}

void modGeneral::StopTurnTimer() {
    platform_.setTimerInterval(TimerId::TimeLeft, 0);
}

void modGeneral::btnSkip_Click() {
    if (!blnInGame) {
        return;
    }
    StopTurnTimer();
    AddScore(passCost(Pass::Skip, intPiecesLeft));
    showTimeLeft(10);
    NextPiece();
    // Restarting from stopped gives the new piece its full ten seconds.
    if (blnInGame) {
        StartTurnTimer();
    }
}

void modGeneral::tmrTimeLeft_Timer() {
    --intTimeLeft;
    if (intTimeLeft != 0) {
        showTimeLeft(intTimeLeft);
        return;
    }
    if (intPiecesLeft != 0) {
        // The piece is passed over; the timer keeps its phase.
        intTimeLeft = kTurnSeconds;
        showTimeLeft(10);
        AddScore(passCost(Pass::TimeOut, intPiecesLeft));
        NextPiece();
        return;
    }
    // The last piece ran out of time: the game ends.
    StopTurnTimer();
    showTimeLeft(0);
    AddScore(passCost(Pass::TimeOut, intPiecesLeft));
    gameOver();
}

void modGeneral::gameOver() {
    // A click held during a clearing belongs to the game that is ending: the clearing may end
    // while the boxes below are open, and must not place a piece after the game is over.
    heldClick.reset();
    tell(GameEvent::Ending);
    platform_.messageBox(say(kGameOverText), say(kGameOverTitle), BoxIcon::Information,
                         BoxButtons::Ok);
    blnInGame = false;
    if (ranked) {
        CheckHighScore(intScore);
    }
    tell(GameEvent::Ended);
}

int modGeneral::listen(std::function<void(GameEvent)> listener) {
    listeners_.emplace(++listenersMade_, std::move(listener));
    return listenersMade_;
}

void modGeneral::forget(int listener) {
    listeners_.erase(listener);
}

void modGeneral::tell(GameEvent event) {
    // A listener may start a game, which tells everyone again, or forget itself: each is told
    // from a copy.
    const auto listeners = listeners_;
    for (const auto& [number, listener] : listeners) {
        listener(event);
    }
}

void modGeneral::setUpForTest(const TestPosition& position) {
    blnInGame = true;
    if (position.filled) {
        blnGrid.fill(false);
        for (int n : *position.filled) {
            blnGrid.at(n) = true;
        }
    }
    if (position.currentPiece) {
        intCurrentPiece = static_cast<std::int16_t>(*position.currentPiece);
    }
    if (position.piecesLeft) {
        intPiecesLeft = static_cast<std::int16_t>(*position.piecesLeft);
    }
    if (position.score) {
        intScore = static_cast<std::int16_t>(*position.score);
    }
    if (position.checkCount) {
        intCheckCount = static_cast<std::int16_t>(*position.checkCount);
    }
}

void modGeneral::scriptDraws(std::function<std::optional<double>()> scripted) {
    scriptedDraws_ = std::move(scripted);
}

void modGeneral::onTimer(TimerId timer) {
    switch (timer) {
        case TimerId::TimeLeft:
            tmrTimeLeft_Timer();
            return;
        case TimerId::Clear1:
            tmrClear1_Timer();
            return;
        case TimerId::Clear2:
            tmrClear2_Timer();
            return;
        case TimerId::Clear3:
            tmrClear3_Timer();
            return;
        case TimerId::Clear4:
            tmrClear4_Timer();
            return;
        case TimerId::Clear5:
            tmrClear5_Timer();
            return;
        case TimerId::Clear6:
            tmrClear6_Timer();
            return;
        case TimerId::Clear7:
            tmrClear7_Timer();
            return;
        case TimerId::Clear8:
            tmrClear8_Timer();
            return;
        case TimerId::Clear9:
            tmrClear9_Timer();
            return;
    }
}

std::string modGeneral::dataPath(const std::string& fileName) {
    return pathInFolder(platform_.programFolder(), fileName);
}

}  // namespace fitzel
