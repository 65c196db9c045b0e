// Tests of the small windows: How To Play, the high scores and About.
#include <QtTest>
#include <QtWidgets>

#include "forms/Twips.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmScores.h"
#include "game/HighScoreFile.h"
#include "game/NullPlatform.h"
#include "game/modGeneral.h"

namespace fitzel {

class SmallWindowsTest : public QObject {
    Q_OBJECT
    NullPlatform platform;
    const QString folder = QCoreApplication::applicationDirPath();
    modGeneral game{platform};

    // Row k shows place k, from the top, each text whole.
    void checkRows(const frmScores& window, const QStringList& texts) {
        int top = -1;
        for (int k = 1; k <= 5; ++k) {
            const QLabel* score = window.lblScore[k];
            const QLabel* name = window.lblName[k];
            QVERIFY(score->y() > top && name->y() == score->y() &&
                    score->text() == texts[2 * k - 2] && name->text() == texts[2 * k - 1] &&
                    name->width() >= name->sizeHint().width());
            top = score->y();
        }
    }

  private slots:
    void instructionsShowWholeBesideTheButton() {
        // The instructions, each line whole on a line of its own in a legible size, inside the
        // label, which stands inside the window and clear of the OK button, even in a font too
        // wide for the window as designed: the window grows, OK keeping its place at the right
        // edge. (In the dialog font, each language: the languages' test.)
        const QFont dialogFont = QApplication::font();
        const frmHelp designed(nullptr);
        QFont wide = dialogFont;
        wide.setLetterSpacing(QFont::AbsoluteSpacing, 6.0);
        QApplication::setFont(wide);
        frmHelp window(nullptr);
        const QLabel* label = window.lblHelp;
        QVERIFY(!label->wordWrap() && QFontInfo(label->font()).pixelSize() >= 11);
        const QRect room = label->contentsRect();
        const QRect ok = window.OKButton->geometry();
        QVERIFY(room.contains(
            label->fontMetrics().boundingRect(room, label->alignment(), label->text())));
        QVERIFY(window.rect().contains(label->geometry() | ok) &&
                !label->geometry().intersects(ok));
        QVERIFY(window.width() > designed.width());
        QCOMPARE(window.width() - ok.right(),
                 designed.width() - designed.OKButton->geometry().right());
        QApplication::setFont(dialogFont);
    }

    void twipsTurnIntoTheNearestPixel() {
        // 15 twips to a pixel: half a pixel or more goes on to the next.
        struct Length {
            int twips;
            int pixels;
        };
        for (const auto& [twips, pixels] :
             {Length{0, 0}, {7, 0}, {8, 1}, {22, 1}, {23, 2}, {5654, 377}, {7950, 530}})
            QCOMPARE(pixelsFromTwips(twips), pixels);
        QCOMPARE((Twips{7, 8, 22, 23}.pixels()), QRect(0, 1, 1, 2));
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

    void aboutShowsTheVersionAndNoSystemInformation() {
        // The game's version; this system keeps no registry to find the system-information
        // program in: the button says so in a box, which OK closes.
        frmAbout about(game, folder, nullptr);
        QVERIFY(about.lblVersion->text().endsWith(" " FITZEL_PROJECT_VERSION));
        bool told = false;  // the message came up, and was closed
        QTimer::singleShot(0, &about, [&told] {
            told = qApp->activeModalWidget() && qApp->activeModalWidget()->close();
        });
        about.StartSysInfo();
        QVERIFY(told);
    }
};

}  // namespace fitzel

QTEST_MAIN(fitzel::SmallWindowsTest)
#include "SmallWindowsTest.moc"
