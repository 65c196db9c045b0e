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

// Every line is scrambled against this key; character j of a line uses key character
// (j mod 22) + 1, counting from 1.
inline constexpr std::string_view kScrambleKey = "Pendleford Ash-Yo 1984";

// Places 1 (best) to 5; element 0 is unused.
using HighScores = std::array<std::int16_t, 6>;
using HighNames = std::array<std::string, 6>;

std::string scrambleLine(std::string_view plain);
std::string unscrambleLine(std::string_view stored);

// The score field's value: blanks skipped, an optional sign and the digits that follow, the
// rest ignored; no number gives 0. A value beyond 16 bits is held at the nearest 16-bit value.
std::int16_t scoreFieldValue(std::string_view field);

// The score written as five digits, zeros in front.
std::string scoreField(std::int16_t score);

// A name as the file holds it: each character as one Latin-1 byte, "?" where the character has
// no Latin-1 byte or where its scrambled byte would end the line (10 or 13) at that position.
// `column` is the name's first position in the line (6, after the score field).
std::string storableName(std::string_view utf8Name, int column = 6);

std::string utf8FromLatin1(std::string_view latin1);

// The whole file for a table: five scrambled lines, each ended by CR LF.
std::string encodeHighScoreFile(const HighScores& scores, const HighNames& names);

// Reads a table from the file's bytes. Lines end at CR or CR LF; a missing line reads as score
// 0 and an empty name. Never fails.
void decodeHighScoreFile(std::string_view bytes, HighScores& scores, HighNames& names);

}  // namespace fitzel
