// The high-score table on a real disk: bad files read without harm, and a save that is killed
// half-way never leaves a broken or lost table.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "forms/PlainBitmap.h"
#include "forms/QtPlatform.h"
#include "game/HighScoreFile.h"
#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// The game on a real folder, with the program's own file reading and writing.
class DiskPlatform : public NullPlatform {
  public:
    explicit DiskPlatform(const QString& folder) : NullPlatform(folder.toStdString()) {}
    Read<FileBytes> readFile(const std::string& path, std::size_t maxBytes) override {
        return readWholeFile(QString::fromStdString(path), maxBytes);
    }
    Fault replaceFile(const std::string& path, const std::string& bytes) override {
        return replaceWholeFile(QString::fromStdString(path), bytes);
    }
    bool canWriteIn(const std::string& folder) override {
        return canMakeFilesIn(QString::fromStdString(folder));
    }
    std::optional<std::string> userDataFolder() override {
        return home.filePath("fitzel").toStdString();
    }
    BoxAnswer messageBox(const std::string& text, const std::string& title, BoxIcon icon,
                         BoxButtons buttons) override {
        told.push_back(title + ": " + text);
        return NullPlatform::messageBox(text, title, icon, buttons);
    }
    QTemporaryDir home;
    std::vector<std::string> told;
};

class BadFilesTest : public ::testing::Test {
  protected:
    QString config() const { return folder.filePath("Config.cfg"); }
    void write(const QByteArray& bytes) {
        QFile file(config());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray stored() const {
        QFile file(config());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QByteArray table(const HighScores& scores, const HighNames& names) {
        return QByteArray::fromStdString(encodeHighScoreFile(scores, names));
    }

    QTemporaryDir folder;
    DiskPlatform platform{folder.path()};
    modGeneral game{platform};
};

TEST_F(BadFilesTest, AHugeHighScoreFileReadsAsItsTableAndTheNextSaveMakesItWhole) {
    // A table followed by 100 MiB of rubbish is read as the table (any bytes read as a table: the
    // fuzz target), and entering a score writes five proper lines.
    write(table({0, 500, 400, 300, 200, 100}, {"", "A", "B", "C", "D", "E"}) +
          QByteArray(100 << 20, 'x'));
    game.LoadHighScores();
    EXPECT_EQ(game.state().intHighScore, (HighScores{0, 500, 400, 300, 200, 100}));
    game.CheckHighScore(32767);
    game.LoadHighScores();
    EXPECT_EQ(game.state().intHighScore, (HighScores{0, 32767, 500, 400, 300, 200}));
    EXPECT_EQ(stored().count("\r\n"), 5);
}

TEST_F(BadFilesTest, ATableBehindALinkIsSavedThereButNeverInPlaceOfAPipeOrADevice) {
    // A link to a regular file is followed; a link to anything else is refused and left as it
    // is, and so is the pipe or device it names: nothing is read from it or written in its place.
    QTemporaryDir elsewhere;
    const QString kept = elsewhere.filePath(QStringLiteral("scores"));
    const QString pipe = elsewhere.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    write(table({0, 50, 40, 30, 20, 10}, {}));
    ASSERT_TRUE(QFile::rename(config(), kept));
    for (const QString& target : {kept, pipe}) {
        QFile::remove(config());
        ASSERT_TRUE(QFile::link(target, config()));
        const Fault fault = replaceWholeFile(config(), "new");
        EXPECT_EQ(fault.has_value(), target == pipe);
        EXPECT_TRUE(QFileInfo(config()).isSymLink());
        EXPECT_EQ(readWholeFile(config(), 100).fault.has_value(), target == pipe);
    }
    EXPECT_EQ(QFile(kept).size(), 3);
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    // Only a file holding more than the reader takes is cut; a folder in a file's place is a
    // file that cannot be read, not a missing one that a save could put in its place.
    EXPECT_FALSE(readWholeFile(kept, 3).value.truncated);
    EXPECT_TRUE(readWholeFile(kept, 2).value.truncated);
    EXPECT_TRUE(readWholeFile(elsewhere.path(), 3).fault.has_value());
}

TEST_F(BadFilesTest, ASaveKilledAtAnyMomentLeavesTheOldTableOrTheNewOne) {
    // The table is written beside the old one and renamed over it, so a save cut short by a
    // crash or a power cut loses nothing. Only a call to the system changes a file, so killing
    // the save before and after each of its calls, in turn, tries every moment that matters,
    // however busy the machine: the old table stays until the new one is there, whole.
    const QByteArray old = table({0, 50, 40}, {});
    const QByteArray fresh = table({0, 99}, {});
    QList<QByteArray> seen;
    for (int stop = 1; seen.isEmpty() || seen.last() != fresh; ++stop) {
        // A save killed once its new file has a name leaves that file beside the table.
        for (const QString& left : QDir(folder.path()).entryList(QDir::Files))
            QFile::remove(folder.filePath(left));
        write(old);
        const pid_t child = fork();
        if (child == 0) {
            // Stopped at each call to the system from now on, for the parent to let go or kill.
            if (ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) == 0)
                raise(SIGSTOP);
            _exit(replaceWholeFile(config(), fresh.toStdString()) ? 1 : 2);
        }
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSTOPPED(status)) << "the save cannot be watched (ptrace)";
        for (int at = 0; at < stop && WIFSTOPPED(status); ++at) {
            ptrace(PTRACE_SYSCALL, child, nullptr, nullptr);
            waitpid(child, &status, 0);
        }
        if (WIFSTOPPED(status)) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        seen << stored();
        ASSERT_TRUE(seen.last() == old || seen.last() == fresh) << "killed at stop " << stop;
        ASSERT_TRUE(WIFSTOPPED(status) || seen.last() == fresh) << "the save failed";
    }
    EXPECT_EQ(seen.first(), old);
}

TEST_F(BadFilesTest, ASaveOnAFullDiskKeepsTheOldTableAndTellsThePlayer) {
    // A disk that fills up during the save: the process may write no file past a few bytes, as
    // on a disk with that little room left (and is not killed for trying).
    write(table({0, 90, 80}, {"Ann", "Bob"}));
    const QByteArray before = stored();
    signal(SIGXFSZ, SIG_IGN);
    rlimit room{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &room), 0);
    rlimit full = room;
    full.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    game.CheckHighScore(85);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &room), 0);
    EXPECT_EQ(stored(), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Config.cfg"});
    ASSERT_FALSE(platform.told.empty());
    EXPECT_NE(platform.told.back().find("Not Saved"), std::string::npos) << platform.told.back();
    EXPECT_EQ(platform.told.back().find("Unknown error"), std::string::npos) << "no reason given";
    // With room again, the next score is saved.
    game.CheckHighScore(85);
    game.LoadHighScores();
    EXPECT_EQ(game.state().intHighScore, (HighScores{0, 90, 85, 80}));
}

TEST(PlayerFolder, NoneWithoutAUsableHomeFolder) {
    // Without a home folder the scores never go under the root of the file system.
    QTemporaryDir home;
    const QByteArray before = qgetenv("HOME");
    qunsetenv("XDG_DATA_HOME");
    for (const QByteArray& value :
         {QByteArray(), QByteArray("/nonexistent"), QByteArray("/"), home.path().toLocal8Bit()}) {
        if (value.isNull())
            qunsetenv("HOME");
        else
            qputenv("HOME", value);
        const std::optional<QString> folder = playerDataFolder();
        EXPECT_EQ(folder.has_value(), value == home.path().toLocal8Bit()) << value.data();
        EXPECT_TRUE(!folder || folder->startsWith(home.path())) << value.data();
    }
    qputenv("HOME", before);
}

TEST_F(BadFilesTest, UnprivilegedAnUnreadableTableOrAReadOnlyFolder) {
    // What only a player who is not root meets (as root, unprivileged.sh runs this as nobody):
    // a table they may not read (but may write) is kept, not saved over; a program folder
    // they may not write keeps its table, the player's own starting from it.
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads and writes everything: tests/files/unprivileged.sh runs this";
    }
    for (const bool unreadable : {true, false}) {
        write(table({0, 90, 80, 70, 60, 50}, {}));
        const QByteArray before = stored();
        const QByteArray target = (unreadable ? config() : folder.path()).toLocal8Bit();
        ASSERT_EQ(chmod(target.constData(), unreadable ? 0200 : 0555), 0);
        modGeneral(platform).CheckHighScore(85);  // a run of its own: it decides where anew
        ASSERT_EQ(chmod(target.constData(), unreadable ? 0600 : 0755), 0);
        EXPECT_EQ(stored(), before);
        QFile own(platform.home.filePath("fitzel/Config.cfg"));
        EXPECT_EQ(own.exists(), !unreadable);
        if (!unreadable && own.open(QIODevice::ReadOnly)) {
            HighScores scores{};
            HighNames names;
            decodeHighScoreFile(own.readAll().toStdString(), scores, names);
            EXPECT_EQ(scores, (HighScores{0, 90, 85, 80, 70, 60}));
        }
    }
}

TEST(Pictures, BitmapsReadAsTheToolkitReadsThemAndBrokenOnesSayWhatIsWrong) {
    // A shipped bitmap reads as the toolkit reads it; one cut short or claiming an enormous size
    // is refused with its fault; other kinds are left, with no fault, to the toolkit's readers.
    const QString path = QStringLiteral(FITZEL_SOURCE_DIR "/data/GridEmpty.bmp");
    QFile whole(path);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    EXPECT_EQ(decodePlainBitmap(bytes).value, QImage(path).convertToFormat(QImage::Format_RGB32));
    QByteArray enormous = bytes;
    enormous.replace(18, 8, QByteArray("\x20\x4E\0\0\x20\x4E\0\0", 8));  // 20000 x 20000
    // Rows are padded to four bytes: the file cut by its last row's padding is cut short.
    const int padding = (4 - bytes[18] * 3 % 4) % 4;
    ASSERT_NE(padding, 0);
    // One pixel wide and 20000 tall, every row there.
    QByteArray tall = bytes.left(54);
    tall.replace(18, 8, QByteArray("\1\0\0\0\x20\x4E\0\0", 8));
    tall.append(4 * 20000, '\0');
    struct Broken {
        QByteArray bytes;
        QString fault;  // how it begins; empty for none
    };
    const Broken cases[] = {{bytes.left(bytes.size() / 2), "cut short"},
                            {bytes.chopped(padding), "cut short"},
                            {enormous, "too large: 20000 x 20000"},
                            {tall, "too large: 1 x 20000"},
                            {"BM", ""},
                            {"\x89PNG\r\n", ""}};
    for (const auto& [odd, said] : cases) {
        const Read<QImage> read = decodePlainBitmap(odd);
        EXPECT_TRUE(read.value.isNull()) << odd.size();
        EXPECT_EQ(read.fault.has_value(), !said.isEmpty()) << odd.size();
        EXPECT_TRUE(read.fault.value_or("").starts_with(said.toStdString()))
            << read.fault.value_or("");
    }
}

}  // namespace
}  // namespace fitzel
