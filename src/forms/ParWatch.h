// The par play watched: the last deal dealt again, played by its par's play on the board, move
// by move as a player would make them, at a pace a person can follow.
#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "forms/BoardControls.h"
#include "forms/ParThread.h"
#include "game/Par.h"
#include "game/modGeneral.h"

namespace fitzel {

class ParWatch : public QObject {
    Q_OBJECT
  public:
    // The game's events come here until the watch is destroyed, which must come before the
    // game's end.
    ParWatch(modGeneral& game, Platform& platform, BoardControls controls,
             QObject* parent = nullptr);
    ~ParWatch() override;

    // Asks first while a game is in progress; then deals the last deal again and, once its par
    // is found, plays it: each move through the controls a player uses, about one a second, each
    // once the board is still. The watched game is offered to no table; it ends with a box that
    // gives its score.
    void watch();
    // Stops the play; the game goes on as it stands, for the player to take over.
    void stop();
    bool watching() const { return watching_; }

  signals:
    // A move of the par play has been made: the cell of the piece's key square, 0 for a skip.
    void moved(int cell);

  protected:
    // A click on the board or a key stops the play, and does nothing else.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void gameEvent(GameEvent event);
    void parFound(const Par& par);
    // Makes the next move, or waits for the board to be still.
    void step();

    modGeneral& game_;
    Platform& platform_;
    BoardControls controls_;
    int listener_ = 0;
    ParThread search_;
    QTimer pace_{this};   // a move's wait after the one before
    QTimer still_{this};  // a look again while a block clears
    std::optional<Par> par_;
    bool watching_ = false;
    bool dealing_ = false;  // the watched game is being started
    int stoppingKey_ = 0;   // the key that stopped the play, eaten when it arrives
};

}  // namespace fitzel
