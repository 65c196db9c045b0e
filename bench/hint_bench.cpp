// How long a hint takes: the best play sought from every state along the greedy player's games
// and along the par plays of many deals, as the Hint item seeks it.
//
// Usage: fitzel_hint_bench <data folder> [deals, 10] [first deal, 1] [budget ms, the game's]
//
// For each deal the greedy player of tools/simulate plays it on the real game, and before each of
// its moves a hint is sought from the state the game is in; then the deal's par is found, its
// play made on the game, and a hint sought before each move again. A hint from a state along the
// par play names a play that scores the par when both are proven. One line a deal, then the
// figures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Players.h"
#include "game/Par.h"

using namespace fitzel;

namespace {

struct Timed {
    double seconds = 0;
    Par par;
};

// The hint from the state the game is in, timed.
Timed hintNow(const modGeneral& game, std::chrono::milliseconds budget) {
    const std::atomic<bool> never{false};
    const auto start = std::chrono::steady_clock::now();
    Par par = findPar(game.patternsToCome(), budget, never,
                      ParStart{maskOf(game.state().blnGrid), game.state().intScore});
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            std::move(par)};
}

// The board made still after a move, as a player sees it before the next.
void settle(modGeneral& game, NullPlatform& platform) {
    while (game.state().blnClearing) {
        platform.fireNext();
    }
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(share * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(at, values.size() - 1)];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 5) {
        std::fprintf(stderr,
                     "usage: fitzel_hint_bench <data folder> [deals] [first] [budget ms]\n");
        return 2;
    }
    const int deals = argc > 2 ? std::atoi(argv[2]) : 10;
    const std::uint64_t first = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    const std::chrono::milliseconds budget(argc > 4 ? std::atol(argv[4]) : kParBudget.count());
    NullPlatform platform;
    if (deals < 1 ||
        !platform.copyFromDisk(std::string(argv[1]) + "/Shapes.dat", platform.path("Shapes.dat"))) {
        std::fprintf(stderr, "fitzel_hint_bench: at least one deal, and %s/Shapes.dat\n", argv[1]);
        return 2;
    }
    modGeneral game(platform);
    game.LoadShapes();

    std::vector<double> seconds;
    int alongPar = 0;
    int keptPar = 0;  // hints along a proven par play whose play, proven, scores the par
    const std::atomic<bool> never{false};
    std::printf("deal\tstates\tp50 ms\tworst ms\tpar\tkept\n");
    for (std::uint64_t deal = first; deal < first + static_cast<std::uint64_t>(deals); ++deal) {
        std::vector<double> own;
        game.newDeal(deal);
        while (game.state().blnInGame) {
            own.push_back(hintNow(game, budget).seconds);
            const std::optional<players::Choice> choice = players::choose(game);
            if (choice) {
                game.picGrid_Click(choice->cell);
            } else {
                game.btnSkip_Click();
            }
            settle(game, platform);
        }
        game.newDeal(deal);
        const Par par = findPar(game.patternsToCome(), budget, never);
        int kept = 0;
        for (int cell : par.play) {
            if (!game.state().blnInGame) {
                break;
            }
            const Timed hint = hintNow(game, budget);
            own.push_back(hint.seconds);
            ++alongPar;
            kept += par.proven && hint.par.proven && hint.par.score == par.score ? 1 : 0;
            players::playAlong(game, platform, {cell});
        }
        keptPar += kept;
        std::printf("%llu\t%zu\t%.1f\t%.1f\t%d%s\t%d\n", static_cast<unsigned long long>(deal),
                    own.size(), percentile(own, 0.5) * 1000, percentile(own, 1.0) * 1000, par.score,
                    par.proven ? "" : " (at least)", kept);
        std::fflush(stdout);
        seconds.insert(seconds.end(), own.begin(), own.end());
    }
    std::printf("\ndeals %d from %llu, budget %lld ms, %zu states\n", deals,
                static_cast<unsigned long long>(first), static_cast<long long>(budget.count()),
                seconds.size());
    std::printf("time to a hint: p50 %.1f ms, p95 %.1f ms, worst %.1f ms\n",
                percentile(seconds, 0.5) * 1000, percentile(seconds, 0.95) * 1000,
                percentile(seconds, 1.0) * 1000);
    std::printf("hints along the par plays that keep the par: %d of %d\n", keptPar, alongPar);
    return 0;
}
