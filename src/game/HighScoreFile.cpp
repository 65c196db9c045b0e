// Scrambling, reading and writing the high-score file.
#include "game/HighScoreFile.h"

#include <algorithm>
#include <cstdint>

#include "game/TextLines.h"

namespace fitzel {
namespace {

// Every line is scrambled against this key; character j of a line uses key character
// (j mod 22) + 1, counting from 1.
constexpr std::string_view kScrambleKey = "Pendleford Ash-Yo 1984";

constexpr int kScoreFieldWidth = 5;
constexpr int kNameColumn = kScoreFieldWidth + 1;

// The key's byte for line position j (from 1): key character (j mod 22) + 1.
unsigned char keyFor(std::size_t j) {
    return static_cast<unsigned char>(kScrambleKey[j % kScrambleKey.size()]);
}

// The next code point of a UTF-8 text, or -1 for a malformed sequence (one byte is consumed).
long nextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80) {
        return lead;
    }
    int more = 0;
    long code = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1, code = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2, code = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3, code = lead & 0x07;
    } else {
        return -1;
    }
    if (i + more > text.size()) {
        return -1;
    }
    for (int n = 0; n < more; ++n) {
        if ((byte(i + n) & 0xC0) != 0x80) {
            return -1;
        }
        code = (code << 6) | (byte(i + n) & 0x3F);
    }
    i += more;
    return code;
}

// The score field's value: blanks skipped, an optional sign and the digits that follow, the
// rest ignored; no number gives 0. A value beyond 16 bits is held at the nearest 16-bit value.
std::int16_t scoreFieldValue(std::string_view field) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    std::size_t i = 0;
    while (i < field.size() && isBlank(field[i])) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    long value = 0;
    for (; i < field.size(); ++i) {
        if (isBlank(field[i])) {
            continue;
        }
        if (field[i] < '0' || field[i] > '9') {
            break;
        }
        value = std::min(value * 10 + (field[i] - '0'), 1'000'000L);
    }
    value = negative ? -value : value;
    return static_cast<std::int16_t>(std::clamp<long>(value, INT16_MIN, INT16_MAX));
}

// The score written as five digits, zeros in front.
std::string scoreField(std::int16_t score) {
    const bool negative = score < 0;
    std::string digits = std::to_string(negative ? -static_cast<int>(score) : score);
    const std::size_t width = negative ? kScoreFieldWidth - 1 : kScoreFieldWidth;
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
}

// A name as the file holds it: each character as one Latin-1 byte, "?" where the character has
// no Latin-1 byte or where its scrambled byte would end the line (10 or 13) at that position.
// `column` is the name's first position in the line (kNameColumn, after the score field).
std::string storableName(std::string_view utf8Name, int column) {
    std::string stored;
    std::size_t j = static_cast<std::size_t>(column);
    for (std::size_t i = 0; i < utf8Name.size(); ++j) {
        const long code = nextCodePoint(utf8Name, i);
        unsigned char byte = (code >= 0 && code <= 0xFF) ? static_cast<unsigned char>(code) : '?';
        // A scrambled 10 or 13 would end the line when the file is read back.
        const int scrambled = (byte + keyFor(j)) % 256;
        if (scrambled == '\n' || scrambled == '\r') {
            byte = '?';
        }
        stored.push_back(static_cast<char>(byte));
    }
    return stored;
}

// A name read from the file, its Latin-1 bytes as UTF-8.
std::string utf8FromLatin1(std::string_view latin1) {
    std::string text;
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text.push_back(c);
        } else {
            text.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            text.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return text;
}

}  // namespace

std::string scrambleLine(std::string_view plain) {
    std::string stored(plain.size(), '\0');
    for (std::size_t j = 1; j <= plain.size(); ++j) {
        const auto p = static_cast<unsigned char>(plain[j - 1]);
        stored[j - 1] = static_cast<char>((p + keyFor(j)) % 256);
    }
    return stored;
}

std::string unscrambleLine(std::string_view stored) {
    std::string plain(stored.size(), '\0');
    for (std::size_t j = 1; j <= stored.size(); ++j) {
        const auto c = static_cast<unsigned char>(stored[j - 1]);
        plain[j - 1] = static_cast<char>((c + 256 - keyFor(j)) % 256);
    }
    return plain;
}

std::string encodeHighScoreFile(const HighScores& scores, const HighNames& names) {
    std::string file;
    for (int k = 1; k <= 5; ++k) {
        file += scrambleLine(scoreField(scores[k]) + storableName(names[k], kNameColumn));
        file += "\r\n";
    }
    return file;
}

void decodeHighScoreFile(std::string_view bytes, HighScores& scores, HighNames& names) {
    const std::vector<std::string> lines = splitLines(bytes, 5, LineEnds::CarriageReturn);
    for (int k = 1; k <= 5; ++k) {
        scores[k] = 0;
        names[k].clear();
        if (static_cast<std::size_t>(k) > lines.size()) {
            continue;
        }
        const std::string plain = unscrambleLine(lines[k - 1]);
        scores[k] = scoreFieldValue(std::string_view(plain).substr(0, kScoreFieldWidth));
        if (plain.size() > kScoreFieldWidth) {
            names[k] = utf8FromLatin1(std::string_view(plain).substr(kScoreFieldWidth));
        }
    }
}

}  // namespace fitzel
