// The game's artwork, drawn square by square: piece pictures, cell pictures, the Skip button,
// the program's icon and the labels' lettering.
#include "Artwork.h"

#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <cmath>

#include "Shapes.h"
#include "forms/Lettering.h"

namespace makepictures {
namespace {

struct Bevel {
    QColor face;
    QColor light;  // top and left edges
    QColor dark;   // bottom and right edges
};

const Bevel kGreen{QColor(40, 170, 40), QColor(150, 230, 150), QColor(0, 90, 0)};
const Bevel kDealt{QColor(78, 78, 78), QColor(96, 96, 96), QColor(58, 58, 58)};
const Bevel kCurrent{QColor(255, 236, 64), QColor(255, 255, 200), QColor(214, 120, 0)};
// An empty board cell is sunk into the window: dark at the top left, light at the bottom right.
const Bevel kEmptyCell{QColor(236, 222, 200), QColor(160, 140, 120), QColor(255, 248, 236)};
const Bevel kFilledCell{QColor(40, 100, 220), QColor(140, 180, 255), QColor(10, 40, 130)};
const QColor kSkipRed(210, 0, 0);
const QColor kSkipShadow(0, 70, 0);
const QColor kIconFrame(40, 40, 40);

// Fills `r` with a bevelled face, the edges `depth` pixels wide, drawn pixel line by pixel line
// so that the result is exact at every size.
void drawBevel(QPainter& p, const QRect& r, const Bevel& b, int depth) {
    p.fillRect(r, b.face);
    for (int i = 0; i < depth; ++i) {
        const int left = r.left() + i, right = r.right() - i;
        const int top = r.top() + i, bottom = r.bottom() - i;
        if (left > right || top > bottom) {
            break;
        }
        p.fillRect(QRect(QPoint(left, top), QPoint(right, top)), b.light);
        p.fillRect(QRect(QPoint(left, top), QPoint(left, bottom)), b.light);
        p.fillRect(QRect(QPoint(left, bottom), QPoint(right, bottom)), b.dark);
        p.fillRect(QRect(QPoint(right, top + 1), QPoint(right, bottom)), b.dark);
    }
}

// A waiting piece's colour: hues spread round the wheel by the golden angle, leaving out the
// yellows, which belong to the current piece.
Bevel waitingBevel(int piece) {
    const double spread = std::fmod(piece * 137.508, 300.0);
    const int hue = static_cast<int>(75.0 + spread) % 360;
    const QColor face = QColor::fromHsv(hue, 150, 225);
    return {face, QColor::fromHsv(hue, 70, 255), QColor::fromHsv(hue, 200, 130)};
}

QImage solid(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

QImage pieceImage(const std::string& pattern, int piece, int scale) {
    const ShapeBox box = boundingBox(pattern);
    const int square = kSquarePixels * scale;
    const int cellWidth = box.width * square;
    const int cellHeight = box.height * square;
    QImage image = solid(3 * cellWidth, cellHeight, kPieceBackground);
    QPainter p(&image);
    const std::array<Bevel, 3> looks = {waitingBevel(piece), kDealt, kCurrent};
    for (int cell = 0; cell < 3; ++cell) {
        for (int row = 0; row < box.height; ++row) {
            for (int column = 0; column < box.width; ++column) {
                if (!squareFilled(pattern, box.top + row, box.left + column)) {
                    continue;
                }
                const QRect r(cell * cellWidth + column * square, row * square, square, square);
                drawBevel(p, r, looks[static_cast<std::size_t>(cell)], 2 * scale);
            }
        }
    }
    return image;
}

QImage boardCell(bool filled, int scale) {
    QImage image = solid(39 * scale, 38 * scale, Qt::black);
    QPainter p(&image);
    drawBevel(p, image.rect(), filled ? kFilledCell : kEmptyCell, 3 * scale);
    return image;
}

QImage previewCell(bool filled, int scale) {
    QImage image = solid(30 * scale, 30 * scale, Qt::black);
    QPainter p(&image);
    drawBevel(p, image.rect(), filled ? kFilledCell : kEmptyCell, 2 * scale);
    return image;
}

QImage greenCell(int width, int height, int scale) {
    QImage image = solid(width * scale, height * scale, Qt::black);
    QPainter p(&image);
    drawBevel(p, image.rect(), kGreen, 3 * scale);
    return image;
}

QImage skipButton(const QString& word, int scale) {
    QFont font(fitzel::lettering::kFamily);
    font.setBold(true);
    font.setPixelSize(30 * scale);
    if (QFontInfo(font).family() != fitzel::lettering::kFamily) {
        return {};
    }
    QImage image = greenCell(78, 38, scale);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setFont(font);
    const QRect textArea = image.rect().adjusted(0, -2 * scale, 0, -2 * scale);
    p.setPen(kSkipShadow);
    p.drawText(textArea.translated(scale, scale), Qt::AlignCenter, word);
    p.setPen(kSkipRed);
    p.drawText(textArea, Qt::AlignCenter, word);
    return image;
}

QImage icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // The dark panel with a frame.
    const int frame = std::max(1, size / 32);
    p.fillRect(image.rect(), kIconFrame);
    p.fillRect(image.rect().adjusted(frame, frame, -frame, -frame), kPieceBackground);
    // A 3 x 3 board; the P-shaped current piece on green cells.
    const std::array<bool, 9> piece = {true, true, false, true, true, false, true, false, false};
    const double margin = size * 0.1;
    const double pitch = (size - 2.0 * margin) / 3.0;
    const int gap = std::max(1, size / 32);
    const int depth = std::max(1, size / 20);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int left = static_cast<int>(std::lround(margin + column * pitch));
            const int top = static_cast<int>(std::lround(margin + row * pitch));
            const int right = static_cast<int>(std::lround(margin + (column + 1) * pitch)) - gap;
            const int bottom = static_cast<int>(std::lround(margin + (row + 1) * pitch)) - gap;
            const bool inPiece = piece[static_cast<std::size_t>(row * 3 + column)];
            drawBevel(p, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                      inPiece ? kCurrent : kGreen, depth);
        }
    }
    return image;
}

QImage lettering(const QString& text, int scale, QString& fault) {
    namespace L = fitzel::lettering;
    QFont font(L::kFamily);
    font.setBold(true);
    font.setPixelSize(L::kPixelSize);
    const QFontMetrics metrics(font);
    if (QFontInfo(font).family() != L::kFamily) {
        fault = QStringLiteral("the font \"%1\" is not installed").arg(L::kFamily);
        return {};
    }
    if (metrics.ascent() != L::kBaseline || metrics.lineSpacing() != L::kLineHeight) {
        fault = QStringLiteral("the font's lines are not %1 pixels with the baseline at %2")
                    .arg(L::kLineHeight)
                    .arg(L::kBaseline);
        return {};
    }
    // The layout is the font's at one scale; at two the text is drawn anew at twice the size.
    const int width = metrics.horizontalAdvance(text) + 2 * L::kPad;
    const QColor ground(L::kGroundRed, L::kGroundGreen, L::kGroundBlue);
    QImage image = solid(width * scale, L::kLineHeight * scale, ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    font.setPixelSize(L::kPixelSize * scale);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPoint(L::kPad * scale, L::kBaseline * scale), text);
    p.end();
    // A stroke on the outermost columns may have been cut off.
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixel(0, y) != ground.rgb() ||
            image.pixel(image.width() - 1, y) != ground.rgb()) {
            fault = QStringLiteral("\"%1\" reaches beyond its picture").arg(text);
            return {};
        }
    }
    return image;
}

}  // namespace makepictures
