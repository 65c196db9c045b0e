// What the par play watched and the hint act through on the main window: the same controls a
// player uses.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "game/modGeneral.h"

class QPushButton;
class QWidget;

namespace fitzel {

class BoardOverlay;
class PictureBox;

struct BoardControls {
    QWidget* window = nullptr;        // the main window, whose keys stop a watched play
    BoardOverlay* overlay = nullptr;  // places a piece as a click does; tints; tells
    QPushButton* skip = nullptr;
    std::array<PictureBox*, kBoardCells + 1> cells{};  // board cells 1 to 25
    // Starts a game dealt from a number as File > New starts one.
    std::function<void(std::uint64_t)> startDeal;
};

}  // namespace fitzel
