// The common set-up of the game tests: the data files on a fake platform, and the game on it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "FakePlatform.h"

namespace fitzel::test {

inline const std::string kSingle = "000010000";
inline const std::string kSquare = "000011011";  // a 2x2 square with its key square top-left
inline const std::string kPlus = "010111010";
inline const std::string kFull = "111111111";

// The random value that deals piece k.
inline double pick(int k) {
    return (k - 0.5) / 35.0;
}

inline std::string pictureName(int k) {
    char name[16];
    std::snprintf(name, sizeof name, "%02d.bmp", k);
    return name;
}

// A board or preview as text, one character a cell: '#' filled, '.' empty.
template <std::size_t N>
std::string cells(const std::array<bool, N>& flags) {
    std::string s;
    for (std::size_t n = 1; n < N; ++n) {
        s += flags[n] ? '#' : '.';
    }
    return s;
}
template <std::size_t N>
std::string cells(const std::array<FakePlatform::CellShow, N>& shown) {
    std::string s;
    for (std::size_t n = 1; n < N; ++n) {
        s += shown[n].path.empty() ? '?' : shown[n].look == CellLook::Filled ? '#' : '.';
    }
    return s;
}
inline std::string boardOf(const std::vector<int>& filled) {
    std::string s(25, '.');
    for (int n : filled) {
        s[n - 1] = '#';
    }
    return s;
}

class GameTest : public ::testing::Test {
  protected:
    GameTest() {
        fake.attach(&game);
        std::vector<std::string> shapes(35, kSingle);
        shapes[1] = kSquare;
        shapes[2] = kPlus;
        shapes[3] = kFull;
        writeShapes(shapes);
        for (int k = 1; k <= 35; ++k) {
            fake.files[fake.path(pictureName(k))] = "BM piece";
        }
        for (const char* name :
             {"GridEmpty.bmp", "GridFilled.bmp", "EGEmpty.bmp", "EGFilled.bmp"}) {
            fake.files[fake.path(name)] = "BM cell";
        }
    }

    void writeShapes(const std::vector<std::string>& lines, const std::string& end = "\r\n") {
        std::string bytes;
        for (const auto& line : lines) {
            bytes += line + end;
        }
        fake.files[fake.path("Shapes.dat")] = bytes;
    }

    // Start-up, then File > New dealing `first` (pieces: 1 single, 2 square, 3 plus, 4 full).
    void start(int first) {
        game.LoadShapes();
        game.ResetLabels();
        deal({first});
        game.NewGame();
    }
    void deal(std::initializer_list<int> pieces) {
        for (int k : pieces) {
            fake.randoms.push_back(pick(k));
        }
    }
    void fill(std::initializer_list<int> filled) {
        for (int n : filled) {
            game.blnGrid[n] = true;
        }
    }
    int gameOverBoxes() const {
        int count = 0;
        for (const auto& box : fake.boxes) {
            count += box.text == "Game Over - No Pieces Left!     " &&
                     box.title == "Fitzel! - Game Over!" && box.icon == BoxIcon::Information &&
                     box.buttons == BoxButtons::Ok && !box.input;
        }
        return count;
    }

    FakePlatform fake;
    modGeneral game{fake};
};

}  // namespace fitzel::test
