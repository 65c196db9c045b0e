// Every picture the windows show: reading a file, choosing its twin for a 200% screen, keeping
// what was read, and cutting a piece picture into its three cells.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>

#include "platform/Platform.h"

namespace fitzel {

// The three cells of a piece picture, from the left (not yet dealt, dealt, current).
using PieceCells = std::array<QPixmap, 3>;

// The file a picture is drawn from on a screen of the given device pixel ratio: above 1, its
// twin "name@2x.ext" beside it when that exists, drawn at twice the size; else the file itself.
struct PictureFile {
    QString path;
    qreal ratio = 1.0;  // the device pixel ratio the file is drawn for
};
PictureFile pictureFileFor(const QString& path, qreal devicePixelRatio);

// Reads a picture file: the game's bitmaps directly, any other picture (the artwork built into
// the program) through Qt's readers. A null image and the fault when it cannot.
Read<QImage> readPicture(const QString& path);

// Reads the picture at `path`, drawn for the screen's device pixel ratio (see pictureFileFor).
Read<QPixmap> loadPicture(const QString& path, qreal devicePixelRatio);

// The three cells of a piece picture: each a third of the width, the remainder dropped, by the
// full height. Null pixmaps when the picture is under three pixels wide.
PieceCells cutIntoThirds(const QPixmap& picture);

// Pictures read once per run and kept by path: the data files do not change while the game
// runs.
class PictureCache {
  public:
    // The picture at `path`, drawn for the screen's device pixel ratio (see pictureFileFor). The
    // file at `path` itself must exist, whatever the ratio.
    Read<QPixmap> picture(const QString& path, qreal devicePixelRatio = 1.0);
    // The picture's three cells (see cutIntoThirds); null pixmaps and the fault when the
    // picture cannot be read.
    Read<PieceCells> pieceCells(const QString& path, qreal devicePixelRatio = 1.0);
    // How many files have been read so far.
    int filesRead() const { return filesRead_; }

  private:
    QHash<QString, QPixmap> pictures_;
    QHash<QString, PieceCells> cells_;
    int filesRead_ = 0;
};

}  // namespace fitzel
