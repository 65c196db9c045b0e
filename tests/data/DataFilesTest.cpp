// Checks the committed data files: the shapes, the piece pictures, the twins drawn for screens at
// 200%, and that the generator still makes exactly what is committed (the score table too).
#include <gtest/gtest.h>

#include <QtCore>
#include <QtGui>
#include <bit>
#include <set>

namespace {

const QString kSource = QStringLiteral(FITZEL_SOURCE_DIR "/");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

// Every committed picture and data file the generator makes, from the source folder.
QStringList generated() {
    QStringList files;
    for (const char* folder : {"data", "src/forms/resources"}) {
        QDirIterator it(kSource + folder, {"*.bmp", "*.png", "*.cfg"}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(kSource.size());
    }
    return files;
}

// Square j (0 to 8, row by row) of a piece's pattern: "1", or the key square (4) as "2" too.
bool filled(const QByteArray& pattern, int j) {
    return pattern[j] == '1' || (j == 4 && pattern[j] == '2');
}

TEST(Pieces, EachIsOneDistinctPatternShownInThreeClearlyDifferentLooks) {
    // Shapes.dat: 35 CR LF lines of nine squares round a filled key square, each square reached
    // from it. Each piece's picture: three cells side by side, each the pattern's squares and
    // nothing else on the dark ground, the waiting, dealt and current looks far apart in colour.
    const QList<QByteArray> lines = readAll(kSource + "data/Shapes.dat").split('\n');
    ASSERT_TRUE(lines.size() == 36 && lines.last().isEmpty());
    EXPECT_EQ(std::set(lines.begin(), lines.end()).size(), 36u);
    for (int piece = 1; piece <= 35; ++piece) {
        const QByteArray p = lines[piece - 1].chopped(1);
        ASSERT_TRUE(lines[piece - 1].endsWith('\r') && p.size() == 9 && filled(p, 4)) << piece;
        EXPECT_EQ(p.count('0') + p.count('1') + (p[4] == '2'), 9) << piece;
        int reached = 1 << 4;  // the squares reached from the key square, a bit each
        for (int i = 0; i < 81; ++i) {
            const int j = i % 9, near = (reached << 3) | (reached >> 3) | (reached << 1 & 0666) |
                                        (reached >> 1 & 0333);
            reached |= filled(p, j) && (near >> j & 1) ? 1 << j : 0;
        }
        EXPECT_EQ(std::popcount(unsigned(reached)), 9 - p.count('0'))
            << piece << " has squares cut off";
        QRect box;  // the pattern's squares, in squares
        for (int j = 0; j < 9; ++j)
            box |= filled(p, j) ? QRect(j % 3, j / 3, 1, 1) : QRect();
        const QImage image(kSource + QString::asprintf("data/%02d.bmp", piece));
        const int side = image.height() / box.height(), cell = box.width() * side;
        ASSERT_EQ(image.size(), QSize(3 * cell, box.height() * side)) << piece;
        for (int i = 0; i < image.width() * image.height(); ++i) {
            const int x = i % image.width(), y = i / image.width();
            ASSERT_NE((image.pixel(x, y) & 0xffffff) == 0x666666,
                      filled(p, (box.top() + y / side) * 3 + box.left() + x / side % box.width()))
                << piece;
        }
        const QPoint key = (QPoint(1, 1) - box.topLeft()) * side + QPoint(side, side) / 2;
        for (int a = 0; a < 3; ++a) {  // each look against the next
            const QColor one = image.pixel(key + QPoint(a * cell, 0)),
                         next = image.pixel(key + QPoint((a + 1) % 3 * cell, 0));
            const QVector3D apart = QVector3D(one.red(), one.green(), one.blue()) -
                                    QVector3D(next.red(), next.green(), next.blue());
            EXPECT_GE(qAbs(apart.x()) + qAbs(apart.y()) + qAbs(apart.z()), 100) << piece;
        }
    }
}

TEST(Pictures, EachHasATwinDrawnFiner) {
    // Beside each picture its "@2x" twin, twice the size, each 1x pixel one of its four (bar the
    // artwork and lettering, drawn anew).
    for (const QString& path :
         generated().filter(QRegularExpression("^(?!.*(@2x|icons)).*(bmp|png)$"))) {
        const QImage one = QImage(kSource + path).convertToFormat(QImage::Format_RGB32);
        const QImage two = QImage(kSource + QString(path).insert(path.lastIndexOf('.'), "@2x"))
                               .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(two.size(), one.size() * 2) << path.toStdString();
        const bool anew = path.contains(QRegularExpression("icon|skip|lettering"));
        for (int i = 0; i < one.width() * one.height() && !anew; ++i) {
            const QPoint at(i % one.width(), i / one.width());
            int same = 0;  // of the four pixels it became
            for (int k = 0; k < 4; ++k)
                same += two.pixel(2 * at + QPoint(k % 2, k / 2)) == one.pixel(at);
            ASSERT_GT(same, 0) << path.toStdString();
        }
    }
}

TEST(Generator, RemakesTheCommittedFilesExactly) {
    // From the committed shapes, every picture and the score table byte for byte as committed.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid() && QDir(root.path()).mkpath("data"));
    ASSERT_TRUE(QFile::copy(kSource + "data/Shapes.dat", root.filePath("data/Shapes.dat")));
    ASSERT_EQ(QProcess::execute(MAKEPICTURES_PATH, {root.path()}), 0);
    EXPECT_GE(generated().size(), 100);
    for (const QString& file : generated())
        EXPECT_EQ(readAll(root.filePath(file)), readAll(kSource + file)) << file.toStdString();
}

}  // namespace
