// Tests of the main window and its platform: what the player sees where, play by clicks and
// keys, the preview, the menus, leaving and the name box.
#include <QtTest>
#include <QtWidgets>

#include "WindowTest.h"
#include "forms/BoardOverlay.h"
#include "forms/DealMenu.h"
#include "forms/PictureBox.h"
#include "forms/PlayerOptions.h"
#include "forms/QtPlatform.h"
#include "forms/frmMain.h"

using namespace fitzel;
using L = std::vector<int>;

namespace {

// A par search that goes on to its end.
const std::atomic<bool> kNever{false};

// A shown window; with a piece, a game whose current piece and filled cells the test sets.
std::unique_ptr<frmMain> window(int piece = 0, const L& filled = {}) {
    auto w = std::make_unique<frmMain>();
    w->show();
    w->activateWindow();
    if (QTest::qWaitForWindowActive(w.get()) && piece != 0) {
        w->mnuFileItem_Click(frmMain::FileItem::New);
        w->game().setUpForTest({.filled = filled, .currentPiece = piece});
    }
    return w;
}

// The corner of piece k's key square, the middle square of its pattern, in the strip.
QPoint keySquare(frmMain& w, int k) {
    QRect squares;  // the pattern's, in a 3 x 3 square
    for (int j = 1; j <= 9; ++j)
        if (squareCovers(w.game().state().strShapes[k], j))
            squares |= QRect((j - 1) % 3, (j - 1) / 3, 1, 1);
    return w.picPieces(k)->pos() +
           (QPoint(1, 1) - squares.topLeft()) * (w.picPieces(k)->width() / squares.width());
}

}  // namespace

class frmMainTest : public QObject {
    Q_OBJECT
    QStringList opened;  // the addresses opened on the desktop

  public slots:
    void openUrl(const QUrl& url) { opened << url.toString(); }

  private slots:
    void everythingStandsApartInItsFrame() {
        // The pieces lie apart, their key squares on an even grid; the board and the preview are
        // grids of touching cells numbered row by row, the key square over the preview's middle,
        // a pixel at most over its neighbours, its border black all round and its picture inside;
        // nothing overlaps; the window keeps its size. Skip held down moves its face a pixel down
        // and right.
        const auto w = window();
        const QImage screen = grabbed(w->clientArea());
        const QPoint first = keySquare(*w, 1);
        const QPoint pitch((keySquare(*w, 7) - first).x() / 6, (keySquare(*w, 29) - first).y() / 4);
        QRegion strip;
        for (int k = 1; k <= 35; ++k) {
            const QRect piece = w->picPieces(k)->geometry();
            const QPoint off = keySquare(*w, k) - first -
                               QPoint(pitch.x() * ((k - 1) % 7), pitch.y() * ((k - 1) / 7));
            QVERIFY(!strip.intersects(piece) && qMax(qAbs(off.x()), qAbs(off.y())) <= 1);
            strip += piece;
        }
        struct Grid {
            PictureBox* (frmMain::*cell)(int) const;
            int columns;
            int count;
        };
        for (const auto& [cell, columns, count] :
             {Grid{&frmMain::picGrid, 5, 25}, {&frmMain::picEG, 3, 9}}) {
            const QRect one = (w.get()->*cell)(1)->geometry();
            for (int n = 1; n <= count; ++n)
                QVERIFY((count == 9 && n == 5) ||
                        (w.get()->*cell)(n)->geometry() ==
                            one.translated(one.width() * ((n - 1) % columns),
                                           one.height() * ((n - 1) / columns)));
        }
        const QRect board = w->picGrid(1)->geometry() | w->picGrid(25)->geometry();
        const QRect preview = w->picEG(1)->geometry() | w->picEG(9)->geometry();
        const QRect parts[] = {strip.boundingRect(),
                               board,
                               preview,
                               w->lblTimeRemaining()->geometry(),
                               w->lblScore()->geometry(),
                               w->btnSkip()->geometry()};
        for (int i = 0; i < 6; ++i)
            for (int j = -1; j < i; ++j)
                QVERIFY(j < 0 ? screen.rect().contains(parts[i]) : !parts[i].intersects(parts[j]));
        const QRect key = w->picEG(5)->geometry();
        const QRect corner = w->picEG(1)->geometry();
        const QRect middle = corner.translated(corner.width(), corner.height());
        QVERIFY(key.contains(middle) && middle.adjusted(-1, -1, 1, 1).contains(key));
        const QImage shown = screen.copy(key);
        QImage drawn(shown.size(), shown.format());  // its picture inside a black border
        drawn.fill(Qt::black);
        QPainter(&drawn).drawPixmap(QPoint(1, 1), w->picEG(5)->pixmap(),
                                    QRect({}, key.size() - QSize(2, 2)));
        QCOMPARE(shown, drawn);
        QCOMPARE(w->minimumSize(), w->maximumSize());
        const QImage up = grabbed(w->btnSkip());
        w->btnSkip()->setDown(true);
        const QImage down = grabbed(w->btnSkip());
        const QImage face = up.copy(up.rect().adjusted(0, 0, -1, -1));
        QVERIFY(down.copy(face.rect().translated(1, 1)) == face && down != up);
    }

    void stripShowsEachLookDrawnForTheScreen() {
        // Each strip cell shows its look's third of the piece's picture (the finer twin on a
        // screen at 200%, as the test is run too) in the place and size of the 1x third.
        const auto w = window();
        w->mnuFileItem_Click(frmMain::FileItem::New);
        const qreal ratio = w->devicePixelRatio();
        for (int k = 1; k <= 35; ++k) {
            const QImage picture =
                QImage(QString::asprintf("%02d%s.bmp", k, ratio > 1 ? "@2x" : ""))
                    .convertToFormat(QImage::Format_RGB32);
            const int look = w->game().state().intCurrentPiece == k ? 2 : 0;
            const int width = picture.width() / 3;
            QCOMPARE(w->picPieces(k)->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                     picture.copy(look * width, 0, width, picture.height()));
            QCOMPARE(w->picPieces(k)->size() * ratio, QSize(width, picture.height()));
        }
    }

    void aClickAtACellsMiddlePlacesThePieceThere() {
        // Whatever stands at the middle of board cell n takes a click for cell n: piece 1, a
        // single square, goes there; no picture file is opened meanwhile.
        const auto w = window(1);
        const int read = w->platform().pictures().filesRead();
        for (int n = 1; n <= 25; ++n) {
            w->game().setUpForTest({.filled = std::vector<int>{}, .currentPiece = 1});
            const QPoint at = w->picGrid(n)->geometry().center();
            QWidget* hit = w->clientArea()->childAt(at);
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(w->clientArea(), at));
            QVERIFY(std::ranges::count(w->game().state().blnGrid, true) == 1 &&
                    w->game().state().blnGrid[n]);
        }
        QCOMPARE(w->platform().pictures().filesRead(), read);
    }

    void previewTintsTheCellsAClickWouldTake() {
        // A band inside each cell the piece would take, green where it fits, else red; the
        // cells' middles and the other cells as they are. Piece 6 is a 2x2 square up and right
        // of its key, 19 a row of three, 13 a plus: one that fits, one off the board, one that
        // clashes.
        struct Pointed {
            int piece;
            L taken;
            int cell;
        };
        for (const auto& [piece, taken, cell] :
             {Pointed{6, {}, 21}, {19, {}, 10}, {13, {12, 18}, 13}}) {
            const auto w = window(piece, taken);
            QTest::mouseMove(w->lblScore());
            QTest::mouseMove(w->picGrid(cell));
            const QImage screen = grabbed(w->clientArea());
            const auto& cells = w->boardOverlay()->cells();
            for (int n = 1; n <= 25; ++n) {
                const QImage own = w->picGrid(n)->pixmap().toImage();
                const QPoint at = w->picGrid(n)->pos();
                const QColor band = screen.pixelColor(at + QPoint(4, 4));
                QVERIFY(screen.pixel(at + QPoint(19, 19)) == own.pixel(19, 19) &&
                        (band.rgb() == own.pixel(4, 4)) == (cells[n] == CellFit::None) &&
                        (band.green() > band.red()) == (cells[n] == CellFit::Covers));
            }
            // Shown unless the player turned it off; never while blocks vanish.
            QVERIFY(cells[cell] != CellFit::None);
            w->game().setUpForTest({.filled = std::vector<int>{1, 2, 6, 7}});
            w->game().CheckBlocks();  // a block vanishing
            QTest::mouseMove(w->lblScore());
            QTest::mouseMove(w->picGrid(cell));
            QCOMPARE(std::ranges::count(cells, CellFit::None), 26);
        }
    }

    void keysMoveTheCursorAndPlaceThePieceThere() {
        // The cursor, hidden until a key is used in the game, starts in the middle; the arrows
        // stop at the edges; Return, Enter and Space place piece 1, a single square, at the
        // cursor, a held key's repeats nothing. The pointer moved over the board hides it again.
        const Qt::Key arrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
        struct Keyed {
            const char* moves;  // L, R, U, D
            int cell;
            Qt::Key place;
        };
        for (const auto& [moves, cell, place] : {Keyed{"UD", 13, Qt::Key_Return},
                                                 {"LLLLLUUUUU", 1, Qt::Key_Space},
                                                 {"RRRRRRDDDD", 25, Qt::Key_Enter}}) {
            const auto w = window();
            BoardOverlay* board = w->boardOverlay();
            QTest::keyClick(board, Qt::Key_Up);  // before the game: nothing shown
            w->mnuFileItem_Click(frmMain::FileItem::New);
            w->game().setUpForTest({.currentPiece = 1});
            QCOMPARE(board->cursorCell(), 0);
            for (QChar move : QString(moves))
                QTest::keyClick(board, arrows[QString("LRUD").indexOf(move)]);
            QKeyEvent held(QEvent::KeyPress, place, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(board, &held);
            QVERIFY(board->cursorCell() == cell &&
                    std::ranges::count(w->game().state().blnGrid, true) == 0);
            QTest::keyClick(board, place);
            QVERIFY(std::ranges::count(w->game().state().blnGrid, true) == 1 &&
                    w->game().state().blnGrid[cell]);
            QTest::mouseMove(w->picGrid(cell));
            QTest::mouseMove(w->picGrid(cell % 25 + 1));
            QCOMPARE(board->cursorCell(), 0);
        }
    }

    void exitAsksOnlyDuringAGameWithYesTheDefault() {
        // During a game, its seconds ticking away, File > Exit asks a question, Escape answering
        // No (Return Yes: the screen-reader run's File > Exit); with no game it ends at once.
        struct Asked {
            int game;  // its current piece, 0 for no game
            bool ends;
        };
        for (const auto& [game, ends] : {Asked{0, true}, {13, false}}) {
            const auto w = window(game);
            QSignalSpy ticks(w->timer(TimerId::TimeLeft), &QTimer::timeout);
            QVERIFY(!game || (ticks.wait(5000) && ticks.wait(5000) &&
                              w->lblTimeRemaining()->text().endsWith("\n8")));
            QSignalSpy ended(w.get(), &frmMain::programEnded);
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            EachModal answer([&icon](QWidget* box) {
                icon = qobject_cast<QMessageBox*>(box)->icon();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
            QCOMPARE(icon, game != 0 ? QMessageBox::Question : QMessageBox::NoIcon);
            QVERIFY(ended.count() == (ends ? 1 : 0) && w->isVisible() == !ends);
        }
    }

    void helpItemsOpenTheirWindowsOverAQuietBoard() {
        // How To Play, Show High Scores and About, in that order: each modal over the window, the
        // cursor hidden meanwhile, closed by OK, by Escape only where OK also cancels (About).
        // About's link opens its address on the desktop, through the game.
        QDesktopServices::setUrlHandler("https", this, "openUrl");
        const char* classes[] = {"fitzel::frmHelp", "fitzel::frmScores", "fitzel::frmAbout"};
        const auto w = window(13);
        QTest::keyClick(w->boardOverlay(), Qt::Key_Up);
        QList<QAction*> items = w->menuBar()->actions().last()->menu()->actions();
        items.removeIf([](QAction* item) { return item->isSeparator(); });
        for (int i = 0; i < 3; ++i) {
            QList<bool> seen;  // its class, cursor hidden, owner, kept by Escape, closed by OK
            QStringList links;
            EachModal watcher([&](QWidget* opened) {
                seen << opened->inherits(classes[i]) << (w->boardOverlay()->cursorCell() == 0)
                     << (opened->parentWidget() == w.get());
                for (auto* web : opened->findChildren<QLabel*>("lblWeb")) {
                    // A press taken back off the link opens nothing.
                    QTest::mousePress(web, Qt::LeftButton);
                    QTest::mouseRelease(web, Qt::LeftButton, {}, QPoint(-2, -2));
                    links << web->text();
                    QTest::mouseClick(web, Qt::LeftButton);
                }
                QTest::keyClick(opened, Qt::Key_Escape);
                seen << opened->isVisible();
                if (opened->isVisible())
                    QTest::mouseClick(opened->findChild<QPushButton*>(), Qt::LeftButton);
                seen << !opened->isVisible();
                opened->close();
            });
            items.value(i)->trigger();
            QCOMPARE(seen, QList<bool>({true, true, true, i != 2, true}));
            QVERIFY(w->boardOverlay()->cursorCell() != 0 && !(i == 2 && links.isEmpty()));
            QCOMPARE(std::exchange(opened, {}), links);
        }
        QDesktopServices::unsetUrlHandler("https");
    }

    void dealsAreDealtByNumberAndReplayedAndTheirParToldOnce() {
        // Deal by Number refuses what is no deal number, asking again, and deals the one typed;
        // Replay deals it again. The par, not shown until the player asks, then comes after the
        // game's own boxes and table window, in one box naming the deal and its par, proven for
        // a one-piece game; a game replaced while its par is sought brings none.
        QSettings(QStringLiteral("Fitzel"), QStringLiteral("fitzel")).clear();  // fresh options
        QFile::remove("Config.cfg");  // a table that any score enters
        const auto w = window();
        QVERIFY(!w->dealMenu()->parOption()->isChecked());
        w->dealMenu()->parOption()->setChecked(true);
        QStringList typing = {"12x", "4242", "Ann"};
        QStringList seen;  // "ask" and what it proposed, "box", "table", "par"
        EachModal answers([&](QWidget* modal) {
            const QString text = modal->property("text").toString();  // a message box's
            auto* ask = qobject_cast<QInputDialog*>(modal);
            seen << (ask                                    ? "ask " + ask->textValue()
                     : modal->inherits("fitzel::frmScores") ? "table"
                     : !text.contains("4242")               ? "box"
                     : text.contains("at least")            ? "par at least"
                                                            : "par");
            if (ask)
                ask->setTextValue(typing.takeFirst());
            qobject_cast<QDialog*>(modal)->accept();
        });
        w->dealMenu()->numberItem()->trigger();
        const std::vector<int> first = w->game().state().dealtPieces;
        for (int i = 0; i < 34; ++i)  // the whole deal, whose par takes a while
            w->game().NextPiece();
        w->game().btnSkip_Click();
        w->dealMenu()->replayItem()->trigger();  // while it is sought
        QVERIFY(w->game().state().dealtPieces == first);
        w->game().setUpForTest({.piecesLeft = 0, .score = 40});  // a game of one piece
        w->game().btnSkip_Click();
        QTRY_COMPARE_WITH_TIMEOUT(
            seen,
            QStringList({"ask ", "box", "ask 12x", "box", "box", "ask ", "box", "table", "par"}),
            60000);
    }

    void theTableWindowNeverOpensTwice() {
        // A game that ends behind the table window opened from the menu shows its table there.
        const auto w = window();
        int opened = 0;
        EachModal watcher([&](QWidget* table) {
            if (++opened == 1)
                QTimer::singleShot(0, table, [&w] { w->showScoresWindow(); });  // the game ending
            QTimer::singleShot(0, table, &QWidget::close);
        });
        w->mnuHelpItem_Click(frmMain::HelpItem::ShowHighScores);
        QCOMPARE(opened, 1);
    }

    void parPlayWatchedEndsAtTheParUnrankedAndStopsAtAClickOrAKey() {
        // Watching asks first during a game; the par play of a deal, quickened, ends with the
        // game's box and one giving a score that is the deal's par, asking no name. A click on
        // the board or a key stops a play at once, and places nothing.
        const auto w = window();
        ParWatch& watch = w->dealMenu()->watch();
        watch.findChild<QTimer*>("tmrParPlay")->setInterval(1);
        w->startDeal(8);
        const Par par = findPar(w->game().patternsToCome(), std::chrono::minutes(1), kNever);
        QStringList seen;  // "ask", "name", or a box's text
        QList<QMessageBox::StandardButton> answers = {QMessageBox::No, QMessageBox::Yes};
        QEventLoop ended;
        EachModal boxes([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen << (!box ? "name" : box->button(QMessageBox::Yes) ? "ask" : box->text());
            if (seen.last() == "ask")
                box->button(answers.takeFirst())->click();
            else
                qobject_cast<QDialog*>(modal)->accept();
            if (seen.size() == 4)
                ended.quit();
        });
        w->dealMenu()->watchItem()->trigger();
        QVERIFY(!watch.watching() && w->game().state().ranked);
        w->dealMenu()->watchItem()->trigger();
        QTimer::singleShot(60000, &ended, &QEventLoop::quit);
        ended.exec();
        QVERIFY(seen.size() == 4 && seen[0] == "ask" && seen[1] == "ask");
        QVERIFY(seen[3].contains(" 8 ") && seen[3].contains(QString::number(par.score)));
        QVERIFY(w->game().state().intScore == par.score && !watch.watching());
        const std::function<void()> stops[] = {
            [&] { QTest::mouseClick(w->picGrid(w->boardOverlay()->cursorCell()), Qt::LeftButton); },
            [&] { QTest::keyClick(w->boardOverlay(), Qt::Key_Return); }};
        for (const auto& stop : stops) {
            answers = {QMessageBox::Yes};  // asked only while the game stopped goes on
            w->dealMenu()->watchItem()->trigger();
            QSignalSpy moved(&watch, &ParWatch::moved);
            QVERIFY(moved.wait(10000));
            int fits = 1;  // a cell where the piece would go, the cursor's
            while (!w->game().placementAt(fits).fits)
                ++fits;
            w->boardOverlay()->showHint(fits);
            const std::size_t dealt = w->game().state().dealtPieces.size();
            stop();
            QVERIFY(!watch.watching() && w->game().state().dealtPieces.size() == dealt);
            QVERIFY(!watch.findChild<QTimer*>("tmrParPlay")->isActive());
        }
    }

    void hintShowsTheFirstMoveOfTheBestPlayFromThePosition() {
        // The first hint of a game asks, No keeping it ranked; then a hint shows the first move
        // of the best play from the position: that cell tinted, the cursor on it; Skip held down;
        // or for the last piece, told only. Piece 1 is a single square, 13 a plus that fits nowhere
        // among the filled cells of the last two rows.
        struct Row {
            int piece;
            L filled;
            int piecesLeft;
            bool skipDown;
        };
        const L cross = {7, 9, 13, 17, 19};
        for (const Row& row :
             {Row{.piece = 1, .filled = {1, 2, 6, 19}, .piecesLeft = 3, .skipDown = false},
              Row{.piece = 13, .filled = cross, .piecesLeft = 1, .skipDown = true},
              Row{.piece = 13, .filled = cross, .piecesLeft = 0, .skipDown = false}}) {
            const auto w = window(row.piece, row.filled);
            w->game().setUpForTest({.piecesLeft = row.piecesLeft, .score = 100});
            const int best = findPar(w->game().patternsToCome(), kParBudget, kNever,
                                     {maskOf(w->game().state().blnGrid), 100})
                                 .play.front();
            QList<QMessageBox::StandardButton> answers = {QMessageBox::No, QMessageBox::Yes};
            EachModal asks([&](QWidget* box) {
                qobject_cast<QMessageBox*>(box)->button(answers.takeFirst())->click();
            });
            QSignalSpy shown(&w->dealMenu()->hint(), &ParHint::shown);
            w->dealMenu()->hintItem()->trigger();
            QVERIFY(w->game().state().ranked && answers.size() == 1);
            w->dealMenu()->hintItem()->trigger();
            QVERIFY(shown.wait(10000) && shown.first().first() == best);
            w->dealMenu()->hintItem()->trigger();  // asks no more
            QVERIFY(shown.wait(10000) && answers.isEmpty() && !w->game().state().ranked);
            const QString told = w->boardOverlay()->accessibleDescription();
            QVERIFY(told.startsWith("Hint: ") && w->btnSkip()->isDown() == row.skipDown);
            QVERIFY(best == 0 || (w->boardOverlay()->cursorCell() == best &&
                                  w->boardOverlay()->cells()[best] == CellFit::Covers &&
                                  told.contains(QString::number(best))));
        }
    }

    void nameBoxCancelledGivesNoName() {
        // Cancel gives no name, whatever was typed (what OK gives, and the proposed text: the
        // deals test's boxes).
        const auto w = window();
        EachModal typist([](QWidget* modal) {
            modal->findChild<QLineEdit*>()->insert(QStringLiteral("Zoë"));
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        QCOMPARE(w->platform().inputBox("Name?", "Name", "Ann"), std::string());
    }
};

QTEST_MAIN(frmMainTest)
#include "frmMainTest.moc"
