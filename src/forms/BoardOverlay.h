// Over the board: where the current piece would go, the keyboard's cursor, the arrow keys and
// the pointer.
#pragma once

#include <QPointF>
#include <QWidget>
#include <array>

#include "game/modGeneral.h"

class QKeyEvent;

namespace fitzel {

class PictureBox;

// Drawn over the board's cells and letting every click through to them: the tint of the cells
// the current piece would take at the cell pointed at (by the pointer, or by the keyboard's
// cursor once a key is used), and the cursor itself. It shows nothing while no game runs, while
// a box or window stands over the main window, and (the tint) while a block clears.
class BoardOverlay : public QWidget {
    Q_OBJECT
  public:
    // `cells` are the board's cells 1 to 25, whose pointer it follows.
    BoardOverlay(QWidget* parent, const modGeneral& game,
                 const std::array<PictureBox*, kBoardCells + 1>& cells);

    // Options > Show Placement Preview.
    void setPreviewShown(bool shown);
    // A box or window over the main window takes its input.
    void setBlocked(bool blocked);
    // A new game: the cursor goes back to the centre cell, hidden until a key is used.
    void newGame();
    // A click on a board cell: the board is the pointer's again, until the next key.
    void pointerClicked();
    // Shows the tint and the cursor as the game now stands.
    void refresh();
    // A hint for the current piece: the tint of its placement at `cell`, shown even with the
    // preview off, and the cursor moved there; both until the piece is gone.
    void showHint(int cell);
    // Tells a screen reader something of the play beyond the cursor (a hint, a move of the par
    // play), ahead of the cursor's own words, until told otherwise or a new game starts.
    void tell(const QString& note);
    // An arrow key shows the cursor and moves it (it stops at the board's edges); Return, Enter
    // or Space shows it and asks to place the piece there. False for any other key.
    bool handleKey(const QKeyEvent& event);

    // Each cell's part in the placement shown (all None for none).
    const std::array<CellFit, kBoardCells + 1>& cells() const { return shown_; }
    // The cell the cursor shows on, or 0 while it is hidden.
    int cursorCell() const { return shownCursor_; }

  signals:
    void placeRequested(int cell);
    // Shown again as the game now stands: a piece may have been placed or passed over, a block
    // may have begun or ended clearing, a game may have started or ended.
    void refreshed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    // Follows the pointer over the board's cells.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const modGeneral& game_;
    std::array<PictureBox*, kBoardCells + 1> boardCells_;
    bool previewShown_ = true;
    bool blocked_ = false;

    int cursor_ = 13;         // the keyboard's cell on the board
    bool keysInUse_ = false;  // the keys, not the pointer, were used last on the board this game
    int pointerCell_ = 0;     // the board cell under the pointer, or 0
    QPointF pointerAt_;       // where the pointer was last seen over the board, on the screen
    bool pointerSeen_ = false;

    int hintCell_ = 0;           // the cell a hint shows, or 0
    std::size_t hintPiece_ = 0;  // how many pieces had been dealt when it was given
    QString note_;

    std::array<CellFit, kBoardCells + 1> shown_{};
    int shownCursor_ = 0;
};

}  // namespace fitzel
