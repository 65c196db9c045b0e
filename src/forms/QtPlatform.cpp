// The game's window on the world under Qt: the main window's pictures, labels and timers, boxes,
// files and chance.
#include "forms/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "forms/PictureBox.h"
#include "game/DataFiles.h"

namespace fitzel {
namespace {

QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

constexpr char kErrorTitle[] = "Fitzel! - Error";

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
    const LoadedPicture loaded =
        pictures_.picture(qs(picturePath), screen_.window->devicePixelRatio());
    if (!loaded.fault.isEmpty()) {
        return loaded.fault.toStdString();
    }
    box->showPicture(loaded.pixmap);
    tellLook(box, look == CellLook::Filled ? QStringLiteral("filled") : QStringLiteral("empty"));
    return {};
}

Fault QtPlatform::showPieceCell(int k, const std::string& picturePath, int cell) {
    QString fault;
    const std::array<QPixmap, 3> cells =
        pictures_.pieceCells(qs(picturePath), fault, screen_.window->devicePixelRatio());
    if (!fault.isEmpty()) {
        return fault.toStdString();
    }
    PictureBox* box = screen_.pieces.at(k);
    box->showPicture(cells.at(static_cast<std::size_t>(cell)));
    static const std::array<QString, 3> kLooks = {
        QStringLiteral("waiting"), QStringLiteral("dealt"), QStringLiteral("current")};
    tellLook(box, kLooks.at(static_cast<std::size_t>(cell)));
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
    QDir().mkpath(QFileInfo(qs(path)).absolutePath());
    auto lock = std::make_unique<QLockFile>(qs(path));
    if (!lock->tryLock(5000)) {
        return lock->error() == QLockFile::LockFailedError
                   ? "Another copy of Fitzel! is saving its scores"
                   : "The lock file cannot be made";
    }
    locks_[path] = std::move(lock);
    return {};
}

void QtPlatform::unlockFile(const std::string& path) {
    locks_.erase(path);
}

FileRead QtPlatform::readFile(const std::string& path, std::size_t maxBytes) {
    return readWholeFile(qs(path), maxBytes);
}

Fault QtPlatform::replaceFile(const std::string& path, const std::string& bytes) {
    return replaceWholeFile(qs(path), bytes);
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
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kErrorTitle),
                    QStringLiteral("Fitzel! cannot go on: a data file is missing or broken.\n\n"
                                   "File: %1\nFault: %2")
                        .arg(file, fault),
                    QMessageBox::Ok, owner);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    std::exit(1);
}

// --- Files ---

FileRead readWholeFile(const QString& path, std::size_t maxBytes) {
    FileRead result;
    const QFileInfo info(path);
    if (!info.exists()) {
        result.status = FileRead::Status::Missing;
        result.fault = "File not found";
        return result;
    }
    if (!info.isFile()) {
        // Opening a pipe would wait for a writer that never comes, and a device is no data file.
        result.status = FileRead::Status::Failed;
        result.fault = info.isDir() ? "It is a folder, not a file"
                                    : "It is not a regular file (a device, a pipe or a socket)";
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = FileRead::Status::Failed;
        result.fault = file.errorString().toStdString();
        return result;
    }
    QByteArray bytes;
    while (static_cast<std::size_t>(bytes.size()) < maxBytes) {
        const qint64 want =
            static_cast<qint64>(std::min<std::size_t>(maxBytes - bytes.size(), 1 << 16));
        const QByteArray chunk = file.read(want);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                result.status = FileRead::Status::Failed;
                result.fault = file.errorString().toStdString();
                return result;
            }
            break;
        }
        bytes.append(chunk);
    }
    char extra = 0;
    result.truncated = static_cast<std::size_t>(bytes.size()) >= maxBytes && file.getChar(&extra);
    result.bytes = bytes.toStdString();
    result.status = FileRead::Status::Ok;
    return result;
}

std::optional<QString> playerDataFolder() {
    // Without a home folder (HOME unset, or naming no folder) the toolkit would answer a folder
    // under the root of the file system; unless XDG_DATA_HOME names the place, there is none.
    const QString home = qEnvironmentVariable("HOME");
    const bool homeUsable =
        QDir::isAbsolutePath(home) && QFileInfo(home).isDir() && QDir(home) != QDir::root();
    if (!homeUsable && !QDir::isAbsolutePath(qEnvironmentVariable("XDG_DATA_HOME"))) {
        return std::nullopt;
    }
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

bool canMakeFilesIn(const QString& folder) {
    // Asking for permissions is not enough (root may write anywhere, except on a read-only
    // file system): make a file and see.
    QTemporaryFile probe(folder + QStringLiteral("/.fitzel-write-test-XXXXXX"));
    return probe.open();
}

Fault replaceWholeFile(const QString& path, const std::string& bytes) {
    // A link is followed to the file it names (a player may keep the table elsewhere), but only
    // a regular file is ever replaced: a save never puts a file in place of a device, a pipe or
    // a socket.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return target.isDir() ? "It is a folder, not a file"
                              : "It is not a regular file (a device, a pipe or a socket)";
    }
    if (!QDir().mkpath(target.absolutePath())) {
        return "The folder cannot be made";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const std::string fault = file.errorString().toStdString();
        file.cancelWriting();
        return fault;
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

}  // namespace fitzel
