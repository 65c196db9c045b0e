// Checks the data files that lie beside the program, as committed: the shapes, the piece and cell
// pictures, the strip's layout on the dark panel, the empty score table and the artwork.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace {

const QString kSource = QStringLiteral(FITZEL_SOURCE_DIR);
const QString kData = kSource + "/data/";
constexpr int kPieces = 35;
constexpr int kSquare = 12;  // pixels a square in a piece picture
const QRgb kBackground = qRgb(102, 102, 102);

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

// The lines of Shapes.dat, split at CR LF.
std::vector<std::string> shapeLines() {
    const std::string bytes = readAll(kData + "Shapes.dat").toStdString();
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            end = bytes.size();
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

const std::vector<std::string>& shapes() {
    static const std::vector<std::string> lines = shapeLines();
    return lines;
}

const std::string& pattern(int piece) {
    static const std::string none;
    const auto index = static_cast<std::size_t>(piece - 1);
    return index < shapes().size() ? shapes()[index] : none;
}

// Whether the 3x3 square's position at (row, column), both 0 to 2, belongs to the piece.
bool filled(const std::string& p, int row, int column) {
    const auto j = static_cast<std::size_t>(row * 3 + column);
    return j < p.size() && (p[j] == '1' || (j == 4 && p[j] == '2'));
}

struct Box {
    int left = 3, top = 3, right = -1, bottom = -1;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
};

Box boxOf(const std::string& p) {
    Box b;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (filled(p, row, column)) {
                b.left = std::min(b.left, column);
                b.right = std::max(b.right, column);
                b.top = std::min(b.top, row);
                b.bottom = std::max(b.bottom, row);
            }
        }
    }
    return b;
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
constexpr int kTwipsPerPixel = 15;

// The dark panel inside its 2-pixel border, in pixels.
const QRect kPanelInside(255 / 15 + 2, 120 / 15 + 2, 4440 / 15 - 4, 3210 / 15 - 4);

// The slots: seven columns by five rows of 40 x 40 pixels from (390, 240) twips.
QRect slotOf(int piece) {
    const int column = (piece - 1) % 7;
    const int row = (piece - 1) / 7;
    return QRect(390 / 15 + 40 * column, 240 / 15 + 40 * row, 40, 40);
}

// Where the strip shows piece k: one cell of its picture, at its table position.
QRect stripRect(int piece) {
    const Box b = boxOf(pattern(piece));
    const auto k = static_cast<std::size_t>(piece);
    return QRect(kStrip[k][0] / kTwipsPerPixel, kStrip[k][1] / kTwipsPerPixel, b.width() * kSquare,
                 b.height() * kSquare);
}

// --- Shapes.dat ---

TEST(ShapesFile, HoldsThirtyFiveLinesEachEndedByCrLf) {
    const QByteArray bytes = readAll(kData + "Shapes.dat");
    EXPECT_EQ(bytes.count("\r\n"), kPieces);
    EXPECT_EQ(bytes.count('\r'), kPieces);
    EXPECT_EQ(bytes.count('\n'), kPieces);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(shapes().size(), static_cast<std::size_t>(kPieces));
}

TEST(ShapesFile, ShapesAreDistinct) {
    const std::set<std::string> distinct(shapes().begin(), shapes().end());
    EXPECT_EQ(distinct.size(), shapes().size());
}

class Piece : public testing::TestWithParam<int> {};

TEST_P(Piece, PatternIsNineCharactersWithItsKeySquare) {
    const std::string& p = pattern(GetParam());
    ASSERT_EQ(p.size(), 9u) << p;
    for (std::size_t j = 0; j < 9; ++j) {
        if (j == 4) {
            EXPECT_TRUE(p[j] == '1' || p[j] == '2') << p;
        } else {
            EXPECT_TRUE(p[j] == '0' || p[j] == '1') << p;
        }
    }
}

TEST_P(Piece, ShapeIsConnected) {
    const std::string& p = pattern(GetParam());
    std::array<bool, 9> reached{};
    std::vector<int> todo = {4};  // from the key square
    reached[4] = filled(p, 1, 1);
    ASSERT_TRUE(reached[4]) << p;
    while (!todo.empty()) {
        const int j = todo.back();
        todo.pop_back();
        const int row = j / 3, column = j % 3;
        const std::array<std::array<int, 2>, 4> steps = {{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
        for (const auto& [dr, dc] : steps) {
            const int r = row + dr, c = column + dc;
            const int n = r * 3 + c;
            if (r >= 0 && r < 3 && c >= 0 && c < 3 && filled(p, r, c) &&
                !reached[static_cast<std::size_t>(n)]) {
                reached[static_cast<std::size_t>(n)] = true;
                todo.push_back(n);
            }
        }
    }
    for (int j = 0; j < 9; ++j) {
        EXPECT_EQ(reached[static_cast<std::size_t>(j)], filled(p, j / 3, j % 3))
            << p << ": position " << j + 1 << " is cut off from the key square";
    }
}

// --- The piece pictures ---

TEST_P(Piece, PictureIsThreeCellsOfTheBoundingBox) {
    const int piece = GetParam();
    const Box b = boxOf(pattern(piece));
    const QImage image(kData + QString("%1.bmp").arg(piece, 2, 10, QChar('0')));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), 3 * b.width() * kSquare);
    EXPECT_EQ(image.height(), b.height() * kSquare);
}

TEST_P(Piece, EachCellPaintsExactlyThePatternsSquares) {
    const int piece = GetParam();
    const std::string& p = pattern(piece);
    const Box b = boxOf(p);
    const QImage image(kData + QString("%1.bmp").arg(piece, 2, 10, QChar('0')));
    ASSERT_EQ(image.size(), QSize(3 * b.width() * kSquare, b.height() * kSquare));
    const int cellWidth = b.width() * kSquare;
    for (int cell = 0; cell < 3; ++cell) {
        for (int row = 0; row < b.height(); ++row) {
            for (int column = 0; column < b.width(); ++column) {
                const bool inPiece = filled(p, b.top + row, b.left + column);
                int background = 0;
                for (int y = 0; y < kSquare; ++y) {
                    for (int x = 0; x < kSquare; ++x) {
                        const QRgb pixel =
                            image.pixel(cell * cellWidth + column * kSquare + x, row * kSquare + y);
                        background += (pixel & 0xffffff) == (kBackground & 0xffffff) ? 1 : 0;
                    }
                }
                EXPECT_EQ(background, inPiece ? 0 : kSquare * kSquare)
                    << "piece " << piece << ", cell " << cell << ", square (" << row << ", "
                    << column << ")";
            }
        }
    }
}

TEST_P(Piece, WaitingDealtAndCurrentLookClearlyDifferent) {
    const int piece = GetParam();
    const std::string& p = pattern(piece);
    const Box b = boxOf(p);
    const QImage image(kData + QString("%1.bmp").arg(piece, 2, 10, QChar('0')));
    ASSERT_EQ(image.width(), 3 * b.width() * kSquare);
    // The middle of the key square in each of the three cells.
    const int x = (1 - b.left) * kSquare + kSquare / 2;
    const int y = (1 - b.top) * kSquare + kSquare / 2;
    const int cellWidth = b.width() * kSquare;
    const std::array<QRgb, 3> look = {image.pixel(x, y), image.pixel(cellWidth + x, y),
                                      image.pixel(2 * cellWidth + x, y)};
    EXPECT_GE(colourDistance(look[0], look[1]), 100);
    EXPECT_GE(colourDistance(look[0], look[2]), 100);
    EXPECT_GE(colourDistance(look[1], look[2]), 100);
}

// --- The strip ---

TEST_P(Piece, LiesInsideItsSlotAndThePanel) {
    const int piece = GetParam();
    const QRect shown = stripRect(piece);
    EXPECT_TRUE(slotOf(piece).contains(shown))
        << "piece " << piece << " at " << shown.x() << "," << shown.y() << " size " << shown.width()
        << "x" << shown.height();
    EXPECT_TRUE(kPanelInside.contains(shown)) << "piece " << piece;
}

// Every key square sits at the middle of a 3x3 square drawn from its slot's corner, give or take
// one pixel: the table's offsets are the pattern's empty left column and top row.
TEST_P(Piece, KeySquareSitsAtTheSameSpotInEverySlot) {
    const int piece = GetParam();
    const Box b = boxOf(pattern(piece));
    const QRect shown = stripRect(piece);
    const QRect slot = slotOf(piece);
    const int keyX = shown.x() + (1 - b.left) * kSquare - slot.x();
    const int keyY = shown.y() + (1 - b.top) * kSquare - slot.y();
    EXPECT_LE(std::abs(keyX - kSquare), 1) << "piece " << piece;
    EXPECT_LE(std::abs(keyY - kSquare), 1) << "piece " << piece;
}

INSTANTIATE_TEST_SUITE_P(AllPieces, Piece, testing::Range(1, kPieces + 1));

TEST(Strip, NoTwoPiecesOverlap) {
    for (int a = 1; a <= kPieces; ++a) {
        for (int b = a + 1; b <= kPieces; ++b) {
            EXPECT_FALSE(stripRect(a).intersects(stripRect(b))) << "pieces " << a << " and " << b;
        }
    }
}

TEST(Strip, SlotsTileThePanelWithoutOverlap) {
    for (int a = 1; a <= kPieces; ++a) {
        EXPECT_TRUE(kPanelInside.contains(slotOf(a))) << "slot " << a;
        for (int b = a + 1; b <= kPieces; ++b) {
            EXPECT_FALSE(slotOf(a).intersects(slotOf(b))) << "slots " << a << " and " << b;
        }
    }
}

// --- Pictures of a fixed size ---

struct SizedPicture {
    const char* path;  // from the source folder
    int width;
    int height;
};

class Picture : public testing::TestWithParam<SizedPicture> {};

TEST_P(Picture, HasItsSize) {
    const QImage image(kSource + "/" + GetParam().path);
    ASSERT_FALSE(image.isNull()) << GetParam().path;
    EXPECT_EQ(image.width(), GetParam().width) << GetParam().path;
    EXPECT_EQ(image.height(), GetParam().height) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    CellsArtworkAndIcons, Picture,
    testing::Values(SizedPicture{"data/GridEmpty.bmp", 39, 38},
                    SizedPicture{"data/GridFilled.bmp", 39, 38},
                    SizedPicture{"data/EGEmpty.bmp", 30, 30},
                    SizedPicture{"data/EGFilled.bmp", 30, 30},
                    SizedPicture{"src/forms/resources/icon.png", 32, 32},
                    SizedPicture{"src/forms/resources/skip.png", 78, 38},
                    SizedPicture{"src/forms/resources/cell_board.png", 39, 38},
                    SizedPicture{"src/forms/resources/cell_preview.png", 30, 30},
                    SizedPicture{"data/icons/hicolor/16x16/apps/fitzel.png", 16, 16},
                    SizedPicture{"data/icons/hicolor/32x32/apps/fitzel.png", 32, 32},
                    SizedPicture{"data/icons/hicolor/48x48/apps/fitzel.png", 48, 48},
                    SizedPicture{"data/icons/hicolor/64x64/apps/fitzel.png", 64, 64},
                    SizedPicture{"data/icons/hicolor/128x128/apps/fitzel.png", 128, 128},
                    SizedPicture{"data/icons/hicolor/256x256/apps/fitzel.png", 256, 256}));

struct CellPair {
    const char* empty;
    const char* filled;
};

class EmptyAndFilled : public testing::TestWithParam<CellPair> {};

TEST_P(EmptyAndFilled, TellApartAtAGlance) {
    const QImage empty(kData + GetParam().empty);
    const QImage full(kData + GetParam().filled);
    ASSERT_EQ(empty.size(), full.size());
    const QPoint middle(empty.width() / 2, empty.height() / 2);
    EXPECT_GE(colourDistance(empty.pixel(middle), full.pixel(middle)), 200);
}

INSTANTIATE_TEST_SUITE_P(BoardAndPreview, EmptyAndFilled,
                         testing::Values(CellPair{"GridEmpty.bmp", "GridFilled.bmp"},
                                         CellPair{"EGEmpty.bmp", "EGFilled.bmp"}));

// --- The pictures drawn for screens at 200% ---

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
        paths.push_back(QString("data/%1.bmp").arg(piece, 2, 10, QChar('0')));
    }
    return paths;
}

QString twinOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf('.');
    return path.left(dot) + "@2x" + path.mid(dot);
}

// Each twin is twice the size, and each pixel of the 1x picture is one of the four it becomes:
// the same squares and bevels drawn finer. The icon is the desktop's 64-pixel one; the Skip
// text is drawn anew, so only its size is checked.
TEST(TwiceTheSize, EachTwinIsTheSamePictureDrawnFiner) {
    for (const QString& path : twinnedPictures()) {
        const QImage one = QImage(kSource + "/" + path).convertToFormat(QImage::Format_RGB32);
        const QImage two =
            QImage(kSource + "/" + twinOf(path)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(one.isNull() || two.isNull()) << path.toStdString();
        ASSERT_EQ(two.size(), one.size() * 2) << path.toStdString();
        const bool drawnAnew = path.contains("icon") || path.contains("skip");
        int strays = 0;
        for (int y = 0; y < one.height() && !drawnAnew; ++y) {
            for (int x = 0; x < one.width(); ++x) {
                const QRgb c = one.pixel(x, y);
                strays += c == two.pixel(2 * x, 2 * y) || c == two.pixel(2 * x + 1, 2 * y) ||
                                  c == two.pixel(2 * x, 2 * y + 1) ||
                                  c == two.pixel(2 * x + 1, 2 * y + 1)
                              ? 0
                              : 1;
            }
        }
        EXPECT_EQ(strays, 0) << path.toStdString();
    }
    EXPECT_EQ(QImage(kSource + "/src/forms/resources/icon@2x.png"),
              QImage(kData + "icons/hicolor/64x64/apps/fitzel.png"));
}

// --- The empty high-score table ---

TEST(HighScoreFile, IsFiveScrambledLinesOfZeros) {
    // Character j of a line (from 1) is shifted by key character (j mod 22) + 1.
    const std::string key = "Pendleford Ash-Yo 1984";
    std::string line;
    for (std::size_t j = 1; j <= 5; ++j) {
        line += static_cast<char>(('0' + key[j % 22]) % 256);
    }
    std::string expected;
    for (int place = 1; place <= 5; ++place) {
        expected += line + "\r\n";
    }
    EXPECT_EQ(readAll(kData + "Config.cfg").toStdString(), expected);
    // "0" (48) + "e" (101) = 149 for the first character.
    EXPECT_EQ(static_cast<unsigned char>(expected[0]), 149);
}

// --- The generator still makes what is committed ---

TEST(Generator, RemakesTheCommittedFilesExactly) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir(root.path()).mkpath("data"));
    ASSERT_TRUE(QFile::copy(kData + "Shapes.dat", root.path() + "/data/Shapes.dat"));
    ASSERT_EQ(QProcess::execute(MAKEPICTURES_PATH, {root.path()}), 0);

    std::vector<QString> files = {"data/GridEmpty.bmp",
                                  "data/GridFilled.bmp",
                                  "data/EGEmpty.bmp",
                                  "data/EGFilled.bmp",
                                  "data/Config.cfg",
                                  "src/forms/resources/icon.png",
                                  "src/forms/resources/skip.png",
                                  "src/forms/resources/cell_board.png",
                                  "src/forms/resources/cell_preview.png"};
    for (int piece = 1; piece <= kPieces; ++piece) {
        files.push_back(QString("data/%1.bmp").arg(piece, 2, 10, QChar('0')));
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        files.push_back(QString("data/icons/hicolor/%1x%1/apps/fitzel.png").arg(size));
    }
    for (const QString& path : twinnedPictures()) {
        files.push_back(twinOf(path));
    }
    for (const QString& file : files) {
        EXPECT_EQ(readAll(root.path() + "/" + file), readAll(kSource + "/" + file))
            << file.toStdString() << " differs from what the generator makes";
    }
}

}  // namespace
