// The main window: the piece strip, the board, the preview, the labels, Skip, menus and timers.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "forms/PlayerOptions.h"
#include "game/modGeneral.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace fitzel {

class BoardOverlay;
class DealMenu;
class PictureBox;
class QtPlatform;
class frmScores;

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    // Creates the window and runs its start-up (Form_Load) before it is shown.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    modGeneral& game() { return *game_; }
    QtPlatform& platform() { return *platform_; }

    // The elements the game paints, numbered from 1 like pieces and cells.
    PictureBox* picPieces(int k) const { return picPieces_.at(k); }
    PictureBox* picGrid(int n) const { return picGrid_.at(n); }
    PictureBox* picEG(int n) const { return picEG_.at(n); }
    QLabel* lblTimeRemaining() const { return lblTimeRemaining_; }
    QLabel* lblScore() const { return lblScore_; }
    QPushButton* btnSkip() const { return btnSkip_; }
    QTimer* timer(TimerId id) const { return timers_.at(static_cast<std::size_t>(id)); }
    // The area below the menu bar that holds every control.
    QWidget* clientArea() const { return client_; }
    BoardOverlay* boardOverlay() const { return overlay_; }
    DealMenu* dealMenu() const { return deals_.get(); }

    // The File menu's items, numbered from the top (2 is the separator).
    enum class FileItem { New = 1, Exit = 3 };
    // The Help menu's items, numbered from the top (3 is the separator).
    enum class HelpItem { HowToPlay = 1, ShowHighScores = 2, About = 4 };

    void Form_Load();
    void mnuFileItem_Click(FileItem item);
    // Starts a new game, as File > New does, dealt from the number or from a fresh one.
    void startDeal(std::optional<std::uint64_t> number);
    void mnuHelpItem_Click(HelpItem item);
    // Shows the high-score window modally. It cannot be shown twice: when it is already open
    // (opened from the menu while the game ended behind it), it shows the new table.
    void showScoresWindow();

  signals:
    // The program is over: the player left through File > Exit or the close box.
    void programEnded();

  protected:
    // A box or window over this one takes its input: the board shows neither tint nor cursor.
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // The arrow keys, Return, Enter and Space play on the board.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void endProgram();
    // Runs a handler of the game, then shows the board's tint and cursor as they now are.
    template <typename Handler>
    void play(Handler handler);

    QWidget* client_ = nullptr;
    std::array<PictureBox*, kPieceCount + 1> picPieces_{};
    std::array<PictureBox*, kBoardCells + 1> picGrid_{};
    std::array<PictureBox*, kPreviewCells + 1> picEG_{};
    QLabel* lblTimeRemaining_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QPushButton* btnSkip_ = nullptr;
    BoardOverlay* overlay_ = nullptr;
    QAction* previewOption_ = nullptr;  // Options > Show Placement Preview
    std::array<QTimer*, kTimerCount> timers_{};
    QPointer<frmScores> scores_;
    PlayerOptions options_;
    bool ending_ = false;

    // Each is destroyed before what it calls: the Deals menu listens to the game, which calls
    // through the platform.
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
    std::unique_ptr<DealMenu> deals_;
};

}  // namespace fitzel
