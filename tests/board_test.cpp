// The board rules without a window: spawn pass, initial fill, end test, score.
#include "game.h"

#include "support/boards.h"
#include "support/scripted_rand.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const Cells emptyBoard = {};

const Cells fullBoard = {{{2, 4, 2, 4}, {4, 2, 4, 2}, {2, 4, 2, 4}, {4, 2, 4, 2}}};

// Draws of 1 never place a tile: 1 % 9 != 0.
std::vector<int> ones(int count)
{
    return std::vector<int>(count, 1);
}

std::vector<int> concat(std::vector<std::vector<int>> parts)
{
    std::vector<int> all;
    for (auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

struct SpawnCase {
    const char* name;
    Cells before;
    std::vector<int> draws;
    Cells after;
    int placed;
    long drawsUsed;
};

TEST(SpawnPass, DrawsForEveryCellInRowMajorOrder)
{
    const SpawnCase cases[] = {
        {"full board: nothing placed, still 16 draws", fullBoard, std::vector<int>(16, 0), fullBoard, 0, 16},
        {"empty board, no draw divisible by 9", emptyBoard, ones(16), emptyBoard, 0, 16},
        // 9 % 9 == 0 places a tile; the value draw 8 % 8 == 0 makes it a 4, 3 a 2.
        {"every draw divisible by 9 fills every cell",
         emptyBoard,
         concat({{9, 8, 18, 3, 0, 1, 27, 16},
                 {9, 3, 9, 3, 9, 3, 9, 8},
                 {9, 3, 9, 3, 9, 3, 9, 3},
                 {9, 3, 9, 3, 9, 3, 9, 0}}),
         {{{4, 2, 2, 4}, {2, 2, 2, 4}, {2, 2, 2, 2}, {2, 2, 2, 4}}},
         16, 32},
        {"first draw for the top-left cell, sixteenth for the bottom-right",
         emptyBoard,
         concat({{18, 5}, ones(14), {27, 16}}),
         {{{2, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 4}}},
         2, 18},
        // The draw for an occupied cell is followed at once by the next cell's.
        {"occupied cells take one draw and keep their tile",
         {{{0, 8, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
         concat({{0, 8, 0, 9, 3}, ones(13)}),
         {{{4, 8, 2, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}},
         2, 18},
    };
    for (const SpawnCase& c : cases) {
        SCOPED_TRACE(c.name);
        Game game = gameWith(c.before);
        std::vector<int> draws = c.draws;
        draws.push_back(-999);  // a sentinel: the pass must not reach it
        scriptDraws(draws);

        EXPECT_EQ(game.spawnTiles(), c.placed);
        EXPECT_EQ(drawCount(), c.drawsUsed);
        EXPECT_EQ(show(game), show(c.after));
    }
}

TEST(InitialFill, RepeatsEmptyPassesUntilOnePlacesATile)
{
    // Pass one places nothing; pass two puts a 4 on row 1, column 1 and a 2 on
    // row 2, column 1: 16 + 16 + 2 draws.
    Game game(nullptr, nullptr);
    scriptDraws(concat({ones(16), ones(5), {9, 16}, ones(3), {18, 5}, ones(6), {-999}}));
    game.fillInitialBoard();

    EXPECT_EQ(drawCount(), 34);
    EXPECT_EQ(show(game), show(Cells{{{0, 0, 0, 0}, {0, 4, 0, 0}, {0, 2, 0, 0}, {0, 0, 0, 0}}}));
}

TEST(InitialFill, AFirstPassThatPlacesEverywhereIsTheOnlyOne)
{
    Game game(nullptr, nullptr);
    std::vector<int> draws;
    for (int cell = 0; cell < 16; ++cell)
        draws.insert(draws.end(), {0, 1});
    draws.push_back(-999);
    scriptDraws(draws);
    game.fillInitialBoard();

    EXPECT_EQ(drawCount(), 32);
    for (const auto& row : game.grid) {
        for (std::int32_t cell : row)
            EXPECT_EQ(cell, 2);
    }
}

TEST(InitialFill, LeavesOnlyTwosAndFoursAndAtLeastOneTile)
{
    for (unsigned seed = 1; seed <= 200; ++seed) {
        srand(seed);
        Game game(nullptr, nullptr);
        game.fillInitialBoard();
        int tiles = 0;
        for (const auto& row : game.grid) {
            for (std::int32_t cell : row) {
                ASSERT_TRUE(cell == 0 || cell == 2 || cell == 4) << "seed " << seed << ": " << show(game);
                tiles += cell != 0;
            }
        }
        ASSERT_GE(tiles, 1) << "seed " << seed;
    }
}

struct StatusCase {
    const char* name;
    Cells board;
    TurnStatus status;
};

TEST(EndTest, DecidesFromTheCellsAlone)
{
    const StatusCase cases[] = {
        {"some empty cells, highest 512", {{{512, 2, 0, 0}, {4, 0, 0, 0}, {0, 0, 8, 0}, {0, 0, 0, 2}}}, Playing},
        {"one empty cell, the rest 2 to 1024",
         {{{2, 4, 8, 16}, {32, 64, 128, 256}, {512, 1024, 2, 4}, {8, 16, 32, 0}}},
         Playing},
        {"full, highest 1024", {{{1024, 4, 8, 16}, {32, 64, 128, 256}, {512, 2, 4, 8}, {16, 32, 64, 2}}}, Lost},
        {"full with two equal neighbours", {{{2, 2, 4, 8}, {4, 8, 16, 32}, {8, 16, 32, 64}, {16, 32, 64, 128}}}, Lost},
        {"a 2048 bottom-right, the rest empty", {{{0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 2048}}}, Won},
        {"a 2048 on a full board", {{{2048, 4, 8, 16}, {32, 64, 128, 256}, {512, 2, 4, 8}, {16, 32, 64, 2}}}, Won},
        {"1025 counts as above 1024", {{{1025, 4, 8, 16}, {32, 64, 128, 256}, {512, 2, 4, 8}, {16, 32, 64, 2}}}, Won},
        {"the empty board", emptyBoard, Playing},
    };
    for (const StatusCase& c : cases)
        EXPECT_EQ(gameWith(c.board).boardStatus(), c.status) << c.name;
}

TEST(Score, IsTheSumOfTheCells)
{
    EXPECT_EQ(gameWith(emptyBoard).score(), 0);
    EXPECT_EQ(gameWith({{{0, 2, 0, 0}, {0, 0, 0, 0}, {0, 0, 4, 0}, {0, 0, 0, 0}}}).score(), 6);
    EXPECT_EQ(gameWith(fullBoard).score(), 48);
    EXPECT_EQ(gameWith({{{2048, 1024, 1024, 1024}, {1024, 1024, 1024, 1024}, {1024, 1024, 1024, 1024}, {1024, 1024, 1024, 1024}}})
                  .score(),
              2048 + 15 * 1024);
}

}  // namespace
