// Helpers for the small windows' tests: their common frame, answering boxes, a piece picture.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fitzel::test {

// While it lives, notes each message box that opens (title, text, icon, buttons) and answers it
// with its first button. It looks on every pass of the event loop, which a modal box runs.
class BoxWatcher {
  public:
    BoxWatcher() {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(widget);
                if (box != nullptr && box->isVisible() && !box->property("answered").toBool()) {
                    box->setProperty("answered", true);
                    seen.push_back(QStringList{box->windowTitle(), box->text(),
                                               QString::number(box->icon()),
                                               QString::number(box->standardButtons().toInt())}
                                       .join('|'));
                    box->buttons().first()->click();
                }
            }
        });
        timer_.start(0);
    }
    std::vector<QString> seen;

  private:
    QTimer timer_;
};

inline const QColor kIconCellColour(200, 40, 40);

// A piece picture of three cells side by side, each its own colour, two pixels left over on the
// right. Cell 0, the one the About window shows, is kIconCellColour.
inline bool writePiecePicture(const QString& path) {
    QImage picture(32 * 3 + 2, 30, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.fillRect(0, 0, 32, 30, kIconCellColour);
    painter.fillRect(32, 0, 32, 30, QColor(40, 200, 40));
    painter.fillRect(64, 0, 32, 30, QColor(40, 40, 200));
    painter.end();
    return picture.save(path, "BMP");
}

// What every small window shares: its caption and client size, a fixed border without minimise
// and maximise buttons or a resizable one with them, centring on the screen (not over its owner,
// here in a corner), and closing by its OK button, its close box and, with `escapeCloses`, Escape.
inline void checkFrame(const std::function<QDialog*(QWidget* owner)>& make, const QString& caption,
                       QSize size, bool fixed, bool escapeCloses) {
    QWidget owner;
    owner.setGeometry(0, 0, 120, 80);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    for (const std::string how : {"OK", "close box", "Escape"}) {
        const std::unique_ptr<QDialog> window(make(&owner));
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->size(), size);
        QCOMPARE(window->minimumSize() == size && window->maximumSize() == size, fixed);
        const Qt::WindowFlags flags = window->windowFlags();
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
        QVERIFY(flags.testFlag(Qt::WindowTitleHint) && flags.testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowMinimizeButtonHint), !fixed);
        QCOMPARE(flags.testFlag(Qt::WindowMaximizeButtonHint), !fixed);
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QSignalSpy finished(window.get(), &QDialog::finished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto offCentre = [&] {
            const QRect screen = window->screen()->geometry(), outer = window->frameGeometry();
            return std::max(std::abs(outer.top() - (screen.height() / 2 - outer.height() / 2)),
                            std::abs(outer.left() - (screen.width() / 2 - outer.width() / 2)));
        };
        QTRY_VERIFY(offCentre() <= 1);
        if (how == "OK") {
            for (auto* button : window->findChildren<QPushButton*>()) {
                if (button->text() == "OK") {
                    QTest::mouseClick(button, Qt::LeftButton);
                }
            }
        } else if (how == "close box") {
            window->close();
        } else {
            QTest::keyClick(window.get(), Qt::Key_Escape);
        }
        const bool closes = how != "Escape" || escapeCloses;
        QTRY_COMPARE(window->isVisible(), !closes);
        QCOMPARE(finished.count(), closes ? 1 : 0);
        if (!fixed && !closes) {
            window->resize(size + QSize(100, 90));
            QTRY_COMPARE(window->size(), size + QSize(100, 90));
        }
    }
}

}  // namespace fitzel::test
