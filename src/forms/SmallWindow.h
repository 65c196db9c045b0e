// What the game's windows share: centring themselves on the screen, and the small windows' frame.
#pragma once

#include <QDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

#include "forms/Twips.h"

namespace fitzel {

// Puts a window in the middle of its screen: top = screen height / 2 - window height / 2,
// then left = screen width / 2 - window width / 2, with the outer size of the window (frame and
// caption included).
// Where windows cannot place themselves (Wayland, where the compositor places them), nothing.
inline void centreOnScreen(QWidget* window) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    const double top = area.height() / 2.0 - outer.height() / 2.0;
    const double left = area.width() / 2.0 - outer.width() / 2.0;
    window->move(area.x() + static_cast<int>(std::lround(left)),
                 area.y() + static_cast<int>(std::lround(top)));
}

// A small window of the game (scores, how to play, about): modal over the main window, centred
// on the screen when first shown, once its outer size is known. Escape closes it only where it
// has a cancel button.
class SmallWindow : public QDialog {
  public:
    using QDialog::QDialog;

  protected:
    void showEvent(QShowEvent* event) override {
        QDialog::showEvent(event);
        if (!centred_) {
            centred_ = true;
            centreOnScreen(this);
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Escape && !escapeCloses_) {
            event->ignore();
            return;
        }
        QDialog::keyPressEvent(event);
    }
    void setEscapeCloses(bool closes) { escapeCloses_ = closes; }

  private:
    bool centred_ = false;
    bool escapeCloses_ = false;
};

// Opens a small window modally over its owner, waits for it to close and deletes it. A window
// that deletes itself on closing is not deleted twice.
template <typename Window>
void showModal(Window* window) {
    QPointer<Window> guard(window);
    guard->exec();
    delete guard.data();
}

}  // namespace fitzel
