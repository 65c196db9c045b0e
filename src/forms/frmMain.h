// The main window: the piece strip, the board, the preview, the labels, Skip, menus and timers.
#pragma once

#include <QLabel>
#include <QMainWindow>
#include <array>
#include <memory>

#include "platform/Platform.h"

class QAction;
class QMenu;
class QPushButton;
class QTimer;

namespace fitzel {

class modGeneral;
class QtPlatform;

// A picture box: shows its picture at its top-left corner and reports a click (a press and a
// release of the left button on it). It takes the size of each picture it is given, unless its
// size is fixed.
class PictureBox : public QLabel {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent, bool fixedSize = false);
    void showPicture(const QPixmap& picture);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool fixedSize_;
    bool pressed_ = false;
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

  private:
    void buildControls();
    void buildMenus();
    void buildTimers();
    void centreOnScreen();
    void endProgram();

    QWidget* client_ = nullptr;
    std::array<PictureBox*, 36> picPieces_{};
    std::array<PictureBox*, 26> picGrid_{};
    std::array<PictureBox*, 10> picEG_{};
    QLabel* lblTimeRemaining_ = nullptr;
    QLabel* lblScore_ = nullptr;
    QPushButton* btnSkip_ = nullptr;
    QMenu* mnuFile_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    std::array<QTimer*, kTimerCount> timers_{};
    bool ending_ = false;

    // The game is destroyed before the platform it calls through.
    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
};

}  // namespace fitzel
