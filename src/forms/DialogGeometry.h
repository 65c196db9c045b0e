// Layout helpers shared by the small dialogs: twips to pixels, and centring on the screen.
#pragma once

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace fitzel {

// Window layouts are given in twips, 15 to a pixel.
constexpr int twips(int t) {
    return static_cast<int>((t * 2 + 15) / 30);
}

// Puts a window in the middle of its screen: top = screen height / 2 - window height / 2,
// then left = screen width / 2 - window width / 2, with the outer size of the window (frame and
// caption included).
inline void centreOnScreen(QWidget* window) {
    const QScreen* screen =
        window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    const double top = area.height() / 2.0 - outer.height() / 2.0;
    const double left = area.width() / 2.0 - outer.width() / 2.0;
    window->move(area.x() + static_cast<int>(std::lround(left)),
                 area.y() + static_cast<int>(std::lround(top)));
}

}  // namespace fitzel
