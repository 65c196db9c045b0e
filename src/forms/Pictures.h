// Every picture the windows show: reading a file, choosing its twin for a 200% screen, keeping
// what was read, and cutting a piece picture into its three cells.
#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>

namespace fitzel {

// A picture as read from its file, or why it could not be read.
struct LoadedPicture {
    QPixmap pixmap;
    QString fault;  // empty when the picture was read
};

// The file a picture is drawn from on a screen of the given device pixel ratio: above 1, its
// twin "name@2x.ext" beside it when that exists, drawn at twice the size; else the file itself.
struct PictureFile {
    QString path;
    qreal ratio = 1.0;  // the device pixel ratio the file is drawn for
};
PictureFile pictureFileFor(const QString& path, qreal devicePixelRatio);

// Decodes an uncompressed 24-bit bitmap stored bottom-up, the kind every picture of the game is,
// without the general image reader's search through its format plugins. A null image with no
// fault for any other kind of picture; with the fault for a bitmap that is broken (cut short, or
// claiming a size beyond 4096 pixels a side).
QImage decodePlainBitmap(const QByteArray& bytes, QString& fault);

// Reads a picture file: the game's bitmaps directly, any other picture (the artwork built into
// the program) through Qt's readers. A null image and the fault when it cannot.
QImage readPicture(const QString& path, QString& fault);

// Reads the picture at `path`, drawn for the screen's device pixel ratio (see pictureFileFor).
LoadedPicture loadPicture(const QString& path, qreal devicePixelRatio);

// The three cells of a piece picture, from the left (not yet dealt, dealt, current): each a
// third of the width, the remainder dropped, by the full height. Null pixmaps when the picture
// is under three pixels wide.
std::array<QPixmap, 3> cutIntoThirds(const QPixmap& picture);

// Pictures read once per run and kept by path: the data files do not change while the game
// runs.
class PictureCache {
  public:
    // The picture at `path`, drawn for the screen's device pixel ratio (see pictureFileFor). The
    // file at `path` itself must exist, whatever the ratio.
    LoadedPicture picture(const QString& path, qreal devicePixelRatio = 1.0);
    // The picture's three cells (see cutIntoThirds); null pixmaps and the fault when the
    // picture cannot be read.
    std::array<QPixmap, 3> pieceCells(const QString& path, QString& fault,
                                      qreal devicePixelRatio = 1.0);
    // How many files have been read so far.
    int filesRead() const { return filesRead_; }

  private:
    QHash<QString, LoadedPicture> pictures_;
    QHash<QString, std::array<QPixmap, 3>> cells_;
    int filesRead_ = 0;
};

}  // namespace fitzel
