// Tests of the main window: its layout, menus, start-up, the exit question and board clicks.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "forms/frmMain.h"
#include "game/Tables.h"
#include "game/modGeneral.h"
#include "platform/QtPlatform.h"
#include "test_frmMainModal.h"

using fitzel::frmMain;
using fitzel::TimerId;
using fitzel::test::NextModal;

namespace {

// Layout values are given in twips, 15 to a pixel.
int px(int twips) {
    return twips / 15;
}

QString dataFile(const QString& name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

QImage imageOf(const QLabel* label) {
    return label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage fileImage(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// Cell c of piece k's picture, cut as the strip shows it.
QImage pieceCell(int k, int c) {
    const QImage picture =
        fileImage(dataFile(QStringLiteral("%1.bmp").arg(k, 2, 10, QLatin1Char('0'))));
    const int width = picture.width() / 3;
    return picture.copy(c * width, 0, width, picture.height());
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void init();
    void cleanup();

    void clientAreaIsFixedBelowTheMenuBar();
    void windowHasNoMinimiseOrMaximise();
    void windowIsCentredOnTheScreen();
    void controlStandsAtItsPlace_data();
    void controlStandsAtItsPlace();
    void stripCellsTakeTheSizeOfTheirPicture_data();
    void stripCellsTakeTheSizeOfTheirPicture();
    void centrePreviewCellKeepsItsOwnSize();
    void framesArePaintedOnTheBackground_data();
    void framesArePaintedOnTheBackground();
    void menusHoldTheirItemsInOrder_data();
    void menusHoldTheirItemsInOrder();
    void labelsAfterStartUp();
    void labelsUseAScriptFace();
    void skipButtonShowsAPictureOnly();
    void timersAreStoppedAtStartUp();
    void cellsShowTheBuiltInPictureBeforeTheFirstGame();
    void boardClickBeforeTheFirstGameDoesNothing();
    void newGameFromTheMenuPaintsTheBoard();
    void clickPlacesThePieceOnTheBoard();
    void skipButtonDealsTheNextPiece();
    void turnTimerCountsDown();
    void exitWithoutGameAsksNothing();
    void exitDuringGame_data();
    void exitDuringGame();
    void closingTheWindowEndsTheProgram();
    void helpItemsOpenTheirWindowModally_data();
    void helpItemsOpenTheirWindowModally();
    void scoresWindowIsNotOpenedTwice();

  private:
    std::unique_ptr<frmMain> window_;
};

void TestFrmMain::initTestCase() {
    // Without its data the program would stop on a message that nobody closes here.
    QVERIFY2(QFile::exists(dataFile("Shapes.dat")), "the data files must lie beside the test");
}

void TestFrmMain::init() {
    window_ = std::make_unique<frmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
}

void TestFrmMain::cleanup() {
    window_.reset();
}

void TestFrmMain::clientAreaIsFixedBelowTheMenuBar() {
    QWidget* client = window_->clientArea();
    QCOMPARE(client->size(), QSize(329, 530));
    QCOMPARE(client->mapTo(window_.get(), QPoint(0, 0)),
             QPoint(0, window_->menuBar()->geometry().bottom() + 1));
    QCOMPARE(window_->width(), 329);
    QCOMPARE(window_->height(), 530 + window_->menuBar()->height());
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->minimumSize(), window_->size());
    QCOMPARE(window_->windowTitle(), QStringLiteral("Fitzel!"));
    QCOMPARE(client->palette().color(QPalette::Window), QColor(255, 224, 192));
}

void TestFrmMain::windowHasNoMinimiseOrMaximise() {
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(window_->windowIcon().availableSizes().value(0), QSize(32, 32));
}

void TestFrmMain::windowIsCentredOnTheScreen() {
    // Start-up centres the window before it is shown, from its outer size as known then.
    frmMain fresh;
    QVERIFY(!fresh.isVisible());
    const QRect screen = fresh.screen()->geometry();
    const QRect outer = fresh.frameGeometry();
    QCOMPARE(outer.size(), QSize(329, 530 + fresh.menuBar()->sizeHint().height()));
    QVERIFY(qAbs(outer.top() - (screen.top() + screen.height() / 2 - outer.height() / 2)) <= 1);
    QVERIFY(qAbs(outer.left() - (screen.left() + screen.width() / 2 - outer.width() / 2)) <= 1);
}

void TestFrmMain::controlStandsAtItsPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    for (int n = 1; n <= 25; ++n) {
        const int row = (n - 1) / 5;
        const int column = (n - 1) % 5;
        QTest::addRow("picGrid%d", n) << QStringLiteral("picGrid%1").arg(n)
                                      << QRect(120 + 585 * column, 3840 + 570 * row, 585, 570);
    }
    for (int n = 1; n <= 9; ++n) {
        const int row = (n - 1) / 3;
        const int column = (n - 1) % 3;
        const QRect place = n == 5 ? QRect(3780, 4290, 480, 465)
                                   : QRect(3345 + 450 * column, 3840 + 450 * row, 450, 450);
        QTest::addRow("picEG%d", n) << QStringLiteral("picEG%1").arg(n) << place;
    }
    QTest::newRow("lblTimeRemaining") << "lblTimeRemaining" << QRect(3240, 5520, 1620, 1005);
    QTest::newRow("lblScore") << "lblScore" << QRect(3240, 6720, 1620, 1005);
    QTest::newRow("btnSkip") << "btnSkip" << QRect(960, 7080, 1170, 585);
}

void TestFrmMain::controlStandsAtItsPlace() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    auto* control = window_->clientArea()->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->parentWidget(), window_->clientArea());
    QCOMPARE(control->geometry(),
             QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
    QVERIFY(control->isVisible());
}

void TestFrmMain::stripCellsTakeTheSizeOfTheirPicture_data() {
    QTest::addColumn<int>("k");
    QTest::addColumn<QPoint>("twips");
    const QPoint places[35] = {
        {570, 420},   {1170, 240},  {1770, 240},  {2370, 240},  {2970, 240},  {3570, 240},
        {4170, 240},  {390, 840},   {1170, 840},  {1590, 840},  {2190, 840},  {2790, 840},
        {3390, 840},  {3990, 840},  {390, 1440},  {1170, 1440}, {1590, 1440}, {2190, 1440},
        {2790, 1620}, {3390, 1440}, {4170, 1440}, {390, 2220},  {990, 2220},  {1590, 2220},
        {2190, 2040}, {2790, 2040}, {3585, 2040}, {4170, 2040}, {390, 2820},  {990, 2640},
        {1590, 2820}, {2370, 2640}, {2790, 2820}, {3585, 2640}, {4005, 2805},
    };
    for (int k = 1; k <= 35; ++k) {
        QTest::addRow("picPieces%d", k) << k << places[k - 1];
    }
}

void TestFrmMain::stripCellsTakeTheSizeOfTheirPicture() {
    QFETCH(int, k);
    QFETCH(QPoint, twips);
    auto* pic = window_->clientArea()->findChild<QLabel*>(QStringLiteral("picPieces%1").arg(k));
    QVERIFY(pic != nullptr);
    QCOMPARE(pic, window_->picPieces(k));
    const QImage waiting = pieceCell(k, 0);
    QCOMPARE(pic->geometry(), QRect(QPoint(px(twips.x()), px(twips.y())), waiting.size()));
    // Start-up shows every piece as waiting.
    QCOMPARE(imageOf(pic), waiting);
    QCOMPARE(pic->palette().color(QPalette::Window), QColor(128, 128, 128));
}

void TestFrmMain::centrePreviewCellKeepsItsOwnSize() {
    window_->mnuFileItem_Click(1);
    auto* centre = window_->picEG(5);
    QCOMPARE(centre->size(), QSize(32, 31));
    QCOMPARE(centre->frameShape(), QFrame::Box);
    QCOMPARE(centre->lineWidth(), 1);
    QCOMPARE(centre->palette().color(QPalette::Window), QColor(128, 128, 128));
    QVERIFY(centre->autoFillBackground());
    // The other preview cells take the 30 x 30 of the cell pictures.
    for (int n : {1, 2, 3, 4, 6, 7, 8, 9}) {
        QCOMPARE(window_->picEG(n)->size(), QSize(30, 30));
    }
}

void TestFrmMain::framesArePaintedOnTheBackground_data() {
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    const QColor background(255, 224, 192);
    const QColor red(255, 0, 0);
    const QColor panel(102, 102, 102);
    const QColor black(0, 0, 0);
    QTest::newRow("background top left") << QPoint(2, 2) << background;
    QTest::newRow("background between panel and board") << QPoint(150, 240) << background;
    QTest::newRow("background under the board") << QPoint(200, 500) << background;
    QTest::newRow("panel border left") << QPoint(17, 100) << black;
    QTest::newRow("panel border left inner") << QPoint(18, 100) << black;
    QTest::newRow("left of panel") << QPoint(16, 100) << background;
    QTest::newRow("panel border bottom") << QPoint(150, 221) << black;
    QTest::newRow("panel fill") << QPoint(20, 12) << panel;
    QTest::newRow("board frame left") << QPoint(7, 300) << red;
    QTest::newRow("board frame top") << QPoint(100, 255) << red;
    QTest::newRow("board frame right") << QPoint(204, 300) << red;
    QTest::newRow("board frame right inner") << QPoint(203, 300) << red;
    QTest::newRow("right of board frame") << QPoint(205, 300) << background;
    QTest::newRow("board frame bottom") << QPoint(100, 447) << red;
    QTest::newRow("below board frame") << QPoint(100, 448) << background;
    QTest::newRow("preview frame left") << QPoint(222, 300) << red;
    QTest::newRow("preview frame right") << QPoint(314, 300) << red;
    QTest::newRow("preview frame bottom") << QPoint(260, 347) << red;
    QTest::newRow("right of preview frame") << QPoint(315, 300) << background;
}

void TestFrmMain::framesArePaintedOnTheBackground() {
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    const QImage image = window_->clientArea()->grab().toImage();
    QCOMPARE(image.pixelColor(pixel), colour);
}

void TestFrmMain::menusHoldTheirItemsInOrder_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << 0 << "&File"
                          << "mnuFile" << QStringList{"&New", "-", "E&xit"};
    QTest::newRow("Help") << 1 << "&Help"
                          << "mnuHelp"
                          << QStringList{"How To &Play", "Show High Scores", "-", "&About"};
}

void TestFrmMain::menusHoldTheirItemsInOrder() {
    QFETCH(int, menu);
    QFETCH(QString, title);
    QFETCH(QString, objectName);
    QFETCH(QStringList, items);
    const QList<QAction*> menus = window_->menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QMenu* m = menus.at(menu)->menu();
    QVERIFY(m != nullptr);
    QCOMPARE(menus.at(menu)->text(), title);
    QCOMPARE(m->objectName(), objectName);
    QStringList seen;
    for (QAction* item : m->actions()) {
        seen << (item->isSeparator() ? QStringLiteral("-") : item->text());
    }
    QCOMPARE(seen, items);
}

void TestFrmMain::labelsAfterStartUp() {
    QCOMPARE(window_->lblTimeRemaining()->text(), QStringLiteral("Time Left\n10"));
    QCOMPARE(window_->lblScore()->text(), QStringLiteral("Score\n0"));
    QCOMPARE(window_->lblTimeRemaining()->objectName(), QStringLiteral("lblTimeRemaining"));
    QCOMPARE(window_->lblScore()->objectName(), QStringLiteral("lblScore"));
}

void TestFrmMain::labelsUseAScriptFace() {
    for (QLabel* label : {window_->lblTimeRemaining(), window_->lblScore()}) {
        const QFont font = label->font();
        QVERIFY(font.bold());
        QVERIFY(font.family() == QLatin1String("Brush Script MT") ||
                font.family() == QLatin1String("Dancing Script"));
        QVERIFY(font.pointSizeF() >= 20 && font.pointSizeF() <= 20.25);
        QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(label->textFormat(), Qt::PlainText);
    }
}

void TestFrmMain::skipButtonShowsAPictureOnly() {
    QPushButton* skip = window_->btnSkip();
    QCOMPARE(skip->objectName(), QStringLiteral("btnSkip"));
    QVERIFY(skip->text().isEmpty());
    QVERIFY(!skip->icon().isNull());
    QCOMPARE(skip->iconSize(), QSize(78, 38));
}

void TestFrmMain::timersAreStoppedAtStartUp() {
    const QStringList names = {"tmrTimeLeft", "tmrClear1", "tmrClear2", "tmrClear3", "tmrClear4",
                               "tmrClear5",   "tmrClear6", "tmrClear7", "tmrClear8", "tmrClear9"};
    for (int t = 0; t < fitzel::kTimerCount; ++t) {
        QTimer* timer = window_->timer(static_cast<TimerId>(t));
        QCOMPARE(timer->objectName(), names.at(t));
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        QCOMPARE(window_->findChild<QTimer*>(names.at(t)), timer);
    }
}

void TestFrmMain::cellsShowTheBuiltInPictureBeforeTheFirstGame() {
    const QImage board = fileImage(QStringLiteral(":/cell_board.png"));
    const QImage preview = fileImage(QStringLiteral(":/cell_preview.png"));
    QCOMPARE(board.size(), QSize(39, 38));
    QCOMPARE(preview.size(), QSize(30, 30));
    for (int n = 1; n <= 25; ++n) {
        QCOMPARE(imageOf(window_->picGrid(n)), board);
    }
    for (int n = 1; n <= 9; ++n) {
        QCOMPARE(imageOf(window_->picEG(n)), preview);
    }
}

void TestFrmMain::boardClickBeforeTheFirstGameDoesNothing() {
    const QImage board = fileImage(QStringLiteral(":/cell_board.png"));
    QTest::mouseClick(window_->picGrid(13), Qt::LeftButton);
    for (int n = 1; n <= 25; ++n) {
        QCOMPARE(imageOf(window_->picGrid(n)), board);
        QVERIFY(!window_->game().blnGrid[n]);
    }
}

void TestFrmMain::newGameFromTheMenuPaintsTheBoard() {
    QMenu* file = window_->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QVERIFY(file != nullptr);
    QAction* newItem = file->findChild<QAction*>(QStringLiteral("mnuFileItem1"));
    QVERIFY(newItem != nullptr);
    newItem->trigger();

    auto& game = window_->game();
    QVERIFY(game.blnInGame);
    QCOMPARE(game.intPiecesLeft, 34);
    const QImage empty = fileImage(dataFile("GridEmpty.bmp"));
    for (int n = 1; n <= 25; ++n) {
        QCOMPARE(imageOf(window_->picGrid(n)), empty);
    }
    const QImage previewEmpty = fileImage(dataFile("EGEmpty.bmp"));
    const QImage previewFilled = fileImage(dataFile("EGFilled.bmp"));
    for (int n = 1; n <= 9; ++n) {
        QCOMPARE(imageOf(window_->picEG(n)), game.blnPreview[n] ? previewFilled : previewEmpty);
    }
    const int current = game.intCurrentPiece;
    QCOMPARE(imageOf(window_->picPieces(current)), pieceCell(current, 2));
    QVERIFY(window_->timer(TimerId::TimeLeft)->isActive());
    QCOMPARE(window_->timer(TimerId::TimeLeft)->interval(), 1000);
}

void TestFrmMain::clickPlacesThePieceOnTheBoard() {
    window_->mnuFileItem_Click(1);
    auto& game = window_->game();
    const int piece = game.intCurrentPiece;
    const std::string pattern = game.strShapes[piece];

    // Cell 13 is the middle of the board: every piece fits there on an empty board.
    constexpr int kClicked = 13;
    bool covered[26] = {};
    for (int j = 1; j <= 9; ++j) {
        const char c = j <= static_cast<int>(pattern.size()) ? pattern[j - 1] : '\0';
        if (c == '1' || (j == 5 && c == '2')) {
            covered[kClicked + fitzel::kPatternOffset[j]] = true;
        }
    }
    QTest::mouseClick(window_->picGrid(kClicked), Qt::LeftButton);

    // The board shows the piece at once (a block it makes vanishes only later).
    const QImage empty = fileImage(dataFile("GridEmpty.bmp"));
    const QImage filled = fileImage(dataFile("GridFilled.bmp"));
    int filledCells = 0;
    for (int n = 1; n <= 25; ++n) {
        QCOMPARE(imageOf(window_->picGrid(n)), covered[n] ? filled : empty);
        filledCells += covered[n] ? 1 : 0;
    }
    QVERIFY(filledCells > 0);
    // The placed piece is marked dealt in the strip and the next one is current.
    QCOMPARE(imageOf(window_->picPieces(piece)), pieceCell(piece, 1));
    QVERIFY(game.intCurrentPiece != piece);
    QCOMPARE(game.intPiecesLeft, 33);
}

void TestFrmMain::skipButtonDealsTheNextPiece() {
    window_->mnuFileItem_Click(1);
    auto& game = window_->game();
    const int first = game.intCurrentPiece;
    QTest::mouseClick(window_->btnSkip(), Qt::LeftButton);
    QCOMPARE(game.intPiecesLeft, 33);
    QVERIFY(game.intCurrentPiece != first);
    QCOMPARE(imageOf(window_->picPieces(first)), pieceCell(first, 1));
    QCOMPARE(window_->lblScore()->text(), QStringLiteral("Score\n0"));
}

void TestFrmMain::turnTimerCountsDown() {
    window_->mnuFileItem_Click(1);
    QSignalSpy ticks(window_->timer(TimerId::TimeLeft), &QTimer::timeout);
    QVERIFY(ticks.wait(5000));
    QCOMPARE(window_->lblTimeRemaining()->text(), QStringLiteral("Time Left\n9"));
    QCOMPARE(window_->game().intTimeLeft, 9);
}

void TestFrmMain::exitWithoutGameAsksNothing() {
    QSignalSpy ended(window_.get(), &frmMain::programEnded);
    // Should a question come, it is answered No, so that the program would go on.
    NextModal watcher([](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        }
    });
    window_->mnuFileItem_Click(3);
    QVERIFY(!watcher.seen);
    QCOMPARE(ended.count(), 1);
    QVERIFY(!window_->isVisible());
}

void TestFrmMain::exitDuringGame_data() {
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("ends");
    QTest::newRow("Yes ends the program") << QMessageBox::Yes << true;
    QTest::newRow("No goes on") << QMessageBox::No << false;
}

void TestFrmMain::exitDuringGame() {
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, ends);
    window_->mnuFileItem_Click(1);
    QSignalSpy ended(window_.get(), &frmMain::programEnded);
    NextModal watcher([answer](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        QTest::mouseClick(box->button(answer), Qt::LeftButton);
    });

    QMenu* file = window_->menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    file->findChild<QAction*>(QStringLiteral("mnuFileItem3"))->trigger();

    QVERIFY(watcher.seen);
    QCOMPARE(watcher.text,
             QStringLiteral("A game is still in progress! Are you sure you want to exit?     "));
    QCOMPARE(watcher.title, QStringLiteral("Fitzel! - Exit?"));
    QCOMPARE(watcher.icon, QMessageBox::Question);
    QCOMPARE(watcher.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(ended.count(), ends ? 1 : 0);
    QCOMPARE(window_->isVisible(), !ends);
    QCOMPARE(window_->timer(TimerId::TimeLeft)->isActive(), !ends);
    QVERIFY(window_->game().blnInGame);
}

void TestFrmMain::closingTheWindowEndsTheProgram() {
    window_->mnuFileItem_Click(1);
    QSignalSpy ended(window_.get(), &frmMain::programEnded);
    NextModal watcher([](QWidget* modal) { modal->close(); });
    QVERIFY(window_->close());
    QVERIFY(!watcher.seen);
    QCOMPARE(ended.count(), 1);
    for (int t = 0; t < fitzel::kTimerCount; ++t) {
        QVERIFY(!window_->timer(static_cast<TimerId>(t))->isActive());
    }
}

void TestFrmMain::helpItemsOpenTheirWindowModally_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("className");
    QTest::newRow("How To Play") << 1 << "fitzel::frmHelp";
    QTest::newRow("Show High Scores") << 2 << "fitzel::frmScores";
    QTest::newRow("About") << 4 << "fitzel::frmAbout";
}

void TestFrmMain::helpItemsOpenTheirWindowModally() {
    QFETCH(int, index);
    QFETCH(QString, className);
    QMenu* help = window_->menuBar()->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QAction* item = help->findChild<QAction*>(QStringLiteral("mnuHelpItem%1").arg(index));
    QVERIFY(item != nullptr);

    QWidget* owner = nullptr;
    bool modal = false;
    NextModal watcher([&](QWidget* opened) {
        owner = opened->parentWidget();
        modal = opened->isModal();
        opened->close();
    });
    item->trigger();

    QVERIFY(watcher.seen);
    QCOMPARE(watcher.className, className);
    QCOMPARE(owner, static_cast<QWidget*>(window_.get()));
    QVERIFY(modal);
    // Closed is gone: nothing of it is left open.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        QVERIFY2(w == window_.get() || !w->isVisible(), w->metaObject()->className());
    }
}

void TestFrmMain::scoresWindowIsNotOpenedTwice() {
    int visibleTables = -1;
    NextModal watcher([&](QWidget* table) {
        // The game ends behind the open table: it is shown again, not a second time.
        window_->platform().showScoresWindow();
        visibleTables = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() &&
                QLatin1String(w->metaObject()->className()) == QLatin1String("fitzel::frmScores")) {
                ++visibleTables;
            }
        }
        table->close();
    });
    window_->mnuHelpItem_Click(2);
    QVERIFY(watcher.seen);
    QCOMPARE(watcher.className, QStringLiteral("fitzel::frmScores"));
    QCOMPARE(visibleTables, 1);
}

QTEST_MAIN(TestFrmMain)
#include "test_frmMain.moc"
