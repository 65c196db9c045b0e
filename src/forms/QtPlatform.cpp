// The game's window on the world under Qt: the main window's pictures, labels and timers, boxes,
// files and chance.
#include "forms/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include "forms/BrokenDataFile.h"
#include "forms/PictureBox.h"
#include "forms/Translations.h"
#include "game/DataFiles.h"

namespace fitzel {
namespace {

QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The board and the preview are painted whole at every move: a screen reader is told only of
// the cells whose look changed.
void tellLook(QWidget* box, const QString& look) {
    if (box->accessibleDescription() != look) {
        box->setAccessibleDescription(look);
    }
}

}  // namespace

QtPlatform::QtPlatform(GameScreen screen) : screen_(std::move(screen)) {
    for (int t = 0; t < kTimerCount; ++t) {
        const auto id = static_cast<TimerId>(t);
        QObject::connect(screen_.timers[t], &QTimer::timeout, screen_.timers[t], [this, id] {
            if (tick_) {
                tick_(id);
            }
        });
    }
}

void QtPlatform::readCellPicturesAhead() {
    const std::string folder = programFolder();
    for (const char* cell :
         {kGridEmptyFile, kGridFilledFile, kPreviewEmptyFile, kPreviewFilledFile}) {
        pictures_.picture(qs(pathInFolder(folder, cell)), screen_.window->devicePixelRatio());
    }
}

std::uint64_t QtPlatform::entropy() {
    return QRandomGenerator::system()->generate64();
}

QWidget* QtPlatform::dialogOwner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return screen_.window;
}

Fault QtPlatform::showCell(PictureBox* box, CellLook look, const std::string& picturePath) {
    const Read<QPixmap> loaded =
        pictures_.picture(qs(picturePath), screen_.window->devicePixelRatio());
    if (loaded.fault) {
        return loaded.fault;
    }
    box->showPicture(loaded.value);
    tellLook(box, look == CellLook::Filled ? tr("filled") : tr("empty"));
    return {};
}

Fault QtPlatform::showPieceCell(int k, const std::string& picturePath, int cell) {
    const Read<PieceCells> cells =
        pictures_.pieceCells(qs(picturePath), screen_.window->devicePixelRatio());
    if (cells.fault) {
        return cells.fault;
    }
    PictureBox* box = screen_.pieces.at(k);
    box->showPicture(cells.value.at(static_cast<std::size_t>(cell)));
    static constexpr std::array<const char*, 3> kLooks = {
        QT_TR_NOOP("waiting"), QT_TR_NOOP("dealt"), QT_TR_NOOP("current")};
    tellLook(box, tr(kLooks.at(static_cast<std::size_t>(cell))));
    return {};
}

Fault QtPlatform::showBoardCell(int n, CellLook look, const std::string& picturePath) {
    return showCell(screen_.board.at(n), look, picturePath);
}

Fault QtPlatform::showPreviewCell(int n, CellLook look, const std::string& picturePath) {
    return showCell(screen_.preview.at(n), look, picturePath);
}

void QtPlatform::setLabel(Label label, const std::string& text) {
    QLabel* target = label == Label::Score ? screen_.score : screen_.timeRemaining;
    target->setText(qs(text));
    // A screen reader tells a label by its name: the heading and the number, on one line.
    const QString spoken = target->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (target->accessibleName() != spoken) {
        target->setAccessibleName(spoken);
    }
}

void QtPlatform::setTimerHandler(std::function<void(TimerId)> handler) {
    tick_ = std::move(handler);
}

void QtPlatform::setTimerInterval(TimerId timer, int milliseconds) {
    QTimer* t = screen_.timers.at(static_cast<std::size_t>(timer));
    if (milliseconds <= 0) {
        t->stop();
    } else {
        t->start(milliseconds);
    }
}

BoxAnswer QtPlatform::messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                                 BoxButtons buttons) {
    const QMessageBox::Icon boxIcon = icon == BoxIcon::Information ? QMessageBox::Information
                                      : icon == BoxIcon::Question  ? QMessageBox::Question
                                                                   : QMessageBox::NoIcon;
    const QMessageBox::StandardButtons boxButtons =
        buttons == BoxButtons::YesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    QMessageBox box(boxIcon, qs(title), qs(text), boxButtons, dialogOwner());
    box.setTextFormat(Qt::PlainText);
    if (buttons == BoxButtons::YesNo) {
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    }
    box.exec();
    if (buttons == BoxButtons::Ok) {
        return BoxAnswer::Ok;
    }
    return box.clickedButton() == box.button(QMessageBox::Yes) ? BoxAnswer::Yes : BoxAnswer::No;
}

std::string QtPlatform::inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) {
    QInputDialog dialog(dialogOwner());
    dialog.setWindowTitle(qs(title));
    dialog.setLabelText(qs(prompt));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(qs(proposed));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.textValue().toStdString();
}

void QtPlatform::showScoresWindow() {
    screen_.showScoresWindow();
}

std::string QtPlatform::programFolder() {
    return QCoreApplication::applicationDirPath().toStdString();
}

std::optional<std::string> QtPlatform::userDataFolder() {
    const std::optional<QString> folder = playerDataFolder();
    if (!folder) {
        return std::nullopt;
    }
    return folder->toStdString();
}

bool QtPlatform::canWriteIn(const std::string& folder) {
    return canMakeFilesIn(qs(folder));
}

Fault QtPlatform::lockFile(const std::string& path) {
    return locks_.lock(qs(path));
}

void QtPlatform::unlockFile(const std::string& path) {
    locks_.unlock(qs(path));
}

Read<FileBytes> QtPlatform::readFile(const std::string& path, std::size_t maxBytes) {
    return readWholeFile(qs(path), maxBytes);
}

Fault QtPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    return replaceWholeFile(qs(path), bytes);
}

std::string QtPlatform::translated(const char* english) {
    return gameString(english);
}

void QtPlatform::openDocument(const std::string& address) {
    QDesktopServices::openUrl(QUrl::fromUserInput(qs(address)));
}

void QtPlatform::fatalError(const std::string& file, const std::string& fault) {
    for (QTimer* timer : screen_.timers) {
        timer->stop();
    }
    reportBrokenDataFile(screen_.window->isVisible() ? dialogOwner() : nullptr, qs(file),
                         qs(fault));
}

}  // namespace fitzel
