// Tests of the How To Play window: its frame, its layout, its instructions and its button.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogTestKit.h"
#include "forms/frmHelp.h"

namespace fitzel {

class TestFrmHelp : public QObject {
    Q_OBJECT

  private slots:
    void frame() {
        // A fixed dialog that Escape does not close, since it has no cancel button.
        test::checkFrame([](QWidget* owner) { return new frmHelp(owner); },
                         "Fitzel! - How To Play.", QSize(425, 201), true, false);
    }

    void layoutAndInstructions() {
        // The instructions character for character, in a fixed wrapping label below OK.
        frmHelp window(nullptr);
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
        QCOMPARE(window.lblHelp->text(), expected);
        QCOMPARE(frmHelp(nullptr).lblHelp->text(), expected);  // built afresh, not appended to
        QCOMPARE(window.lblHelp->textFormat(), Qt::PlainText);
        QVERIFY(window.lblHelp->wordWrap());
        QVERIFY(window.lblHelp->alignment().testFlags(Qt::AlignLeft | Qt::AlignTop));
        QCOMPARE(window.OKButton->text(), QStringLiteral("OK"));
        QVERIFY(!window.OKButton->isDefault());
        for (const QWidget* control :
             std::initializer_list<QWidget*>{window.lblHelp, window.OKButton}) {
            QVERIFY(!control->testAttribute(Qt::WA_SetFont));  // the default dialog font
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.OKButton->geometry(), QRect(328, 16, 81, 25));
        QCOMPARE(window.lblHelp->geometry(), QRect(16, 32, 393, 153));
        window.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), window.OKButton);
    }
};

}  // namespace fitzel

QTEST_MAIN(fitzel::TestFrmHelp)
#include "test_frmHelp.moc"
