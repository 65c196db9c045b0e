// Pictures as controls: a box that shows one and reports a click, and a button whose face is one.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

class QPainter;

namespace fitzel {

// Fills a band `width` pixels wide just inside the rectangle, each pixel once (so that a
// see-through colour is even all round).
void fillBand(QPainter& painter, const QRect& r, int width, const QColor& colour);

// A picture box: shows its picture at its top-left corner and reports a click (a press and a
// release of the left button on it). It takes the size of each picture it is given, unless its
// size is fixed. A plain widget that draws the picture itself: the main window holds 69 of them.
// A screen reader tells it as a picture.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* parent, bool fixedSize = false);
    void showPicture(const QPixmap& picture);
    const QPixmap& pixmap() const { return picture_; }
    // The colour shown where the picture does not cover the box (none: the window's).
    void setGround(const QColor& colour) { ground_ = colour; }
    // A black line one pixel wide round the box; the picture then lies inside it.
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

// A push button whose picture (its icon) is its whole face. Held down, the face moves one pixel
// down and right and leaves a shadow along its top and left, as a picture button on the desktop
// does.
class PictureButton : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace fitzel
