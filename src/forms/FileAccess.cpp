// The game's files on disk: reading, replacing, locking, and the folders they may live in.
#include "forms/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>

#include "forms/Translations.h"

namespace fitzel {
namespace {

constexpr char kFolderNotFile[] = FITZEL_TEXT("fitzel", "It is a folder, not a file");
constexpr char kNotRegular[] =
    FITZEL_TEXT("fitzel", "It is not a regular file (a device, a pipe or a socket)");
constexpr char kNoFolder[] = FITZEL_TEXT("fitzel", "The folder cannot be made");
constexpr char kAnotherSaving[] =
    FITZEL_TEXT("fitzel", "Another copy of Fitzel! is saving its scores");
constexpr char kNoLock[] = FITZEL_TEXT("fitzel", "The lock file cannot be made");
constexpr char kNoRoom[] = FITZEL_TEXT("fitzel", "There is not room enough on the disk for it");

// Why a file that is there is no file to read or replace.
std::string notAFile(const QFileInfo& info) {
    return gameString(info.isDir() ? kFolderNotFile : kNotRegular);
}

}  // namespace

Read<FileBytes> readWholeFile(const QString& path, std::size_t maxBytes) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    if (!info.isFile()) {
        // Opening a pipe would wait for a writer that never comes, and a device is no data file.
        return {{}, notAFile(info)};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {{}, file.errorString().toStdString()};
    }
    QByteArray bytes;
    while (static_cast<std::size_t>(bytes.size()) < maxBytes) {
        const qint64 want =
            static_cast<qint64>(std::min<std::size_t>(maxBytes - bytes.size(), 1 << 16));
        const QByteArray chunk = file.read(want);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError) {
                return {{}, file.errorString().toStdString()};
            }
            break;
        }
        bytes.append(chunk);
    }
    char extra = 0;
    const bool truncated =
        static_cast<std::size_t>(bytes.size()) >= maxBytes && file.getChar(&extra);
    return {{true, bytes.toStdString(), truncated}, {}};
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
        return notAFile(target);
    }
    if (!QDir().mkpath(target.absolutePath())) {
        return gameString(kNoFolder);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString().toStdString();
    }
    // The bytes are buffered until the file is closed, and the rename that follows does not
    // look at whether they reached the disk: a disk that fills up meanwhile would put a
    // half-written table in place of the whole one. So they are flushed, and looked at, first.
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        // A write cut short by a full disk leaves the toolkit without the system's reason.
        const bool reasonKnown = file.errorString() != QFile().errorString();
        const std::string fault =
            reasonKnown ? file.errorString().toStdString() : gameString(kNoRoom);
        file.cancelWriting();
        return fault;
    }
    if (!file.commit()) {
        return file.errorString().toStdString();
    }
    return {};
}

Fault FileLocks::lock(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    auto lock = std::make_unique<QLockFile>(path);
    if (!lock->tryLock(5000)) {
        return gameString(lock->error() == QLockFile::LockFailedError ? kAnotherSaving : kNoLock);
    }
    held_[path] = std::move(lock);
    return {};
}

void FileLocks::unlock(const QString& path) {
    held_.erase(path);
}

}  // namespace fitzel
