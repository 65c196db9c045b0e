// Tests of the high-score window: its frame, its layout, and the table it reads from the file.
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "DialogTestKit.h"
#include "forms/frmScores.h"
#include "game/HighScoreFile.h"
#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel {

class TestFrmScores : public QObject {
    Q_OBJECT

    NullPlatform platform;
    modGeneral game{platform};

    void store(const HighScores& scores, const HighNames& names) {
        platform.files[platform.path("Config.cfg")] = encodeHighScoreFile(scores, names);
        game.intHighScore.fill(-1);  // only the file holds the table
    }

  private slots:
    void frame() {
        // A resizable window with all the caption buttons, which Escape does not close.
        test::checkFrame([this](QWidget* owner) { return new frmScores(game, owner); },
                         "Fitzel! - Scores.", QSize(400, 211), false, false);
    }

    void showsTheStoredTableInItsRows() {
        // The stored table, one place a row, each label sized to its text in the table font.
        store({0, 32767, 150, 7, 0, 0},
              {"", "Ada Lovelace", "  blanks around  ", "<b>not bold</b> & co", "Zo\xC3\xAB", ""});
        frmScores window(game, nullptr);
        QVERIFY(!window.cmdOK->isDefault());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList scores = {"32767", "150", "7", "0", "0"};
        const QStringList names = {"Ada Lovelace", "  blanks around  ", "<b>not bold</b> & co",
                                   QString::fromUtf8("Zo\xC3\xAB"), ""};
        for (int k = 1; k <= 5; ++k) {
            for (QLabel* label : {window.lblScore[k], window.lblName[k]}) {
                const bool isScore = label == window.lblScore[k];
                QCOMPARE(label->text(), (isScore ? scores : names)[k - 1]);
                QCOMPARE(label->textFormat(), Qt::PlainText);
                QCOMPARE(label->pos(), QPoint(isScore ? 24 : 120, 24 + 32 * (k - 1)));
                QCOMPARE(label->size(), label->sizeHint());
                QVERIFY(label->alignment().testFlag(Qt::AlignLeft));
                const QFont font = label->font();
                QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
                QCOMPARE(font.styleHint(), QFont::Serif);
                QCOMPARE(font.weight(), QFont::Bold);
                QCOMPARE(font.pointSizeF(), 14.25);
                QVERIFY(!font.italic());
            }
        }
        QCOMPARE(window.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(window.cmdOK->geometry(), QRect(304, 24, 81, 25));
        QVERIFY(!window.cmdOK->testAttribute(Qt::WA_SetFont));
        QCOMPARE(window.previousInFocusChain(), window.cmdOK);
    }

    void refreshReadsTheFileAgain() {
        // No file shows an empty table; refresh shows the file's new table.
        platform.files.clear();
        frmScores window(game, nullptr);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(window.lblScore[k]->text() + window.lblName[k]->text(), QStringLiteral("0"));
        }
        const int width = window.lblName[2]->width();
        store({0, 0, 2500, 0, 0, 3}, {"", "", "A much longer name than before", "", "", "Last"});
        window.refresh();
        QCOMPARE(window.lblScore[2]->text(), QStringLiteral("2500"));
        QCOMPARE(window.lblName[2]->text(), QStringLiteral("A much longer name than before"));
        QCOMPARE(window.lblScore[5]->text() + window.lblName[5]->text(), QStringLiteral("3Last"));
        QVERIFY(window.lblName[2]->width() > width + 80);
        QCOMPARE(window.lblName[2]->geometry(),
                 QRect(QPoint(120, 56), window.lblName[2]->sizeHint()));
        QCOMPARE(window.lblScore[2]->size(), window.lblScore[2]->sizeHint());
    }
};

}  // namespace fitzel

QTEST_MAIN(fitzel::TestFrmScores)
#include "frmScoresTest.moc"
