// The cost of one whole redraw (drawFrame) on a full board, next to its floor:
// one blit of the background and one flip, on the same display surface.
//
// Runs on SDL's dummy video driver with the real pictures and font, as the game
// loads them, so the figures follow the pixel formats of the files in data/.
//
// usage: frame_benchmark [--data=DIR] [Google Benchmark flags]
//        (by default the medians of 9 repetitions in random order)
//        frame_benchmark [--data=DIR] --only=frame|floor [--times=N]
// The second form draws N frames (or floors, default 100) after one untimed
// warm-up and nothing else, for valgrind: the loops are the functions
// countedFrames and countedFloors, for callgrind's --toggle-collect.
#include "app/display.h"
#include "game.h"
#include "play/frame.h"
#include "ratio_reporter.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Every number from 2 to 2048 at least once, so each label is drawn.
constexpr std::int32_t fullBoard[boardSize][boardSize] = {
    {2, 4, 8, 16},
    {32, 64, 128, 256},
    {512, 1024, 2048, 2},
    {4, 8, 16, 32},
};

Game* game = nullptr;
TTF_Font* font = nullptr;

void floorOnce()
{
    SDL_Rect zeroRect = {0, 0, 0, 0};  // SDL writes the clipped size back into it
    SDL_BlitSurface(game->background, nullptr, game->screen, &zeroRect);
    SDL_Flip(game->screen);
}

void frame(benchmark::State& state)
{
    for (auto _ : state)
        drawFrame(*game, game->screen, font);
}

void floorBlit(benchmark::State& state)
{
    for (auto _ : state)
        floorOnce();
}

BENCHMARK(frame)->Name("frame: drawFrame on a full board");
BENCHMARK(floorBlit)->Name("floor: one blit of the background and a flip");

// Builds the game as main() does, in `dataDir`; false (after saying why) if it cannot.
bool setUp(const char* dataDir)
{
    if (chdir(dataDir) != 0) {
        std::perror(dataDir);
        return false;
    }
    // The dummy driver unless the caller insists on another.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (initDisplay("frame benchmark", 640, 480).surface == nullptr)
        return false;
    TTF_Init();
    font = TTF_OpenFont("times.ttf", 25);
    game = new Game(displaySurface, font);
    if (font == nullptr || game->screen == nullptr || game->background == nullptr || game->tileImage == nullptr ||
        game->emptyImage == nullptr) {
        std::fprintf(stderr, "frame_benchmark: the pictures or the font of %s did not all load\n", dataDir);
        return false;
    }
    std::memcpy(game->grid, fullBoard, sizeof game->grid);
    return true;
}

// What --only prints: the formats that decide each blit's cost.
void describe(const char* name, const SDL_Surface* surface)
{
    std::printf("%-10s %4d x %-4d %2d bits a pixel%s%s\n", name, surface->w, surface->h, surface->format->BitsPerPixel,
                surface->flags & SDL_SRCALPHA ? ", alpha" : "", surface->flags & SDL_SRCCOLORKEY ? ", colour key" : "");
}

}  // namespace

// Named and kept out of line so that callgrind can count exactly these loops.
extern "C" __attribute__((noinline)) void countedFrames(int times)
{
    for (int i = 0; i < times; ++i)
        drawFrame(*game, game->screen, font);
}

extern "C" __attribute__((noinline)) void countedFloors(int times)
{
    for (int i = 0; i < times; ++i)
        floorOnce();
}

int main(int argc, char** argv)
{
    // Medians of repetitions run in random order by default, so that a burst of
    // load on a shared machine falls on both figures alike; flags given on the
    // command line come later and win.
    std::vector<char*> args = {argv[0], const_cast<char*>("--benchmark_repetitions=9"),
                               const_cast<char*>("--benchmark_enable_random_interleaving=true"),
                               const_cast<char*>("--benchmark_report_aggregates_only=true")};
    args.insert(args.end(), argv + 1, argv + argc);
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    std::string dataDir = SLIDIX_DATA_DIR, only;
    int times = 100;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--data=", 0) == 0)
            dataDir = arg.substr(7);
        else if (arg.rfind("--only=", 0) == 0)
            only = arg.substr(7);
        else if (arg.rfind("--times=", 0) == 0)
            times = std::atoi(arg.c_str() + 8);
        else {
            std::fprintf(stderr, "frame_benchmark: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (!setUp(dataDir.c_str()))
        return 1;

    if (!only.empty()) {
        if (only != "frame" && only != "floor") {
            std::fprintf(stderr, "frame_benchmark: --only takes frame or floor\n");
            return 2;
        }
        describe("screen", game->screen);
        describe("back.png", game->background);
        describe("box.png", game->tileImage);
        describe("alphabox", game->emptyImage);
        describe("label 2", game->labels[1]);
        std::fflush(stdout);
        // The first frame renders and caches the glyphs: leave it out.
        drawFrame(*game, game->screen, font);
        floorOnce();
        if (only == "frame")
            countedFrames(times);
        else
            countedFloors(times);
        return 0;
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double frameTime = reporter.nanosecondsOf("frame");
    const double floorTime = reporter.nanosecondsOf("floor");
    if (frameTime > 0 && floorTime > 0) {
        std::printf("\none frame: %.1f us; its floor: %.1f us; ratio %.2f (goal: at most 1.5)\n", frameTime / 1000,
                    floorTime / 1000, frameTime / floorTime);
    }
    benchmark::Shutdown();
    return 0;
}
