// Answers the next modal window as a person would, from the event loop that the window runs.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace fitzel::test {

// Looks on every pass of the event loop (a modal window runs one) for a visible modal window
// other than those open when it was made; the first one found is noted and handed to `act`.
class NextModal {
  public:
    explicit NextModal(std::function<void(QWidget*)> act) : act_(std::move(act)) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible()) {
                before_.append(w);
            }
        }
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(0);
    }

    bool seen = false;
    QString title, text, className;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;

  private:
    void look() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || before_.contains(modal)) {
            return;
        }
        timer_.stop();
        seen = true;
        title = modal->windowTitle();
        className = QString::fromLatin1(modal->metaObject()->className());
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
        }
        act_(modal);
    }

    std::function<void(QWidget*)> act_;
    QList<QPointer<QWidget>> before_;
    QTimer timer_;
};

}  // namespace fitzel::test
