// Tests of the small windows: How To Play, the high scores and About.
#include <QtTest>
#include <QtWidgets>

#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmScores.h"
#include "game/HighScoreFile.h"
#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel {

// A registry whose keys each hold a text and the size it reports for it (-1: the text's own),
// and a system where one program file stands and programs start or fail as told.
struct FakeSystem : Registry, SystemServices {
    std::map<std::string, std::pair<std::string, int>> keys;
    std::string current;
    int open = 0;
    std::vector<std::string> started;
    bool startsWork = true;
    RegistryStatus openKey(RegistryRoot, const std::string& key, std::uint32_t, std::uint32_t,
                           RegistryKey&) override {
        return ++open, current = key, keys.count(key) ? kRegistrySuccess : kRegistryFileNotFound;
    }
    RegistryStatus queryValue(RegistryKey, const std::string&, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override {
        const auto& [text, reported] = keys.at(current);
        type = kRegSz, size = reported < 0 ? text.size() : reported;
        return std::copy(text.begin(), text.end(), data), kRegistrySuccess;
    }
    RegistryStatus closeKey(RegistryKey) override { return --open, kRegistrySuccess; }
    bool fileExists(const std::string& path) override { return path == "/opt/sys/MSINFO32.EXE"; }
    bool startProgram(const std::string& path) override {
        return started.push_back(path), startsWork;
    }
};

class SmallWindowsTest : public QObject {
    Q_OBJECT
    NullPlatform platform;
    const QString folder = QCoreApplication::applicationDirPath();
    modGeneral game{platform};

    // Row k shows place k, from the top, each text whole and no two overlapping.
    void checkRows(const frmScores& window, const QStringList& texts) {
        QList<QRect> taken{{}, {}};
        for (int i = 0; i < 10; ++i) {
            const QLabel* label = (i % 2 ? window.lblName : window.lblScore)[i / 2 + 1];
            QVERIFY(label->text() == texts[i] && label->width() >= label->sizeHint().width());
            QVERIFY(i % 2 ? label->y() == taken[i + 1].y() : label->y() > taken[i].y());
            for (const QRect& other : taken)
                QVERIFY2(!label->geometry().intersects(other), qPrintable(texts[i]));
            taken << label->geometry();
        }
    }

  private slots:
    void instructionsShowWholeBesideTheButton() {
        // Whatever the dialog's font: a heading, a blank line and nine lines ending the last
        // sentence, each whole on its own line in a legible size, inside the label, which stands
        // inside the window and clear of the OK button.
        const auto restore = qScopeGuard([f = QApplication::font()] { QApplication::setFont(f); });
        for (const QFont& font : {QApplication::font(), QFont(QStringLiteral("Monospace"), 11)}) {
            QApplication::setFont(font);
            frmHelp window(nullptr);
            const QLabel* label = window.lblHelp;
            const QStringList lines = label->text().split('\n');
            QVERIFY(lines.size() == 11 && lines[1].isEmpty() && lines.last().endsWith('.'));
            QVERIFY(!label->wordWrap() && QFontInfo(label->font()).pixelSize() >= 11);
            const QRect room = label->contentsRect(), ok = window.OKButton->geometry();
            QVERIFY(room.contains(
                label->fontMetrics().boundingRect(room, label->alignment(), label->text())));
            QVERIFY(window.rect().contains(label->geometry() | ok) &&
                    !label->geometry().intersects(ok));
        }
    }

    void scoresShowTheStoredTableAndReadItAgain() {
        // No file shows an empty table; the file's table shows one place a row, and again when
        // refreshed after the file changed, a longer name widening its label.
        frmScores window(game, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkRows(window, {"0", "", "0", "", "0", "", "0", "", "0", ""});
        platform.files[platform.path("Config.cfg")] = encodeHighScoreFile(
            {0, 32767, 150, 7, 1, 0},
            {"", "Ada", "A much longer name than before", "<b>x</b> &", "Zo\xC3\xAB", ""});
        window.refresh();
        checkRows(window, {"32767", "Ada", "150", "A much longer name than before", "7",
                           "<b>x</b> &", "1", QString::fromUtf8("Zo\xC3\xAB"), "0", ""});
    }

    void aboutShowsTheIconAndVersion() {
        // The icon is the first third of piece 10's picture; the version is the game's.
        frmAbout about(game, folder, nullptr);
        const QImage piece = QImage(folder + "/10.bmp").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(about.picIcon->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 piece.copy(0, 0, piece.width() / 3, piece.height()));
        QVERIFY(about.lblVersion->text().endsWith(" " FITZEL_PROJECT_VERSION));
    }

    void systemInfoStartsFromTheRegistryOrSaysItIsUnavailable() {
        // The first key's program, else MSINFO32.EXE in the second key's folder, each read less
        // its closing zero, the key closed again; else a message. A size of 0 ends the search.
        const std::tuple<std::string, int, std::string, bool, std::string> cases[] = {
            // first key, its size (-1: as written), second key, starts, what is started
            {"/usr/bin/sysinfo", -1, "/opt/sys", true, "/usr/bin/sysinfo"},
            {"", -1, "/opt/sys", true, "/opt/sys/MSINFO32.EXE"},
            {"", -1, "/opt/none", true, ""},
            {"/usr/bin/sysinfo", -1, "", false, "/usr/bin/sysinfo"},
            {"/usr/bin/sysinfo", 0, "/opt/sys", true, ""}};
        for (const auto& [first, size, second, starts, started] : cases) {
            FakeSystem system;
            system.startsWork = starts;
            if (!first.empty())
                system.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"] = {first + '\0', size};
            if (!second.empty())
                system.keys["SOFTWARE\\Microsoft\\Shared Tools Location"] = {second + '\0', -1};
            frmAbout about(game, folder, nullptr, system, system);
            bool told = false;  // the message came up, and was closed
            QTimer::singleShot(0, &about, [&told] {
                told =
                    QApplication::activeModalWidget() && QApplication::activeModalWidget()->close();
            });
            about.StartSysInfo();
            QCOMPARE(told, !starts || started.empty());
            QCOMPARE(system.started, std::vector<std::string>(!started.empty(), started));
            QCOMPARE(system.open, 0);  // every key closed again
        }
    }
};

}  // namespace fitzel

QTEST_MAIN(fitzel::SmallWindowsTest)
#include "SmallWindowsTest.moc"
