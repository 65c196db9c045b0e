// Checks the committed data files: shapes, pictures, the strip's layout, score table, artwork.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "forms/Lettering.h"

namespace {

const QString kSource = QStringLiteral(FITZEL_SOURCE_DIR);
const QString kData = kSource + "/data/";
constexpr int kPieces = 35;
constexpr int kSquare = 12;  // pixels a square in a piece picture

QByteArray readAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

QString piecePicture(int piece) {
    return QString("data/%1.bmp").arg(piece, 2, 10, QChar('0'));
}

// Line k - 1 of Shapes.dat is piece k's pattern.
const std::vector<std::string>& patterns() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> split;
        for (const QByteArray& line : readAll(kData + "Shapes.dat").split('\n')) {
            split.push_back(line.chopped(line.isEmpty() ? 0 : 1).toStdString());
        }
        split.pop_back();  // after the last line end
        return split;
    }();
    return lines;
}

// Whether position (row, column) of the 3x3 square, both 0 to 2, belongs to the piece.
bool filled(const std::string& p, int row, int column) {
    const auto j = static_cast<std::size_t>(row * 3 + column);
    return j < p.size() && (p[j] == '1' || (j == 4 && p[j] == '2'));
}

// The smallest rectangle of the 3x3 square that holds the piece, in squares.
QRect boxOf(const std::string& p) {
    QRect box;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            box |= filled(p, row, column) ? QRect(column, row, 1, 1) : QRect();
        }
    }
    return box;
}

int colourDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The strip table: top-left corner of each piece's strip cell, in twips of the client area.
constexpr std::array<std::array<int, 2>, kPieces + 1> kStrip = {{
    {0, 0},  // unused
    {570, 420},  {1170, 240},  {1770, 240},  {2370, 240},  {2970, 240},  {3570, 240},  {4170, 240},
    {390, 840},  {1170, 840},  {1590, 840},  {2190, 840},  {2790, 840},  {3390, 840},  {3990, 840},
    {390, 1440}, {1170, 1440}, {1590, 1440}, {2190, 1440}, {2790, 1620}, {3390, 1440}, {4170, 1440},
    {390, 2220}, {990, 2220},  {1590, 2220}, {2190, 2040}, {2790, 2040}, {3585, 2040}, {4170, 2040},
    {390, 2820}, {990, 2640},  {1590, 2820}, {2370, 2640}, {2790, 2820}, {3585, 2640}, {4005, 2805},
}};

TEST(ShapesFile, HoldsThirtyFiveDistinctConnectedPatterns) {
    // 35 CR LF lines of nine "0"/"1", key square "1" or "2", every square reached from it.
    const QByteArray bytes = readAll(kData + "Shapes.dat");
    EXPECT_EQ(bytes.count("\r\n"), kPieces);
    EXPECT_EQ(bytes.count('\r'), kPieces);
    EXPECT_EQ(bytes.count('\n'), kPieces);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    ASSERT_EQ(patterns().size(), static_cast<std::size_t>(kPieces));
    EXPECT_EQ(std::set(patterns().begin(), patterns().end()).size(), patterns().size());
    for (const std::string& p : patterns()) {
        ASSERT_EQ(p.size(), 9u) << p;
        EXPECT_TRUE(p[4] == '1' || p[4] == '2') << p;
        EXPECT_EQ((p.substr(0, 4) + p.substr(5)).find_first_not_of("01"), std::string::npos) << p;
        std::set<int> reached, todo = {4};
        while (!todo.empty()) {
            const int j = *todo.begin();
            todo.erase(todo.begin());
            if (j < 0 || j > 8 || !filled(p, j / 3, j % 3) || !reached.insert(j).second) {
                continue;
            }
            todo.insert({j - 3, j + 3});
            todo.insert(j % 3 > 0 ? j - 1 : -1);
            todo.insert(j % 3 < 2 ? j + 1 : -1);
        }
        EXPECT_EQ(reached.size(),
                  static_cast<std::size_t>(std::count(p.begin(), p.end(), '1') + (p[4] == '2')))
            << p << " has squares cut off from its key square";
    }
}

TEST(PiecePictures, ShowTheirPatternInThreeClearlyDifferentLooks) {
    // Three cells of the pattern's box; waiting, dealt and current far apart in colour.
    for (int piece = 1; piece <= kPieces; ++piece) {
        SCOPED_TRACE(piece);
        const std::string& p = patterns().at(static_cast<std::size_t>(piece - 1));
        const QRect box = boxOf(p);
        const QImage image(kSource + "/" + piecePicture(piece));
        ASSERT_EQ(image.size(), QSize(3 * box.width() * kSquare, box.height() * kSquare));
        const int cellWidth = box.width() * kSquare;
        for (int cell = 0; cell < 3; ++cell) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < cellWidth; ++x) {
                    const bool background =
                        (image.pixel(cell * cellWidth + x, y) & 0xffffff) == 0x666666;
                    ASSERT_NE(background,
                              filled(p, box.top() + y / kSquare, box.left() + x / kSquare))
                        << "cell " << cell << ", pixel " << x << "," << y;
                }
            }
        }
        const int x = (1 - box.left()) * kSquare + kSquare / 2,
                  y = (1 - box.top()) * kSquare + kSquare / 2;
        for (int a = 0; a < 3; ++a) {
            const int b = (a + 1) % 3;
            EXPECT_GE(colourDistance(image.pixel(a * cellWidth + x, y),
                                     image.pixel(b * cellWidth + x, y)),
                      100)
                << "looks " << a << " and " << b;
        }
    }
}

TEST(Strip, EachPieceLiesInItsSlotWithItsKeySquareInPlace) {
    // Each piece lies in its 40-pixel slot, its key square one square from the slot's corner.
    const QRect panelInside(255 / 15 + 2, 120 / 15 + 2, 4440 / 15 - 4, 3210 / 15 - 4);
    for (int piece = 1; piece <= kPieces; ++piece) {
        SCOPED_TRACE(piece);
        const QRect box = boxOf(patterns().at(static_cast<std::size_t>(piece - 1)));
        const QRect slot(390 / 15 + 40 * ((piece - 1) % 7), 240 / 15 + 40 * ((piece - 1) / 7), 40,
                         40);
        const QRect shown(kStrip[piece][0] / 15, kStrip[piece][1] / 15, box.width() * kSquare,
                          box.height() * kSquare);
        EXPECT_TRUE(slot.contains(shown) && panelInside.contains(slot));
        EXPECT_LE(std::abs(shown.x() + (1 - box.left()) * kSquare - slot.x() - kSquare), 1);
        EXPECT_LE(std::abs(shown.y() + (1 - box.top()) * kSquare - slot.y() - kSquare), 1);
    }
}

TEST(Pictures, HaveTheirSizesAndEmptyAndFilledCellsTellApart) {
    // The cell pictures, the window's artwork and the desktop icons.
    const std::vector<std::tuple<QString, int, int>> sizes = {
        {"data/GridEmpty.bmp", 39, 38},
        {"data/GridFilled.bmp", 39, 38},
        {"data/EGEmpty.bmp", 30, 30},
        {"data/EGFilled.bmp", 30, 30},
        {"src/forms/resources/icon.png", 32, 32},
        {"src/forms/resources/skip.png", 78, 38},
        {"src/forms/resources/cell_board.png", 39, 38},
        {"src/forms/resources/cell_preview.png", 30, 30},
    };
    for (const auto& [path, width, height] : sizes) {
        EXPECT_EQ(QImage(kSource + "/" + path).size(), QSize(width, height)) << path.toStdString();
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString icon = QString("data/icons/hicolor/%1x%1/apps/fitzel.png").arg(size);
        EXPECT_EQ(QImage(kSource + "/" + icon).size(), QSize(size, size)) << size;
    }
    // The lettering: a line high, the text's advance and the margins wide.
    for (const auto& glyph : fitzel::lettering::kGlyphs) {
        const QImage image(
            QString("%1/src/forms/resources/lettering/%2.bmp").arg(kSource, glyph.name));
        EXPECT_EQ(image.height(), fitzel::lettering::kLineHeight) << glyph.name;
        EXPECT_GT(image.width(), 2 * fitzel::lettering::kPad) << glyph.name;
    }
    for (const auto& [empty, full] :
         {std::pair{"GridEmpty.bmp", "GridFilled.bmp"}, std::pair{"EGEmpty.bmp", "EGFilled.bmp"}}) {
        const QImage a(kData + empty), b(kData + full);
        const QPoint middle(a.width() / 2, a.height() / 2);
        EXPECT_GE(colourDistance(a.pixel(middle), b.pixel(middle)), 200) << empty;
    }
}

// The pictures that have a twin "name@2x" drawn at twice the size, from the source folder.
std::vector<QString> twinnedPictures() {
    std::vector<QString> paths = {"data/GridEmpty.bmp",
                                  "data/GridFilled.bmp",
                                  "data/EGEmpty.bmp",
                                  "data/EGFilled.bmp",
                                  "src/forms/resources/cell_board.png",
                                  "src/forms/resources/cell_preview.png",
                                  "src/forms/resources/icon.png",
                                  "src/forms/resources/skip.png"};
    for (int piece = 1; piece <= kPieces; ++piece) {
        paths.push_back(piecePicture(piece));
    }
    for (const auto& glyph : fitzel::lettering::kGlyphs) {
        paths.push_back(QString("src/forms/resources/lettering/%1.bmp").arg(glyph.name));
    }
    return paths;
}

QString twinOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + "@2x" + path.mid(dot);
}

TEST(TwiceTheSize, EachTwinIsTheSamePictureDrawnFiner) {
    // Each @2x twin is twice the size, each 1x pixel one of its four (not the redrawn ones).
    for (const QString& path : twinnedPictures()) {
        const QImage one = QImage(kSource + "/" + path).convertToFormat(QImage::Format_RGB32);
        const QImage two =
            QImage(kSource + "/" + twinOf(path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(one.isNull() || two.isNull()) << path.toStdString();
        ASSERT_EQ(two.size(), one.size() * 2) << path.toStdString();
        const bool drawnAnew =
            path.contains("icon") || path.contains("skip") || path.contains("lettering");
        int strays = 0;
        for (int y = 0; y < one.height() && !drawnAnew; ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QRgb c = one.pixel(x, y);
                strays += c != two.pixel(2 * x, 2 * y) && c != two.pixel(2 * x + 1, 2 * y) &&
                          c != two.pixel(2 * x, 2 * y + 1) && c != two.pixel(2 * x + 1, 2 * y + 1);
            }
        }
        EXPECT_EQ(strays, 0) << path.toStdString();
    }
    EXPECT_EQ(QImage(kSource + "/src/forms/resources/icon@2x.png"),
              QImage(kData + "icons/hicolor/64x64/apps/fitzel.png"));
}

TEST(HighScoreFile, IsFiveScrambledLinesOfZeros) {
    // "00000" shifted by key characters 2 to 6 of "Pendleford Ash-Yo 1984", then CR LF.
    const QByteArray line("\x95\x9e\x94\x9c\x95\r\n");
    EXPECT_EQ(readAll(kData + "Config.cfg"), line + line + line + line + line);
}

TEST(Generator, RemakesTheCommittedFilesExactly) {
    // Every generated file, from the committed shapes, is byte for byte what is committed.
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid() && QDir(root.path()).mkpath("data"));
    ASSERT_TRUE(QFile::copy(kData + "Shapes.dat", root.path() + "/data/Shapes.dat"));
    ASSERT_EQ(QProcess::execute(MAKEPICTURES_PATH, {root.path()}), 0);
    std::vector<QString> files = twinnedPictures();
    for (const QString& path : twinnedPictures()) {
        files.push_back(twinOf(path));
    }
    files.push_back("data/Config.cfg");
    for (int size : {16, 32, 48, 64, 128, 256}) {
        files.push_back(QString("data/icons/hicolor/%1x%1/apps/fitzel.png").arg(size));
    }
    for (const QString& file : files) {
        EXPECT_EQ(readAll(root.path() + "/" + file), readAll(kSource + "/" + file))
            << file.toStdString() << " differs from what the generator makes";
    }
}

}  // namespace
