// Reading the windows' pictures, their 200% twins, the cache and the cutting into thirds.
#include "forms/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <string>

#include "forms/PlainBitmap.h"
#include "forms/Translations.h"

namespace fitzel {

namespace {

// The largest picture file the game takes, in bytes.
constexpr qint64 kLargestFile = 16 << 20;

constexpr char kNotFound[] = FITZEL_TEXT("fitzel", "File not found");
constexpr char kTooLarge[] = FITZEL_TEXT("fitzel", "too large: more than %1 MiB");
constexpr char kCannotLoad[] = FITZEL_TEXT("fitzel", "Not a picture that can be loaded (%1)");

}  // namespace

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

Read<QImage> readPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {QImage(), file.errorString().toStdString()};
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        return {QImage(), gameText(kTooLarge).arg(kLargestFile >> 20).toStdString()};
    }
    Read<QImage> plain = decodePlainBitmap(bytes);
    if (plain.fault) {
        return plain;
    }
    QImage image = plain.value;
    if (image.isNull()) {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        if (image.isNull()) {
            return {QImage(), gameText(kCannotLoad).arg(reader.errorString()).toStdString()};
        }
    }
    return {image, std::nullopt};
}

PieceCells cutIntoThirds(const QPixmap& picture) {
    PieceCells cells;
    const int width = picture.width() / 3;
    // (An empty rectangle would copy the whole picture.)
    for (int c = 0; width > 0 && c < 3; ++c) {
        cells[c] = picture.copy(c * width, 0, width, picture.height());
        cells[c].setDevicePixelRatio(picture.devicePixelRatio());
    }
    return cells;
}

Read<QPixmap> loadPicture(const QString& path, qreal devicePixelRatio) {
    const PictureFile file = pictureFileFor(path, devicePixelRatio);
    const Read<QImage> image = readPicture(file.path);
    Read<QPixmap> loaded{QPixmap::fromImage(image.value), image.fault};
    loaded.value.setDevicePixelRatio(file.ratio);
    return loaded;
}

Read<QPixmap> PictureCache::picture(const QString& path, qreal devicePixelRatio) {
    const PictureFile file = pictureFileFor(path, devicePixelRatio);
    const auto found = pictures_.constFind(file.path);
    if (found != pictures_.constEnd()) {
        return {*found, std::nullopt};
    }
    ++filesRead_;
    if (!QFileInfo::exists(path)) {
        return {QPixmap(), gameString(kNotFound)};
    }
    const Read<QPixmap> loaded = loadPicture(path, devicePixelRatio);
    // A missing or broken picture is not kept: the game ends on it.
    if (!loaded.value.isNull()) {
        pictures_.insert(file.path, loaded.value);
    }
    return loaded;
}

Read<PieceCells> PictureCache::pieceCells(const QString& path, qreal devicePixelRatio) {
    const QString key = pictureFileFor(path, devicePixelRatio).path;
    const auto found = cells_.constFind(key);
    if (found != cells_.constEnd()) {
        return {*found, std::nullopt};
    }
    const Read<QPixmap> loaded = picture(path, devicePixelRatio);
    if (loaded.fault) {
        return {PieceCells(), loaded.fault};
    }
    const PieceCells cells = cutIntoThirds(loaded.value);
    cells_.insert(key, cells);
    return {cells, std::nullopt};
}

}  // namespace fitzel
