// The words the game shows the player.
//
// Each is written in English inside FITZEL_TEXT("fitzel", ...), which the translators' tool
// (lupdate, told that FITZEL_TEXT marks a text as Qt's QT_TRANSLATE_NOOP does) files under the
// context it names, the one every text of the game's shares. The platform gives each in the
// player's language (Platform::translated), and only then does the game fill in its numbers,
// names and faults.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#define FITZEL_TEXT(context, english) english

namespace fitzel {

// The text with each "%1" to "%9" replaced by the word of that number, so that a translation may
// put them in another order. The words themselves are never read for marks: a player's name
// holding "%2" stays as typed.
inline std::string filled(std::string_view text, std::initializer_list<std::string_view> words) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : words.size();
        if (text[i] == '%' && n < words.size()) {
            out += words.begin()[n];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace fitzel
