// Reading the windows' pictures, their 200% twins, the cache and the cutting into thirds.
#include "forms/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace fitzel {

namespace {

// The largest picture the game takes, in pixels a side, and the largest picture file in bytes.
constexpr qint64 kLargestSide = 4096;
constexpr qint64 kLargestFile = 16 << 20;

}  // namespace

QImage decodePlainBitmap(const QByteArray& bytes, QString& fault) {
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
        fault = QStringLiteral("too large: %1 x %2").arg(width).arg(height);
        return {};
    }
    if (bitsPerPixel != 24 || compression != 0) {
        return {};  // a bitmap of another depth, or compressed
    }
    if (width <= 0 || height == 0 || dataOffset < 14 + headerSize) {
        fault = QStringLiteral("a bitmap header that does not hold together (%1 x %2)")
                    .arg(width)
                    .arg(height);
        return {};
    }
    const qint64 stride = (width * 3 + 3) / 4 * 4;
    const qint64 needed = dataOffset + stride * height;
    if (needed > bytes.size()) {
        fault = QStringLiteral("cut short: %1 bytes of the %2 its header promises")
                    .arg(bytes.size())
                    .arg(needed);
        return {};
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
    return image;
}

PictureFile pictureFileFor(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QString twin = dot > path.lastIndexOf(QLatin1Char('/'))
                                 ? path.left(dot) + QStringLiteral("@2x") + path.mid(dot)
                                 : path + QStringLiteral("@2x");
        if (QFileInfo::exists(twin)) {
            return {twin, 2.0};
        }
    }
    return {path, 1.0};
}

QImage readPicture(const QString& path, QString& fault) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fault = file.errorString();
        return {};
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        fault = QStringLiteral("too large: more than %1 MiB").arg(kLargestFile >> 20);
        return {};
    }
    QImage image = decodePlainBitmap(bytes, fault);
    if (image.isNull() && fault.isEmpty()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        if (image.isNull()) {
            fault =
                QStringLiteral("Not a picture that can be loaded (%1)").arg(reader.errorString());
        }
    }
    return image;
}

std::array<QPixmap, 3> cutIntoThirds(const QPixmap& picture) {
    std::array<QPixmap, 3> cells;
    const int width = picture.width() / 3;
    // (An empty rectangle would copy the whole picture.)
    for (int c = 0; width > 0 && c < 3; ++c) {
        cells[c] = picture.copy(c * width, 0, width, picture.height());
        cells[c].setDevicePixelRatio(picture.devicePixelRatio());
    }
    return cells;
}

LoadedPicture loadPicture(const QString& path, qreal devicePixelRatio) {
    const PictureFile file = pictureFileFor(path, devicePixelRatio);
    LoadedPicture loaded;
    loaded.pixmap = QPixmap::fromImage(readPicture(file.path, loaded.fault));
    loaded.pixmap.setDevicePixelRatio(file.ratio);
    return loaded;
}

LoadedPicture PictureCache::picture(const QString& path, qreal devicePixelRatio) {
    const PictureFile file = pictureFileFor(path, devicePixelRatio);
    const auto found = pictures_.constFind(file.path);
    if (found != pictures_.constEnd()) {
        return *found;
    }
    ++filesRead_;
    if (!QFileInfo::exists(path)) {
        return {QPixmap(), QStringLiteral("File not found")};
    }
    const LoadedPicture loaded = loadPicture(path, devicePixelRatio);
    // A missing or broken picture is not kept: the game ends on it.
    if (!loaded.pixmap.isNull()) {
        pictures_.insert(file.path, loaded);
    }
    return loaded;
}

std::array<QPixmap, 3> PictureCache::pieceCells(const QString& path, QString& fault,
                                                qreal devicePixelRatio) {
    const QString key = pictureFileFor(path, devicePixelRatio).path;
    const auto found = cells_.constFind(key);
    if (found != cells_.constEnd()) {
        fault.clear();
        return *found;
    }
    const LoadedPicture loaded = picture(path, devicePixelRatio);
    fault = loaded.fault;
    if (!fault.isEmpty()) {
        return {};
    }
    const std::array<QPixmap, 3> cells = cutIntoThirds(loaded.pixmap);
    cells_.insert(key, cells);
    return cells;
}

}  // namespace fitzel
