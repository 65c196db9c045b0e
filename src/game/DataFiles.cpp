// The names and paths of the game's data files.
#include "game/DataFiles.h"

namespace fitzel {

std::string piecePictureFile(int k) {
    return (k < 10 ? "0" : "") + std::to_string(k) + ".bmp";
}

std::string pathInFolder(const std::string& folder, const std::string& fileName) {
    return folder + "/" + fileName;
}

}  // namespace fitzel
