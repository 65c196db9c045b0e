// Helpers for the dialog tests: answering message boxes, and a piece picture to cut an icon from.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace fitzel::test {

// What a message box showed.
struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// While it lives, answers every message box that opens by clicking its first button, after
// noting what the box showed. It looks on every pass of the event loop, which a modal box runs.
class BoxWatcher {
  public:
    BoxWatcher() {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }

    std::vector<SeenBox> seen;

  private:
    void answer() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible() || box->property("answered").toBool()) {
                continue;
            }
            box->setProperty("answered", true);
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            box->buttons().first()->click();
        }
    }

    QTimer timer_;
};

inline const QColor kIconCellColour(200, 40, 40);

// A piece picture of three cells side by side, each its own colour, two pixels left over on the
// right. Cell 0, the one the About window shows, is kIconCellColour.
inline bool writePiecePicture(const QString& path, int cellWidth = 32, int height = 30) {
    QImage picture(cellWidth * 3 + 2, height, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 0));
    const QColor cells[] = {kIconCellColour, QColor(40, 200, 40), QColor(40, 40, 200)};
    for (int c = 0; c < 3; ++c) {
        for (int x = 0; x < cellWidth; ++x) {
            for (int y = 0; y < height; ++y) {
                picture.setPixelColor(c * cellWidth + x, y, cells[c]);
            }
        }
    }
    return picture.save(path, "BMP");
}

}  // namespace fitzel::test
