// The board's overlay: the placement tint, the keyboard's cursor, its keys and the pointer.
#include "forms/BoardOverlay.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "forms/MainLayout.h"
#include "forms/PictureBox.h"

namespace fitzel {
namespace {

// Where the cursor starts: the centre of the board.
constexpr int kCentreCell = 13;

// The tint is a band inside the cursor's frame, leaving the cell's middle as it is, so that the
// piece's colour shows whether a clash is with a filled cell.
constexpr int kCursorWidth = 2;
constexpr int kTintWidth = 5;
const QColor kCursorColour(0, 0, 0);
const QColor kCoversTint(0, 170, 0, 200);
const QColor kClashesTint(255, 30, 30, 230);
const QColor kRefusedTint(255, 150, 40, 190);

// Board cell n within the overlay, which covers the board exactly.
QRect cellRect(int n) {
    return layout::boardCell(n).pixels().translated(-layout::boardCell(1).pixels().topLeft());
}

}  // namespace

BoardOverlay::BoardOverlay(QWidget* parent, const modGeneral& game,
                           const std::array<PictureBox*, kBoardCells + 1>& cells)
    : QWidget(parent), game_(game), boardCells_(cells) {
    setObjectName("boardOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(tr("Board"));
    // It holds the keyboard, which the main window passes on (handleKey); never the pointer.
    setFocusPolicy(Qt::TabFocus);
    setGeometry(layout::boardCell(1).pixels().united(layout::boardCell(kBoardCells).pixels()));
    for (int n = 1; n <= kBoardCells; ++n) {
        boardCells_[n]->setMouseTracking(true);
        boardCells_[n]->installEventFilter(this);
    }
}

void BoardOverlay::setPreviewShown(bool shown) {
    previewShown_ = shown;
    refresh();
}

void BoardOverlay::setBlocked(bool blocked) {
    blocked_ = blocked;
    refresh();
}

void BoardOverlay::newGame() {
    cursor_ = kCentreCell;
    keysInUse_ = false;
    hintCell_ = 0;
    note_.clear();
    refresh();
}

void BoardOverlay::showHint(int cell) {
    cursor_ = cell;
    keysInUse_ = true;
    hintCell_ = cell;
    hintPiece_ = game_.state().dealtPieces.size();
    refresh();
}

void BoardOverlay::tell(const QString& note) {
    note_ = note;
    refresh();
}

void BoardOverlay::pointerClicked() {
    keysInUse_ = false;
    refresh();
}

void BoardOverlay::refresh() {
    const bool playing = game_.state().blnInGame && !blocked_;
    const int pointed = keysInUse_ ? cursor_ : pointerCell_;
    if (!game_.state().blnInGame || game_.state().dealtPieces.size() != hintPiece_) {
        hintCell_ = 0;
    }
    PlacementView view;
    if (playing && !game_.state().blnClearing && (previewShown_ || pointed == hintCell_) &&
        pointed != 0) {
        view = game_.placementAt(pointed);
    }
    const int cursor = playing && keysInUse_ ? cursor_ : 0;
    // What a screen reader tells of the board, which holds the keyboard: the cursor's cell, its
    // look and, as the tint shows it, whether the piece fits there. Told again when it changes:
    // a cursor moved, a piece placed, a block cleared, a new piece dealt.
    QString spoken = note_;
    if (cursor != 0) {
        if (!spoken.isEmpty()) {
            spoken += QStringLiteral(". ");
        }
        spoken += tr("Cursor on cell %1, %2, %3")
                      .arg(cursor)
                      .arg(game_.state().blnGrid[cursor] ? tr("filled") : tr("empty"),
                           game_.placementAt(cursor).fits ? tr("the piece fits")
                                                          : tr("the piece does not fit"));
    }
    if (spoken != accessibleDescription()) {
        setAccessibleDescription(spoken);
    }
    if (view.cells != shown_ || cursor != shownCursor_) {
        shown_ = view.cells;
        shownCursor_ = cursor;
        update();
    }
    emit refreshed();
}

bool BoardOverlay::handleKey(const QKeyEvent& event) {
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int row = (cursor_ - 1) / 5;
    const int column = (cursor_ - 1) % 5;
    int target = cursor_;
    switch (plain ? event.key() : 0) {
        case Qt::Key_Left:
            target -= column > 0 ? 1 : 0;
            break;
        case Qt::Key_Right:
            target += column < 4 ? 1 : 0;
            break;
        case Qt::Key_Up:
            target -= row > 0 ? 5 : 0;
            break;
        case Qt::Key_Down:
            target += row < 4 ? 5 : 0;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            // A held key places one piece, not the next ones, which the player has not seen.
            if (!event.isAutoRepeat()) {
                keysInUse_ = true;
                emit placeRequested(cursor_);
                refresh();
            }
            return true;
        default:
            return false;
    }
    if (game_.state().blnInGame) {
        cursor_ = target;
        keysInUse_ = true;
        refresh();
    }
    return true;
}

void BoardOverlay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int n = 1; n <= kBoardCells; ++n) {
        const CellFit fit = shown_[n];
        if (fit != CellFit::None) {
            const int inset = kCursorWidth;
            fillBand(painter, cellRect(n).adjusted(inset, inset, -inset, -inset), kTintWidth,
                     fit == CellFit::Covers    ? kCoversTint
                     : fit == CellFit::Clashes ? kClashesTint
                                               : kRefusedTint);
        }
    }
    if (shownCursor_ != 0) {
        fillBand(painter, cellRect(shownCursor_), kCursorWidth, kCursorColour);
    }
}

bool BoardOverlay::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::MouseMove && type != QEvent::Leave) {
        return QWidget::eventFilter(watched, event);
    }
    for (int n = 1; n <= kBoardCells; ++n) {
        if (watched != boardCells_[n]) {
            continue;
        }
        if (type != QEvent::Leave) {
            // The pointer moved over the board: the board is the pointer's again. A cell that
            // turns up under a pointer at rest (a window shown or closed over it) is no move.
            const QPointF at = type == QEvent::Enter
                                   ? static_cast<QEnterEvent*>(event)->globalPosition()
                                   : static_cast<QMouseEvent*>(event)->globalPosition();
            if (pointerSeen_ && at != pointerAt_) {
                keysInUse_ = false;
            }
            pointerAt_ = at;
            pointerSeen_ = true;
            pointerCell_ = n;
        } else if (pointerCell_ == n) {
            pointerCell_ = 0;
        }
        refresh();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace fitzel
