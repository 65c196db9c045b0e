// The game's window on the world under Qt: pictures, labels, timers, boxes and files of frmMain.
#pragma once

#include <QHash>
#include <QImage>
#include <QLockFile>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "platform/Platform.h"

class QWidget;

namespace fitzel {

class frmMain;
class frmScores;
class PictureBox;

// A picture as read from its file, or the reason it could not be read.
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

// Reads picture files. Pictures are read once per run and kept by path: the data files do
// not change while the game runs.
class PictureCache {
  public:
    // The picture at `path`, drawn for the screen's device pixel ratio (see pictureFileFor). The
    // file at `path` itself must exist, whatever the ratio.
    LoadedPicture picture(const QString& path, qreal devicePixelRatio = 1.0);
    // The picture cut into one row of three equal cells: each a third of the width (the
    // remainder dropped) by the full height. Empty pixmaps when the picture cannot be read.
    std::array<QPixmap, 3> pieceCells(const QString& path, QString& fault,
                                      qreal devicePixelRatio = 1.0);
    // How many files have been read so far.
    int filesRead() const { return filesRead_; }

  private:
    QHash<QString, LoadedPicture> pictures_;
    QHash<QString, std::array<QPixmap, 3>> cells_;
    int filesRead_ = 0;
};

class QtPlatform final : public Platform {
  public:
    explicit QtPlatform(frmMain& window);

    // Seeds the random generator from the clock (once, at start-up).
    void Randomize();
    // The window that boxes and dialogs opened now belong to.
    QWidget* dialogOwner() const;
    PictureCache& pictures() { return pictures_; }

    Fault showPieceCell(int k, const std::string& picturePath, int cell) override;
    Fault showBoardCell(int n, CellLook look, const std::string& picturePath) override;
    Fault showPreviewCell(int n, CellLook look, const std::string& picturePath) override;
    void setLabel(Label label, const std::string& text) override;

    void setTimerInterval(TimerId timer, int milliseconds) override;
    void setTimerHandler(std::function<void(TimerId)> handler) override;
    // A tick of the timer, for the handler the game registered.
    void timerFired(TimerId timer);

    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                         BoxButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    void showScoresWindow() override;

    std::string programFolder() override;
    std::string userDataFolder() override;
    bool canWriteIn(const std::string& folder) override;
    FileRead readFile(const std::string& path, std::size_t maxBytes) override;
    Fault replaceFile(const std::string& path, const std::string& bytes) override;
    Fault lockFile(const std::string& path) override;
    void unlockFile(const std::string& path) override;

    double random() override;
    void openDocument(const std::string& address) override;
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override;

  private:
    Fault showCell(PictureBox* box, CellLook look, const std::string& picturePath);

    frmMain& window_;
    PictureCache pictures_;
    std::mt19937_64 generator_;
    std::function<void(TimerId)> tick_;
    QPointer<frmScores> scores_;
    std::map<std::string, std::unique_ptr<QLockFile>> locks_;
};

// Tells the player that a data file is missing or broken, in a line on standard error and in a
// message naming the file and the fault, then ends the program with status 1 once the message
// is closed. The timers of the owner and of the windows under it stop first.
[[noreturn]] void reportBrokenDataFile(QWidget* owner, const QString& file, const QString& fault);
// Reads an uncompressed 24-bit bitmap, the kind every picture of the game is, without the
// general image reader's search through its format plugins; a null image for any other file.
QImage readPlainBitmap(const QString& path);
// Reads at most maxBytes of a file (free of any window, so it can be tested on its own).
FileRead readWholeFile(const QString& path, std::size_t maxBytes);
// Writes a whole new file beside the old one and renames it into the old one's place, making
// the folder first when it is missing.
Fault replaceWholeFile(const QString& path, const std::string& bytes);

}  // namespace fitzel
