// Picture boxes and picture buttons: drawing a picture, its ground and border, and the click.
#include "forms/PictureBox.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace fitzel {
namespace {

QAccessibleInterface* pictureBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

void fillBand(QPainter& painter, const QRect& r, int width, const QColor& colour) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), colour);
    painter.fillRect(QRect(r.left(), r.top() + width, width, r.height() - 2 * width), colour);
    painter.fillRect(QRect(r.right() - width + 1, r.top() + width, width, r.height() - 2 * width),
                     colour);
}

PictureBox::PictureBox(QWidget* parent, bool fixedSize) : QWidget(parent), fixedSize_(fixedSize) {
    // (Installed once, however many boxes are made.)
    static const bool installed = [] {
        QAccessible::installFactory(pictureBoxAccessible);
        return true;
    }();
    (void)installed;
}

void PictureBox::showPicture(const QPixmap& picture) {
    picture_ = picture;
    if (!fixedSize_) {
        // A picture drawn for a screen at 200% has twice the pixels in the same place.
        resize(picture.deviceIndependentSize().toSize());
    }
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (ground_.isValid()) {
        painter.fillRect(rect(), ground_);
    }
    if (border_) {
        fillBand(painter, rect(), 1, Qt::black);
    }
    // Inside the border, when there is one, and never over it.
    const int inset = border_ ? 1 : 0;
    painter.setClipRect(rect().adjusted(inset, inset, -inset, -inset));
    painter.drawPixmap(inset, inset, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
    }
    event->accept();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPoint face = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    if (isDown()) {
        const QColor shadow = palette().color(QPalette::Shadow);
        painter.fillRect(0, 0, width(), 1, shadow);
        painter.fillRect(0, 1, 1, height() - 1, shadow);
    }
    painter.drawPixmap(face, icon().pixmap(iconSize(), devicePixelRatio(),
                                           isEnabled() ? QIcon::Normal : QIcon::Disabled));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3).translated(face);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace fitzel
