// Tests of the game in each language it speaks: every text the player reads or hears goes through
// the translations, and every text stands whole in its place.
#include <QtTest>
#include <QtWidgets>

#include "WindowTest.h"
#include "forms/ScriptLabel.h"
#include "forms/Translations.h"
#include "forms/frmAbout.h"
#include "forms/frmHelp.h"
#include "forms/frmMain.h"
#include "forms/frmScores.h"

using namespace fitzel;

namespace {

// A language in which every text is its English between marks: a text with letters outside
// them reached the player without going through the translations.
class MarkedLanguage : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return QStringLiteral("[[%1]]").arg(QString::fromUtf8(source));
    }
};

// Marked whole, or holding no letter: a text made of marked texts and the game's numbers, names
// and paths starts and ends with a mark.
bool allMarked(const QString& text) {
    return (text.startsWith("[[") && text.endsWith("]]")) ||
           !text.contains(QRegularExpression("\\p{L}"));
}

// What a window shows and tells a screen reader, less the players' names and scores of the table
// and the game's web address, which are the same in every language.
QStringList textsOf(QWidget* window) {
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets << window;
    for (QWidget* widget : widgets) {
        if (widget->objectName().contains(QRegularExpression("^lbl(Name|Score\\d|Web)"))) {
            continue;
        }
        // A label's, a button's or a box's text; nothing for a widget that has none.
        texts << widget->accessibleName() << widget->accessibleDescription()
              << widget->property("text").toString();
        for (const QAction* action : widget->actions()) {
            texts << action->text();
        }
    }
    return texts;
}

}  // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
    const QString folder = QCoreApplication::applicationDirPath();

  private slots:
    void cleanup() { speakLanguageOf(QLocale(QLocale::English)); }

    void everyTextGoesThroughTheTranslations() {
        // The windows, their menus and cells, a game's labels and the boxes from an exit asked
        // during a game to the end of a game: the game over, the name, the table.
        MarkedLanguage marked;
        QCoreApplication::installTranslator(&marked);
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QStringList texts;
        EachModal answer([&texts](QWidget* modal) {
            texts << textsOf(modal);
            modal->close();  // No to the exit's question
        });
        main.mnuFileItem_Click(frmMain::FileItem::New);
        main.mnuFileItem_Click(frmMain::FileItem::Exit);
        texts << textsOf(&main);
        main.game().setUpForTest({.currentPiece = 1, .piecesLeft = 0, .score = 100});
        main.game().btnSkip_Click();
        frmAbout about(main.game(), folder, nullptr);
        frmHelp help(nullptr);
        texts << textsOf(&about) << textsOf(&help);
        QCoreApplication::removeTranslator(&marked);
        for (const QString& text : texts) {
            QVERIFY2(allMarked(text), qPrintable(text));
        }
        QVERIFY(texts.join(' ').contains("[[Game Over - No Pieces Left!     ]]"));
    }

    void everyTextStandsWholeInItsPlace_data() {
        // English and every language the program carries.
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << "en";
        for (const QString& file : QDir(":/i18n").entryList()) {
            const QString language = file.section('_', 1).section('.', 0, 0);
            QTest::newRow(qPrintable(language)) << language;
        }
    }
    void everyTextStandsWholeInItsPlace() {
        // In each window, each label's and button's text whole inside it, no label's text under
        // a button; the menu bar in one row.
        QFETCH(QString, language);
        speakLanguageOf(QLocale(language));
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const QMenuBar* bar = main.menuBar();
        QCOMPARE(bar->actions()[0]->text() == "&File", language == "en");
        // The boxes' own buttons in the same language.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes") == "&Yes", language == "en");
        for (QAction* menu : bar->actions()) {
            const QRect item = bar->actionGeometry(menu);
            QVERIFY(bar->rect().contains(item) &&
                    item.y() == bar->actionGeometry(bar->actions()[0]).y());
        }
        frmAbout about(main.game(), folder, nullptr);
        frmHelp help(nullptr);
        frmScores scores(main.game(), nullptr);
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &about, &help, &scores}) {
            QList<QRect> inks;
            QList<QRect> buttons;
            for (const QLabel* label : window->findChildren<QLabel*>()) {
                if (dynamic_cast<const ScriptLabel*>(label) || label->text().isEmpty()) {
                    continue;
                }
                const int flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
                const QRect room = label->contentsRect();
                const QRect ink = label->fontMetrics().boundingRect(room, flags, label->text());
                QVERIFY2(room.contains(ink), qPrintable(label->text()));
                inks << ink.translated(label->mapTo(window, QPoint()));
            }
            for (const QPushButton* button : window->findChildren<QPushButton*>()) {
                const QString text = QString(button->text()).remove('&');
                QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= button->width(),
                         qPrintable(text));
                buttons << QRect(button->mapTo(window, QPoint()), button->size());
            }
            for (const QRect& ink : inks) {
                for (const QRect& button : buttons) {
                    QVERIFY(!ink.intersects(button));
                }
            }
        }
        // The labels drawn in pictures: all of their ink inside them, even with the longest
        // score, which they show.
        for (QLabel* label : {main.lblTimeRemaining(), main.lblScore()}) {
            const QImage before = grabbed(label);
            label->setText(label->text().section('\n', 0, 0) + "\n32767");
            const QImage shown = grabbed(label);
            // Its edge as it would be with no ink there: the ground's colour all round.
            QImage edge = shown;
            QPainter(&edge).fillRect(shown.rect().adjusted(1, 1, -1, -1), shown.pixelColor(0, 0));
            QImage ground(shown.size(), shown.format());
            ground.fill(shown.pixelColor(0, 0));
            QVERIFY(edge == ground && shown != before);
        }
    }
};

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"
