// Tests of the high-score window: its layout, the table it reads from the file, and refreshing.
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "MiniPlatform.h"
#include "forms/frmScores.h"
#include "game/modGeneral.h"

namespace fitzel {

using Table = std::array<std::pair<std::int16_t, std::string>, 5>;

class TestFrmScores : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void windowIsResizableWithItsCaption();
    void labelsStandInRowsAndFitTheirText_data();
    void labelsStandInRowsAndFitTheirText();
    void labelsUseTheTableFont();
    void okButtonIsLastAndNotDefault();
    void showsTheStoredTable_data();
    void showsTheStoredTable();
    void noFileShowsAnEmptyTable();
    void longNameWidensItsLabel();
    void refreshReadsTheFileAgain();
    void closesWith_data();
    void closesWith();
    void escapeLeavesItOpen();
    void centresOnTheScreen();

  private:
    // Stores a table through the game, then forgets it, so only the file holds it.
    void storeTable(const Table& table);

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<test::MiniPlatform> platform_;
    std::unique_ptr<modGeneral> game_;
};

const Table kTable = {{{32767, "Ada Lovelace"},
                       {150, "  blanks around  "},
                       {7, "<b>not bold</b> & co"},
                       {0, "Zo\xC3\xAB"},
                       {0, ""}}};

void TestFrmScores::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    platform_ = std::make_unique<test::MiniPlatform>(folder_->path().toStdString());
    game_ = std::make_unique<modGeneral>(*platform_);
}

void TestFrmScores::cleanup() {
    game_.reset();
    platform_.reset();
    folder_.reset();
}

void TestFrmScores::storeTable(const Table& table) {
    for (int k = 1; k <= 5; ++k) {
        game_->intHighScore[k] = table[k - 1].first;
        game_->strHighName[k] = table[k - 1].second;
    }
    game_->SaveHighScores();
    QVERIFY(QFile::exists(folder_->filePath(QStringLiteral("Config.cfg"))));
    for (int k = 1; k <= 5; ++k) {
        game_->intHighScore[k] = -1;
        game_->strHighName[k] = "not from the file";
    }
}

void TestFrmScores::windowIsResizableWithItsCaption() {
    frmScores window(*game_, nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Fitzel! - Scores."));
    QCOMPARE(window.size(), QSize(400, 211));
    QVERIFY(window.minimumSize() != window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(500, 300);
    QTRY_COMPARE(window.size(), QSize(500, 300));
}

void TestFrmScores::labelsStandInRowsAndFitTheirText_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("top");
    QTest::newRow("place 1") << 1 << 24;
    QTest::newRow("place 2") << 2 << 56;
    QTest::newRow("place 3") << 3 << 88;
    QTest::newRow("place 4") << 4 << 120;
    QTest::newRow("place 5") << 5 << 152;
}

void TestFrmScores::labelsStandInRowsAndFitTheirText() {
    QFETCH(int, place);
    QFETCH(int, top);
    storeTable(kTable);
    frmScores window(*game_, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QLabel* score = window.lblScore[place];
    const QLabel* name = window.lblName[place];
    QCOMPARE(score->pos(), QPoint(24, top));
    QCOMPARE(name->pos(), QPoint(120, top));
    QCOMPARE(score->size(), score->sizeHint());
    QCOMPARE(name->size(), name->sizeHint());
    QVERIFY(score->alignment().testFlag(Qt::AlignLeft));
    QVERIFY(name->alignment().testFlag(Qt::AlignLeft));
}

void TestFrmScores::labelsUseTheTableFont() {
    frmScores window(*game_, nullptr);
    for (int k = 1; k <= 5; ++k) {
        for (const QLabel* label : {window.lblScore[k], window.lblName[k]}) {
            const QFont font = label->font();
            QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
            QCOMPARE(font.styleHint(), QFont::Serif);
            QCOMPARE(font.weight(), QFont::Bold);
            QCOMPARE(font.pointSizeF(), 14.25);
            QVERIFY(!font.italic());
        }
    }
    // The button keeps the default dialog font.
    QVERIFY(!window.cmdOK->testAttribute(Qt::WA_SetFont));
}

void TestFrmScores::okButtonIsLastAndNotDefault() {
    frmScores window(*game_, nullptr);
    QCOMPARE(window.cmdOK->text(), QStringLiteral("OK"));
    QCOMPARE(window.cmdOK->geometry(), QRect(304, 24, 81, 25));
    QVERIFY(!window.cmdOK->isDefault());
    // Every other child comes before it in the focus chain.
    QWidget* last = nullptr;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        last = w;
    }
    QCOMPARE(last, window.cmdOK);
}

void TestFrmScores::showsTheStoredTable_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("name");
    QTest::newRow("five digits") << 1 << "32767"
                                 << "Ada Lovelace";
    QTest::newRow("blanks kept") << 2 << "150"
                                 << "  blanks around  ";
    QTest::newRow("no zeros in front, markup as text") << 3 << "7"
                                                       << "<b>not bold</b> & co";
    QTest::newRow("zero, a letter beyond ASCII") << 4 << "0" << QString::fromUtf8("Zo\xC3\xAB");
    QTest::newRow("empty name") << 5 << "0"
                                << "";
}

void TestFrmScores::showsTheStoredTable() {
    QFETCH(int, place);
    QFETCH(QString, score);
    QFETCH(QString, name);
    storeTable(kTable);
    frmScores window(*game_, nullptr);
    QCOMPARE(window.lblScore[place]->text(), score);
    QCOMPARE(window.lblName[place]->text(), name);
    QCOMPARE(window.lblName[place]->textFormat(), Qt::PlainText);
    QCOMPARE(window.lblScore[place]->textFormat(), Qt::PlainText);
}

void TestFrmScores::noFileShowsAnEmptyTable() {
    frmScores window(*game_, nullptr);
    for (int k = 1; k <= 5; ++k) {
        QCOMPARE(window.lblScore[k]->text(), QStringLiteral("0"));
        QCOMPARE(window.lblName[k]->text(), QString());
    }
}

void TestFrmScores::longNameWidensItsLabel() {
    Table table = kTable;
    table[0].second = "A player with a really remarkably long name";
    storeTable(table);
    frmScores window(*game_, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.lblName[1]->width() > 80);
    QCOMPARE(window.lblName[1]->x(), 120);
    QCOMPARE(window.lblName[1]->size(), window.lblName[1]->sizeHint());
}

void TestFrmScores::refreshReadsTheFileAgain() {
    storeTable(kTable);
    frmScores window(*game_, nullptr);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int oldWidth = window.lblName[2]->width();

    Table later = kTable;
    later[1] = {2500, "A much longer name than before"};
    later[4] = {3, "Last"};
    storeTable(later);
    window.refresh();

    QCOMPARE(window.lblScore[2]->text(), QStringLiteral("2500"));
    QCOMPARE(window.lblName[2]->text(), QStringLiteral("A much longer name than before"));
    QCOMPARE(window.lblScore[5]->text(), QStringLiteral("3"));
    QCOMPARE(window.lblName[5]->text(), QStringLiteral("Last"));
    QCOMPARE(window.lblScore[1]->text(), QStringLiteral("32767"));
    // The labels fit their new texts.
    QVERIFY(window.lblName[2]->width() > oldWidth);
    QCOMPARE(window.lblName[2]->size(), window.lblName[2]->sizeHint());
    QCOMPARE(window.lblScore[2]->size(), window.lblScore[2]->sizeHint());
}

void TestFrmScores::closesWith_data() {
    QTest::addColumn<bool>("okButton");
    QTest::newRow("OK button") << true;
    QTest::newRow("close box") << false;
}

void TestFrmScores::closesWith() {
    QFETCH(bool, okButton);
    frmScores window(*game_, nullptr);
    QSignalSpy finished(&window, &QDialog::finished);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (okButton) {
        QTest::mouseClick(window.cmdOK, Qt::LeftButton);
    } else {
        window.close();
    }
    QTRY_VERIFY(!window.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestFrmScores::escapeLeavesItOpen() {
    frmScores window(*game_, nullptr);
    QSignalSpy finished(&window, &QDialog::finished);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(window.isVisible());
    QCOMPARE(finished.count(), 0);
}

void TestFrmScores::centresOnTheScreen() {
    // An owner in a corner: the window centres on the screen, not over its owner.
    QWidget owner;
    owner.setGeometry(0, 0, 120, 80);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    frmScores window(*game_, &owner);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect screen = window.screen()->geometry();
    const QRect outer = window.frameGeometry();
    QTRY_VERIFY(std::abs(outer.top() - (screen.height() / 2 - outer.height() / 2)) <= 1);
    QVERIFY(std::abs(outer.left() - (screen.width() / 2 - outer.width() / 2)) <= 1);
}

}  // namespace fitzel

QTEST_MAIN(fitzel::TestFrmScores)
#include "test_frmScores.moc"
