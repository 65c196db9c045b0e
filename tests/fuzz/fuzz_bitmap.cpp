// Fuzzes the program's own bitmap reader: any bytes give a picture of the size its header
// claims, all its rows in the bytes, or none, with a fault only for a broken bitmap; never a read
// past the bytes.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "forms/PlainBitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const fitzel::Read<QImage> read = fitzel::decodePlainBitmap(bytes);
    const QImage& image = read.value;
    // Its rows, each padded to four bytes, after a header of 54 bytes at least.
    const qint64 rows = (image.width() * 3 + 3) / 4 * 4 * static_cast<qint64>(image.height());
    if (!image.isNull() && (read.fault || image.width() > 4096 || image.height() > 4096 ||
                            bytes.size() < 54 + rows)) {
        std::abort();
    }
    return 0;
}
