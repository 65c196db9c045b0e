// The main window: the piece strip, the board, the preview, the labels, Skip, menus and timers.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPointF>
#include <array>
#include <memory>

#include "game/modGeneral.h"
#include "platform/Platform.h"

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace fitzel {

class QtPlatform;

// A picture box: shows its picture at its top-left corner and reports a click (a press and a
// release of the left button on it). It takes the size of each picture it is given, unless its
// size is fixed. A plain widget that draws the picture itself: the window holds 69 of them.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent, bool fixedSize = false);
    void showPicture(const QPixmap& picture);
    const QPixmap& pixmap() const { return picture_; }
    // The colour shown where the picture does not cover the box (none: the window's).
    void setGround(const QColor& colour) { ground_ = colour; }
    // A black line one pixel wide round the box; the picture then starts inside it.
    void setBorder(bool on) { border_ = on; }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
    QColor ground_;
    bool border_ = false;
    bool fixedSize_;
    bool pressed_ = false;
};

// Drawn over the board's cells and letting every click through to them: the tint of the cells the
// current piece would take at the cell pointed at, and the keyboard's cursor.
class BoardOverlay : public QWidget {
  public:
    explicit BoardOverlay(QWidget* parent);
    // Each cell's part in the placement shown (all None for none) and the cursor's cell (0: none).
    void setState(const std::array<CellFit, kBoardCells + 1>& cells, int cursor);
    const std::array<CellFit, kBoardCells + 1>& cells() const { return cells_; }
    int cursor() const { return cursor_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<CellFit, kBoardCells + 1> cells_{};
    int cursor_ = 0;
};

class frmMain : public QMainWindow {
    Q_OBJECT
  public:
    // The client area, below the menu bar, in pixels (15 twips to a pixel).
    static constexpr int kClientWidth = 329;
    static constexpr int kClientHeight = 530;

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
    // Options > Show Placement Preview.
    QAction* previewOption() const { return previewOption_; }

    // While one lives, a box or a window of the game stands over the main window, which takes no
    // input then: the board shows neither its preview nor its cursor.
    class BoardBlocked {
      public:
        explicit BoardBlocked(frmMain& window);
        ~BoardBlocked();
        BoardBlocked(const BoardBlocked&) = delete;
        BoardBlocked& operator=(const BoardBlocked&) = delete;

      private:
        frmMain& window_;
    };

    void Form_Load();
    // File: 1 New, 2 (separator), 3 Exit.
    void mnuFileItem_Click(int index);
    // Help: 1 How To Play, 2 Show High Scores, 3 (separator), 4 About.
    void mnuHelpItem_Click(int index);

  signals:
    // The program is over: the player left through File > Exit or the close box.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The arrow keys show the cursor and move it over the board; Return, Enter or Space shows it
    // and places the piece there.
    void keyPressEvent(QKeyEvent* event) override;
    // Follows the pointer over the board's cells; moving it there hides the keyboard's cursor.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void centreOnScreen();
    void endProgram();
    // Runs a handler of the game, then shows the board's preview and cursor as they now are.
    template <typename Handler>
    void play(Handler handler);
    void refreshBoardOverlay();

    QWidget* client_ = nullptr;
    std::array<PictureBox*, 36> picPieces_{};
    std::array<PictureBox*, 26> picGrid_{};
    std::array<PictureBox*, 10> picEG_{};
    QLabel* lblTimeRemaining_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QPushButton* btnSkip_ = nullptr;
    BoardOverlay* overlay_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuOptions_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* previewOption_ = nullptr;
    std::array<QTimer*, kTimerCount> timers_{};
    bool ending_ = false;

    int cursor_ = 13;      // the keyboard's cell on the board
    int pointerCell_ = 0;  // the board cell under the pointer, or 0
    QPointF pointerAt_;    // where the pointer was last seen over the board, on the screen
    bool pointerSeen_ = false;
    bool keysInUse_ = false;  // the keys, not the pointer, were used last on the board this game
    int blocked_ = 0;         // boxes and windows open over the main window

    // The game is destroyed before the platform it calls through.
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
};

}  // namespace fitzel
