// A game's deal comes from a number: the same number deals the same pieces in the same order.
//
// Both halves are fixed to the bit by the language's standard (the 64-bit Mersenne twister seeded
// with the number, and the top 53 bits of each value as a fraction), so a number deals alike on
// every machine, compiler and run. A new game takes a fresh number.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "platform/Platform.h"

namespace fitzel {

// Deal numbers run from 1 to this: nine digits at most, easy to read out and type.
inline constexpr std::uint64_t kLastDeal = 999'999'999;

// A deal number as the player types it: digits only, blanks around them allowed, from 1 to
// kLastDeal; none for anything else.
inline std::optional<std::uint64_t> parseDealNumber(const std::string& text) {
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

// The draws of one deal, in [0, 1).
class DealDraws {
  public:
    explicit DealDraws(std::uint64_t number = 1) : generator_(number) {}
    double next() { return unitFraction(generator_()); }

  private:
    std::mt19937_64 generator_;
};

// Fresh deal numbers, one per new game.
class DealNumbers {
  public:
    // Seeded from the system's entropy and the clocks, so that no two runs deal alike.
    DealNumbers() { reseed(); }
    // Seeded with a fixed value, for a windowless run that must repeat itself.
    explicit DealNumbers(std::uint64_t seed) : generator_(seed) {}

    void reseed() {
        std::uint32_t entropy = 0;
        try {
            entropy = std::random_device{}();
        } catch (...) {
            // No entropy source: the clocks alone still differ from run to run.
        }
        const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
        const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
        // The seed sequence takes 32 bits of each value.
        std::seed_seq seed{entropy, halfOf(wall, 0), halfOf(wall, 32), halfOf(steady, 0),
                           halfOf(steady, 32)};
        generator_.seed(seed);
    }
    std::uint64_t next() { return 1 + generator_() % kLastDeal; }

  private:
    static std::uint32_t halfOf(std::int64_t value, int shift) {
        return static_cast<std::uint32_t>(static_cast<std::uint64_t>(value) >> shift);
    }

    std::mt19937_64 generator_;
};

}  // namespace fitzel
