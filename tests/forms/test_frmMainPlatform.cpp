// Tests of the main window's platform: files, pictures, boxes, timers, chance and fatal errors.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <iostream>
#include <memory>

#include "forms/frmMain.h"
#include "game/modGeneral.h"
#include "platform/QtPlatform.h"
#include "test_frmMainModal.h"

using fitzel::BoxAnswer;
using fitzel::BoxButtons;
using fitzel::BoxIcon;
using fitzel::FileRead;
using fitzel::frmMain;
using fitzel::TimerId;
using fitzel::test::NextModal;

Q_DECLARE_METATYPE(fitzel::BoxIcon)
Q_DECLARE_METATYPE(fitzel::BoxButtons)
Q_DECLARE_METATYPE(fitzel::BoxAnswer)
Q_DECLARE_METATYPE(fitzel::FileRead::Status)

namespace {

constexpr char kFatalChild[] = "--fatal-error-child";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readBack(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture whose columns are coloured by the third of the width they lie in (red, green,
// blue); columns beyond three whole thirds are black.
bool writeThirds(const QString& path, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    const int third = width / 3;
    const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    for (int c = 0; c < 3; ++c) {
        for (int x = c * third; x < (c + 1) * third; ++x) {
            for (int y = 0; y < height; ++y) {
                image.setPixelColor(x, y, colours[c]);
            }
        }
    }
    return image.save(path, "BMP");
}

// The child run: the platform reports a broken data file. The message box it shows is closed
// with its button, as a person would; what it showed goes to the standard output.
int fatalChild(int argc, char** argv) {
    QApplication app(argc, argv);
    frmMain window;
    window.show();
    NextModal closer([](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return;
        }
        std::cout << "title=" << box->windowTitle().toStdString() << '\n'
                  << "icon=" << box->icon() << '\n'
                  << "text=" << box->text().toStdString() << std::endl;
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    window.game().NewGame();
    window.platform().fatalError("/nowhere/17.bmp", "File not found");
}

}  // namespace

class TestFrmMainPlatform : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void readFileReportsWhatItFound_data();
    void readFileReportsWhatItFound();
    void replaceFileWritesTheWholeFile();
    void replaceFileReportsAFault();
    void pieceCellsAreThirdsOfThePicture_data();
    void pieceCellsAreThirdsOfThePicture();
    void picturesAreReadOncePerRun();
    void pictureFaultsAreReported_data();
    void pictureFaultsAreReported();
    void cellsTakeTheSizeOfTheirPicture();
    void labelsGetTheirText();
    void messageBoxShowsAndAnswers_data();
    void messageBoxShowsAndAnswers();
    void inputBoxReturnsTheTextOrNothing_data();
    void inputBoxReturnsTheTextOrNothing();
    void timerIntervalStartsAndStops();
    void clearingTimersFireInTheirOrder_data();
    void clearingTimersFireInTheirOrder();
    void randomValuesLieInTheUnitInterval();
    void programFolderHoldsTheProgram();
    void fatalErrorNamesTheFileAndEndsTheProgram();

  private:
    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<frmMain> window_;
};

void TestFrmMainPlatform::init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY2(QFile::exists(QCoreApplication::applicationDirPath() + "/Shapes.dat"),
             "the data files must lie beside the test");
    window_ = std::make_unique<frmMain>();
}

void TestFrmMainPlatform::cleanup() {
    window_.reset();
    folder_.reset();
}

void TestFrmMainPlatform::readFileReportsWhatItFound_data() {
    QTest::addColumn<QByteArray>("content");  // null: no file at all
    QTest::addColumn<bool>("asFolder");
    QTest::addColumn<int>("limit");
    QTest::addColumn<FileRead::Status>("status");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("truncated");
    using S = FileRead::Status;
    QTest::newRow("missing") << QByteArray() << false << 10 << S::Missing << QByteArray() << false;
    QTest::newRow("folder") << QByteArray() << true << 10 << S::Failed << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false << 10 << S::Ok << QByteArray() << false;
    QTest::newRow("under the limit")
        << QByteArray("ab\r\ncd") << false << 10 << S::Ok << QByteArray("ab\r\ncd") << false;
    QTest::newRow("exactly the limit")
        << QByteArray("0123456789") << false << 10 << S::Ok << QByteArray("0123456789") << false;
    QTest::newRow("over the limit")
        << QByteArray("0123456789A") << false << 10 << S::Ok << QByteArray("0123456789") << true;
    QTest::newRow("zero limit") << QByteArray("x") << false << 0 << S::Ok << QByteArray() << true;
    QTest::newRow("bytes kept as they are") << QByteArray("\x00\xff\x0d", 3) << false << 10 << S::Ok
                                            << QByteArray("\x00\xff\x0d", 3) << false;
    QTest::newRow("large file") << QByteArray(200000, 'z') << false << 150000 << S::Ok
                                << QByteArray(150000, 'z') << true;
}

void TestFrmMainPlatform::readFileReportsWhatItFound() {
    QFETCH(QByteArray, content);
    QFETCH(bool, asFolder);
    QFETCH(int, limit);
    QFETCH(FileRead::Status, status);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, truncated);
    const QString path = folder_->filePath("Shapes.dat");
    if (asFolder) {
        QVERIFY(QDir().mkdir(path));
    } else if (!content.isNull()) {
        QVERIFY(writeFile(path, content));
    }
    const FileRead read = window_->platform().readFile(path.toStdString(), limit);
    QCOMPARE(read.status, status);
    QCOMPARE(QByteArray::fromStdString(read.bytes), bytes);
    QCOMPARE(read.truncated, truncated);
    QCOMPARE(read.fault.empty(), status == FileRead::Status::Ok);
}

void TestFrmMainPlatform::replaceFileWritesTheWholeFile() {
    const QString path = folder_->filePath("Config.cfg");
    auto& platform = window_->platform();
    QCOMPARE(platform.replaceFile(path.toStdString(), std::string("first\r\n")), std::string());
    QCOMPARE(readBack(path), QByteArray("first\r\n"));
    // A shorter file replaces a longer one whole: nothing of the old one is left.
    QVERIFY(writeFile(path, QByteArray(1000, 'o')));
    const std::string bytes("a\0b\r\n", 5);
    QCOMPARE(platform.replaceFile(path.toStdString(), bytes), std::string());
    QCOMPARE(readBack(path), QByteArray::fromStdString(bytes));
    // No scratch file is left beside it.
    QCOMPARE(QDir(folder_->path()).entryList(QDir::Files), QStringList{"Config.cfg"});
}

void TestFrmMainPlatform::replaceFileReportsAFault() {
    // A file stands where the folder would have to be made.
    QVERIFY(writeFile(folder_->filePath("blocker"), "x"));
    const QString path = folder_->filePath("blocker/Config.cfg");
    const std::string fault = window_->platform().replaceFile(path.toStdString(), "x");
    QVERIFY(!fault.empty());
    QVERIFY(!QFile::exists(path));
}

void TestFrmMainPlatform::pieceCellsAreThirdsOfThePicture_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("cellWidth");
    QTest::newRow("a multiple of three") << 90 << 30;
    QTest::newRow("one column left over") << 91 << 30;
    QTest::newRow("two columns left over") << 92 << 30;
    QTest::newRow("narrowest") << 3 << 1;
    QTest::newRow("too narrow for a cell") << 2 << 0;
}

void TestFrmMainPlatform::pieceCellsAreThirdsOfThePicture() {
    QFETCH(int, width);
    QFETCH(int, cellWidth);
    const QString path = folder_->filePath("05.bmp");
    QVERIFY(writeThirds(path, width, 24));
    const QColor colours[3] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255)};
    for (int cell = 0; cell < 3; ++cell) {
        QCOMPARE(window_->platform().showPieceCell(5, path.toStdString(), cell), std::string());
        QLabel* pic = window_->picPieces(5);
        if (cellWidth == 0) {
            QVERIFY(pic->pixmap().isNull() || pic->pixmap().width() == 0);
            QCOMPARE(pic->width(), 0);
            continue;
        }
        QCOMPARE(pic->size(), QSize(cellWidth, 24));
        const QImage shown = pic->pixmap().toImage();
        QCOMPARE(shown.size(), QSize(cellWidth, 24));
        for (int x = 0; x < cellWidth; ++x) {
            QCOMPARE(shown.pixelColor(x, 12), colours[cell]);
        }
    }
}

void TestFrmMainPlatform::picturesAreReadOncePerRun() {
    const QString path = folder_->filePath("GridFilled.bmp");
    QVERIFY(writeThirds(path, 39, 38));
    fitzel::PictureCache cache;
    QVERIFY(cache.picture(path).fault.isEmpty());
    QCOMPARE(cache.filesRead(), 1);
    QVERIFY(QFile::remove(path));
    // The picture is kept: the file is not read again.
    const fitzel::LoadedPicture again = cache.picture(path);
    QVERIFY(again.fault.isEmpty());
    QCOMPARE(again.pixmap.size(), QSize(39, 38));
    QString fault;
    QCOMPARE(cache.pieceCells(path, fault)[2].size(), QSize(13, 38));
    QVERIFY(fault.isEmpty());
    QCOMPARE(cache.filesRead(), 1);
}

void TestFrmMainPlatform::pictureFaultsAreReported_data() {
    QTest::addColumn<QByteArray>("content");  // null: no file
    QTest::addColumn<QString>("fault");       // a part of the fault's text
    QTest::newRow("missing") << QByteArray() << "File not found";
    QTest::newRow("not a picture") << QByteArray("BM this is no bitmap") << "not";
    QTest::newRow("empty file") << QByteArray("") << "not";
}

void TestFrmMainPlatform::pictureFaultsAreReported() {
    QFETCH(QByteArray, content);
    QFETCH(QString, fault);
    const QString path = folder_->filePath("GridEmpty.bmp");
    if (!content.isNull()) {
        QVERIFY(writeFile(path, content));
    }
    auto& platform = window_->platform();
    const QImage before = window_->picGrid(3)->pixmap().toImage();
    const std::string board =
        platform.showBoardCell(3, fitzel::CellLook::Empty, path.toStdString());
    QVERIFY2(QString::fromStdString(board).contains(fault, Qt::CaseInsensitive), board.c_str());
    QCOMPARE(window_->picGrid(3)->pixmap().toImage(), before);
    QVERIFY(!platform.showPreviewCell(4, fitzel::CellLook::Empty, path.toStdString()).empty());
    QVERIFY(!platform.showPieceCell(4, path.toStdString(), 0).empty());
}

void TestFrmMainPlatform::cellsTakeTheSizeOfTheirPicture() {
    const QString path = folder_->filePath("EGFilled.bmp");
    QVERIFY(writeThirds(path, 27, 21));
    auto& platform = window_->platform();
    for (int n = 1; n <= 9; ++n) {
        const QPoint place = window_->picEG(n)->pos();
        const QSize before = window_->picEG(n)->size();
        QCOMPARE(platform.showPreviewCell(n, fitzel::CellLook::Filled, path.toStdString()),
                 std::string());
        QCOMPARE(window_->picEG(n)->pos(), place);
        // The key square keeps its own size whatever it shows.
        QCOMPARE(window_->picEG(n)->size(), n == 5 ? before : QSize(27, 21));
    }
    QCOMPARE(platform.showBoardCell(25, fitzel::CellLook::Filled, path.toStdString()),
             std::string());
    QCOMPARE(window_->picGrid(25)->size(), QSize(27, 21));
}

void TestFrmMainPlatform::labelsGetTheirText() {
    auto& platform = window_->platform();
    platform.setLabel(fitzel::Label::Score, "Score\n45");
    platform.setLabel(fitzel::Label::TimeRemaining, "Time Left\n7");
    QCOMPARE(window_->lblScore()->text(), QStringLiteral("Score\n45"));
    QCOMPARE(window_->lblTimeRemaining()->text(), QStringLiteral("Time Left\n7"));
}

void TestFrmMainPlatform::messageBoxShowsAndAnswers_data() {
    QTest::addColumn<BoxIcon>("icon");
    QTest::addColumn<BoxButtons>("buttons");
    QTest::addColumn<int>("press");  // a button to click, or -1 for the Escape key
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<BoxAnswer>("answer");
    QTest::newRow("information, OK")
        << BoxIcon::Information << BoxButtons::Ok << int(QMessageBox::Ok)
        << QMessageBox::Information << BoxAnswer::Ok;
    QTest::newRow("no icon, OK") << BoxIcon::None << BoxButtons::Ok << int(QMessageBox::Ok)
                                 << QMessageBox::NoIcon << BoxAnswer::Ok;
    QTest::newRow("question, Yes")
        << BoxIcon::Question << BoxButtons::YesNo << int(QMessageBox::Yes) << QMessageBox::Question
        << BoxAnswer::Yes;
    QTest::newRow("question, No") << BoxIcon::Question << BoxButtons::YesNo << int(QMessageBox::No)
                                  << QMessageBox::Question << BoxAnswer::No;
    QTest::newRow("question, Escape")
        << BoxIcon::Question << BoxButtons::YesNo << -1 << QMessageBox::Question << BoxAnswer::No;
}

void TestFrmMainPlatform::messageBoxShowsAndAnswers() {
    QFETCH(BoxIcon, icon);
    QFETCH(BoxButtons, buttons);
    QFETCH(int, press);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(BoxAnswer, answer);
    window_->show();
    QWidget* owner = nullptr;
    NextModal watcher([&](QWidget* modal) {
        owner = modal->parentWidget();
        auto* box = qobject_cast<QMessageBox*>(modal);
        QVERIFY(box != nullptr);
        if (press < 0) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else {
            QTest::mouseClick(box->button(QMessageBox::StandardButton(press)), Qt::LeftButton);
        }
    });
    const BoxAnswer got = window_->platform().messageBox("Game Over - No Pieces Left!     ",
                                                         "Fitzel! - Game Over!", icon, buttons);
    QVERIFY(watcher.seen);
    QCOMPARE(got, answer);
    QCOMPARE(watcher.text, QStringLiteral("Game Over - No Pieces Left!     "));
    QCOMPARE(watcher.title, QStringLiteral("Fitzel! - Game Over!"));
    QCOMPARE(watcher.icon, shownIcon);
    QCOMPARE(watcher.buttons, buttons == BoxButtons::Ok
                                  ? QMessageBox::StandardButtons(QMessageBox::Ok)
                                  : QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(owner, static_cast<QWidget*>(window_.get()));
}

void TestFrmMainPlatform::inputBoxReturnsTheTextOrNothing_data() {
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("typed");  // replaces the proposed text; null: keep it
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("result");
    QTest::newRow("proposed name kept") << "Ann" << QString() << true << "Ann";
    QTest::newRow("new name typed") << "Ann"
                                    << "Zoë Bright" << true << "Zoë Bright";
    QTest::newRow("field cleared") << "Ann"
                                   << "" << true << "";
    QTest::newRow("cancelled") << "Ann"
                               << "Bob" << false << "";
}

void TestFrmMainPlatform::inputBoxReturnsTheTextOrNothing() {
    QFETCH(QString, proposed);
    QFETCH(QString, typed);
    QFETCH(bool, ok);
    QFETCH(QString, result);
    window_->show();
    QString shownPrompt;
    QString shownText;
    NextModal watcher([&](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        QVERIFY(dialog != nullptr);
        shownPrompt = dialog->labelText();
        shownText = dialog->textValue();
        auto* field = dialog->findChild<QLineEdit*>();
        QVERIFY(field != nullptr);
        if (!typed.isNull()) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            field->insert(typed);  // as typed; the test keyboard knows only ASCII keys
        }
        QTest::keyClick(field, ok ? Qt::Key_Return : Qt::Key_Escape);
    });
    const std::string got = window_->platform().inputBox(
        "Please enter your name.     ", "Fitzel! - Player Name.", proposed.toStdString());
    QVERIFY(watcher.seen);
    QCOMPARE(QString::fromStdString(got), result);
    QCOMPARE(watcher.title, QStringLiteral("Fitzel! - Player Name."));
    QCOMPARE(shownPrompt, QStringLiteral("Please enter your name.     "));
    QCOMPARE(shownText, proposed);
}

void TestFrmMainPlatform::timerIntervalStartsAndStops() {
    auto& platform = window_->platform();
    for (int t = 0; t < fitzel::kTimerCount; ++t) {
        const auto id = static_cast<TimerId>(t);
        QTimer* timer = window_->timer(id);
        platform.setTimerInterval(id, 1000);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(!timer->isSingleShot());
        QCOMPARE(timer->timerType(), Qt::PreciseTimer);
        platform.setTimerInterval(id, 450);
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 450);
        platform.setTimerInterval(id, 0);
        QVERIFY(!timer->isActive());
    }
}

void TestFrmMainPlatform::clearingTimersFireInTheirOrder_data() {
    QTest::addColumn<QList<int>>("armed");      // clearing timers in the order they are armed
    QTest::addColumn<QList<int>>("intervals");  // their intervals, in the same order
    QTest::addColumn<QList<int>>("fired");      // the order they must fire in
    QTest::newRow("3x3") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                         << QList<int>{250, 275, 300, 325, 350, 375, 400, 425, 450}
                         << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::newRow("2x2") << QList<int>{6, 7, 8, 9} << QList<int>{250, 300, 350, 400}
                         << QList<int>{6, 7, 8, 9};
    QTest::newRow("armed backwards")
        << QList<int>{9, 5, 1} << QList<int>{90, 60, 30} << QList<int>{1, 5, 9};
    QTest::newRow("equal times in arming order")
        << QList<int>{8, 2, 5} << QList<int>{40, 40, 40} << QList<int>{8, 2, 5};
}

void TestFrmMainPlatform::clearingTimersFireInTheirOrder() {
    QFETCH(QList<int>, armed);
    QFETCH(QList<int>, intervals);
    QFETCH(QList<int>, fired);
    window_->show();
    auto& game = window_->game();
    // A clearing in progress on an empty board: each timer paints its own cell empty.
    for (int k = 1; k <= 9; ++k) {
        game.intClearCell[k] = static_cast<std::int16_t>(k);
    }
    game.blnClearing = true;
    QList<int> order;
    for (int k = 1; k <= 9; ++k) {
        connect(window_->timer(fitzel::clearTimer(k)), &QTimer::timeout, this,
                [&order, k] { order.append(k); });
    }
    for (int i = 0; i < armed.size(); ++i) {
        window_->platform().setTimerInterval(fitzel::clearTimer(armed[i]), intervals[i]);
    }
    QTRY_COMPARE_WITH_TIMEOUT(order.size(), fired.size(), 10000);
    QCOMPARE(order, fired);
    // Each handler stopped its own timer: none fires again.
    for (int k = 1; k <= 9; ++k) {
        QVERIFY(!window_->timer(fitzel::clearTimer(k))->isActive());
    }
}

void TestFrmMainPlatform::randomValuesLieInTheUnitInterval() {
    auto& platform = window_->platform();
    double sum = 0;
    int buckets[35] = {};
    constexpr int kDraws = 35000;
    for (int i = 0; i < kDraws; ++i) {
        const double value = platform.random();
        QVERIFY(value >= 0.0 && value < 1.0);
        sum += value;
        ++buckets[static_cast<int>(value * 35)];
    }
    QVERIFY(qAbs(sum / kDraws - 0.5) < 0.02);
    for (int count : buckets) {
        QVERIFY(count > 700 && count < 1300);  // about 1000 each
    }
    // Seeded from the clock: two seedings give two different runs.
    platform.Randomize();
    const double first[3] = {platform.random(), platform.random(), platform.random()};
    platform.Randomize();
    const double second[3] = {platform.random(), platform.random(), platform.random()};
    QVERIFY(!std::equal(std::begin(first), std::end(first), std::begin(second)));
}

void TestFrmMainPlatform::programFolderHoldsTheProgram() {
    const QString folder = QString::fromStdString(window_->platform().programFolder());
    QCOMPARE(folder, QCoreApplication::applicationDirPath());
    QVERIFY(!folder.endsWith(QLatin1Char('/')));
    QVERIFY(QFile::exists(folder + "/" +
                          QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}

void TestFrmMainPlatform::fatalErrorNamesTheFileAndEndsTheProgram() {
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {kFatalChild});
    QVERIFY(child.waitForStarted(30000));
    QVERIFY(child.waitForFinished(60000));
    const QString out = QString::fromUtf8(child.readAllStandardOutput());
    const QString err = QString::fromUtf8(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
    QVERIFY2(err.contains("/nowhere/17.bmp: File not found\n"), qPrintable(err));
    QVERIFY2(out.contains("title=Fitzel! - Error\n"), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("icon=%1\n").arg(int(QMessageBox::Critical))),
             qPrintable(out));
    QVERIFY2(out.contains("/nowhere/17.bmp") && out.contains("File not found"), qPrintable(out));
}

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], kFatalChild) == 0) {
        return fatalChild(argc, argv);
    }
    QApplication app(argc, argv);
    TestFrmMainPlatform test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_frmMainPlatform.moc"
