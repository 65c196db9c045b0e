// Tests of the How To Play window: its layout, its instructions text and how it closes.
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

#include "forms/frmHelp.h"

namespace fitzel {

class TestFrmHelp : public QObject {
    Q_OBJECT

  private slots:
    void windowIsAFixedDialogWithItsCaption();
    void controlGeometry_data();
    void controlGeometry();
    void instructionsAreExact();
    void instructionsLineByLine();
    void labelWrapsAtItsFixedSize();
    void okButtonComesFirstAndIsNotDefault();
    void closesWith_data();
    void closesWith();
    void escapeLeavesItOpen();
    void centresOnTheScreen();
};

void TestFrmHelp::windowIsAFixedDialogWithItsCaption() {
    frmHelp window(nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Fitzel! - How To Play."));
    QCOMPARE(window.size(), QSize(425, 201));
    QCOMPARE(window.minimumSize(), QSize(425, 201));
    QCOMPARE(window.maximumSize(), QSize(425, 201));
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    // Every text is in the default dialog font.
    QVERIFY(!window.lblHelp->testAttribute(Qt::WA_SetFont));
    QVERIFY(!window.OKButton->testAttribute(Qt::WA_SetFont));
}

void TestFrmHelp::controlGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("OKButton") << "OKButton" << QRect(328, 16, 81, 25);
    QTest::newRow("lblHelp") << "lblHelp" << QRect(16, 32, 393, 153);
}

void TestFrmHelp::controlGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    frmHelp window(nullptr);
    auto* control = window.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    // The layout stays put once shown.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(control->geometry(), geometry);
}

void TestFrmHelp::instructionsAreExact() {
    const QString expected = QStringLiteral(
        "Instructions:\n"
        "\n"
        "The top part of the display shows 35 pieces that are selected at random, for you to\n"
        "fit onto the main board.  As they are selected they will appear in the smaller grid\n"
        "(3x3) to show you they key square, which is in the center.  You must now click \n"
        "somewhere on the main board to fit the piece, eith the centre square on the small\n"
        "grid appearing where you click on the main grid, only if the piece fits without\n"
        "hitting another piece, or going off the edge.  Points are awarded for blocks of\n"
        "9 (3x3) - 30 pts, 6 (3x2 or 2x3) - 15 pts, and 4 (2x2) - 5 pts.  As points are\n"
        "awarded, the blocks will be removed making room to continue.  The game ends\n"
        "when there are no more pieces left to place.");
    frmHelp window(nullptr);
    QCOMPARE(window.lblHelp->text(), expected);
    QCOMPARE(window.lblHelp->textFormat(), Qt::PlainText);
}

void TestFrmHelp::instructionsLineByLine() {
    frmHelp window(nullptr);
    const QString text = window.lblHelp->text();
    QVERIFY(!text.contains(QChar(13)));
    QVERIFY(!text.endsWith(QChar(10)));
    const QStringList lines = text.split(QChar(10));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("Instructions:"));
    QCOMPARE(lines[1], QString());
    QCOMPARE(
        lines[4],
        QStringLiteral(
            "(3x3) to show you they key square, which is in the center.  You must now click "));
    QCOMPARE(lines[10], QStringLiteral("when there are no more pieces left to place."));
    // A fresh window builds the same text again, not a longer one.
    frmHelp again(nullptr);
    QCOMPARE(again.lblHelp->text(), text);
}

void TestFrmHelp::labelWrapsAtItsFixedSize() {
    frmHelp window(nullptr);
    QVERIFY(window.lblHelp->wordWrap());
    QVERIFY(window.lblHelp->alignment().testFlag(Qt::AlignTop));
    QVERIFY(window.lblHelp->alignment().testFlag(Qt::AlignLeft));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.lblHelp->size(), QSize(393, 153));
}

void TestFrmHelp::okButtonComesFirstAndIsNotDefault() {
    frmHelp window(nullptr);
    QCOMPARE(window.OKButton->text(), QStringLiteral("OK"));
    QVERIFY(!window.OKButton->isDefault());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), window.OKButton);
}

void TestFrmHelp::closesWith_data() {
    QTest::addColumn<bool>("okButton");
    QTest::newRow("OK button") << true;
    QTest::newRow("close box") << false;
}

void TestFrmHelp::closesWith() {
    QFETCH(bool, okButton);
    frmHelp window(nullptr);
    QSignalSpy finished(&window, &QDialog::finished);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (okButton) {
        QTest::mouseClick(window.OKButton, Qt::LeftButton);
    } else {
        window.close();
    }
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestFrmHelp::escapeLeavesItOpen() {
    frmHelp window(nullptr);
    QSignalSpy finished(&window, &QDialog::finished);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(finished.count(), 0);
}

void TestFrmHelp::centresOnTheScreen() {
    // An owner in a corner: the window centres on the screen, not over its owner.
    QWidget owner;
    owner.setGeometry(0, 0, 120, 80);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    frmHelp window(&owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QTRY_VERIFY(std::abs(outer.top() - (screen.height() / 2 - outer.height() / 2)) <= 1);
    QVERIFY(std::abs(outer.left() - (screen.width() / 2 - outer.width() / 2)) <= 1);
}

}  // namespace fitzel

QTEST_MAIN(fitzel::TestFrmHelp)
#include "test_frmHelp.moc"
