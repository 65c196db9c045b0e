// Tests of the About window: frame, layout, icon, separator, web link and System Info.
#include <QFont>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <tuple>

#include "DialogTestKit.h"
#include "forms/frmAbout.h"
#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// Keeps the addresses the game hands to the desktop.
struct LinkPlatform : NullPlatform {
    using NullPlatform::NullPlatform;
    void openDocument(const std::string& address) override { opened.push_back(address); }
    std::vector<std::string> opened;
};

// A registry of a few keys whose values are raw bytes. Records each call as text: "open <root>
// <key> <options> <access>", "query <buffer size> zeroed|dirty" and "close".
struct FakeRegistry : Registry {
    struct Value {
        std::uint32_t type = kRegSz;
        std::string bytes;                  // written into the caller's buffer
        std::optional<std::uint32_t> size;  // the size reported; the number written if unset
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> calls;
    std::map<RegistryKey, std::string> openNow;

    RegistryStatus openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& key) override {
        char call[300];
        std::snprintf(call, sizeof call, "open %x %s %u %x", static_cast<unsigned>(root),
                      subKey.c_str(), options, access);
        calls.push_back(call);
        if (root != kHKeyLocalMachine || keys.count(subKey) == 0) {
            return kRegistryFileNotFound;
        }
        key = 100 + calls.size();
        openNow[key] = subKey;
        return kRegistrySuccess;
    }
    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override {
        const bool zeroed = std::all_of(data, data + size, [](std::uint8_t b) { return b == 0; });
        calls.push_back("query " + std::to_string(size) + (zeroed ? " zeroed" : " dirty"));
        if (openNow.count(key) == 0) {
            return kRegistryInvalidHandle;
        }
        const auto found = keys[openNow[key]].find(valueName);
        if (found == keys[openNow[key]].end()) {
            return kRegistryFileNotFound;
        }
        const Value& value = found->second;
        if (value.bytes.size() > size) {
            return kRegistryMoreData;
        }
        std::copy(value.bytes.begin(), value.bytes.end(), data);
        type = value.type;
        size = value.size.value_or(static_cast<std::uint32_t>(value.bytes.size()));
        return kRegistrySuccess;
    }
    RegistryStatus closeKey(RegistryKey key) override {
        calls.push_back("close");
        return openNow.erase(key) == 1 ? kRegistrySuccess : kRegistryInvalidHandle;
    }
};

struct FakeServices : SystemServices {
    std::set<std::string> files;
    bool startsWork = true;
    std::vector<std::string> started;
    bool fileExists(const std::string& path) override { return files.count(path) == 1; }
    bool startProgram(const std::string& path) override {
        started.insert(started.end(), startsWork, path);
        return startsWork;
    }
};

const QString kUnavailable =
    "Fitzel! - About.|System Information is unavailable at this time.     "
    "|0|" +
    QString::number(QMessageBox::Ok);

}  // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    LinkPlatform platform{folder.path().toStdString()};
    modGeneral game{platform};
    FakeRegistry registry;
    FakeServices services;

  private slots:
    void initTestCase() { QVERIFY(test::writePiecePicture(folder.filePath("10.bmp"))); }
    void init() {
        registry = FakeRegistry();
        services = FakeServices();
        platform.opened.clear();
    }

    void frame() {
        // A fixed dialog; OK is the cancel button too, so Escape closes it.
        test::checkFrame(
            [this](QWidget* owner) { return new frmAbout(game, folder.path(), owner); },
            "Fitzel! - About.", QSize(382, 237), true, true);
    }

    void layoutTextsAndKeys() {
        // Each control at its place with its text; Tab order as designed; Enter presses OK.
        frmAbout about(game, folder.path(), nullptr);
        QVERIFY(about.cmdOK->isDefault() && !about.cmdSysInfo->isDefault());
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const std::vector<std::tuple<QString, QRect, QString>> controls = {
            {"lblTitle", {70, 16, 259, 32}, "Fitzel!"},
            {"lblVersion", {70, 52, 259, 15}, "Version 1.0.0"},
            {"lblDescription",
             {70, 75, 259, 78},
             "Fitzel!  A game with 'Quadrel' style pieces that you must fit into a grid to create "
             "blocks!"},
            {"lblDisclaimer", {17, 175, 258, 23}, "Copyright \u00A9 2026 The Fitzel developers"},
            {"cmdOK", {283, 175, 84, 23}, "OK"},
            {"lblWeb", {16, 200, 258, 23}, "https://www.example.com/Fitzel"},
            {"cmdSysInfo", {284, 205, 83, 23}, "&System Info..."},
            {"picIcon", {16, 16, 32, 30}, ""},
        };
        for (const auto& [name, geometry, text] : controls) {
            auto* control = about.findChild<QWidget*>(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(control->geometry(), geometry);
            QCOMPARE(control->property("text").toString(), text);
            if (auto* label = qobject_cast<QLabel*>(control); label && name != "picIcon") {
                QVERIFY(label->textFormat() == Qt::PlainText && label->wordWrap());
                QCOMPARE(label->testAttribute(Qt::WA_SetFont), name == "lblWeb");
            }
        }
        const QList<QWidget*> order = {about.cmdOK,          about.picIcon,       about.cmdSysInfo,
                                       about.lblDescription, about.lblDisclaimer, about.lblTitle,
                                       about.lblVersion,     about.lblWeb};
        QList<QWidget*> chain;
        for (QWidget* w = about.nextInFocusChain(); w != &about; w = w->nextInFocusChain()) {
            if (order.contains(w)) {
                chain.append(w);
            }
        }
        QCOMPARE(chain, order);
        about.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), about.cmdOK);
        QTest::keyClick(about.cmdOK, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), about.cmdSysInfo);
        about.cmdOK->setFocus();
        QTest::keyClick(&about, Qt::Key_Return);
        QTRY_VERIFY(!about.isVisible());
    }

    void iconIsTheFirstCellOfPiece10() {
        // A third of the picture's width, leftover columns dropped, by its full height.
        frmAbout about(game, folder.path(), nullptr);
        QCOMPARE(about.picIcon->frameShape(), QFrame::NoFrame);
        const QImage shown = about.picIcon->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(32, 30));
        QCOMPARE(shown.pixelColor(0, 0), test::kIconCellColour);
        QCOMPARE(shown.pixelColor(31, 29), test::kIconCellColour);
        for (auto [width, cell] : {std::pair{96, 32}, {3, 1}}) {  // exact thirds; the narrowest
            QImage picture(width, 5, QImage::Format_RGB32);
            picture.fill(Qt::white);
            QVERIFY(picture.save(folder.filePath("cells.bmp"), "BMP"));
            QPixmap cut;
            QCOMPARE(frmAbout::loadIconCell(folder.filePath("cells.bmp"), cut), QString());
            QCOMPARE(cut.size(), QSize(cell, 5));
        }
    }

    void missingPictureEndsTheProgram() {
        // A missing 10.bmp: an error box naming it, timers stopped, exit status 1.
        QTemporaryDir empty;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {"--missing-picture", empty.path()});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QCOMPARE(child.exitCode(), 1);
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        const QString file = empty.path() + "/10.bmp";
        for (const QString& line :
             {"Fitzel! - Error|" + QString::number(QMessageBox::Critical) + "|timer stopped",
              "File: " + file + "\n", QString("Fault: ")}) {
            QVERIFY2(out.contains(line) && !out.contains("built"), qPrintable(out));
        }
        QVERIFY(QString::fromLocal8Bit(child.readAllStandardError()).contains(file));
    }

    void separatorIsEtched() {
        // A grey line one pixel high over a white one two pixels high, across the window.
        frmAbout about(game, folder.path(), nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QImage shot = about.grab().toImage();
        const QColor bg = shot.pixelColor(190, 140), grey(128, 128, 128), white(Qt::white);
        QVERIFY(bg != grey && bg != white);
        const std::vector<std::pair<QPoint, QColor>> pixels = {
            {{6, 163}, grey},  {{190, 163}, grey},  {{376, 163}, grey}, {{7, 164}, white},
            {{7, 165}, white}, {{376, 165}, white}, {{5, 163}, bg},     {{6, 164}, bg},
            {{377, 163}, bg},  {{377, 164}, bg},    {{6, 162}, bg},     {{190, 162}, bg},
            {{376, 162}, bg},  {{7, 166}, bg},      {{190, 166}, bg},   {{376, 166}, bg},
        };
        for (const auto& [at, colour] : pixels) {
            QCOMPARE(shot.pixelColor(at), colour);
        }
    }

    void webLinkLooksAndOpensLikeALink() {
        // Blue, underlined and under a pointing hand, navy while pressed; only a left click on it
        // opens the page.
        frmAbout about(game, folder.path(), nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QLabel* web = about.lblWeb;
        const QFont font = web->font();
        QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(font.styleHint(), QFont::SansSerif);
        QCOMPARE(font.pointSizeF(), 8.25);
        QVERIFY(font.underline());
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);
        for (auto [button, releaseAt, opens] : {std::tuple{Qt::LeftButton, QPoint(5, 5), true},
                                                {Qt::LeftButton, QPoint(-30, 5), false},
                                                {Qt::RightButton, QPoint(5, 5), false}}) {
            platform.opened.clear();
            QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QTest::mousePress(web, button, {}, QPoint(5, 5));
            QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 128));
            QVERIFY(platform.opened.empty());
            QTest::mouseRelease(web, button, {}, releaseAt);
            QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
            QCOMPARE(platform.opened,
                     std::vector<std::string>(opens, "https://www.example.com/Fitzel"));
        }
        QVERIFY(about.isVisible());
    }

    void systemInfoButtonTellsWhenThereIsNone() {
        // Without a registry here, System Info shows its plain message and the window stays.
        frmAbout about(game, folder.path(), nullptr);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        test::BoxWatcher watcher;
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
        QTRY_COMPARE(watcher.seen, std::vector<QString>{kUnavailable});
        QVERIFY(about.isVisible());
    }

    void getKeyValue_data() {
        QTest::addColumn<QString>("valueName");  // "V" is asked for; "" leaves the key out
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<int>("reportedSize");  // -1: the number of bytes written
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<QString>("outcome");  // "read", "failed" (text emptied) or "throws"
        QTest::addColumn<QByteArray>("expected");
        const auto row = [](const char* name, QString value, quint32 type, QByteArray written,
                            int size, QByteArray held, QString outcome, QByteArray expected) {
            QTest::newRow(name) << value << type << written << size << held << outcome << expected;
        };
        row("a closing zero is cut", "V", kRegSz, {"C:\\x\0", 5}, -1, "old", "read", "C:\\x");
        row("text without a zero is whole", "V", kRegSz, "abc", -1, "", "read", "abc");
        row("only the last zero goes", "V", kRegSz, {"ab\0\0", 4}, -1, "", "read", {"ab\0", 3});
        row("a zero inside stays", "V", kRegSz, {"a\0b", 3}, -1, "", "read", {"a\0b", 3});
        row("a lone zero: empty text", "V", kRegSz, {"\0", 1}, -1, "old", "read", "");
        row("a size past the bytes", "V", kRegSz, "abc", 5, "", "read", {"abc\0", 4});
        row("a full buffer", "V", kRegSz, QByteArray(1024, 'x'), -1, "", "read",
            QByteArray(1024, 'x'));
        row("a number, last byte first", "V", kRegDword, "\x78\x56\x34\x12", -1, "", "read",
            "&h12345678");
        row("a number's top zero is cut", "V", kRegDword, {"\x01\x04\0\0", 4}, -1, "", "read",
            "&h000401");
        row("a number after the text", "V", kRegDword, {"\xAB\x0C\0\x80", 4}, -1, "7", "read",
            "&h780000CAB");
        row("other types leave the text", "V", 3, "\x01\x02", -1, "held", "read", "held");
        row("no key", "", kRegSz, "", -1, "held", "failed", "");
        row("no value", "Other", kRegSz, "abc", -1, "held", "failed", "");
        row("too long for the buffer", "V", kRegSz, QByteArray(1025, 'x'), -1, "held", "failed",
            "");
        row("size 0", "V", kRegSz, "abc", 0, "held", "throws", "held");
        row("size past the buffer", "V", kRegSz, "abc", 1025, "held", "throws", "held");
    }

    void getKeyValue() {
        // A value read through a zeroed 1024-byte buffer, cut by the size; the key always closed.
        QFETCH(QString, valueName);
        QFETCH(quint32, type);
        QFETCH(QByteArray, written);
        QFETCH(int, reportedSize);
        QFETCH(QByteArray, held);
        QFETCH(QString, outcome);
        QFETCH(QByteArray, expected);
        if (!valueName.isEmpty()) {
            registry.keys["K"][valueName.toStdString()] = {
                type, written.toStdString(),
                reportedSize < 0 ? std::nullopt : std::optional<std::uint32_t>(reportedSize)};
        }
        frmAbout about(game, folder.path(), nullptr, registry, services);
        std::vector<std::string> calls;
        for (int round = 0; round < 2; ++round) {  // a fresh buffer every time
            std::string text = held.toStdString();
            if (outcome == "throws") {
                QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                                         about.GetKeyValue(kHKeyLocalMachine, "K", "V", text));
            } else {
                QCOMPARE(about.GetKeyValue(kHKeyLocalMachine, "K", "V", text), outcome == "read");
            }
            QCOMPARE(QByteArray::fromStdString(text), expected);
            calls.push_back("open 80000002 K 0 2003f");
            if (!valueName.isEmpty()) {
                calls.push_back("query 1024 zeroed");
            }
            calls.push_back("close");
        }
        QCOMPARE(registry.calls, calls);
        QVERIFY(registry.openNow.empty());
    }

    void startSysInfo_data() {
        QTest::addColumn<QString>("pathValue");    // empty: no first key
        QTest::addColumn<int>("pathSize");         // -1: as written
        QTest::addColumn<QString>("folderValue");  // empty: no second key
        QTest::addColumn<bool>("fileThere");
        QTest::addColumn<bool>("startsWork");
        QTest::addColumn<QString>("started");  // empty: nothing started, the message shown
        QTest::newRow("first key: its path")
            << "C:\\Tools\\msinfo32.exe" << -1 << "" << false << true << "C:\\Tools\\msinfo32.exe";
        QTest::newRow("first key wins over the second")
            << "/usr/bin/sysinfo" << -1 << "/opt/sys" << true << true << "/usr/bin/sysinfo";
        QTest::newRow("second key and the file")
            << "" << -1 << "/opt/sys" << true << true << "/opt/sys/MSINFO32.EXE";
        QTest::newRow("second key without the file")
            << "" << -1 << "/opt/sys" << false << true << "";
        QTest::newRow("neither key") << "" << -1 << "" << false << true << "";
        QTest::newRow("start fails") << "/usr/bin/sysinfo" << -1 << "" << false << false << "";
        QTest::newRow("second key's file does not start")
            << "" << -1 << "/opt/sys" << true << false << "";
        QTest::newRow("size 0 stops at once, second key untried")
            << "/usr/bin/sysinfo" << 0 << "/opt/sys" << true << true << "";
    }

    void startSysInfo() {
        // The first key's path, else MSINFO32.EXE in the second key's folder; else the message.
        QFETCH(QString, pathValue);
        QFETCH(int, pathSize);
        QFETCH(QString, folderValue);
        QFETCH(bool, fileThere);
        QFETCH(bool, startsWork);
        QFETCH(QString, started);
        if (!pathValue.isEmpty()) {
            registry.keys["SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"]["PATH"] = {
                kRegSz, pathValue.toStdString() + '\0',
                pathSize < 0 ? std::nullopt : std::optional<std::uint32_t>(pathSize)};
        }
        if (!folderValue.isEmpty()) {
            registry.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {
                kRegSz, folderValue.toStdString() + '\0', std::nullopt};
        }
        if (fileThere) {
            services.files.insert(folderValue.toStdString() + "/MSINFO32.EXE");
        }
        services.startsWork = startsWork;
        frmAbout about(game, folder.path(), nullptr, registry, services);
        test::BoxWatcher watcher;
        about.StartSysInfo();
        QCOMPARE(watcher.seen,
                 started.isEmpty() ? std::vector<QString>{kUnavailable} : std::vector<QString>{});
        QCOMPARE(services.started,
                 std::vector<std::string>(!started.isEmpty(), started.toStdString()));
        const auto opens =
            std::count_if(registry.calls.begin(), registry.calls.end(),
                          [](const std::string& c) { return c.rfind("open", 0) == 0; });
        QVERIFY(pathSize != 0 || opens == 1);  // the run-time error ends the search
    }
};

// The child process of missingPictureEndsTheProgram: builds the About window over a folder
// without 10.bmp, its owner holding a running timer, and prints what the error box shows.
int missingPictureChild(int argc, char** argv) {
    QApplication app(argc, argv);
    NullPlatform platform(argv[2]);
    modGeneral game(platform);
    QWidget owner;
    QTimer turn(&owner), watch;
    turn.start(1000);
    owner.show();
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            watch.stop();
            std::printf("%s|%d|timer %s\n%s\n", qPrintable(box->windowTitle()), int(box->icon()),
                        turn.isActive() ? "running" : "stopped", qPrintable(box->text()));
            std::fflush(stdout);
            box->buttons().first()->click();
        }
    });
    watch.start(0);
    frmAbout about(game, QString::fromLocal8Bit(argv[2]), &owner);
    std::printf("the window was built\n");
    return 0;
}

}  // namespace fitzel

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--missing-picture") == 0) {
        return fitzel::missingPictureChild(argc, argv);
    }
    QApplication app(argc, argv);
    fitzel::TestFrmAbout test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmAboutTest.moc"
