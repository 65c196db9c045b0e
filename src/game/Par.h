// The par of a deal: the best final score that any play of its pieces could have reached.
#pragma once

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace fitzel {

struct Par {
    int score = 0;
    // Whether the search went through every play that could beat `score`. When time ran out
    // first, `score` is the best play found: the par is at least that.
    bool proven = false;
};

// How long the par of a whole deal may take before it settles for the best play found.
inline constexpr std::chrono::milliseconds kParBudget{3000};

// The par of the pieces with these shape patterns, in the order dealt. Gives up after `budget`,
// or soon after `cancelled` turns true, with the best play found so far. Safe to run on any
// thread: it reads nothing but its arguments.
Par findPar(const std::vector<std::string>& patterns, std::chrono::milliseconds budget,
            const std::atomic<bool>& cancelled);

}  // namespace fitzel
