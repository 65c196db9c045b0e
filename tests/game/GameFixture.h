// The game tests' common ground: one run of the program on a fake platform holding its files.
#pragma once

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "game/HighScoreFile.h"
#include "game/modGeneral.h"

namespace fitzel::test {

inline const std::string kSingle = "000010000";
inline const std::string kPlus = "010111010";

// A board as text from cell 1: '#' filled, '.' empty.
inline std::string boardOf(const std::vector<int>& filled) {
    std::string s(25, '.');
    for (int n : filled)
        s[n - 1] = '#';
    return s;
}
// The filled cells of a board written as text.
inline std::vector<int> filledIn(const std::string& board) {
    std::vector<int> filled;
    for (int n = 1; n <= 25; ++n)
        if (board[n - 1] == '#')
            filled.push_back(n);
    return filled;
}
inline std::string cells(const std::array<bool, 26>& grid) {
    std::string s;
    for (int n = 1; n <= 25; ++n)
        s += grid[n] ? '#' : '.';
    return s;
}

// One run of the program, its pieces single cells unless a test writes other shapes.
struct Program {
    Program() {
        game.scriptDraws([this] { return fake.scriptedDraw(); });
        writeShapes(std::vector<std::string>(35, kSingle));
        for (const char* name : {"GridEmpty", "GridFilled", "EGEmpty", "EGFilled"})
            fake.files[fake.path(name + std::string(".bmp"))] = "BM";
        for (int k = 1; k <= 35; ++k)
            fake.files[fake.path((k < 10 ? "0" : "") + std::to_string(k) + ".bmp")] = "BM";
    }
    void writeShapes(const std::vector<std::string>& lines) {
        std::string& bytes = fake.files[fake.path("Shapes.dat")] = "";
        for (const auto& line : lines)
            bytes += line + "\r\n";
    }
    // Start-up, then File > New dealing piece `first`.
    void start(int first) {
        game.LoadShapes();
        game.ResetLabels();
        deal({first});
        game.NewGame();
    }
    // The next draws give these pieces: Int(r x 35) + 1 = k.
    void deal(std::initializer_list<int> pieces) {
        for (int k : pieces)
            fake.randoms.push_back((k - 0.5) / 35);
    }
    // The labels and the deal in one line, as "Score\n3|Time Left\n10|piece 6|33 left|playing".
    std::string state() const {
        return fake.scoreLabel + "|" + fake.timeLabel + "|piece " +
               std::to_string(game.state().intCurrentPiece) + "|" +
               std::to_string(game.state().intPiecesLeft) + " left|" +
               (game.state().blnInGame ? "playing" : "over");
    }

    FakePlatform fake;
    modGeneral game{fake};
};

struct GameTest : ::testing::Test, Program {};

}  // namespace fitzel::test
