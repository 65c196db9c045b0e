// Where everything stands on the main window, in twips from the top-left corner of its client
// area.
#pragma once

#include <array>

#include "forms/Twips.h"

namespace fitzel {

namespace layout {

// The client area, below the menu bar: the window cannot be resized.
inline constexpr Twips kClient{0, 0, 4935, 7950};

// The dark panel behind the strip, and the red frames round the board and the preview.
inline constexpr Twips kFramPieces{255, 120, 4440, 3210};
inline constexpr Twips kFramGrid{105, 3825, 2970, 2895};
inline constexpr Twips kFramEGGrid{3330, 3825, 1395, 1395};

// The top-left corner of each strip cell, pieces 1 to 35 in five rows of seven; each cell
// takes the size of the picture it shows.
inline constexpr std::array<TwipsPoint, 36> kStrip = {{
    {0, 0},  // (unused)
    {570, 420},  {1170, 240},  {1770, 240},  {2370, 240},  {2970, 240},  {3570, 240},  {4170, 240},
    {390, 840},  {1170, 840},  {1590, 840},  {2190, 840},  {2790, 840},  {3390, 840},  {3990, 840},
    {390, 1440}, {1170, 1440}, {1590, 1440}, {2190, 1440}, {2790, 1620}, {3390, 1440}, {4170, 1440},
    {390, 2220}, {990, 2220},  {1590, 2220}, {2190, 2040}, {2790, 2040}, {3585, 2040}, {4170, 2040},
    {390, 2820}, {990, 2640},  {1590, 2820}, {2370, 2640}, {2790, 2820}, {3585, 2640}, {4005, 2805},
}};

// Board cell n (1 to 25), row by row from the top left; the cells touch.
constexpr Twips boardCell(int n) {
    return {120 + 585 * ((n - 1) % 5), 3840 + 570 * ((n - 1) / 5), 585, 570};
}

// Preview cell n (1 to 9), row by row; the centre, the key square, has a place and size of its
// own.
constexpr Twips previewCell(int n) {
    if (n == 5) {
        return {3780, 4290, 480, 465};
    }
    return {3345 + 450 * ((n - 1) % 3), 3840 + 450 * ((n - 1) / 3), 450, 450};
}

inline constexpr Twips kTimeRemaining{3240, 5520, 1620, 1005};
inline constexpr Twips kScore{3240, 6720, 1620, 1005};
inline constexpr Twips kSkip{960, 7080, 1170, 585};

}  // namespace layout
}  // namespace fitzel
