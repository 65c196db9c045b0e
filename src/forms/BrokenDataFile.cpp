// The end of the game on a data file that is missing or broken: a line on standard error, then a
// message the player must close.
#include "forms/BrokenDataFile.h"

#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "forms/Translations.h"

namespace fitzel {
namespace {

constexpr char kErrorTitle[] = FITZEL_TEXT("fitzel", "Fitzel! - Error");
constexpr char kCannotGoOn[] = FITZEL_TEXT(
    "fitzel", "Fitzel! cannot go on: a data file is missing or broken.\n\nFile: %1\nFault: %2");

}  // namespace

void reportBrokenDataFile(QWidget* owner, const QString& file, const QString& fault) {
    std::fprintf(stderr, "Fitzel!: %s: %s\n", file.toLocal8Bit().constData(),
                 fault.toLocal8Bit().constData());
    std::fflush(stderr);
    // Nothing of the game may run while the player reads the message.
    for (QWidget* window = owner; window != nullptr; window = window->parentWidget()) {
        for (QTimer* timer : window->findChildren<QTimer*>()) {
            timer->stop();
        }
    }
    QMessageBox box(QMessageBox::Critical, gameText(kErrorTitle),
                    gameText(kCannotGoOn).arg(file, fault), QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    std::exit(1);
}

}  // namespace fitzel
