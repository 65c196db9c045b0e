// Tests of the main window at 200%: pictures drawn for that scale, cell edges left sharp.
#include <QPushButton>
#include <QtTest>
#include <set>

#include "forms/BoardOverlay.h"
#include "forms/PictureBox.h"
#include "forms/frmMain.h"
#include <QLabel>

using namespace fitzel;

namespace {

QImage picture(const QString& name) {
    const QString path =
        name.startsWith(':') ? name : QCoreApplication::applicationDirPath() + '/' + name;
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}
QImage shown(const PictureBox* box) {
    return box->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class TestFrmMainHiDpi : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureIsDrawnForTheScale() {
        frmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatio(), 2.0);
        QCOMPARE(window.grab().size(), window.size() * 2);
        QCOMPARE(shown(window.picGrid(1)), picture(":/cell_board@2x.png"));
        QCOMPARE(shown(window.picEG(1)), picture(":/cell_preview@2x.png"));
        QCOMPARE(window.btnSkip()->icon().pixmap(QSize(78, 38), 2.0).size(), QSize(156, 76));
        QCOMPARE(window.windowIcon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));

        window.mnuFileItem_Click(1);
        for (int k = 1; k <= 35; ++k) {
            // Each strip cell is a third of the 2x picture, in the place and size of the 1x one.
            const QImage twin = picture(QStringLiteral("%1@2x.bmp").arg(k, 2, 10, QChar('0')));
            const int look = window.game().intCurrentPiece == k ? 2 : 0;
            const int width = twin.width() / 3;
            QCOMPARE(shown(window.picPieces(k)), twin.copy(look * width, 0, width, twin.height()));
            QCOMPARE(window.picPieces(k)->size() * 2, QSize(width, twin.height()));
        }
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(shown(window.picEG(n)),
                     picture(window.game().blnPreview[n] ? "EGFilled@2x.bmp" : "EGEmpty@2x.bmp"));
        }

        // A filled cell beside an empty one: on screen, each is its own picture, pixel for pixel,
        // and no pixel along the edge between them has a colour that neither picture has.
        window.game().blnGrid[1] = true;
        window.game().DrawBoard();
        window.boardOverlay()->hide();
        QCOMPARE(window.picGrid(1)->size(), QSize(39, 38));
        const QImage screen =
            window.clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage filled = picture("GridFilled@2x.bmp");
        const QImage empty = picture("GridEmpty@2x.bmp");
        const QPoint first = window.picGrid(1)->pos() * 2;
        const QPoint second = window.picGrid(2)->pos() * 2;
        QCOMPARE(screen.copy(QRect(first, filled.size())), filled);
        QCOMPARE(screen.copy(QRect(second, empty.size())), empty);
        std::set<QRgb> colours;
        for (const QImage& image : {filled, empty}) {
            const QRgb* pixels = reinterpret_cast<const QRgb*>(image.constBits());
            colours.insert(pixels, pixels + image.width() * image.height());
        }
        for (int y = first.y(); y < first.y() + filled.height(); ++y) {
            for (int x = second.x() - 3; x <= second.x() + 2; ++x) {
                QVERIFY2(colours.count(screen.pixel(x, y)), qPrintable(QString::number(y)));
            }
        }

        // The labels' lettering too: the heading is its 2x picture, pixel for pixel give or take
        // the rounding of its ink.
        const QImage label =
            window.lblScore()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage heading = picture(":/lettering/score@2x.bmp");
        const int left = 2 * ((window.lblScore()->width() - (heading.width() / 2 - 8)) / 2 - 4);
        for (int y = 0; y < heading.height(); ++y) {
            for (int x = 0; x < heading.width(); ++x) {
                QVERIFY(std::abs(qGreen(heading.pixel(x, y)) - qGreen(label.pixel(left + x, y))) <=
                        2);
            }
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestFrmMainHiDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmMainHiDpiTest.moc"
