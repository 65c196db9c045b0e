// The par of many deals: how long it takes, how often it is proven, and how far above the greedy
// player it lies.
//
// Usage: fitzel_par_bench <data folder> [deals, 100] [first deal, 1] [budget ms, the game's]
//
// Deals first .. first + deals - 1, each played once to its end by the greedy player of
// tools/simulate on the real game, then its par found as the game finds it, and the par's play
// played on the real game. One line a deal,
// then the figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>
#include <vector>

#include "Players.h"
#include "game/Par.h"

using namespace fitzel;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr, "usage: fitzel_par_bench <data folder> [deals] [first] [budget ms]\n");
        return 2;
    }
    const int deals = argc > 2 ? std::atoi(argv[2]) : 100;
    const std::uint64_t first = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    const std::chrono::milliseconds budget(argc > 4 ? std::atol(argv[4]) : kParBudget.count());
    NullPlatform platform;
    if (deals < 1 ||
        !platform.copyFromDisk(std::string(argv[1]) + "/Shapes.dat", platform.path("Shapes.dat"))) {
        std::fprintf(stderr, "fitzel_par_bench: at least one deal, and %s/Shapes.dat\n", argv[1]);
        return 2;
    }
    modGeneral game(platform);
    game.LoadShapes();

    std::vector<double> seconds;
    std::vector<int> greedyScores, pars;
    int proven = 0;
    int agreed = 0;
    const std::atomic<bool> never{false};
    std::printf("deal\tgreedy\tpar\tproven\tseconds\tplayed\n");
    for (std::uint64_t deal = first; deal < first + static_cast<std::uint64_t>(deals); ++deal) {
        game.newDeal(deal);
        greedyScores.push_back(players::playOne(game, platform).score);
        const std::vector<std::string> patterns = game.dealtPatterns();
        const auto start = std::chrono::steady_clock::now();
        const Par par = findPar(patterns, budget, never);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        pars.push_back(par.score);
        proven += par.proven ? 1 : 0;
        // The par's play, played on the real game, ends at the par.
        game.newDeal(deal);
        players::playAlong(game, platform, par.play);
        const int played = game.state().intScore;
        agreed += played == par.score ? 1 : 0;
        std::printf("%llu\t%d\t%d\t%s\t%.3f\t%d\n", static_cast<unsigned long long>(deal),
                    greedyScores.back(), par.score, par.proven ? "yes" : "no", seconds.back(),
                    played);
        std::fflush(stdout);
    }

    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const auto mean = [](const std::vector<int>& v) {
        return std::accumulate(v.begin(), v.end(), 0.0) / static_cast<double>(v.size());
    };
    std::printf("\ndeals %d from %llu, budget %lld ms\n", deals,
                static_cast<unsigned long long>(first), static_cast<long long>(budget.count()));
    std::printf("time to par: median %.3f s, worst %.3f s\n", sorted[sorted.size() / 2],
                sorted.back());
    std::printf("proven exact: %d of %d\n", proven, deals);
    std::printf("the par's play, played on the game, ends at the par: %d of %d\n", agreed, deals);
    std::printf("mean score: greedy %.1f, par %.1f (gap %.1f)\n", mean(greedyScores), mean(pars),
                mean(pars) - mean(greedyScores));
    return 0;
}
