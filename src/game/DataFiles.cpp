// The names and paths of the game's data files.
#include "game/DataFiles.h"

#include <cstdio>

namespace fitzel {

std::string piecePictureFile(int k) {
    // Two digits at least: "01.bmp" to "35.bmp".
    char name[16];
    std::snprintf(name, sizeof name, "%02d.bmp", k);
    return name;
}

std::string pathInFolder(const std::string& folder, const std::string& fileName) {
    return folder + "/" + fileName;
}

}  // namespace fitzel
