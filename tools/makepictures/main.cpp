// Draws every picture the game ships, and its default high-score file, from data/Shapes.dat.
//
// Usage: makepictures <source folder>. Writes, under that folder:
//   data/01.bmp .. data/35.bmp          the piece pictures
//   data/GridEmpty.bmp, GridFilled.bmp  the board's cells
//   data/EGEmpty.bmp, EGFilled.bmp      the preview's cells
//   data/Config.cfg                     the empty high-score table
//   data/icons/hicolor/NxN/apps/fitzel.png
//   src/forms/resources/*.png           the artwork stored with the main window
//   src/forms/resources/lettering/*.bmp the labels' words and digits
// and, beside each picture the game shows, "name@2x" drawn for screens at 200%.
// The output depends on nothing but Shapes.dat, so running it twice changes nothing.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "Artwork.h"
#include "Shapes.h"
#include "forms/Lettering.h"

#include "game/HighScoreFile.h"

namespace {

using namespace makepictures;

bool failed = false;

void report(const QString& what) {
    std::fprintf(stderr, "makepictures: %s\n", what.toLocal8Bit().constData());
    failed = true;
}

void saveImage(const QImage& image, const QString& path, const char* format) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Bitmaps are written at 24 bits a pixel, which every reader loads.
    const QImage out =
        qstrcmp(format, "BMP") == 0 ? image.convertToFormat(QImage::Format_RGB888) : image;
    if (image.isNull() || !out.save(path, format)) {
        report("cannot write " + path);
    }
}

void saveBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        report("cannot write " + path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: makepictures <source folder>\n");
        return 2;
    }
    // No window is opened; the font machinery runs without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString data = root + "/data/";
    const QString resources = root + "/src/forms/resources/";

    // The artwork stored with the main window.
    for (int scale : {1, 2}) {
        const QString at = scale == 1 ? QString() : QStringLiteral("@2x");
        saveImage(icon(32 * scale), resources + "icon" + at + ".png", "PNG");
        for (const auto& face : fitzel::lettering::kSkipFaces) {
            const QImage skip = skipButton(QString::fromUtf8(face.text), scale);
            if (skip.isNull()) {
                report(
                    "the font \"Dancing Script\" is not installed (Debian: fonts-dancingscript)");
            }
            saveImage(skip, resources + face.name + at + ".png", "PNG");
        }
        saveImage(greenCell(39, 38, scale), resources + "cell_board" + at + ".png", "PNG");
        saveImage(greenCell(30, 30, scale), resources + "cell_preview" + at + ".png", "PNG");

        // The board's and the preview's cells.
        saveImage(boardCell(false, scale), data + "GridEmpty" + at + ".bmp", "BMP");
        saveImage(boardCell(true, scale), data + "GridFilled" + at + ".bmp", "BMP");
        saveImage(previewCell(false, scale), data + "EGEmpty" + at + ".bmp", "BMP");
        saveImage(previewCell(true, scale), data + "EGFilled" + at + ".bmp", "BMP");

        // The labels' lettering, read like the game's bitmaps.
        for (const auto& glyph : fitzel::lettering::kGlyphs) {
            QString fault;
            const QImage image = lettering(QString::fromUtf8(glyph.text), scale, fault);
            if (image.isNull()) {
                report("lettering: " + fault);
            }
            saveImage(image, resources + "lettering/" + glyph.name + at + ".bmp", "BMP");
        }
    }

    // The desktop's icons.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QString("%1x%1").arg(size);
        saveImage(icon(size), data + "icons/hicolor/" + name + "/apps/fitzel.png", "PNG");
    }

    // The empty high-score table: five places of score 0 and no name.
    const fitzel::HighScores scores{};
    const fitzel::HighNames names{};
    const std::string table = fitzel::encodeHighScoreFile(scores, names);
    saveBytes(QByteArray(table.data(), static_cast<qsizetype>(table.size())), data + "Config.cfg");

    // The piece pictures.
    QFile shapesFile(data + "Shapes.dat");
    if (!shapesFile.open(QIODevice::ReadOnly)) {
        report("cannot read " + shapesFile.fileName());
        return 1;
    }
    const QByteArray bytes = shapesFile.readAll();
    std::string fault;
    const std::vector<std::string> shapes = parseShapes(bytes.toStdString(), fault);
    if (shapes.empty()) {
        report("Shapes.dat: " + QString::fromStdString(fault));
        return 1;
    }
    for (int k = 1; k <= static_cast<int>(shapes.size()); ++k) {
        const std::string& shape = shapes[static_cast<std::size_t>(k - 1)];
        const QString name = QString("%1").arg(k, 2, 10, QChar('0'));
        saveImage(pieceImage(shape, k), data + name + ".bmp", "BMP");
        saveImage(pieceImage(shape, k, 2), data + name + "@2x.bmp", "BMP");
    }
    return failed ? 1 : 0;
}
