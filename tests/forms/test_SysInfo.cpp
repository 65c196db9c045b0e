// Tests of finding System Info: the registry lookup's buffer rules and the start decisions.
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "DialogTestKit.h"
#include "MiniPlatform.h"
#include "forms/frmAbout.h"
#include "game/modGeneral.h"

namespace fitzel {

namespace {

// A registry of a few keys, each with values given as raw bytes.
class FakeRegistry : public Registry {
  public:
    struct Value {
        std::uint32_t type = kRegSz;
        std::string bytes;                  // written into the caller's buffer
        std::optional<std::uint32_t> size;  // the size reported; the number written if unset
        RegistryStatus status = kRegistrySuccess;
    };

    std::map<std::string, std::map<std::string, Value>> keys;

    struct Open {
        RegistryRoot root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
    };
    std::vector<Open> opens;
    std::vector<RegistryKey> closes;
    std::set<RegistryKey> openNow;
    std::vector<std::uint32_t> buffersGiven;  // the size of each buffer handed to a query
    bool everyBufferWasZero = true;

    RegistryStatus openKey(RegistryRoot root, const std::string& subKey, std::uint32_t options,
                           std::uint32_t access, RegistryKey& key) override {
        opens.push_back({root, subKey, options, access});
        if (root != kHKeyLocalMachine || keys.count(subKey) == 0) {
            return kRegistryFileNotFound;
        }
        key = nextHandle_++;
        handles_[key] = subKey;
        openNow.insert(key);
        return kRegistrySuccess;
    }

    RegistryStatus queryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::uint8_t* data, std::uint32_t& size) override {
        buffersGiven.push_back(size);
        for (std::uint32_t i = 0; i < size; ++i) {
            everyBufferWasZero = everyBufferWasZero && data[i] == 0;
        }
        if (openNow.count(key) == 0) {
            return kRegistryInvalidHandle;
        }
        const auto& values = keys[handles_[key]];
        const auto found = values.find(valueName);
        if (found == values.end()) {
            return kRegistryFileNotFound;
        }
        const Value& value = found->second;
        if (value.status != kRegistrySuccess) {
            return value.status;
        }
        if (value.bytes.size() > size) {
            size = static_cast<std::uint32_t>(value.bytes.size());
            return kRegistryMoreData;
        }
        std::copy(value.bytes.begin(), value.bytes.end(), data);
        type = value.type;
        size = value.size.value_or(static_cast<std::uint32_t>(value.bytes.size()));
        return kRegistrySuccess;
    }

    RegistryStatus closeKey(RegistryKey key) override {
        closes.push_back(key);
        return openNow.erase(key) == 1 ? kRegistrySuccess : kRegistryInvalidHandle;
    }

  private:
    RegistryKey nextHandle_ = 100;
    std::map<RegistryKey, std::string> handles_;
};

class FakeServices : public SystemServices {
  public:
    std::set<std::string> files;
    bool startsWork = true;
    std::vector<std::string> asked;
    std::vector<std::string> started;

    bool fileExists(const std::string& path) override {
        asked.push_back(path);
        return files.count(path) == 1;
    }
    bool startProgram(const std::string& path) override {
        if (!startsWork) {
            return false;
        }
        started.push_back(path);
        return true;
    }
};

const std::string kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information is unavailable at this time.     ");

std::string bytes(std::initializer_list<int> codes) {
    std::string out;
    for (int c : codes) {
        out.push_back(static_cast<char>(c));
    }
    return out;
}

}  // namespace

using StringList = std::vector<std::string>;

class TestSysInfo : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void readsAValue_data();
    void readsAValue();
    void opensBelowTheMachineRootWithItsAccess();
    void handsOverAZeroedBufferOf1024Bytes();
    void missingKeyOrValueEmptiesTheText_data();
    void missingKeyOrValueEmptiesTheText();
    void sizeOutsideTheBufferIsARunTimeError_data();
    void sizeOutsideTheBufferIsARunTimeError();

    void startSysInfo_data();
    void startSysInfo();
    void theMessageIsPlainWithOnlyOk();

  private:
    frmAbout& window();

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<test::MiniPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
    std::unique_ptr<FakeRegistry> registry_;
    std::unique_ptr<FakeServices> services_;
    std::unique_ptr<frmAbout> window_;
};

void TestSysInfo::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(test::writePiecePicture(folder_->filePath(QStringLiteral("10.bmp"))));
    platform_ = std::make_unique<test::MiniPlatform>(folder_->path().toStdString());
    game_ = std::make_unique<modGeneral>(*platform_);
    registry_ = std::make_unique<FakeRegistry>();
    services_ = std::make_unique<FakeServices>();
}

void TestSysInfo::cleanup() {
    window_.reset();
    services_.reset();
    registry_.reset();
    game_.reset();
    platform_.reset();
    folder_.reset();
}

frmAbout& TestSysInfo::window() {
    if (!window_) {
        window_ =
            std::make_unique<frmAbout>(*game_, folder_->path(), nullptr, *registry_, *services_);
    }
    return *window_;
}

void TestSysInfo::readsAValue_data() {
    QTest::addColumn<quint32>("type");
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<int>("reportedSize");  // -1: the number of bytes written
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<QByteArray>("expected");

    const auto b = [](const std::string& s) { return QByteArray(s.data(), qsizetype(s.size())); };
    QTest::newRow("text ending in a zero loses it")
        << quint32(kRegSz) << b(bytes({'C', ':', '\\', 'x', 0})) << -1 << QByteArray("old")
        << QByteArray("C:\\x");
    QTest::newRow("text without a zero is kept whole")
        << quint32(kRegSz) << QByteArray("abc") << -1 << QByteArray() << QByteArray("abc");
    QTest::newRow("only the last zero goes") << quint32(kRegSz) << b(bytes({'a', 'b', 0, 0})) << -1
                                             << QByteArray() << b(bytes({'a', 'b', 0}));
    QTest::newRow("a zero inside stays") << quint32(kRegSz) << b(bytes({'a', 0, 'b'})) << -1
                                         << QByteArray() << b(bytes({'a', 0, 'b'}));
    QTest::newRow("a lone zero gives empty text")
        << quint32(kRegSz) << b(bytes({0})) << -1 << QByteArray("old") << QByteArray();
    QTest::newRow("size beyond the bytes written reads the buffer's zeros")
        << quint32(kRegSz) << QByteArray("abc") << 5 << QByteArray()
        << b(bytes({'a', 'b', 'c', 0}));
    QTest::newRow("a full buffer of text")
        << quint32(kRegSz) << QByteArray(1024, 'x') << -1 << QByteArray() << QByteArray(1024, 'x');
    QTest::newRow("number, last byte first")
        << quint32(kRegDword) << b(bytes({0x78, 0x56, 0x34, 0x12})) << -1 << QByteArray()
        << QByteArray("&h12345678");
    QTest::newRow("number whose top byte is zero loses it")
        << quint32(kRegDword) << b(bytes({0x01, 0x04, 0x00, 0x00})) << -1 << QByteArray()
        << QByteArray("&h000401");
    QTest::newRow("number after what the text held")
        << quint32(kRegDword) << b(bytes({0xAB, 0x0C, 0x00, 0x80})) << -1 << QByteArray("7")
        << QByteArray("&h780000CAB");
    QTest::newRow("other types leave the text alone")
        << quint32(3) << QByteArray("\x01\x02", 2) << -1 << QByteArray("held")
        << QByteArray("held");
}

void TestSysInfo::readsAValue() {
    QFETCH(quint32, type);
    QFETCH(QByteArray, written);
    QFETCH(int, reportedSize);
    QFETCH(QByteArray, held);
    QFETCH(QByteArray, expected);

    FakeRegistry::Value value;
    value.type = type;
    value.bytes = written.toStdString();
    if (reportedSize >= 0) {
        value.size = static_cast<std::uint32_t>(reportedSize);
    }
    registry_->keys["SOFTWARE\\Test"]["Value"] = value;

    std::string keyVal = held.toStdString();
    QVERIFY(window().GetKeyValue(kHKeyLocalMachine, "SOFTWARE\\Test", "Value", keyVal));
    QCOMPARE(QByteArray(keyVal.data(), qsizetype(keyVal.size())), expected);
    QVERIFY(registry_->openNow.empty());
    QCOMPARE(registry_->closes.size(), std::size_t(1));
}

void TestSysInfo::opensBelowTheMachineRootWithItsAccess() {
    std::string keyVal;
    QVERIFY(!window().GetKeyValue(kHKeyLocalMachine, kPathKey, "PATH", keyVal));
    QCOMPARE(registry_->opens.size(), std::size_t(1));
    QCOMPARE(registry_->opens[0].root, kHKeyLocalMachine);
    QCOMPARE(registry_->opens[0].root, static_cast<RegistryRoot>(0x80000002u));
    QCOMPARE(registry_->opens[0].subKey, kPathKey);
    QCOMPARE(registry_->opens[0].options, 0u);
    QCOMPARE(registry_->opens[0].access, 0x2003Fu);
}

void TestSysInfo::handsOverAZeroedBufferOf1024Bytes() {
    registry_->keys["K"]["V"] = {kRegSz, "x", std::nullopt, kRegistrySuccess};
    std::string keyVal;
    QVERIFY(window().GetKeyValue(kHKeyLocalMachine, "K", "V", keyVal));
    QVERIFY(window().GetKeyValue(kHKeyLocalMachine, "K", "V", keyVal));
    QCOMPARE(registry_->buffersGiven, (std::vector<std::uint32_t>{1024, 1024}));
    QVERIFY(registry_->everyBufferWasZero);
}

void TestSysInfo::missingKeyOrValueEmptiesTheText_data() {
    QTest::addColumn<bool>("keyThere");
    QTest::addColumn<int>("status");
    QTest::newRow("no key") << false << 0;
    QTest::newRow("no value") << true << int(kRegistryFileNotFound);
    QTest::newRow("value too long") << true << int(kRegistryMoreData);
}

void TestSysInfo::missingKeyOrValueEmptiesTheText() {
    QFETCH(bool, keyThere);
    QFETCH(int, status);
    if (keyThere) {
        if (status == kRegistryMoreData) {
            registry_->keys["K"]["V"] = {kRegSz, std::string(1025, 'x'), std::nullopt,
                                         kRegistrySuccess};
        } else {
            registry_->keys["K"]["Other"] = {};
        }
    }
    std::string keyVal = "held before";
    QVERIFY(!window().GetKeyValue(kHKeyLocalMachine, "K", "V", keyVal));
    QCOMPARE(keyVal, std::string());
    // The key is closed in any case, even when it never opened.
    QCOMPARE(registry_->closes.size(), std::size_t(1));
    QVERIFY(registry_->openNow.empty());
}

void TestSysInfo::sizeOutsideTheBufferIsARunTimeError_data() {
    QTest::addColumn<int>("reportedSize");
    QTest::newRow("size 0") << 0;
    QTest::newRow("size beyond the buffer") << 1025;
}

void TestSysInfo::sizeOutsideTheBufferIsARunTimeError() {
    QFETCH(int, reportedSize);
    registry_->keys["K"]["V"] = {kRegSz, "abc", static_cast<std::uint32_t>(reportedSize),
                                 kRegistrySuccess};
    std::string keyVal = "held";
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             window().GetKeyValue(kHKeyLocalMachine, "K", "V", keyVal));
    QCOMPARE(keyVal, std::string("held"));
    QVERIFY(registry_->openNow.empty());
}

void TestSysInfo::startSysInfo_data() {
    QTest::addColumn<QString>("pathValue");    // empty: no first key
    QTest::addColumn<int>("pathSize");         // -1: as written
    QTest::addColumn<QString>("folderValue");  // empty: no second key
    QTest::addColumn<bool>("fileThere");
    QTest::addColumn<bool>("startsWork");
    QTest::addColumn<QString>("expectedStart");  // empty: nothing started, the message shown

    QTest::newRow("first key: its path")
        << "C:\\Tools\\msinfo32.exe" << -1 << "" << false << true << "C:\\Tools\\msinfo32.exe";
    QTest::newRow("first key wins over the second")
        << "/usr/bin/sysinfo" << -1 << "/opt/sys" << true << true << "/usr/bin/sysinfo";
    QTest::newRow("second key and the file")
        << "" << -1 << "/opt/sys" << true << true << "/opt/sys/MSINFO32.EXE";
    QTest::newRow("second key without the file") << "" << -1 << "/opt/sys" << false << true << "";
    QTest::newRow("neither key") << "" << -1 << "" << false << true << "";
    QTest::newRow("start fails") << "/usr/bin/sysinfo" << -1 << "" << false << false << "";
    QTest::newRow("second key's file does not start")
        << "" << -1 << "/opt/sys" << true << false << "";
    QTest::newRow("size 0 stops at once, second key untried")
        << "/usr/bin/sysinfo" << 0 << "/opt/sys" << true << true << "";
}

void TestSysInfo::startSysInfo() {
    QFETCH(QString, pathValue);
    QFETCH(int, pathSize);
    QFETCH(QString, folderValue);
    QFETCH(bool, fileThere);
    QFETCH(bool, startsWork);
    QFETCH(QString, expectedStart);

    if (!pathValue.isEmpty()) {
        FakeRegistry::Value value{kRegSz, pathValue.toStdString() + '\0', std::nullopt,
                                  kRegistrySuccess};
        if (pathSize >= 0) {
            value.size = static_cast<std::uint32_t>(pathSize);
        }
        registry_->keys[kPathKey]["PATH"] = value;
    }
    if (!folderValue.isEmpty()) {
        registry_->keys[kFolderKey]["MSINFO"] = {kRegSz, folderValue.toStdString() + '\0',
                                                 std::nullopt, kRegistrySuccess};
    }
    if (fileThere) {
        services_->files.insert(folderValue.toStdString() + "/MSINFO32.EXE");
    }
    services_->startsWork = startsWork;

    frmAbout& about = window();
    test::BoxWatcher watcher;
    about.StartSysInfo();

    if (expectedStart.isEmpty()) {
        QCOMPARE(watcher.seen.size(), std::size_t(1));
        QCOMPARE(watcher.seen[0].text, kUnavailable);
        QCOMPARE(watcher.seen[0].title, QStringLiteral("Fitzel! - About."));
        QVERIFY(services_->started.empty());
    } else {
        QVERIFY(watcher.seen.empty());
        QCOMPARE(services_->started, StringList{expectedStart.toStdString()});
    }
    if (pathSize == 0) {
        // The run-time error ends the search: the second key is never opened.
        QCOMPARE(registry_->opens.size(), std::size_t(1));
    }
}

void TestSysInfo::theMessageIsPlainWithOnlyOk() {
    frmAbout& about = window();
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    test::BoxWatcher watcher;
    about.StartSysInfo();
    QCOMPARE(watcher.seen.size(), std::size_t(1));
    QCOMPARE(watcher.seen[0].text, kUnavailable);
    QCOMPARE(watcher.seen[0].title, QStringLiteral("Fitzel! - About."));
    QCOMPARE(watcher.seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(watcher.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // The About window stays open.
    QVERIFY(about.isVisible());
}

}  // namespace fitzel

QTEST_MAIN(fitzel::TestSysInfo)
#include "test_SysInfo.moc"
