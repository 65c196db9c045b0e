// A hint: the best play from now found on a thread, its first move shown on the board.
#include "forms/ParHint.h"

#include <QPushButton>
#include <QToolTip>

#include "forms/BoardOverlay.h"

namespace fitzel {

ParHint::ParHint(modGeneral& game, Platform& platform, BoardControls controls, QObject* parent)
    : QObject(parent), game_(game), platform_(platform), controls_(std::move(controls)) {
    connect(controls_.overlay, &BoardOverlay::refreshed, this, &ParHint::moved);
    listener_ = game_.listen([this](GameEvent event) {
        if (event == GameEvent::Started) {
            ++games_;
        }
        moved();
    });
}

ParHint::~ParHint() {
    game_.forget(listener_);
}

bool ParHint::available() const {
    return game_.state().blnInGame && !game_.state().blnClearing;
}

void ParHint::hint() {
    if (!available()) {
        return;
    }
    if (game_.state().ranked) {
        const BoxAnswer answer = platform_.messageBox(
            tr("A game played with hints does not enter the high-score table! Are you sure you "
               "want a hint?     ")
                .toStdString(),
            tr("Fitzel! - Hint?").toStdString(), BoxIcon::Question, BoxButtons::YesNo);
        // The game may have ended while the box was open.
        if (answer != BoxAnswer::Yes || !available()) {
            return;
        }
        game_.playUnranked();
    }
    const GameState& state = game_.state();
    hintGame_ = games_;
    hintPiece_ = state.dealtPieces.size();
    search_.start(game_.patternsToCome(), ParStart{maskOf(state.blnGrid), state.intScore},
                  kParBudget, [this](const Par& par) { found(par); });
}

void ParHint::moved() {
    const bool now = available();
    if (now != available_) {
        available_ = now;
        emit availableChanged(now);
    }
    const GameState& state = game_.state();
    if (hintGame_ == games_ && hintPiece_ == state.dealtPieces.size() && state.blnInGame) {
        return;
    }
    // The piece the hint was for is gone: a move, a time-out, a new game, the game's end.
    search_.drop();
    if (std::exchange(showing_, false)) {
        controls_.skip->setDown(false);
        controls_.overlay->tell({});
    }
}

void ParHint::found(const Par& par) {
    const int cell = par.play.empty() ? 0 : par.play.front();
    showing_ = true;
    if (cell != 0) {
        controls_.overlay->tell(tr("Hint: cell %1").arg(cell));
        controls_.overlay->showHint(cell);
    } else if (game_.state().intPiecesLeft != 0) {
        controls_.skip->setDown(true);
        controls_.overlay->tell(tr("Hint: skip"));
    } else {
        // Better than a skip: the last piece's time running out costs nothing.
        const QString text = tr("Hint: let the time run out");
        controls_.overlay->tell(text);
        QToolTip::showText(controls_.skip->mapToGlobal(QPoint(0, 0)), text, controls_.skip);
    }
    emit shown(cell);
}

}  // namespace fitzel
