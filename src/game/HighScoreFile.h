// The high-score file: five scrambled lines, each a five-digit score followed by a name.
//
// Pure functions over bytes, so the reading can be fuzzed and the writing checked byte by byte.
// Names are UTF-8 in the game and Latin-1 bytes in the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace fitzel {

// Places 1 (best) to 5; element 0 is unused.
using HighScores = std::array<std::int16_t, 6>;
using HighNames = std::array<std::string, 6>;

// A line as the file stores it, scrambled against the file's key, and back.
std::string scrambleLine(std::string_view plain);
std::string unscrambleLine(std::string_view stored);

// The whole file for a table: five scrambled lines, each ended by CR LF.
std::string encodeHighScoreFile(const HighScores& scores, const HighNames& names);

// Reads a table from the file's bytes. Lines end at CR or CR LF; a missing line reads as score
// 0 and an empty name. Never fails.
void decodeHighScoreFile(std::string_view bytes, HighScores& scores, HighNames& names);

}  // namespace fitzel
