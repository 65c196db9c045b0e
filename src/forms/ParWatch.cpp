// The par play watched: the deal again, its par found on a thread, then played at a steady pace.
#include "forms/ParWatch.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "forms/BoardOverlay.h"
#include "forms/PictureBox.h"

namespace fitzel {
namespace {

// About a piece a second: a person can follow each move.
constexpr int kPaceMs = 1000;
// How soon to look again while a block is clearing.
constexpr int kStillMs = 50;

}  // namespace

ParWatch::ParWatch(modGeneral& game, Platform& platform, BoardControls controls, QObject* parent)
    : QObject(parent), game_(game), platform_(platform), controls_(std::move(controls)) {
    pace_.setObjectName("tmrParPlay");
    for (QTimer* timer : {&pace_, &still_}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &ParWatch::step);
    }
    pace_.setInterval(kPaceMs);
    still_.setInterval(kStillMs);
    listener_ = game_.listen([this](GameEvent event) { gameEvent(event); });
}

ParWatch::~ParWatch() {
    game_.forget(listener_);
}

void ParWatch::watch() {
    const std::uint64_t deal = game_.state().dealNumber;
    if (deal == 0) {
        return;
    }
    if (game_.state().blnInGame &&
        platform_.messageBox(
            tr("A game is still in progress! Are you sure you want to watch the par play of its "
               "deal?     ")
                .toStdString(),
            tr("Fitzel! - Watch the Par Play?").toStdString(), BoxIcon::Question,
            BoxButtons::YesNo) != BoxAnswer::Yes) {
        return;
    }
    stop();
    dealing_ = true;
    controls_.startDeal(deal);
    dealing_ = false;
    game_.playUnranked();
    watching_ = true;
    // Keys go to whichever part of the window holds the keyboard. Once a play has been watched
    // the filter stays, doing nothing until the next one.
    qApp->installEventFilter(this);
    const GameState& state = game_.state();
    search_.start(game_.patternsToCome(), ParStart{maskOf(state.blnGrid), state.intScore},
                  kParBudget, [this](const Par& par) { parFound(par); });
}

void ParWatch::stop() {
    if (!watching_) {
        return;
    }
    watching_ = false;
    search_.drop();
    pace_.stop();
    still_.stop();
    par_.reset();
    controls_.overlay->tell({});
}

void ParWatch::gameEvent(GameEvent event) {
    switch (event) {
        case GameEvent::Started:
            // Any game but the watched one ends the watch: File > New, a replay, a deal by number.
            if (!dealing_) {
                stop();
            }
            break;
        case GameEvent::Ending:
            break;
        case GameEvent::Ended:
            if (watching_) {
                const GameState& state = game_.state();
                stop();
                platform_.messageBox(tr("The par play of deal %1 scored %2.     ")
                                         .arg(state.dealNumber)
                                         .arg(state.intScore)
                                         .toStdString(),
                                     tr("Fitzel! - Par.").toStdString(), BoxIcon::Information,
                                     BoxButtons::Ok);
            }
            break;
    }
}

void ParWatch::parFound(const Par& par) {
    par_ = par;
    pace_.start();
}

void ParWatch::step() {
    const GameState& state = game_.state();
    if (!watching_ || !par_ || !state.blnInGame) {
        return;
    }
    if (state.blnClearing) {
        still_.start();
        return;
    }
    const std::size_t piece = state.dealtPieces.size() - 1;
    const int cell = piece < par_->play.size() ? par_->play[piece] : 0;
    if (cell == 0 && state.intPiecesLeft == 0) {
        // The last piece's ten seconds run out, which ends the game for nothing.
        controls_.overlay->tell(tr("Par play: let the time run out"));
        return;
    }
    controls_.overlay->tell(cell != 0 ? tr("Par play: cell %1").arg(cell) : tr("Par play: skip"));
    // The last move opens the game's boxes and this play's own before it returns.
    if (cell != 0) {
        emit controls_.overlay->placeRequested(cell);
    } else {
        controls_.skip->click();
    }
    if (watching_) {
        pace_.start();
    }
    emit moved(cell);
}

bool ParWatch::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        const int pressed = static_cast<QKeyEvent*>(event)->key();
        auto* widget = qobject_cast<QWidget*>(watched);
        if (watching_ && widget != nullptr && widget->window() == controls_.window) {
            // The key stops the play. One that is a shortcut (File > New, Skip) does its work as
            // well; any other is eaten when it arrives, so that it places nothing.
            stop();
            stoppingKey_ = pressed;
        }
        if (type == QEvent::KeyPress && stoppingKey_ != 0) {
            return std::exchange(stoppingKey_, 0) == pressed;
        }
        return false;
    }
    if (watching_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
        std::ranges::find(controls_.cells, watched) != controls_.cells.end()) {
        stop();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace fitzel
