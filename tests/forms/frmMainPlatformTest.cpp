// Tests of the main window's platform: files, pictures, boxes, timers, chance and fatal errors.
#include <QAbstractButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <iostream>
#include <memory>

#include "forms/QtPlatform.h"
#include "forms/BoardOverlay.h"
#include "forms/PictureBox.h"
#include "forms/frmMain.h"
#include <QLabel>
#include "frmMainModal.h"

using namespace fitzel;
using fitzel::test::NextModal;

namespace {

constexpr char kFatalChild[] = "--fatal-error-child";
const QColor kThirds[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A picture whose thirds are red, green and blue; columns beyond three whole thirds are black.
bool writeThirds(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int x = 0; x < width / 3 * 3; ++x) {
        for (int y = 0; y < height; ++y)
            image.setPixelColor(x, y, kThirds[x / (width / 3)]);
    }
    return image.save(path, "BMP");
}

// The child run: the platform reports a broken data file; its box is closed with its button,
// and what it showed goes to the standard output.
int fatalChild(int argc, char** argv) {
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    NextModal closer([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        std::cout << "title=" << box->windowTitle().toStdString() << "\nicon=" << box->icon()
                  << "\ntext=" << box->text().toStdString() << std::endl;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    window.game().NewGame();
    window.platform().fatalError("/nowhere/17.bmp", "File not found");
}

}  // namespace

class TestFrmMainPlatform : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<frmMain> window_;
    QString path(const char* name) const { return folder_->filePath(name); }

  private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        window_ = std::make_unique<frmMain>();
    }
    void cleanup() {
        window_.reset();
        folder_.reset();
    }

    void readFileReportsWhatItFound() {
        using S = FileRead::Status;
        const QByteArray odd("\x00\xff\r\n56789", 10);
        const struct {
            QByteArray content;  // null: no file; "/": a folder
            int limit;
            S status;
            QByteArray bytes;
            bool truncated;
        } cases[] = {{QByteArray(), 10, S::Missing, "", false},
                     {"/", 10, S::Failed, "", false},
                     {odd, 10, S::Ok, odd, false},  // exactly the limit, bytes as they are
                     {"0123456789A", 10, S::Ok, "0123456789", true},
                     {"x", 0, S::Ok, "", true},
                     {QByteArray(200000, 'z'), 150000, S::Ok, QByteArray(150000, 'z'), true}};
        int i = 0;
        for (const auto& c : cases) {
            const QString file = folder_->filePath(QStringLiteral("Shapes%1.dat").arg(++i));
            QVERIFY(c.content.isNull() ||
                    (c.content == "/" ? QDir().mkdir(file) : writeFile(file, c.content)));
            const FileRead read = window_->platform().readFile(file.toStdString(), c.limit);
            QCOMPARE(read.status, c.status);
            QCOMPARE(QByteArray::fromStdString(read.bytes), c.bytes);
            QCOMPARE(read.truncated, c.truncated);
            QCOMPARE(read.fault.empty(), c.status == S::Ok);
        }
    }

    void replaceFileWritesTheWholeFileOrSaysWhyNot() {
        QVERIFY(writeFile(path("Config.cfg"), QByteArray(1000, 'o')));
        const std::string bytes("a\0b\r\n", 5);
        QVERIFY(!window_->platform().replaceFile(path("Config.cfg").toStdString(), bytes));
        QFile written(path("Config.cfg"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray::fromStdString(bytes));
        // A new folder is made; none where a file stands in the way. No scratch file is left.
        QVERIFY(!window_->platform().replaceFile(path("new/Config.cfg").toStdString(), "x"));
        QVERIFY(
            window_->platform().replaceFile(path("Config.cfg/x").toStdString(), "x").has_value());
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Config.cfg"});
    }

    void pieceCellsAreThirdsOfThePicture() {
        // Picture widths and the cell width cut from each.
        for (const auto& [width, cellWidth] : {std::pair(92, 30), {3, 1}, {2, 0}}) {
            QVERIFY(writeThirds(path("05.bmp"), width, 24));
            PictureCache& cache = window_->platform().pictures();
            cache = PictureCache();
            for (int cell = 0; cell < 3; ++cell) {
                QVERIFY(!window_->platform().showPieceCell(5, path("05.bmp").toStdString(), cell));
                const QImage shown = window_->picPieces(5)->pixmap().toImage();
                QCOMPARE(window_->picPieces(5)->width(), cellWidth);
                QCOMPARE(shown.width(), cellWidth);
                for (int x = 0; x < cellWidth; ++x) {
                    QCOMPARE(shown.pixelColor(x, 12), kThirds[cell]);
                }
            }
        }
    }

    void picturesAreReadOnceAndDrawnForTheScreen() {
        QVERIFY(writeThirds(path("GridFilled.bmp"), 39, 38));
        PictureCache cache;
        QVERIFY(cache.picture(path("GridFilled.bmp")).fault.isEmpty());
        QVERIFY(cache.picture(path("GridFilled.bmp"), 2.0).fault.isEmpty());  // no twin: 1x
        QString fault;
        QCOMPARE(cache.pieceCells(path("GridFilled.bmp"), fault)[2].size(), QSize(13, 38));
        QCOMPARE(cache.filesRead(), 1);
        // At 200% the twin drawn at twice the size, cut at that size.
        QVERIFY(writeThirds(path("GridFilled@2x.bmp"), 78, 76));
        const LoadedPicture twin = cache.picture(path("GridFilled.bmp"), 2.0);
        QCOMPARE(twin.pixmap.size(), QSize(78, 76));
        QCOMPARE(twin.pixmap.devicePixelRatio(), 2.0);
        const QPixmap cell = cache.pieceCells(path("GridFilled.bmp"), fault, 2.0)[1];
        QCOMPARE(cell.deviceIndependentSize(), QSizeF(13, 38));
        QCOMPARE(cell.toImage().pixelColor(25, 75), kThirds[1]);
        QCOMPARE(cache.filesRead(), 2);
        // The files are kept: neither is read again, even when gone.
        QVERIFY(QFile::remove(path("GridFilled.bmp")) && QFile::remove(path("GridFilled@2x.bmp")));
        QVERIFY(cache.picture(path("GridFilled.bmp"), 2.0).fault.isEmpty());
        QCOMPARE(cache.filesRead(), 2);
        // A twin alone is no picture of the game's.
        QVERIFY(writeThirds(path("EGEmpty@2x.bmp"), 60, 60));
        QCOMPARE(cache.picture(path("EGEmpty.bmp"), 2.0).fault, QStringLiteral("File not found"));
    }

    void pictureFaultsAreReportedAndCellsTakeTheirPicturesSize() {
        Platform& platform = window_->platform();
        QVERIFY(writeFile(path("GridEmpty.bmp"), "BM this is no bitmap"));
        const QImage before = window_->picGrid(3)->pixmap().toImage();
        for (const char* name : {"GridEmpty.bmp", "missing.bmp"}) {
            const std::string file = path(name).toStdString();
            const QString fault = QString::fromStdString(
                platform.showBoardCell(3, CellLook::Empty, file).value_or(""));
            QVERIFY2(fault.startsWith(name[0] == 'G' ? "Not a picture" : "File not found"),
                     qPrintable(fault));
            QCOMPARE(window_->picGrid(3)->pixmap().toImage(), before);
            QVERIFY(platform.showPreviewCell(4, CellLook::Empty, file).has_value());
            QVERIFY(platform.showPieceCell(4, file, 0).has_value());
        }
        QVERIFY(writeThirds(path("EGFilled.bmp"), 27, 21));
        const std::string file = path("EGFilled.bmp").toStdString();
        for (int n = 1; n <= 9; ++n) {  // all but the key square, which keeps its own size
            const QRect was = window_->picEG(n)->geometry();
            QVERIFY(!platform.showPreviewCell(n, CellLook::Filled, file));
            QCOMPARE(window_->picEG(n)->geometry(),
                     QRect(was.topLeft(), n == 5 ? was.size() : QSize(27, 21)));
        }
        QVERIFY(!platform.showBoardCell(25, CellLook::Filled, file));
        QCOMPARE(window_->picGrid(25)->size(), QSize(27, 21));
    }

    void messageBoxShowsAndAnswers() {
        const struct {
            BoxIcon icon;
            BoxButtons buttons;
            int press;  // a button to click, or -1 for the Escape key (Yes and No: see the exit)
            QMessageBox::Icon shown;
            BoxAnswer answer;
        } cases[] = {
            {BoxIcon::Information, BoxButtons::Ok, QMessageBox::Ok, QMessageBox::Information,
             BoxAnswer::Ok},
            {BoxIcon::Question, BoxButtons::YesNo, -1, QMessageBox::Question, BoxAnswer::No}};
        window_->show();
        for (const auto& c : cases) {
            QWidget* owner = nullptr;
            NextModal watcher([&](QWidget* modal) {
                owner = modal->parentWidget();
                auto* box = qobject_cast<QMessageBox*>(modal);
                if (c.press < 0) {
                    QTest::keyClick(box, Qt::Key_Escape);
                } else {
                    QTest::mouseClick(box->button(QMessageBox::StandardButton(c.press)),
                                      Qt::LeftButton);
                }
            });
            QCOMPARE(window_->platform().messageBox("Game Over - No Pieces Left!     ",
                                                    "Fitzel! - Game Over!", c.icon, c.buttons),
                     c.answer);
            QCOMPARE(watcher.text, QStringLiteral("Game Over - No Pieces Left!     "));
            QCOMPARE(watcher.title, QStringLiteral("Fitzel! - Game Over!"));
            QCOMPARE(watcher.icon, c.shown);
            QCOMPARE(watcher.buttons, c.buttons == BoxButtons::Ok
                                          ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                          : QMessageBox::Yes | QMessageBox::No);
            QCOMPARE(owner, window_.get());
        }
    }

    void inputBoxReturnsTheTextOrNothing() {
        window_->show();
        for (const auto& [ok, result] : {std::pair(true, "Zoë Bright"), {false, ""}}) {
            QString prompt, proposed;
            NextModal watcher([&, ok = ok](QWidget* modal) {
                auto* dialog = qobject_cast<QInputDialog*>(modal);
                prompt = dialog->labelText();
                proposed = dialog->textValue();
                auto* field = dialog->findChild<QLineEdit*>();
                field->selectAll();
                field->insert(QStringLiteral("Zoë Bright"));  // the test keys know only ASCII
                QTest::keyClick(field, ok ? Qt::Key_Return : Qt::Key_Escape);
            });
            const std::string got = window_->platform().inputBox("Please enter your name.     ",
                                                                 "Fitzel! - Player Name.", "Ann");
            QCOMPARE(QString::fromStdString(got), QString::fromUtf8(result));
            QCOMPARE(watcher.title, QStringLiteral("Fitzel! - Player Name."));
            QCOMPARE(prompt, QStringLiteral("Please enter your name.     "));
            QCOMPARE(proposed, QStringLiteral("Ann"));
        }
    }

    void timersRepeatUntilStoppedAndClearingTimersFireInOrder() {
        for (int t = 0; t < kTimerCount; ++t) {
            window_->platform().setTimerInterval(TimerId(t), 450);
            QVERIFY(window_->timer(TimerId(t))->interval() == 450 &&
                    !window_->timer(TimerId(t))->isSingleShot());
            window_->platform().setTimerInterval(TimerId(t), 0);
            QVERIFY(!window_->timer(TimerId(t))->isActive());
        }
        // A clearing in progress on an empty board: each timer paints its own cell empty.
        window_->show();
        for (int k = 1; k <= 9; ++k)
            window_->game().intClearCell[k] = std::int16_t(k);
        QList<int> order;
        for (int k = 1; k <= 9; ++k) {
            connect(window_->timer(clearTimer(k)), &QTimer::timeout, this,
                    [&order, k] { order.append(k); });
        }
        // Timers armed, with their intervals, and the order they fire in.
        const std::tuple<QList<int>, QList<int>, QList<int>> cases[] = {
            {{9, 5, 1}, {90, 60, 30}, {1, 5, 9}},   // by due time
            {{8, 2, 5}, {40, 40, 40}, {8, 2, 5}}};  // equal times: by arming
        for (const auto& [armed, intervals, fired] : cases) {
            order.clear();
            window_->game().blnClearing = true;
            for (int i = 0; i < armed.size(); ++i) {
                window_->platform().setTimerInterval(clearTimer(armed[i]), intervals[i]);
            }
            QTRY_COMPARE_WITH_TIMEOUT(order.size(), fired.size(), 10000);
            QCOMPARE(order, fired);
            for (int k = 1; k <= 9; ++k)
                QVERIFY(!window_->timer(clearTimer(k))->isActive());
        }
    }

    void randomValuesAreUniformAndSeededFromTheClock() {
        QtPlatform& platform = window_->platform();
        int buckets[35] = {};
        for (int i = 0; i < 35000; ++i) {
            const double value = platform.random();
            QVERIFY(value >= 0.0 && value < 1.0);
            ++buckets[static_cast<int>(value * 35)];
        }
        for (int count : buckets)
            QVERIFY(count > 800 && count < 1200);  // about 1000 each
        platform.Randomize();
        const double first[3] = {platform.random(), platform.random(), platform.random()};
        platform.Randomize();
        const double second[3] = {platform.random(), platform.random(), platform.random()};
        QVERIFY(!std::equal(std::begin(first), std::end(first), std::begin(second)));
        QCOMPARE(QString::fromStdString(platform.programFolder()),
                 QCoreApplication::applicationDirPath());
    }

    void fatalErrorNamesTheFileAndEndsTheProgram() {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {kFatalChild});
        QVERIFY(child.waitForFinished(60000));
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        const QString err = QString::fromUtf8(child.readAllStandardError());
        QVERIFY(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 1);
        QVERIFY2(err.contains("/nowhere/17.bmp: File not found\n"), qPrintable(err));
        QVERIFY2(
            out.contains(
                QStringLiteral("title=Fitzel! - Error\nicon=%1\n").arg(int(QMessageBox::Critical))),
            qPrintable(out));
        QVERIFY2(out.contains("/nowhere/17.bmp") && out.contains("File not found"),
                 qPrintable(out));
    }
};

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kFatalChild) == 0) {
        return fatalChild(argc, argv);
    }
    QApplication app(argc, argv);
    TestFrmMainPlatform test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmMainPlatformTest.moc"
