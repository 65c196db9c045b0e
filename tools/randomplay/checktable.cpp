// checktable TABLE [EARLIER]: whether a high-score table file is one the game wrote whole, and,
// given the table as it was before a run of the game, whether it is that table or a later one.
//
// The game's own reader decodes the file; a whole table is one the game's own writer gives back
// byte for byte, its scores never negative and best first. A later table came from entering
// scores into the earlier one, which only ever raises the score at each place. Prints the table
// and "same", "later" or what is wrong; exits 0 for a whole table that is the same or later.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "game/HighScoreFile.h"

namespace {

struct Table {
    std::string bytes;
    fitzel::HighScores scores{};
    fitzel::HighNames names;
};

std::optional<Table> readTable(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    Table table;
    table.bytes.assign(std::istreambuf_iterator<char>(file), {});
    fitzel::decodeHighScoreFile(table.bytes, table.scores, table.names);
    return table;
}

// What is wrong with the table as the game's writer would have left it, or nothing.
std::string wholeFault(const Table& table) {
    if (fitzel::encodeHighScoreFile(table.scores, table.names) != table.bytes) {
        return "not as the game writes a table (half-written or damaged)";
    }
    for (int k = 1; k <= 5; ++k) {
        if (table.scores[k] < 0) {
            return "a negative score at place " + std::to_string(k);
        }
        if (k > 1 && table.scores[k] > table.scores[k - 1]) {
            return "place " + std::to_string(k) + " beats the place above it";
        }
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::cerr << "usage: checktable TABLE [EARLIER]\n";
        return 2;
    }
    const std::optional<Table> table = readTable(argv[1]);
    if (!table) {
        std::cout << argv[1] << ": missing\n";
        return 1;
    }
    for (int k = 1; k <= 5; ++k) {
        std::cout << k << ". " << table->scores[k] << ' ' << table->names[k] << '\n';
    }
    if (const std::string fault = wholeFault(*table); !fault.empty()) {
        std::cout << argv[1] << ": " << fault << '\n';
        return 1;
    }
    if (argc == 2) {
        return 0;
    }
    const std::optional<Table> earlier = readTable(argv[2]);
    if (!earlier) {
        std::cout << argv[2] << ": missing\n";
        return 1;
    }
    if (table->bytes == earlier->bytes) {
        std::cout << "same\n";
        return 0;
    }
    for (int k = 1; k <= 5; ++k) {
        if (table->scores[k] < earlier->scores[k]) {
            std::cout << "place " << k << " fell from " << earlier->scores[k] << " to "
                      << table->scores[k] << ": scores were lost\n";
            return 1;
        }
    }
    std::cout << "later\n";
    return 0;
}
