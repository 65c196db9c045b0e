// The game tests' common ground: the game on a fake platform that holds the data files.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "game/HighScoreFile.h"
#include "game/modGeneral.h"

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
    return (k < 10 ? "0" : "") + std::to_string(k) + ".bmp";
}

// Cells as text from cell 1, one character each: '#' filled, '.' empty, '?' never shown.
template <class Cell, std::size_t N>
std::string cells(const std::array<Cell, N>& shown) {
    std::string s;
    for (std::size_t n = 1; n < N; ++n) {
        if constexpr (std::is_same_v<Cell, bool>) {
            s += shown[n] ? '#' : '.';
        } else {
            s += shown[n].path.empty() ? '?' : shown[n].look == CellLook::Filled ? '#' : '.';
        }
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

// The scores of a stored table.
inline HighScores scoresIn(const std::string& file) {
    HighScores scores{};
    HighNames names;
    decodeHighScoreFile(file, scores, names);
    return scores;
}

// One run of the program. Pieces 1 and 5 on are single cells, 2 a square, 3 a plus, 4 all nine.
struct Program {
    Program() {
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
    void writeShapes(const std::vector<std::string>& lines) {
        std::string& bytes = fake.files[fake.path("Shapes.dat")] = "";
        for (const auto& line : lines) {
            bytes += line + "\r\n";
        }
    }
    // Start-up, then File > New dealing piece `first`.
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
    void fill(const std::vector<int>& filled) {
        for (int n : filled) {
            game.blnGrid[n] = true;
        }
    }
    // The labels and the deal in one line, as "Score\n3|Time Left\n10|piece 6|33 left|playing".
    std::string state() const {
        return fake.scoreLabel + "|" + fake.timeLabel + "|piece " +
               std::to_string(game.intCurrentPiece) + "|" + std::to_string(game.intPiecesLeft) +
               " left|" + (game.blnInGame ? "playing" : "over");
    }
    int gameOverBoxes() const {
        return static_cast<int>(
            std::count(fake.boxes.begin(), fake.boxes.end(),
                       "box Fitzel! - Game Over!|Game Over - No Pieces Left!     |information|OK"));
    }

    FakePlatform fake;
    modGeneral game{fake};
};

struct GameTest : ::testing::Test, Program {};

}  // namespace fitzel::test
