// The lettering of the main window's two labels ("Time Left", "Score" and their numbers): the
// words and digits drawn once in the script face by the picture generator (tools/makepictures),
// so that showing them needs no font at all. Shared by the generator and the labels.
#pragma once

#include <array>

namespace fitzel::lettering {

// Dancing Script Bold at 27 pixels: "Brush Script MT" at 20.25 points on a screen of 96 dots
// an inch, which the labels were designed for.
inline constexpr char kFamily[] = "Dancing Script";
inline constexpr int kPixelSize = 27;

// Each picture is one line high, its text's baseline kBaseline pixels down, and as wide as the
// text's advance plus kPad blank pixels on each side, where the strokes of a script face reach
// past their advance. Pictures set side by side kPad pixels into each other, and one line under
// another, spell what the font would.
inline constexpr int kLineHeight = 33;
inline constexpr int kBaseline = 25;
inline constexpr int kPad = 4;

// The window's background, which the lettering is drawn on.
inline constexpr int kGroundRed = 255, kGroundGreen = 224, kGroundBlue = 192;

// What the labels show, each with its picture's name: ":/lettering/NAME.bmp" (and "NAME@2x.bmp"
// drawn at twice the size). A whole heading is one picture, in English and in each language the
// game is translated into (translations/); numbers are spelt digit by digit. A heading without a
// picture is written in the font, when it is installed.
struct Glyph {
    const char* text;
    const char* name;
};
inline constexpr std::array<Glyph, 17> kGlyphs = {{
    {"Time Left", "time-left"},
    {"Score", "score"},
    {"Restzeit", "restzeit"},
    {"Punkte", "punkte"},
    {"Temps", "temps"},
    {"Tiempo", "tiempo"},
    {"Puntos", "puntos"},
    {"0", "digit0"},
    {"1", "digit1"},
    {"2", "digit2"},
    {"3", "digit3"},
    {"4", "digit4"},
    {"5", "digit5"},
    {"6", "digit6"},
    {"7", "digit7"},
    {"8", "digit8"},
    {"9", "digit9"},
}};

// The Skip button's face, the word in each language with its picture ":/NAME.png" (and
// "NAME@2x.png"). A language whose word has no picture yet shows the English face.
inline constexpr std::array<Glyph, 4> kSkipFaces = {{
    {"Skip", "skip"},
    {"Passen", "skip-passen"},
    {"Passer", "skip-passer"},
    {"Pasar", "skip-pasar"},
}};

}  // namespace fitzel::lettering
