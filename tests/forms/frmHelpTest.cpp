// Tests of the How To Play window: its frame, its instructions shown whole and its button.
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include "DialogTestKit.h"
#include "forms/frmHelp.h"

namespace fitzel {

class TestFrmHelp : public QObject {
    Q_OBJECT

  private slots:
    void frame() {
        // A fixed dialog that Escape does not close, since it has no cancel button.
        const QSize size = frmHelp(nullptr).size();  // as its instructions need (see below)
        test::checkFrame([](QWidget* owner) { return new frmHelp(owner); },
                         "Fitzel! - How To Play.", size, true, false);
    }

    void instructionsShowWholeBesideTheButton_data() {
        QTest::addColumn<QFont>("dialogFont");
        QTest::newRow("the platform's") << QApplication::font();
        QFont wide(QStringLiteral("Monospace"), 11);
        wide.setStyleHint(QFont::TypeWriter);
        QTest::newRow("a wide one") << wide;
    }

    void instructionsShowWholeBesideTheButton() {
        // Whatever the dialog font, every line shows whole and unwrapped in a legible size,
        // inside the window and clear of the OK button, which still takes the keyboard.
        QFETCH(QFont, dialogFont);
        const auto restore =
            qScopeGuard([before = QApplication::font()] { QApplication::setFont(before); });
        QApplication::setFont(dialogFont);
        frmHelp window(nullptr);
        const QLabel* label = window.lblHelp;
        const QStringList lines = label->text().split(QChar(10));
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines.at(1).isEmpty() && !lines.last().isEmpty());
        QCOMPARE(frmHelp(nullptr).lblHelp->text(), label->text());  // built afresh each time
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(!label->wordWrap());
        QVERIFY(QFontInfo(label->font()).pixelSize() >= 11);
        const QRect room = label->contentsRect();
        QVERIFY(room.contains(
            QFontMetrics(label->font()).boundingRect(room, label->alignment(), label->text())));
        QVERIFY(window.rect().contains(label->geometry()));
        QVERIFY(window.rect().contains(window.OKButton->geometry()));
        QVERIFY(!label->geometry().intersects(window.OKButton->geometry()));

        QCOMPARE(window.OKButton->text(), QStringLiteral("OK"));
        QVERIFY(!window.OKButton->isDefault());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), window.OKButton);
    }
};

}  // namespace fitzel

QTEST_MAIN(fitzel::TestFrmHelp)
#include "frmHelpTest.moc"
