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

}  // namespace

void modGeneral::LoadShapes() {
    const std::string path = dataPath(kShapesFile);
    const Read<FileBytes> file = platform_.readFile(path, kShapesFileLimit);
    if (file.fault || !file.value.found) {
        platform_.fatalError(path, file.fault.value_or("File not found"));
    }
    const std::vector<std::string> lines = splitLines(file.value.bytes, kPieceCount, LineEnds::Any);
    if (lines.size() < static_cast<std::size_t>(kPieceCount)) {
        const std::string count = std::to_string(lines.size());
        platform_.fatalError(path, file.value.truncated
                                       ? "The first 35 lines are not within the file's first MiB."
                                       : "The file holds " + count + " lines; the game needs 35.");
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
