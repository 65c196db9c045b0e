// The piece catalogue: the 35 shapes from "Shapes.dat" and the pictures of the strip.
#include <string>

#include "game/DataFiles.h"
#include "game/TextLines.h"
#include "game/modGeneral.h"

namespace fitzel {
namespace {

// Only the first 35 lines matter, and only their first nine characters; a file this large
// holding fewer than 35 lines is broken rather than worth reading to its end.
constexpr std::size_t kShapesFileLimit = 1 << 20;

constexpr char kNotFound[] = FITZEL_TEXT("fitzel", "File not found");
constexpr char kLinesBeyondLimit[] =
    FITZEL_TEXT("fitzel", "The first 35 lines are not within the file's first MiB.");
constexpr char kTooFewLines[] =
    FITZEL_TEXT("fitzel", "The file holds %1 lines; the game needs 35.");

}  // namespace

void modGeneral::LoadShapes() {
    const std::string path = dataPath(kShapesFile);
    const Read<FileBytes> file = platform_.readFile(path, kShapesFileLimit);
    if (file.fault || !file.value.found) {
        platform_.fatalError(path, file.fault.value_or(say(kNotFound)));
    }
    const std::vector<std::string> lines = splitLines(file.value.bytes, kPieceCount, LineEnds::Any);
    if (lines.size() < static_cast<std::size_t>(kPieceCount)) {
        platform_.fatalError(path, file.value.truncated
                                       ? say(kLinesBeyondLimit)
                                       : filled(say(kTooFewLines), {std::to_string(lines.size())}));
    }
    for (int k = 1; k <= kPieceCount; ++k) {
        strShapes[k] = lines[k - 1];
        showPieceCell(k, kWaiting);
    }
}

void modGeneral::ResetPieceStrip() {
    for (int k = 1; k <= kPieceCount; ++k) {
        showPieceCell(k, kWaiting);
    }
}

void modGeneral::showPieceCell(int k, int cell) {
    const std::string path = dataPath(piecePictureFile(k));
    mustShow(path, platform_.showPieceCell(k, path, cell));
}

}  // namespace fitzel
