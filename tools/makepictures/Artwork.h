// The game's artwork, drawn square by square: piece pictures, cell pictures, the Skip button,
// the program's icon and the labels' lettering.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <string>

namespace makepictures {

// One square of a piece is 12 x 12 pixels.
inline constexpr int kSquarePixels = 12;
// Everything in a piece picture that is not a square of the piece; the colour of the dark panel
// behind the strip, so that only the squares stand out.
inline const QColor kPieceBackground(102, 102, 102);

// Each picture is drawn for a screen scale of 1 or 2: at 2 it has twice the width and height
// and is drawn afresh at that size (finer bevel corners, sharper text), not enlarged.

// A piece's picture: three cells side by side, each its shape's bounding box at 12 pixels a
// square. `piece` (1 to 35) picks the colour of the waiting look.
QImage pieceImage(const std::string& pattern, int piece, int scale = 1);

// The board's cells (39 x 38) and the preview's (30 x 30).
QImage boardCell(bool filled, int scale = 1);
QImage previewCell(bool filled, int scale = 1);

// The green bevelled square the board and preview show before the first game.
QImage greenCell(int width, int height, int scale = 1);

// The Skip button's face: the word ("Skip") in red script on green (78 x 38). Needs a running
// QGuiApplication for the font; returns a null image when the labels' face (Dancing Script)
// is not installed.
QImage skipButton(const QString& word, int scale = 1);

// The program's icon at `size` x `size` pixels: a yellow piece on the green board.
QImage icon(int size);

// One picture of the labels' lettering (forms/Lettering.h): `text` in black script on the
// window's ground. Null, with `fault` set, when the font is not installed, has other metrics
// than the layout was made for, or reaches beyond the picture.
QImage lettering(const QString& text, int scale, QString& fault);

}  // namespace makepictures
