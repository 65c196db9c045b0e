// The names and paths of the game's data files.
#include "game/DataFiles.h"

namespace fitzel {

std::string piecePictureFile(int k) {
    std::string number = std::to_string(k);
    if (number.size() < 2) {
        number.insert(0, "0");
    }
    return number + ".bmp";
}

std::string pathInFolder(const std::string& folder, const std::string& fileName) {
    return folder + "/" + fileName;
}

}  // namespace fitzel
