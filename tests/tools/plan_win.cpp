// Plans a won game with every random draw chosen, checks it on the real board code, and writes its draws and keys.
//
// Usage: plan_win DRAWS_FILE KEYS_FILE
#include "game.h"

#include "support/boards.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr int cellCount = boardSize * boardSize;
using FlatCells = std::array<std::int32_t, cellCount>;     // row-major, the order of a spawn pass
using Spawn = std::array<std::int8_t, cellCount>;      // per cell: 0, or the tile a pass places

// Found by trying a range of values: the plan stops getting shorter beyond
// this width, and these weights gave the shortest plans of those tried.
constexpr int beamWidth = 500;
constexpr double snakeRatio = 0.25;  // weight of each snake cell relative to the one before
constexpr double sumWeight = 4.0;
constexpr double emptyWeight = 4.0;
constexpr double pairWeight = 4.0;
constexpr int maxTurns = 400;  // far above any plan found; only bounds a failing search

struct Node {
    FlatCells cells;        // the board at the end of the turn
    Spawn spawned;      // what this turn's spawn pass placed (the first fill for the root)
    int parent;         // index in the previous level; -1 for the first board
    Direction key;      // the key of this turn
    std::uint64_t id;   // the board, packed; also breaks ties so the order is total
    double value;
};

// Every slide goes through the game's own rule, so the plan cannot drift from
// what the game will do with the same keys.
int slideCells(FlatCells& cells, Direction direction)
{
    Game game(nullptr, nullptr);
    std::memcpy(game.grid, cells.data(), sizeof game.grid);
    const int moved = game.slide(direction);
    std::memcpy(cells.data(), game.grid, sizeof game.grid);
    return moved;
}

std::uint64_t pack(const FlatCells& cells)
{
    // Tiles stay below 2^16 in any plan, so an exponent fits in four bits.
    std::uint64_t packed = 0;
    for (std::int32_t value : cells) {
        std::uint64_t exponent = 0;
        while (value > 1) {
            value >>= 1;
            ++exponent;
        }
        packed = packed << 4 | exponent;
    }
    return packed;
}

bool isWon(const FlatCells& cells)
{
    return std::any_of(cells.begin(), cells.end(), [](std::int32_t v) { return v > 1024; });
}

int emptyCells(const FlatCells& cells)
{
    return static_cast<int>(std::count(cells.begin(), cells.end(), 0));
}

// A snake that starts in the top-left corner and turns at each row end.
std::array<int, cellCount> snakeOrder()
{
    std::array<int, cellCount> order{};
    for (int row = 0; row < boardSize; ++row) {
        for (int k = 0; k < boardSize; ++k) {
            const int column = row % 2 == 0 ? k : boardSize - 1 - k;
            order[row * boardSize + k] = row * boardSize + column;
        }
    }
    return order;
}

double evaluate(const FlatCells& cells)
{
    static const std::array<int, cellCount> order = snakeOrder();
    // The snake term keeps the big tiles gathered where they can meet; the sum
    // term rewards every point spawned, since the points are what the win
    // costs; empty cells and equal neighbours are room for the next spawns.
    double value = 0.0;
    double weight = 1.0;
    for (int i = 0; i < cellCount; ++i) {
        value += weight * cells[order[i]];
        weight *= snakeRatio;
    }
    int sum = 0;
    int pairs = 0;
    for (int row = 0; row < boardSize; ++row) {
        for (int column = 0; column < boardSize; ++column) {
            const std::int32_t tile = cells[row * boardSize + column];
            sum += tile;
            if (tile == 0)
                continue;
            if (column + 1 < boardSize && cells[row * boardSize + column + 1] == tile)
                ++pairs;
            if (row + 1 < boardSize && cells[(row + 1) * boardSize + column] == tile)
                ++pairs;
        }
    }
    return value + sumWeight * sum + emptyWeight * emptyCells(cells) + pairWeight * pairs;
}

// The draws that make one spawn pass place exactly `spawned`.
void appendPass(std::vector<int>& draws, const Spawn& spawned)
{
    for (std::int8_t tile : spawned) {
        if (tile == 0) {
            draws.push_back(1);  // 1 % 9 != 0: this cell gets nothing
        } else {
            draws.push_back(0);                  // 0 % 9 == 0: the (empty) cell gets a tile
            draws.push_back(tile == 4 ? 0 : 1);  // 0 % 8 == 0 makes it a 4, 1 % 8 a 2
        }
    }
}

struct Plan {
    std::vector<Direction> keys;
    std::vector<int> draws;
};

// Beam search over whole turns, a turn being a key plus the tiles its spawn
// pass places. A turn can be followed by 3^n spawns, so only a few shapes are
// tried: none, a single 4, or 4s in every empty cell but one. The last one is
// what makes a short plan possible: the win costs over 2000 points, and a
// spawn pass is the only source of them.
bool search(Plan& plan)
{
    std::vector<std::vector<Node>> levels;
    {
        // The first pass fills all but one corner with 4s: the most points a
        // first board can hold while still being an ordinary open board.
        Node first{};
        first.parent = -1;
        for (int i = 0; i < cellCount; ++i) {
            const std::int32_t tile = i == cellCount - 1 ? 0 : 4;
            first.cells[i] = tile;
            first.spawned[i] = static_cast<std::int8_t>(tile);
        }
        first.id = pack(first.cells);
        levels.push_back({first});
    }

    const Direction keys[] = {Up, Left, Down, Right};
    int winner = -1;
    for (int turn = 0; turn < maxTurns && winner < 0; ++turn) {
        const std::vector<Node>& current = levels.back();
        std::vector<Node> next;
        std::unordered_set<std::uint64_t> seen;
        // Turns that reach the same board are interchangeable, so the beam keeps one.
        auto offer = [&](Node node) {
            // A full board ends the game as lost, whatever merges it still holds.
            if (emptyCells(node.cells) == 0)
                return;
            node.id = pack(node.cells);
            if (!seen.insert(node.id).second)
                return;
            node.value = evaluate(node.cells);
            next.push_back(node);
        };
        for (int index = 0; index < static_cast<int>(current.size()) && winner < 0; ++index) {
            for (Direction key : keys) {
                Node slid{};
                slid.cells = current[index].cells;
                slid.parent = index;
                slid.key = key;
                if (slideCells(slid.cells, key) == 0)
                    continue;  // a key that moves nothing would do nothing visible
                if (isWon(slid.cells)) {
                    // Won whatever the spawn pass places, so it places nothing.
                    slid.id = pack(slid.cells);
                    next.assign(1, slid);
                    winner = 0;
                    break;
                }
                if (key == Right) {
                    offer(slid);  // no spawn pass follows a slide to the right
                    continue;
                }
                offer(slid);
                std::vector<int> empty;
                for (int i = 0; i < cellCount; ++i) {
                    if (slid.cells[i] == 0)
                        empty.push_back(i);
                }
                for (int chosen : empty) {
                    Node single = slid;
                    single.cells[chosen] = 4;
                    single.spawned[chosen] = 4;
                    offer(single);

                    Node allBut = slid;
                    for (int i : empty) {
                        if (i != chosen) {
                            allBut.cells[i] = 4;
                            allBut.spawned[i] = 4;
                        }
                    }
                    offer(allBut);
                }
            }
        }
        if (next.empty())
            return false;
        std::sort(next.begin(), next.end(), [](const Node& a, const Node& b) {
            return a.value != b.value ? a.value > b.value : a.id < b.id;
        });
        if (static_cast<int>(next.size()) > beamWidth)
            next.resize(beamWidth);
        levels.push_back(std::move(next));
    }
    if (winner < 0)
        return false;

    std::vector<const Node*> path;
    for (int level = static_cast<int>(levels.size()) - 1, index = winner; level >= 0; --level) {
        path.push_back(&levels[level][index]);
        index = path.back()->parent;
    }
    std::reverse(path.begin(), path.end());
    plan.keys.clear();
    plan.draws.clear();
    appendPass(plan.draws, path.front()->spawned);
    for (std::size_t i = 1; i < path.size(); ++i) {
        plan.keys.push_back(path[i]->key);
        if (path[i]->key != Right)
            appendPass(plan.draws, path[i]->spawned);
    }
    return true;
}

// The replay's source of draws: the written plan and nothing else.
std::vector<int> served;
std::size_t nextDraw = 0;
bool overrun = false;

}  // namespace

// These replace the C library's generator in this program, so the board code
// draws exactly what the test's rand() will hand the game.
extern "C" int rand(void)
{
    if (nextDraw >= served.size()) {
        overrun = true;
        return 1;  // what the test serves after its stream: never a tile
    }
    return served[nextDraw++];
}

extern "C" void srand(unsigned)
{
    // A seed must not disturb the planned stream.
}

namespace {

std::string showBoard(const Game& game)
{
    std::string text;
    for (int row = 0; row < boardSize; ++row) {
        text += row == 0 ? "" : " /";
        for (int column = 0; column < boardSize; ++column)
            text += " " + std::to_string(game.grid[row][column]);
    }
    return text;
}

// Plays the plan through the game's own initial fill and turns, fed with
// exactly the draws to be written; the plan is written only if this agrees.
bool replay(const Plan& plan, std::string& finalBoard)
{
    served = plan.draws;
    nextDraw = 0;
    overrun = false;
    Game game(nullptr, nullptr);
    std::memset(game.grid, 0, sizeof game.grid);
    game.fillInitialBoard();
    if (overrun) {
        std::fprintf(stderr, "plan_win: the initial fill ran past the %zu draws\n", served.size());
        return false;
    }
    if (plan.keys.empty()) {
        std::fprintf(stderr, "plan_win: the plan has no turns\n");
        return false;
    }
    for (std::size_t turn = 0; turn < plan.keys.size(); ++turn) {
        const Direction key = plan.keys[turn];
        // A slide draws nothing, so a copy can tell whether this key moves a tile.
        Game probe = game;
        if (probe.slide(key) == 0) {
            std::fprintf(stderr, "plan_win: turn %zu (%s) moves no tile\n", turn + 1, name(key));
            return false;
        }
        const TurnStatus status = game.playMove(key);
        if (overrun) {
            std::fprintf(stderr, "plan_win: turn %zu (%s) ran past the %zu draws\n", turn + 1,
                         name(key), served.size());
            return false;
        }
        const bool last = turn + 1 == plan.keys.size();
        const TurnStatus expected = last ? Won : Playing;
        if (status != expected) {
            std::fprintf(stderr, "plan_win: turn %zu (%s) ended %d instead of %d, board%s\n",
                         turn + 1, name(key), static_cast<int>(status),
                         static_cast<int>(expected), showBoard(game).c_str());
            return false;
        }
    }
    if (nextDraw != served.size()) {
        std::fprintf(stderr, "plan_win: the replay used %zu of the %zu draws\n", nextDraw,
                     served.size());
        return false;
    }
    finalBoard = showBoard(game);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DRAWS_FILE KEYS_FILE\n", argc > 0 ? argv[0] : "plan_win");
        return 2;
    }
    Plan plan;
    if (!search(plan)) {
        std::fprintf(stderr, "plan_win: the search found no won game within %d turns\n", maxTurns);
        return 1;
    }
    std::string finalBoard;
    if (!replay(plan, finalBoard))
        return 1;

    std::ofstream draws(argv[1]);
    for (std::size_t i = 0; i < plan.draws.size(); ++i)
        draws << plan.draws[i] << ((i + 1) % 32 == 0 || i + 1 == plan.draws.size() ? '\n' : ' ');
    draws.close();
    std::ofstream keys(argv[2]);
    for (std::size_t i = 0; i < plan.keys.size(); ++i)
        keys << name(plan.keys[i]) << (i + 1 == plan.keys.size() ? '\n' : ' ');
    keys.close();
    if (draws.fail() || keys.fail()) {
        std::fprintf(stderr, "plan_win: cannot write %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    std::printf("plan_win: %zu turns, %zu draws, final board%s\n", plan.keys.size(),
                plan.draws.size(), finalBoard.c_str());
    return 0;
}
