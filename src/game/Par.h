// The par of a deal: the best final score that any play of its pieces could have reached.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace fitzel {

struct Par {
    int score = 0;
    // The play that reaches the score: for each piece in the order dealt, the cell its key square
    // goes to, or 0 to pass it over (a skip; for the last piece, letting its time run out).
    std::vector<int> play;
    // Whether the search went through every play that could beat `score`. When time ran out
    // first, `score` is the best play found: the par is at least that.
    bool proven = false;
};

// How long the par of a whole deal may take before it settles for the best play found.
inline constexpr std::chrono::milliseconds kParBudget{3000};

// Where the play starts: an empty board at 0 for a whole deal, or the board and score of a game
// under way, its current piece the first of the patterns.
struct ParStart {
    std::uint32_t board = 0;  // bit n - 1 for cell n filled
    int score = 0;
};

// The par of the pieces with these shape patterns, in the order dealt, from `start`. Gives up
// after `budget`, or soon after `cancelled` turns true, with the best play found so far. Safe to
// run on any thread: it reads nothing but its arguments. Where the machine has a second core it
// searches on a second thread too, ended before it returns.
Par findPar(const std::vector<std::string>& patterns, std::chrono::milliseconds budget,
            const std::atomic<bool>& cancelled, const ParStart& start = {});

}  // namespace fitzel
