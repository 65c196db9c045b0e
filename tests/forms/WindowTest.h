// What the window tests share: answering the modal windows a test opens, and a widget's pixels.
#pragma once

#include <QtTest>
#include <QtWidgets>
#include <functional>

namespace fitzel {

// Hands each modal window that opens to `act`, once, from the event loop that the window runs.
class EachModal : public QTimer {
    QPointer<QWidget> handled_;

  public:
    explicit EachModal(std::function<void(QWidget*)> act) {
        callOnTimeout([this, act] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal != handled_)
                act(handled_ = modal);
        });
        start(10);
    }
};

inline QImage grabbed(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace fitzel
