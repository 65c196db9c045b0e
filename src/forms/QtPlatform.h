// The game's window on the world under Qt: the main window's pictures, labels and timers, boxes,
// files and entropy. The files themselves are handled in FileAccess, the fatal error's message in
// BrokenDataFile; this is the seam that hands the game's requests to them.
#pragma once

#include <QCoreApplication>
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "forms/FileAccess.h"
#include "forms/Pictures.h"
#include "game/modGeneral.h"
#include "platform/Platform.h"

class QLabel;
class QTimer;
class QWidget;

namespace fitzel {

class PictureBox;

// What the game paints and times on the main window, numbered as the game numbers them (element
// 0 unused), and how the table window is opened there.
struct GameScreen {
    QWidget* window = nullptr;  // owns the boxes; its screen decides the pictures' size
    std::array<PictureBox*, kPieceCount + 1> pieces{};
    std::array<PictureBox*, kBoardCells + 1> board{};
    std::array<PictureBox*, kPreviewCells + 1> preview{};
    QLabel* timeRemaining = nullptr;
    QLabel* score = nullptr;
    std::array<QTimer*, kTimerCount> timers{};
    std::function<void()> showScoresWindow;  // modal; returns once it is closed
};

class QtPlatform final : public Platform {
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

  public:
    explicit QtPlatform(GameScreen screen);

    // Reads the board's and the preview's cell pictures ahead, so that no file is opened while a
    // game is played. One that cannot be read is reported when the game first shows it.
    void readCellPicturesAhead();
    // The window that boxes and dialogs opened now belong to.
    QWidget* dialogOwner() const;
    PictureCache& pictures() { return pictures_; }

    Fault showPieceCell(int k, const std::string& picturePath, int cell) override;
    Fault showBoardCell(int n, CellLook look, const std::string& picturePath) override;
    Fault showPreviewCell(int n, CellLook look, const std::string& picturePath) override;
    void setLabel(Label label, const std::string& text) override;

    void setTimerInterval(TimerId timer, int milliseconds) override;
    void setTimerHandler(std::function<void(TimerId)> handler) override;

    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                         BoxButtons buttons) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
    void showScoresWindow() override;

    std::string programFolder() override;
    std::optional<std::string> userDataFolder() override;
    bool canWriteIn(const std::string& folder) override;
    Read<FileBytes> readFile(const std::string& path, std::size_t maxBytes) override;
    Fault replaceFile(const std::string& path, const std::string& bytes) override;
    Fault lockFile(const std::string& path) override;
    void unlockFile(const std::string& path) override;

    std::uint64_t entropy() override;
    void openDocument(const std::string& address) override;
    std::string translated(const char* english) override;
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override;

  private:
    Fault showCell(PictureBox* box, CellLook look, const std::string& picturePath);

    GameScreen screen_;
    PictureCache pictures_;
    std::function<void(TimerId)> tick_;
    FileLocks locks_;
};

}  // namespace fitzel
