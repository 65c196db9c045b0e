// Reading a deal number as the player types it.
#include "game/Deal.h"

#include <algorithm>

namespace fitzel {

std::optional<std::uint64_t> parseDealNumber(const std::string& text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    if (first >= last) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (auto c = first; c != last; ++c) {
        if (*c < '0' || *c > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<std::uint64_t>(*c - '0');
        if (number > kLastDeal) {
            return std::nullopt;
        }
    }
    return number >= 1 ? std::optional(number) : std::nullopt;
}

}  // namespace fitzel
