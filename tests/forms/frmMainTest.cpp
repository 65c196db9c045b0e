// Tests of the main window: layout, menus, start-up, play by clicks and keys, preview, leaving.
#include <QAccessible>
#include <QDir>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <memory>
#include <random>

#include "forms/QtPlatform.h"
#include "forms/BoardOverlay.h"
#include "forms/PictureBox.h"
#include "forms/frmMain.h"
#include <QLabel>
#include "game/NullPlatform.h"
#include "frmMainModal.h"

using namespace fitzel;
using fitzel::test::NextModal;
using Cells = std::array<CellFit, kBoardCells + 1>;
using L = QList<int>;

namespace {

QRect twips(int x, int y, int w = 0, int h = 0) {
    return QRect(x / 15, y / 15, w / 15, h / 15);
}
QImage shown(const PictureBox* box) {
    return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}
// A picture of the window's resources (":/...") or of the data files beside the test.
QImage picture(const QString& name) {
    const QString path =
        name.startsWith(':') ? name : QCoreApplication::applicationDirPath() + '/' + name;
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
// Cell c (0 waiting, 1 dealt, 2 current) of piece k's picture.
QImage pieceCell(int k, int c) {
    const QImage p = picture(QStringLiteral("%1.bmp").arg(k, 2, 10, QLatin1Char('0')));
    return p.copy(c * (p.width() / 3), 0, p.width() / 3, p.height());
}

// A shown window; with a piece, a game whose current piece and filled cells the test sets.
std::unique_ptr<frmMain> window(int piece = 0, const L& filled = {}) {
    auto w = std::make_unique<frmMain>();
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get()) || piece == 0) {
        return w;
    }
    w->mnuFileItem_Click(1);
    w->game().intCurrentPiece = static_cast<std::int16_t>(piece);
    for (int n : filled)
        w->game().blnGrid[n] = true;
    w->game().DrawBoard();
    return w;
}

// The pointer comes onto board cell n from outside the board.
void pointAt(frmMain& w, int n) {
    QTest::mouseMove(w.lblScore());
    QTest::mouseMove(w.picGrid(n));
}

bool quiet(const frmMain& w) {
    return w.boardOverlay()->cells() == Cells{};
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .removeRecursively();
    }

    void windowIsFixedCentredAndTitled() {
        const auto w = window();
        const int menu = w->menuBar()->height();
        QCOMPARE(w->clientArea()->geometry(), QRect(0, menu, 329, 530));
        QCOMPARE(w->minimumSize(), QSize(329, 530 + menu));
        QCOMPARE(w->maximumSize(), w->minimumSize());
        QCOMPARE(w->windowTitle(), QStringLiteral("Fitzel!"));
        QCOMPARE(w->clientArea()->palette().color(QPalette::Window), QColor(255, 224, 192));
        QCOMPARE(w->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint),
                 Qt::WindowCloseButtonHint);
        QCOMPARE(w->windowIcon().availableSizes().value(0), QSize(32, 32));
        frmMain fresh;  // centred by its outer size before it is shown
        const QRect screen = fresh.screen()->geometry(), outer = fresh.frameGeometry();
        QCOMPARE(outer.size(), QSize(329, 530 + fresh.menuBar()->sizeHint().height()));
        QVERIFY(qAbs(outer.top() - (screen.top() + screen.height() / 2 - outer.height() / 2)) <= 1);
        QVERIFY(qAbs(outer.left() - (screen.left() + screen.width() / 2 - outer.width() / 2)) <= 1);
    }

    void controlsStandAtTheirPlaces() {
        const auto w = window();
        const int strip[35][2] = {
            {570, 420},   {1170, 240},  {1770, 240},  {2370, 240},  {2970, 240},  {3570, 240},
            {4170, 240},  {390, 840},   {1170, 840},  {1590, 840},  {2190, 840},  {2790, 840},
            {3390, 840},  {3990, 840},  {390, 1440},  {1170, 1440}, {1590, 1440}, {2190, 1440},
            {2790, 1620}, {3390, 1440}, {4170, 1440}, {390, 2220},  {990, 2220},  {1590, 2220},
            {2190, 2040}, {2790, 2040}, {3585, 2040}, {4170, 2040}, {390, 2820},  {990, 2640},
            {1590, 2820}, {2370, 2640}, {2790, 2820}, {3585, 2640}, {4005, 2805}};
        QMap<QString, QRect> places = {{"lblTimeRemaining", twips(3240, 5520, 1620, 1005)},
                                       {"lblScore", twips(3240, 6720, 1620, 1005)},
                                       {"btnSkip", twips(960, 7080, 1170, 585)},
                                       {"boardOverlay", twips(120, 3840, 2925, 2850)}};
        for (int k = 1; k <= 35; ++k) {  // as big as the picture shown: waiting at first
            places[QStringLiteral("picPieces%1").arg(k)] =
                QRect(twips(strip[k - 1][0], strip[k - 1][1]).topLeft(), pieceCell(k, 0).size());
        }
        for (int n = 1; n <= 25; ++n) {
            places[QStringLiteral("picGrid%1").arg(n)] =
                twips(120 + 585 * ((n - 1) % 5), 3840 + 570 * ((n - 1) / 5), 585, 570);
        }
        for (int n = 1; n <= 9; ++n) {
            places[QStringLiteral("picEG%1").arg(n)] =
                n == 5 ? twips(3780, 4290, 480, 465)
                       : twips(3345 + 450 * ((n - 1) % 3), 3840 + 450 * ((n - 1) / 3), 450, 450);
        }
        for (auto [name, place] : places.asKeyValueRange()) {
            auto* control = w->clientArea()->findChild<QWidget*>(name);
            QVERIFY2(control && control->isVisible(), qPrintable(name));
            QCOMPARE(control->geometry(), place);
        }
        const QColor ground(255, 224, 192), red(255, 0, 0), black(0, 0, 0);
        const std::pair<QPoint, QColor> pixels[] = {
            {{2, 2}, ground},     {{17, 100}, black},  {{18, 100}, black},
            {{16, 100}, ground},  {{150, 221}, black}, {{20, 12}, QColor(102, 102, 102)},
            {{7, 300}, red},      {{100, 255}, red},   {{203, 300}, red},
            {{205, 300}, ground}, {{100, 447}, red},   {{100, 448}, ground},
            {{222, 300}, red},    {{314, 300}, red},   {{315, 300}, ground},
            {{260, 347}, red}};
        const QImage image = w->clientArea()->grab().toImage();
        for (const auto& [at, colour] : pixels)
            QCOMPARE(image.pixelColor(at), colour);
    }

    void menusHoldTheirItemsAndShortcuts() {
        const auto w = window();
        QStringList seen;
        for (QAction* menu : w->menuBar()->actions()) {
            seen << menu->text() + ':';
            for (QAction* item : menu->menu()->actions()) {
                seen << (item->isSeparator() ? QStringLiteral("-")
                                             : item->text() + ' ' + item->shortcut().toString());
            }
        }
        QCOMPARE(seen, QStringList({"&File:", "&New Ctrl+N", "-", "E&xit Ctrl+Q", "&Options:",
                                    "Show Placement &Preview ", "&Help:", "How To &Play F1",
                                    "Show High Scores ", "-", "&About "}));
        QVERIFY(w->previewOption()->isCheckable());
        QCOMPARE(w->btnSkip()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    }

    void startUpShowsTheBuiltInCellsAndIgnoresTheBoard() {
        const auto w = window();
        QCOMPARE(w->lblTimeRemaining()->text(), QStringLiteral("Time Left\n10"));
        QCOMPARE(w->lblScore()->text(), QStringLiteral("Score\n0"));
        for (QTimer* timer : w->findChildren<QTimer*>())
            QVERIFY(!timer->isActive());
        for (int k = 1; k <= 35; ++k) {
            QCOMPARE(shown(w->picPieces(k)), pieceCell(k, 0));
            QCOMPARE(w->picPieces(k)->accessibleDescription(), QStringLiteral("waiting"));
        }
        QTest::mouseClick(w->picGrid(13), Qt::LeftButton);
        QTest::keyClick(w->boardOverlay(), Qt::Key_Return);
        for (int n = 1; n <= 25; ++n) {
            QVERIFY(!w->game().blnGrid[n]);
            QCOMPARE(shown(w->picGrid(n)), picture(":/cell_board.png"));
            QCOMPARE(w->picGrid(n)->accessibleDescription(), QStringLiteral("no game yet"));
        }
        for (int n = 1; n <= 9; ++n)
            QCOMPARE(shown(w->picEG(n)), picture(":/cell_preview.png"));
        QCOMPARE(w->boardOverlay()->cursorCell(), 0);
    }

    void keysAndClicksPlayAndTellAScreenReader() {
        const auto w = window();
        QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
        modGeneral& game = w->game();
        QVERIFY(game.blnInGame && game.intPiecesLeft == 34);
        QCOMPARE(w->timer(TimerId::TimeLeft)->interval(), 1000);
        QVERIFY(w->timer(TimerId::TimeLeft)->isActive());
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(shown(w->picEG(n)),
                     picture(game.blnPreview[n] ? "EGFilled.bmp" : "EGEmpty.bmp"));
            QCOMPARE(w->picEG(n)->accessibleName(), QStringLiteral("Preview cell %1").arg(n));
            QCOMPARE(w->picEG(n)->accessibleDescription(), game.blnPreview[n] ? "filled" : "empty");
        }
        const int first = game.intCurrentPiece;
        const PlacementView view = game.placementAt(13);  // the centre of an empty board
        QVERIFY(view.fits);
        QTest::mouseClick(w->picGrid(13), Qt::LeftButton);
        for (int n = 1; n <= 25; ++n) {
            const bool filled = view.cells[n] == CellFit::Covers;
            QCOMPARE(shown(w->picGrid(n)), picture(filled ? "GridFilled.bmp" : "GridEmpty.bmp"));
            QCOMPARE(w->picGrid(n)->accessibleName(), QStringLiteral("Board cell %1").arg(n));
            QCOMPARE(w->picGrid(n)->accessibleDescription(), filled ? "filled" : "empty");
        }
        const int second = game.intCurrentPiece;
        QVERIFY(second != first);
        QCOMPARE(shown(w->picPieces(first)), pieceCell(first, 1));
        QCOMPARE(w->picPieces(first)->accessibleDescription(), QStringLiteral("dealt"));
        QCOMPARE(shown(w->picPieces(second)), pieceCell(second, 2));
        QCOMPARE(w->picPieces(second)->accessibleName(), QStringLiteral("Piece %1").arg(second));
        QCOMPARE(w->picPieces(second)->accessibleDescription(), QStringLiteral("current"));

        QTest::keyClick(w.get(), Qt::Key_S, Qt::AltModifier);  // the button is pressed, then up
        QTRY_COMPARE(game.intPiecesLeft, 32);
        QCOMPARE(shown(w->picPieces(second)), pieceCell(second, 1));
        QCOMPARE(w->btnSkip()->accessibleName(), QStringLiteral("Skip"));
        QSignalSpy ticks(w->timer(TimerId::TimeLeft), &QTimer::timeout);
        QVERIFY(ticks.wait(5000));
        QCOMPARE(w->lblTimeRemaining()->text(), QStringLiteral("Time Left\n9"));
        QCOMPARE(w->lblTimeRemaining()->accessibleName(), QStringLiteral("Time left"));
        QCOMPARE(w->lblTimeRemaining()->accessibleDescription(), QStringLiteral("9"));
        QCOMPARE(w->lblScore()->accessibleName(), QStringLiteral("Score"));
        QCOMPARE(w->lblScore()->accessibleDescription(), QString::number(game.intScore));
        QCOMPARE(QAccessible::queryAccessibleInterface(w->picGrid(7))->role(),
                 QAccessible::Graphic);
    }

    void keySquareShowsItsBorderAllRoundWithThePictureInside() {
        // The preview's key square: black on all four sides, its picture within the border.
        const auto w = window(13);
        const QImage screen =
            w->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect key = w->picEG(5)->geometry();
        for (int x = key.left(); x <= key.right(); ++x) {
            QCOMPARE(screen.pixelColor(x, key.top()), QColor(Qt::black));
            QCOMPARE(screen.pixelColor(x, key.bottom()), QColor(Qt::black));
        }
        for (int y = key.top(); y <= key.bottom(); ++y) {
            QCOMPARE(screen.pixelColor(key.left(), y), QColor(Qt::black));
            QCOMPARE(screen.pixelColor(key.right(), y), QColor(Qt::black));
        }
        const QRect inside = key.adjusted(1, 1, -1, -1);
        QCOMPARE(screen.copy(inside), shown(w->picEG(5)).copy(QRect(QPoint(), inside.size())));
    }

    void skipShowsWhenItIsHeldDown() {
        // Skip's face is its picture; held down, the face moves one pixel down and right.
        const auto w = window();
        QPushButton* skip = w->btnSkip();
        const QImage face = picture(":/skip.png");
        const QImage up = skip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(up.copy(face.rect()), face);
        skip->setDown(true);
        const QImage down = skip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(down != up);
        QCOMPARE(down.copy(1, 1, face.width() - 1, face.height()),
                 face.copy(0, 0, face.width() - 1, face.height()));
    }

    void labelsAreSpeltInTheLettering_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<bool>("lettered");  // every character has a picture
        QTest::newRow("one digit") << "0" << true;
        QTest::newRow("two digits") << "10" << true;
        QTest::newRow("five digits") << "32767" << true;
        QTest::newRow("the other digits") << "45980" << true;
        QTest::newRow("no picture for it") << "?" << false;
    }

    void labelsAreSpeltInTheLettering() {
        // Each line one lettering line high, centred: the heading is its own picture, exactly
        // where centring puts it; the number is centred under it, whatever spells it.
        QFETCH(QString, number);
        QFETCH(bool, lettered);
        const auto w = window();
        QLabel* label = w->lblScore();
        label->setText("Score\n" + number);
        const QImage grabbed = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb ground = qRgb(255, 224, 192);
        // The columns holding ink between two rows.
        auto inkColumns = [&](int top, int bottom) {
            int left = grabbed.width(), right = -1;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < grabbed.width(); ++x)
                    if (grabbed.pixel(x, y) != ground) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            return std::pair(left, right);
        };

        const QImage word = picture(":/lettering/score.bmp");
        const int x = (label->width() - (word.width() - 8)) / 2 - 4;
        for (int y = 0; y < word.height(); ++y)
            for (int i = 0; i < word.width(); ++i) {
                const QRgb want = word.pixel(i, y), got = grabbed.pixel(x + i, y);
                QVERIFY2(std::abs(qRed(want) - qRed(got)) <= 2 &&
                             std::abs(qBlue(want) - qBlue(got)) <= 2,
                         qPrintable(QStringLiteral("at %1, %2").arg(i).arg(y)));
            }

        const auto [left, right] = inkColumns(word.height(), 2 * word.height());
        QVERIFY(right > left + 4);
        QVERIFY(std::abs(left - (label->width() - 1 - right)) <= 4);
        if (lettered) {
            // Spelt with pictures, a digit's ink is its picture's, wherever it stands.
            const QImage first = picture(":/lettering/digit" + number.left(1) + ".bmp");
            int firstInk = first.width();
            for (int y = 0; y < first.height(); ++y)
                for (int i = 0; i < first.width(); ++i)
                    if (first.pixel(i, y) != ground)
                        firstInk = std::min(firstInk, i);
            int digitsWidth = 0;
            for (QChar c : number)
                digitsWidth += picture(":/lettering/digit" + QString(c) + ".bmp").width() - 8;
            QCOMPARE(left, (label->width() - digitsWidth) / 2 - 4 + firstInk);
        }
        QCOMPARE(inkColumns(2 * word.height(), grabbed.height()).second, -1);
    }

    void previewTintsTheCellsAClickWouldTake_data() {
        QTest::addColumn<int>("piece");  // 6: a 2x2 square up and right of its key; 19: a row
        QTest::addColumn<L>("filled");   // of three; 13: a plus
        QTest::addColumn<int>("cell");
        QTest::addColumn<L>("covers");
        QTest::addColumn<L>("clashes");
        QTest::addColumn<L>("refused");
        QTest::newRow("corner, fits") << 6 << L{} << 21 << L{16, 17, 21, 22} << L{} << L{};
        QTest::newRow("corner, off the board") << 6 << L{2} << 1 << L{} << L{2} << L{1};
        QTest::newRow("edge, fits") << 19 << L{} << 3 << L{2, 3, 4} << L{} << L{};
        QTest::newRow("edge, would wrap") << 19 << L{} << 10 << L{} << L{} << L{9, 10};
        QTest::newRow("centre, fits") << 13 << L{} << 13 << L{8, 12, 13, 14, 18} << L{} << L{};
        QTest::newRow("centre, on filled cells")
            << 13 << L{12, 18} << 13 << L{} << L{12, 18} << L{8, 13, 14};
    }
    void previewTintsTheCellsAClickWouldTake() {
        QFETCH(int, piece);
        QFETCH(L, filled);
        QFETCH(int, cell);
        QFETCH(L, covers);
        QFETCH(L, clashes);
        QFETCH(L, refused);
        Cells expected{};
        for (int n : covers)
            expected[n] = CellFit::Covers;
        for (int n : clashes)
            expected[n] = CellFit::Clashes;
        for (int n : refused)
            expected[n] = CellFit::Refused;
        const auto w = window(piece, filled);
        pointAt(*w, cell);
        QCOMPARE(w->boardOverlay()->cells(), expected);
        // On screen: a band inside each such cell, green where it fits, else red (orange off
        // the filled cells); the cell's middle as it is.
        const QImage screen = w->clientArea()->grab().toImage();
        for (int n = 1; n <= 25; ++n) {
            const QImage own = w->picGrid(n)->pixmap().toImage();
            const QPoint at = w->picGrid(n)->pos();
            QCOMPARE(screen.pixel(at + QPoint(19, 19)), own.pixel(19, 19));
            const QColor band = screen.pixelColor(at + QPoint(4, 4));
            QCOMPARE(band.rgb() == own.pixel(4, 4), expected[n] == CellFit::None);
            QVERIFY(expected[n] == CellFit::None ||
                    (band.green() > band.red()) == (expected[n] == CellFit::Covers));
            QVERIFY(expected[n] == CellFit::None ||
                    (band.green() > 100) == (expected[n] != CellFit::Clashes));
        }
    }

    void hoveringChangesNothing() {
        const auto w = window(13, {1, 25});
        w->timer(TimerId::TimeLeft)->stop();
        modGeneral& game = w->game();
        auto state = [&] {
            QList<qint64> keys;
            for (const PictureBox* pic : w->clientArea()->findChildren<PictureBox*>()) {
                keys << pic->pixmap().cacheKey();
            }
            return std::tuple(keys, game.blnGrid, game.intScore, game.intTimeLeft,
                              game.intCurrentPiece, game.intPiecesLeft, game.blnPieceDealt);
        };
        const auto before = state();
        for (int n = 1; n <= 25; ++n) {
            QTest::mouseMove(w->picGrid(n));
            QCOMPARE(w->boardOverlay()->cells(), game.placementAt(n).cells);
        }
        QTest::mouseMove(w->lblScore());
        QVERIFY(quiet(*w) && state() == before);
    }

    void previewWaitsForAClearingAndLeavesWithTheGame() {
        const auto w = window(1, {2, 6, 7});  // a single square completes the block 1, 2, 6, 7
        modGeneral& game = w->game();
        pointAt(*w, 1);
        QCOMPARE(w->boardOverlay()->cells()[1], CellFit::Covers);
        QTest::mouseClick(w->picGrid(1), Qt::LeftButton);
        QVERIFY(game.blnClearing && quiet(*w));
        QTRY_VERIFY(!game.blnClearing);
        QCOMPARE(w->boardOverlay()->cells(), game.placementAt(1).cells);
        QVERIFY(w->boardOverlay()->cells()[1] != CellFit::None);
        game.intPiecesLeft = 0;  // the last piece, skipped: quiet from the game-over message on
        bool quietUnderTheMessage = false;
        NextModal closer([&](QWidget* box) {
            quietUnderTheMessage = quiet(*w) && w->boardOverlay()->cursorCell() == 0;
            box->close();
        });
        QTest::mouseClick(w->btnSkip(), Qt::LeftButton);
        QCOMPARE(closer.title, QStringLiteral("Fitzel! - Game Over!"));
        QVERIFY(quietUnderTheMessage && !game.blnInGame && quiet(*w));
        QCOMPARE(w->boardOverlay()->cursorCell(), 0);
    }

    void keysMoveTheCursorAndPlaceAsAClick() {
        const std::tuple<QString, int, Qt::Key> cases[] = {
            // arrows; cell; key that places
            {"UD", 13, Qt::Key_Return},
            {"LLLLLUUUUU", 1, Qt::Key_Space},  // stopped at the edges
            {"RRRRRRDDDD", 25, Qt::Key_Enter},
            {"DL", 17, Qt::Key_Return}};
        const QMap<QChar, Qt::Key> arrows = {
            {'L', Qt::Key_Left}, {'R', Qt::Key_Right}, {'U', Qt::Key_Up}, {'D', Qt::Key_Down}};
        for (const auto& [moves, cell, place] : cases) {
            for (int piece = 1; piece <= 35; piece += 6) {
                const auto keys = window(piece, {3, 9, 21}), mouse = window(piece, {3, 9, 21});
                BoardOverlay* board = keys->boardOverlay();
                QCOMPARE(keys->focusWidget(), board);
                for (QChar move : moves)
                    QTest::keyClick(board, arrows[move]);
                QCOMPARE(board->cursorCell(), cell);
                QCOMPARE(board->cells(), keys->game().placementAt(cell).cells);
                QTest::keyClick(board, place);
                QTest::mouseClick(mouse->picGrid(cell), Qt::LeftButton);
                QCOMPARE(keys->game().blnGrid, mouse->game().blnGrid);
                QCOMPARE(keys->game().intScore, mouse->game().intScore);
                QCOMPARE(keys->game().intPiecesLeft, mouse->game().intPiecesLeft);
            }
        }
    }

    void cursorShowsOnlyOnceTheKeysAreUsed() {
        // A player who only uses the mouse never sees the keyboard's cursor.
        const auto w = window(13);
        BoardOverlay* board = w->boardOverlay();
        auto bare = [&] {  // no cursor, and every board cell exactly its picture on screen
            const QImage screen =
                w->clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
            bool same = board->cursorCell() == 0 && board->accessibleDescription().isEmpty();
            for (int n = 1; n <= 25; ++n)
                same = same && screen.copy(w->picGrid(n)->geometry()) == shown(w->picGrid(n));
            return same;
        };
        pointAt(*w, 25);
        QTest::mouseMove(w->lblScore());  // off the board
        QVERIFY(bare());
        QTest::keyClick(board, Qt::Key_Left);
        QVERIFY(board->cursorCell() != 0 && !bare());
        pointAt(*w, 1);
        QCOMPARE(board->cursorCell(), 0);
        QTest::keyClick(board, Qt::Key_Space);
        QVERIFY(board->cursorCell() != 0);
        QTest::mouseClick(w->picGrid(1), Qt::LeftButton);  // the pointer is there already
        QCOMPARE(board->cursorCell(), 0);
        QTest::keyClick(board, Qt::Key_Down);
        QVERIFY(board->cursorCell() != 0);
        QTest::mouseMove(w->picGrid(1), QPoint(3, 3));  // within the same cell
        QCOMPARE(board->cursorCell(), 0);
        QTest::keyClick(board, Qt::Key_Right);
        QTest::mouseMove(w->lblScore());
        QVERIFY(board->cursorCell() != 0);  // leaving the board is no use of it
        QTest::keyClick(w.get(), Qt::Key_N, Qt::ControlModifier);
        QVERIFY(w->game().blnInGame && bare());
    }

    void previewOptionIsRememberedAcrossRuns() {
        bool on = true;  // at first
        for (int run = 1; run <= 3; ++run) {
            const auto w = window(13);
            QCOMPARE(w->previewOption()->isChecked(), on);
            pointAt(*w, 13);
            QCOMPARE(quiet(*w), !on);
            w->previewOption()->trigger();
            on = !on;
            QCOMPARE(quiet(*w), !on);
        }
    }

    // The game alone: on boards from empty to crowded, at every cell, for every piece.
    void placementAtAgreesWithTheClick() {
        NullPlatform platform;
        modGeneral game(platform);
        QVERIFY(platform.copyFromDisk(
            QCoreApplication::applicationDirPath().toStdString() + "/Shapes.dat",
            platform.path("Shapes.dat")));
        game.LoadShapes();
        std::mt19937 chance(11);
        for (unsigned crowd = 0; crowd < 4; ++crowd) {
            std::array<bool, kBoardCells + 1> grid{};
            for (int n = 1; n <= 25; ++n)
                grid[n] = chance() % 4 < crowd;
            for (int piece = 1; piece <= 35; ++piece) {
                for (int cell = 0; cell <= 26; ++cell) {
                    game.blnGrid = grid;
                    game.blnInGame = true;
                    game.intScore = 0;
                    game.intPiecesLeft = 5;
                    game.intCurrentPiece = static_cast<std::int16_t>(piece);
                    game.blnPieceDealt = {};
                    const PlacementView view = game.placementAt(cell);
                    game.picGrid_Click(cell);
                    game.blnClearing = false;
                    const QString where = QString("piece %1 at %2, %3").arg(piece).arg(cell);
                    QVERIFY2(view.fits == (game.intPiecesLeft == 4), qPrintable(where.arg(crowd)));
                    for (int n = 1; n <= 25 && game.intScore == 0; ++n) {  // no block scored
                        QVERIFY2(game.blnGrid[n] == (grid[n] || view.cells[n] == CellFit::Covers),
                                 qPrintable(where.arg(crowd)));
                        QVERIFY(grid[n] || view.cells[n] != CellFit::Clashes);
                    }
                }
            }
        }
    }

    void exitAsksOnlyDuringAGame() {
        const std::tuple<bool, QMessageBox::StandardButton, bool> cases[] = {
            {false, QMessageBox::No, true},  // no game: no question (a No would keep it going)
            {true, QMessageBox::Yes, true},
            {true, QMessageBox::No, false}};
        for (const auto& [inGame, answer, ends] : cases) {
            const auto w = window(inGame ? 13 : 0);
            QSignalSpy ended(w.get(), &frmMain::programEnded);
            NextModal watcher([answer = answer](QWidget* modal) {
                QTest::mouseClick(qobject_cast<QMessageBox*>(modal)->button(answer),
                                  Qt::LeftButton);
            });
            QTest::keyClick(w.get(), Qt::Key_Q, Qt::ControlModifier);
            QCOMPARE(watcher.title + '|' + watcher.text,
                     inGame ? "Fitzel! - Exit?|A game is still in progress! Are you sure you want "
                              "to exit?     "
                            : "|");
            QCOMPARE(watcher.buttons,
                     inGame ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons());
            QCOMPARE(watcher.icon, inGame ? QMessageBox::Question : QMessageBox::NoIcon);
            QCOMPARE(ended.count(), ends ? 1 : 0);
            QCOMPARE(w->isVisible(), !ends);
            QCOMPARE(w->timer(TimerId::TimeLeft)->isActive(), inGame && !ends);
        }
        const auto w = window(13);  // the close box: at once, whatever the game
        QSignalSpy ended(w.get(), &frmMain::programEnded);
        NextModal watcher([](QWidget* modal) { modal->close(); });
        QVERIFY(w->close() && !watcher.seen && ended.count() == 1);
        for (int t = 0; t < kTimerCount; ++t)
            QVERIFY(!w->timer(TimerId(t))->isActive());
    }

    void helpItemsOpenTheirWindowModallyOverAQuietBoard() {
        const std::pair<int, QString> items[] = {
            {1, "fitzel::frmHelp"}, {2, "fitzel::frmScores"}, {4, "fitzel::frmAbout"}};
        for (const auto& [index, className] : items) {
            const auto w = window(13);
            QTest::keyClick(w->boardOverlay(), Qt::Key_Up);
            const int before = w->boardOverlay()->cursorCell();
            QWidget* owner = nullptr;
            int cursor = -1;
            NextModal watcher([&, &w = w](QWidget* opened) {
                owner = opened->isModal() ? opened->parentWidget() : nullptr;
                cursor = w->boardOverlay()->cursorCell();
                opened->close();
            });
            w->findChild<QAction*>(QStringLiteral("mnuHelpItem%1").arg(index))->trigger();
            QCOMPARE(watcher.className, className);
            QCOMPARE(owner, w.get());
            QVERIFY(before != 0 && cursor == 0);
            QCOMPARE(w->boardOverlay()->cursorCell(), before);  // no keys meanwhile
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (QWidget* top : QApplication::topLevelWidgets()) {
                QVERIFY2(top == w.get() || !top->isVisible(), top->metaObject()->className());
            }
        }
    }

    void scoresWindowIsNotOpenedTwice() {
        const auto w = window();
        int tables = 0;
        NextModal watcher([&](QWidget* table) {
            w->platform().showScoresWindow();  // the game ends behind the open table
            for (QWidget* top : QApplication::topLevelWidgets()) {
                tables += top->isVisible() && qobject_cast<QDialog*>(top) ? 1 : 0;
            }
            table->close();
        });
        w->mnuHelpItem_Click(2);
        QCOMPARE(watcher.className, QStringLiteral("fitzel::frmScores"));
        QCOMPARE(tables, 1);
    }
};

QTEST_MAIN(TestFrmMain)
#include "frmMainTest.moc"
