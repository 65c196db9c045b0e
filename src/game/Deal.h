// A game's deal comes from a number: the same number deals the same pieces in the same order.
//
// Both halves are fixed to the bit by the language's standard (the 64-bit Mersenne twister seeded
// with the number, and the top 53 bits of each value as a fraction), so a number deals alike on
// every machine, compiler, platform and run. A new game takes a fresh number.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace fitzel {

// Deal numbers run from 1 to this: nine digits at most, easy to read out and type.
inline constexpr std::uint64_t kLastDeal = 999'999'999;

// A deal number as the player types it: digits only, blanks around them allowed, from 1 to
// kLastDeal; none for anything else.
std::optional<std::uint64_t> parseDealNumber(const std::string& text);

// A uniform value in [0, 1) from 64 random bits: the top 53 as a fraction, never 1.
constexpr double unitFraction(std::uint64_t bits) {
    return static_cast<double>(bits >> 11) * 0x1.0p-53;
}

// The draws of one deal, in [0, 1).
class DealDraws {
  public:
    explicit DealDraws(std::uint64_t number = 1) : generator_(number) {}
    double next() { return unitFraction(generator_()); }

  private:
    std::mt19937_64 generator_;
};

// Fresh deal numbers, one per new game, from a generator seeded once a run with the system's
// entropy, so that no two runs deal alike; a windowless run seeds it with a fixed value.
class DealNumbers {
  public:
    void seed(std::uint64_t entropy) { generator_.seed(entropy); }
    std::uint64_t next() { return 1 + generator_() % kLastDeal; }

  private:
    std::mt19937_64 generator_;
};

}  // namespace fitzel
