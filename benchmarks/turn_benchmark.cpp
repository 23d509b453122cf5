// The cost of one turn (a slide to the left with its spawn pass) next to the
// floor that the rules put under it: the same random draws, made alone.
//
// Both benchmarks run from the same seed over the same 1,000 turns' worth of
// draws, so the floor makes exactly as many rand() calls as the turns did.
#include "game.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int turnsPerIteration = 1000;
constexpr unsigned seed = 2026;

// A mid-game board on which a slide to the left moves tiles, so every turn
// ends with a spawn pass.
constexpr std::int32_t midGame[boardSize][boardSize] = {
    {2, 0, 4, 8},
    {0, 2, 16, 2},
    {4, 32, 0, 0},
    {8, 0, 2, 64},
};

int tiles(const Game& game)
{
    int count = 0;
    for (const auto& row : game.grid) {
        for (std::int32_t cell : row)
            count += cell != 0;
    }
    return count;
}

// The rand() calls that turnsPerIteration turns from `seed` make: 16 for each
// spawn pass and one for each tile that it places.
long drawsOfTheTurns()
{
    Game game(nullptr, nullptr);
    std::memcpy(game.grid, midGame, sizeof game.grid);
    game.slide(Left);
    const int afterSlide = tiles(game);

    std::srand(seed);
    long draws = 0;
    for (int turn = 0; turn < turnsPerIteration; ++turn) {
        std::memcpy(game.grid, midGame, sizeof game.grid);
        game.playMove(Left);
        draws += 16 + tiles(game) - afterSlide;
    }
    return draws;
}

void turns(benchmark::State& state)
{
    Game game(nullptr, nullptr);
    for (auto _ : state) {
        std::srand(seed);
        for (int turn = 0; turn < turnsPerIteration; ++turn) {
            std::memcpy(game.grid, midGame, sizeof game.grid);
            benchmark::DoNotOptimize(game.playMove(Left));
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * turnsPerIteration);
}

void drawsAlone(benchmark::State& state)
{
    const long draws = drawsOfTheTurns();
    for (auto _ : state) {
        std::srand(seed);
        for (long draw = 0; draw < draws; ++draw)
            benchmark::DoNotOptimize(std::rand());
    }
    state.counters["draws/turn"] = static_cast<double>(draws) / turnsPerIteration;
    state.SetItemsProcessed(state.iterations() * turnsPerIteration);
}

BENCHMARK(turns)->Name("turn (playMove Left with its spawn pass), 1000 turns");
BENCHMARK(drawsAlone)->Name("floor: the same rand() draws alone, 1000 turns' worth");

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double turn = reporter.nanosecondsOf("turn");
    const double floor = reporter.nanosecondsOf("floor");
    if (turn > 0 && floor > 0) {
        std::printf("\none turn: %.1f ns; its draws alone: %.1f ns; ratio %.2f (goal: at most 1.5)\n",
                    turn / turnsPerIteration, floor / turnsPerIteration, turn / floor);
    }
    benchmark::Shutdown();
    return 0;
}
