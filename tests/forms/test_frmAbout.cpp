// Tests of the About window: layout, texts, icon, separator, web link, System Info and closing.
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "DialogTestKit.h"
#include "MiniPlatform.h"
#include "forms/frmAbout.h"
#include "game/modGeneral.h"

namespace fitzel {

namespace {

// Control name, then its place and size in pixels.
struct Place {
    const char* name;
    QRect geometry;
};

}  // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void windowIsAFixedDialogWithItsCaption();
    void controlGeometry_data();
    void controlGeometry();
    void texts_data();
    void texts();
    void iconIsTheFirstCellOfPiece10();
    void iconCellRules_data();
    void iconCellRules();
    void missingPictureEndsTheProgram();
    void separatorIsEtched_data();
    void separatorIsEtched();
    void buttons();
    void tabOrder();
    void webLinkLooksLikeALink();
    void webLinkPressAndRelease_data();
    void webLinkPressAndRelease();
    void systemInfoIsUnavailableHere();
    void closesWith_data();
    void closesWith();
    void centresOnTheScreen();

  private:
    frmAbout& window();
    void showWindow();

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<test::MiniPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
    std::unique_ptr<frmAbout> window_;
};

void TestFrmAbout::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(test::writePiecePicture(folder_->filePath(QStringLiteral("10.bmp"))));
    platform_ = std::make_unique<test::MiniPlatform>(folder_->path().toStdString());
    game_ = std::make_unique<modGeneral>(*platform_);
}

void TestFrmAbout::cleanup() {
    window_.reset();
    game_.reset();
    platform_.reset();
    folder_.reset();
}

frmAbout& TestFrmAbout::window() {
    if (!window_) {
        window_ = std::make_unique<frmAbout>(*game_, folder_->path(), nullptr);
    }
    return *window_;
}

void TestFrmAbout::showWindow() {
    window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
}

void TestFrmAbout::windowIsAFixedDialogWithItsCaption() {
    frmAbout& about = window();
    QCOMPARE(about.windowTitle(), QStringLiteral("Fitzel! - About."));
    QCOMPARE(about.size(), QSize(382, 237));
    QCOMPARE(about.minimumSize(), QSize(382, 237));
    QCOMPARE(about.maximumSize(), QSize(382, 237));
    const Qt::WindowFlags flags = about.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
}

void TestFrmAbout::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const Place places[] = {
        {"lblTitle", QRect(70, 16, 259, 32)},       {"lblVersion", QRect(70, 52, 259, 15)},
        {"lblDescription", QRect(70, 75, 259, 78)}, {"lblDisclaimer", QRect(17, 175, 258, 23)},
        {"cmdOK", QRect(283, 175, 84, 23)},         {"lblWeb", QRect(16, 200, 258, 23)},
        {"cmdSysInfo", QRect(284, 205, 83, 23)},
    };
    for (const Place& place : places) {
        QTest::newRow(place.name) << QString::fromLatin1(place.name) << place.geometry;
    }
}

void TestFrmAbout::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    showWindow();
    auto* control = window().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
}

void TestFrmAbout::texts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("lblTitle") << "lblTitle"
                              << "Fitzel!";
    QTest::newRow("lblVersion") << "lblVersion"
                                << "Version 1.0.0";
    QTest::newRow("lblDescription") << "lblDescription"
                                    << "Fitzel!  A game with 'Quadrel' style pieces that you must "
                                       "fit into a grid to create blocks!";
    QTest::newRow("lblDisclaimer")
        << "lblDisclaimer" << QString::fromUtf8("Copyright \xC2\xA9 2026 The Fitzel developers");
    QTest::newRow("lblWeb") << "lblWeb"
                            << "https://www.example.com/Fitzel";
}

void TestFrmAbout::texts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto* label = window().findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), text);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->wordWrap());
    if (name != QStringLiteral("lblWeb")) {
        QVERIFY(!label->testAttribute(Qt::WA_SetFont));
    }
}

void TestFrmAbout::iconIsTheFirstCellOfPiece10() {
    showWindow();
    const QLabel* icon = window().picIcon;
    QCOMPARE(icon->pos(), QPoint(16, 16));
    QCOMPARE(icon->frameShape(), QFrame::NoFrame);
    // 98 pixels wide: three cells of 32, two pixels dropped; the label takes the cell's size.
    const QPixmap shown = icon->pixmap();
    QCOMPARE(shown.size(), QSize(32, 30));
    QCOMPARE(icon->size(), QSize(32, 30));
    const QImage image = shown.toImage();
    QCOMPARE(image.pixelColor(0, 0), test::kIconCellColour);
    QCOMPARE(image.pixelColor(31, 29), test::kIconCellColour);
}

void TestFrmAbout::iconCellRules_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("cell");
    QTest::newRow("exact thirds") << 96 << 32 << QSize(32, 32);
    QTest::newRow("remainder dropped") << 98 << 30 << QSize(32, 30);
    QTest::newRow("narrowest") << 3 << 5 << QSize(1, 5);
}

void TestFrmAbout::iconCellRules() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSize, cell);
    const QString path = folder_->filePath(QStringLiteral("cells.bmp"));
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QVERIFY(picture.save(path, "BMP"));
    QPixmap cut;
    QCOMPARE(frmAbout::loadIconCell(path, cut), QString());
    QCOMPARE(cut.size(), cell);

    QPixmap untouched;
    QVERIFY(!frmAbout::loadIconCell(folder_->filePath(QStringLiteral("none.bmp")), untouched)
                 .isEmpty());
    QVERIFY(untouched.isNull());
}

// The child process of missingPictureEndsTheProgram: opens the About window over a folder
// without 10.bmp, writes what the message box says on standard output, and answers it.
int missingPictureChild(int argc, char** argv) {
    QApplication app(argc, argv);
    test::MiniPlatform platform(argv[2]);
    modGeneral game(platform);
    QWidget owner;
    QTimer turn;
    turn.setObjectName(QStringLiteral("turnTimer"));
    turn.setParent(&owner);
    turn.start(1000);
    owner.show();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        watch.stop();
        std::printf("title=%s\nicon=%d\ntimerActive=%d\ntext=%s\n",
                    box->windowTitle().toUtf8().constData(), int(box->icon()), int(turn.isActive()),
                    box->text().toUtf8().constData());
        std::fflush(stdout);
        box->buttons().first()->click();
    });
    watch.start(0);
    frmAbout about(game, QString::fromLocal8Bit(argv[2]), &owner);
    std::printf("the window was built\n");
    return 0;
}

void TestFrmAbout::missingPictureEndsTheProgram() {
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    QSignalSpy finished(&child, &QProcess::finished);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--missing-picture"), empty.path()});
    QVERIFY(finished.wait(30000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(out.contains(QStringLiteral("title=Fitzel! - Error\n")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("icon=%1\n").arg(int(QMessageBox::Critical))),
             qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("timerActive=0\n")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("File: ") + empty.path() + QStringLiteral("/10.bmp\n")),
             qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("Fault: ")), qPrintable(out));
    QVERIFY2(!out.contains(QStringLiteral("the window was built")), qPrintable(out));
    const QString err = QString::fromLocal8Bit(child.readAllStandardError());
    QVERIFY2(err.contains(empty.path() + QStringLiteral("/10.bmp")), qPrintable(err));
}

void TestFrmAbout::separatorIsEtched_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    const QColor grey(128, 128, 128);
    const QColor white(255, 255, 255);
    QTest::newRow("grey starts") << QPoint(6, 163) << grey;
    QTest::newRow("grey middle") << QPoint(190, 163) << grey;
    QTest::newRow("grey ends") << QPoint(376, 163) << grey;
    QTest::newRow("white starts") << QPoint(7, 164) << white;
    QTest::newRow("white second row") << QPoint(7, 165) << white;
    QTest::newRow("white ends") << QPoint(376, 165) << white;
}

void TestFrmAbout::separatorIsEtched() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    showWindow();
    const QImage shot = window().grab().toImage();
    QCOMPARE(shot.pixelColor(pixel), colour);
    // The background shows on either side of the line.
    const QColor background = shot.pixelColor(190, 140);
    QVERIFY(background != QColor(128, 128, 128) && background != QColor(255, 255, 255));
    QCOMPARE(shot.pixelColor(pixel.x(), 162), background);
    QCOMPARE(shot.pixelColor(pixel.x(), 166), background);
    QCOMPARE(shot.pixelColor(5, 163), background);
    QCOMPARE(shot.pixelColor(6, 164), background);
    QCOMPARE(shot.pixelColor(377, 163), background);
    QCOMPARE(shot.pixelColor(377, 164), background);
}

void TestFrmAbout::buttons() {
    frmAbout& about = window();
    QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
    QVERIFY(about.cmdOK->isDefault());
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QVERIFY(!about.cmdSysInfo->isDefault());
}

void TestFrmAbout::tabOrder() {
    frmAbout& about = window();
    const QList<QWidget*> expected = {about.cmdOK,          about.picIcon,       about.cmdSysInfo,
                                      about.lblDescription, about.lblDisclaimer, about.lblTitle,
                                      about.lblVersion,     about.lblWeb};
    QList<QWidget*> chain;
    for (QWidget* w = about.nextInFocusChain(); w != &about; w = w->nextInFocusChain()) {
        if (expected.contains(w)) {
            chain.append(w);
        }
    }
    QCOMPARE(chain, expected);

    showWindow();
    about.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), about.cmdOK);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), about.cmdSysInfo);
}

void TestFrmAbout::webLinkLooksLikeALink() {
    const QLabel* web = window().lblWeb;
    const QFont font = web->font();
    QCOMPARE(font.family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(font.styleHint(), QFont::SansSerif);
    QCOMPARE(font.pointSizeF(), 8.25);
    QVERIFY(font.underline());
    QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

void TestFrmAbout::webLinkPressAndRelease_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left click") << int(Qt::LeftButton) << QPoint(5, 5) << true;
    QTest::newRow("left, released outside") << int(Qt::LeftButton) << QPoint(-30, 5) << false;
    QTest::newRow("right click") << int(Qt::RightButton) << QPoint(5, 5) << false;
}

void TestFrmAbout::webLinkPressAndRelease() {
    QFETCH(int, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(bool, opens);
    showWindow();
    QLabel* web = window().lblWeb;
    const auto mouseButton = static_cast<Qt::MouseButton>(button);

    QTest::mousePress(web, mouseButton, {}, QPoint(5, 5));
    QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    QVERIFY(platform_->openedDocuments.empty());

    QTest::mouseRelease(web, mouseButton, {}, releaseAt);
    QCOMPARE(web->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    const std::vector<std::string> expected =
        opens ? std::vector<std::string>{"https://www.example.com/Fitzel"}
              : std::vector<std::string>{};
    QCOMPARE(platform_->openedDocuments, expected);
    QVERIFY(window().isVisible());
}

void TestFrmAbout::systemInfoIsUnavailableHere() {
    // On this platform there is no registry, so the button can only tell so.
    showWindow();
    test::BoxWatcher watcher;
    QTest::mouseClick(window().cmdSysInfo, Qt::LeftButton);
    QTRY_COMPARE(watcher.seen.size(), std::size_t(1));
    QCOMPARE(watcher.seen[0].text,
             QStringLiteral("System Information is unavailable at this time.     "));
    QCOMPARE(watcher.seen[0].title, QStringLiteral("Fitzel! - About."));
    QCOMPARE(watcher.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(window().isVisible());
}

void TestFrmAbout::closesWith_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK button") << "ok";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Enter") << "enter";
}

void TestFrmAbout::closesWith() {
    QFETCH(QString, how);
    showWindow();
    QSignalSpy finished(&window(), &QDialog::finished);
    if (how == QStringLiteral("ok")) {
        QTest::mouseClick(window().cmdOK, Qt::LeftButton);
    } else if (how == QStringLiteral("close")) {
        window().close();
    } else if (how == QStringLiteral("escape")) {
        QTest::keyClick(&window(), Qt::Key_Escape);
    } else {
        window().activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), window().cmdOK);
        QTest::keyClick(&window(), Qt::Key_Return);
    }
    QTRY_VERIFY(!window().isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestFrmAbout::centresOnTheScreen() {
    // An owner in a corner: the window centres on the screen, not over its owner.
    QWidget owner;
    owner.setGeometry(0, 0, 120, 80);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    frmAbout about(*game_, folder_->path(), &owner);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QRect screen = about.screen()->geometry();
    const QRect outer = about.frameGeometry();
    QTRY_VERIFY(std::abs(outer.top() - (screen.height() / 2 - outer.height() / 2)) <= 1);
    QVERIFY(std::abs(outer.left() - (screen.width() / 2 - outer.width() / 2)) <= 1);
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

#include "test_frmAbout.moc"
