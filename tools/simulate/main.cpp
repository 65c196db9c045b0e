// Plays many games of Fitzel with a greedy player and reports what they score.
//
// Usage: simulate <data folder> [games, 1000] [seed, 1] [lowest mean allowed, 0]
//
// The player is Players.h's greedy one. Ends with 1 when a placement scored other than the player's
// playOut foresaw, or when the mean score is below the lowest allowed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "Players.h"

using namespace fitzel;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: simulate <data folder> [games] [seed] [lowest mean]\n");
        return 2;
    }
    const int games = argc > 2 ? std::atoi(argv[2]) : 1000;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    const double lowestMean = argc > 4 ? std::atof(argv[4]) : 0.0;
    if (games < 1) {
        std::fprintf(stderr, "simulate: at least one game\n");
        return 2;
    }

    NullPlatform platform("/fitzel", seed);
    if (!platform.copyFromDisk(std::string(argv[1]) + "/Shapes.dat", platform.path("Shapes.dat"))) {
        std::fprintf(stderr, "simulate: cannot read %s/Shapes.dat\n", argv[1]);
        return 2;
    }
    modGeneral game(platform);
    game.Randomize();
    game.LoadShapes();

    std::vector<int> scores;
    int skips = 0, surprises = 0;
    for (int g = 0; g < games; ++g) {
        game.NewGame();
        const players::GameResult r = players::playOne(game, platform);
        scores.push_back(r.score);
        skips += r.skips;
        surprises += r.surprises;
    }

    std::vector<int> sorted = scores;
    std::sort(sorted.begin(), sorted.end());
    const double mean = std::accumulate(scores.begin(), scores.end(), 0.0) / games;
    std::printf("games %d, seed %u\n", games, seed);
    std::printf("score: mean %.1f, median %d, min %d, max %d\n", mean, sorted[sorted.size() / 2],
                sorted.front(), sorted.back());
    std::printf("a tenth of the games score below %d, a tenth above %d\n",
                sorted[sorted.size() / 10], sorted[sorted.size() - 1 - sorted.size() / 10]);
    std::printf("skips per game: %.2f\n", static_cast<double>(skips) / games);
    std::printf("virtual time played: %.1f s\n", platform.now() / 1000.0);
    if (surprises != 0) {
        std::printf("placements that scored other than foreseen: %d\n", surprises);
        return 1;
    }
    if (mean < lowestMean) {
        std::printf("the mean score is below %.1f\n", lowestMean);
        return 1;
    }
    return 0;
}
