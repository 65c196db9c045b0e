// The game's window on the world under Qt: pictures, labels, timers, boxes and files of frmMain.
#pragma once

#include <QLockFile>
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "forms/Pictures.h"
#include "platform/Platform.h"

class QWidget;

namespace fitzel {

class frmMain;
class frmScores;
class PictureBox;

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
// Reads at most maxBytes of a file (free of any window, so it can be tested on its own).
FileRead readWholeFile(const QString& path, std::size_t maxBytes);
// Writes a whole new file beside the old one and renames it into the old one's place, making
// the folder first when it is missing.
Fault replaceWholeFile(const QString& path, const std::string& bytes);

}  // namespace fitzel
