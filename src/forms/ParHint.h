// A hint: where the best play from this moment, the board as it stands and the pieces still to
// come in this deal, puts the current piece.
#pragma once

#include <QObject>
#include <cstddef>

#include "forms/BoardControls.h"
#include "forms/ParThread.h"
#include "game/Par.h"
#include "game/modGeneral.h"

namespace fitzel {

class ParHint : public QObject {
    Q_OBJECT
  public:
    // The game's events come here until the hint is destroyed, which must come before the
    // game's end.
    ParHint(modGeneral& game, Platform& platform, BoardControls controls,
            QObject* parent = nullptr);
    ~ParHint() override;

    // Whether a hint can be given now: in a game, no block clearing.
    bool available() const;
    // The first hint of a ranked game asks whether to go on, since a game played with hints is
    // offered to no table. Then the best play is sought on a thread of its own and shown: its
    // placement's tint with the cursor on it, or Skip pressed-looking, each until the piece is
    // gone; a screen reader is told which.
    void hint();

  signals:
    // A hint has been shown: the cell of the piece's key square, or 0 to pass it over (a skip,
    // or for the last piece letting its time run out).
    void shown(int cell);
    // Whether a hint can be given has changed.
    void availableChanged(bool available);

  private:
    // The game has moved on, or may have: a hint for a piece that is gone is dropped.
    void moved();
    void found(const Par& par);

    modGeneral& game_;
    Platform& platform_;
    BoardControls controls_;
    int listener_ = 0;
    ParThread search_;
    int games_ = 0;              // games started, which tells a hint's game from a later one
    int hintGame_ = 0;           // the game and piece (pieces dealt) that the hint sought or shown
    std::size_t hintPiece_ = 0;  // is for
    bool showing_ = false;
    bool available_ = false;
};

}  // namespace fitzel
