// Checks the committed data files: the shapes, the piece pictures, and that the generator still
// makes exactly what is committed (the score table and the pictures' twins for 200% too).
#include <gtest/gtest.h>

#include <QtCore>
#include <QtGui>

namespace {

const QString kSource = QStringLiteral(FITZEL_SOURCE_DIR "/");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "(missing)";
}

// Every committed picture and data file the generator makes, from the source folder.
QStringList generated() {
    QStringList files;
    for (const char* folder : {"data", "src/forms/resources"})
        for (QDirIterator it(kSource + folder, {"*.bmp", "*.png", "*.cfg"}, QDir::Files,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            files << it.next().mid(kSource.size());
    return files;
}

TEST(Pieces, EachIsOneDistinctPatternShownInThreeLooks) {
    // Shapes.dat: 35 distinct CR LF lines of nine squares round a filled key square. Each piece's
    // picture: three cells side by side, each the pattern's squares and
    // nothing else on the dark ground.
    const QList<QByteArray> lines = readAll(kSource + "data/Shapes.dat").split('\n');
    ASSERT_TRUE(lines.size() == 36 && lines.last().isEmpty());
    EXPECT_EQ(QSet(lines.begin(), lines.end()).size(), 36);
    for (int piece = 1; piece <= 35; ++piece) {
        ASSERT_TRUE(QRegularExpression("^[01]{4}[12][01]{4}\r$").match(lines[piece - 1]).hasMatch())
            << piece;
        const QByteArray p = lines[piece - 1].chopped(1).replace('2', '1');  // the key filled
        QRect box;  // the pattern's squares, in squares
        for (int j = 0; j < 9; ++j)
            if (p[j] == '1')
                box |= QRect(j % 3, j / 3, 1, 1);
        const QImage image(kSource + QString::asprintf("data/%02d.bmp", piece));
        const int side = image.height() / box.height();
        const int cell = box.width() * side;
        ASSERT_EQ(image.size(), QSize(3 * cell, box.height() * side)) << piece;
        for (int i = 0; i < image.width() * image.height(); ++i) {
            const int x = i % image.width();
            const int y = i / image.width();
            ASSERT_NE((image.pixel(x, y) & 0xffffff) == 0x666666,
                      p[(box.top() + y / side) * 3 + box.left() + x / side % box.width()] == '1')
                << piece;
        }
    }
}

TEST(Generator, RemakesTheCommittedFilesExactly) {
    // From the committed shapes, every picture and the score table byte for byte as committed.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid() && QDir(root.path()).mkpath("data") &&
                QFile::copy(kSource + "data/Shapes.dat", root.filePath("data/Shapes.dat")));
    ASSERT_EQ(QProcess::execute(MAKEPICTURES_PATH, {root.path()}), 0);
    EXPECT_GE(generated().size(), 100);
    for (const QString& file : generated())
        EXPECT_EQ(readAll(root.filePath(file)), readAll(kSource + file)) << file.toStdString();
}

}  // namespace
