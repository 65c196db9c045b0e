// The reader of the game's own bitmaps: uncompressed, 24 bits a pixel, stored bottom-up.
#include "forms/PlainBitmap.h"

#include "forms/Translations.h"

namespace fitzel {
namespace {

// The largest picture the game takes, in pixels a side.
constexpr qint64 kLargestSide = 4096;

constexpr char kTooLarge[] = FITZEL_TEXT("fitzel", "too large: %1 x %2");
constexpr char kBadHeader[] =
    FITZEL_TEXT("fitzel", "a bitmap header that does not hold together (%1 x %2)");
constexpr char kCutShort[] =
    FITZEL_TEXT("fitzel", "cut short: %1 bytes of the %2 its header promises");

}  // namespace

Read<QImage> decodePlainBitmap(const QByteArray& bytes) {
    const auto at = [&](int offset, int size) -> qint64 {
        if (offset + size > bytes.size()) {
            return -1;
        }
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i) {
            value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
        }
        return size == 4 ? static_cast<qint32>(value) : value;
    };
    const qint64 dataOffset = at(10, 4), headerSize = at(14, 4), width = at(18, 4),
                 height = at(22, 4), bitsPerPixel = at(28, 2), compression = at(30, 4);
    if (!bytes.startsWith("BM") || headerSize < 40 || height < 0) {
        return {};  // another kind of picture, or a bitmap stored top-down
    }
    if (width > kLargestSide || height > kLargestSide) {
        return {QImage(), gameText(kTooLarge).arg(width).arg(height).toStdString()};
    }
    if (bitsPerPixel != 24 || compression != 0) {
        return {};  // a bitmap of another depth, or compressed
    }
    if (width <= 0 || height == 0 || dataOffset < 14 + headerSize) {
        return {QImage(), gameText(kBadHeader).arg(width).arg(height).toStdString()};
    }
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    const qint64 needed = dataOffset + stride * height;
    if (needed > bytes.size()) {
        return {QImage(), gameText(kCutShort).arg(bytes.size()).arg(needed).toStdString()};
    }
    QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        // Rows are stored from the bottom up, each pixel as blue, green, red.
        const auto* row = reinterpret_cast<const quint8*>(bytes.constData()) + dataOffset +
                          stride * (height - 1 - y);
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        }
    }
    return {image, std::nullopt};
}

}  // namespace fitzel
