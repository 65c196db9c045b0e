// The reader of the game's own bitmaps, in a file of its own as the high-score table's reader is,
// so that it can be fuzzed apart from the windows.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "platform/Platform.h"

namespace fitzel {

// Decodes an uncompressed 24-bit bitmap stored bottom-up, the kind every picture of the game is,
// without the general image reader's search through its format plugins. A null image with no
// fault for any other kind of picture; the fault for a bitmap that is broken (cut short, or
// claiming a size beyond 4096 pixels a side).
Read<QImage> decodePlainBitmap(const QByteArray& bytes);

}  // namespace fitzel
