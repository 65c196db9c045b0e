// The 5x5 board and the 3x3 preview: clearing them and painting them from their arrays.
#include <string>

#include "game/DataFiles.h"
#include "game/modGeneral.h"

namespace fitzel {

void modGeneral::ClearPreview() {
    for (int n = 1; n <= kPreviewCells; ++n) {
        blnPreview[n] = false;
        showPreviewCell(n, false);
    }
}

void modGeneral::ClearBoard() {
    for (int n = 1; n <= kBoardCells; ++n) {
        blnGrid[n] = false;
        showBoardCell(n, false);
    }
}

void modGeneral::DrawPreview() {
    const std::string& pattern = strShapes[intCurrentPiece];
    for (int n = 1; n <= kPreviewCells; ++n) {
        // Any digit 1 to 9 shows filled, so a key square written "2" shows like "1"; a missing
        // or non-digit character shows empty.
        const char c = n <= static_cast<int>(pattern.size()) ? pattern[n - 1] : '\0';
        blnPreview[n] = c >= '1' && c <= '9';
        showPreviewCell(n, blnPreview[n]);
    }
}

void modGeneral::DrawBoard() {
    for (int n = 1; n <= kBoardCells; ++n) {
        showBoardCell(n, blnGrid[n]);
    }
}

void modGeneral::showBoardCell(int n, bool filled) {
    const std::string path = dataPath(filled ? kGridFilledFile : kGridEmptyFile);
    mustShow(path, platform_.showBoardCell(n, filled ? CellLook::Filled : CellLook::Empty, path));
}

void modGeneral::showPreviewCell(int n, bool filled) {
    const std::string path = dataPath(filled ? kPreviewFilledFile : kPreviewEmptyFile);
    mustShow(path, platform_.showPreviewCell(n, filled ? CellLook::Filled : CellLook::Empty, path));
}

void modGeneral::mustShow(const std::string& path, const Fault& fault) {
    // A picture the game cannot show is a broken data file: the game cannot go on without it.
    if (fault) {
        platform_.fatalError(path, *fault);
    }
}

}  // namespace fitzel
