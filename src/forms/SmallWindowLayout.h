// Where everything stands on the small windows (scores, how to play, about), in twips from the
// top-left corner of each window's client area.
#pragma once

#include "forms/Twips.h"

namespace fitzel::layout {

// The high-score window: a row for each place, the OK button at the top right.
namespace scores {
inline constexpr Twips kWindow{0, 0, 6000, 3165};
// Place k (1 to 5): its score, then its name beside it; each label then takes its text's size.
constexpr Twips score(int k) {
    return {360, 360 + 480 * (k - 1), 1185, 330};
}
constexpr Twips name(int k) {
    return {1800, 360 + 480 * (k - 1), 1200, 330};
}
inline constexpr Twips kOK{4560, 360, 1215, 375};
}  // namespace scores

// The How To Play window: the OK button at the top right, the instructions below it.
namespace help {
inline constexpr Twips kWindow{0, 0, 6375, 3015};
inline constexpr Twips kOK{4920, 240, 1215, 375};
inline constexpr Twips kInstructions{240, 480, 5895, 2295};
}  // namespace help

// The About window: the icon and the texts beside it, the etched line, then the disclaimer and
// the web link on the left, OK and System Info on the right.
namespace about {
inline constexpr Twips kWindow{0, 0, 5730, 3555};
inline constexpr Twips kIcon{240, 240, 540, 540};
inline constexpr Twips kTitle{1050, 240, 3885, 480};
inline constexpr Twips kVersion{1050, 780, 3885, 225};
inline constexpr Twips kDescription{1050, 1125, 3885, 1170};
inline constexpr Twips kDisclaimer{255, 2625, 3870, 345};
inline constexpr Twips kWeb{240, 3000, 3870, 345};
inline constexpr Twips kOK{4245, 2625, 1260, 345};
inline constexpr Twips kSysInfo{4260, 3075, 1245, 345};
// The etched line's two strokes, from their left end to their right end (not drawn): the grey
// one above, the white one a pixel below.
struct Stroke {
    TwipsPoint from, to;
};
inline constexpr Stroke kLineGrey{{90, 2445}, {5654, 2445}};
inline constexpr Stroke kLineWhite{{105, 2460}, {5654, 2460}};
}  // namespace about

}  // namespace fitzel::layout
