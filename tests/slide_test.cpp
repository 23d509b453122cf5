// The slides and the turn that each arrow key plays, without a window.
#include "game.h"

#include "support/boards.h"
#include "support/scripted_rand.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const Direction allDirections[] = {Up, Down, Right, Left};

// The cell at position p (0-based from the target edge) of line `line`, as the
// player sees it: Left and Right slide rows, Up and Down slide columns.
std::int32_t& at(Game& game, Direction direction, int line, int p)
{
    switch (direction) {
    case Left: return game.grid[line][p];
    case Right: return game.grid[line][boardSize - 1 - p];
    case Up: return game.grid[p][line];
    case Down: return game.grid[boardSize - 1 - p][line];
    }
    return game.grid[0][0];
}

bool spawns(Direction direction)
{
    return direction != Right;
}

// Draws of 1 never place a tile, so a spawn pass shows only in the draw count.
void scriptBlankDraws()
{
    scriptDraws(std::vector<int>(64, 1));
}

struct LineCase {
    Line before, after;
    int moved;
};

// From position 1 to 4, the same in every direction along its own lines.
const LineCase lineCases[] = {
    {{2, 2, 4, 0}, {8, 0, 0, 0}, 2},
    {{2, 2, 2, 2}, {4, 4, 0, 0}, 3},
    {{4, 4, 8, 8}, {16, 8, 0, 0}, 3},
    {{2, 0, 2, 2}, {4, 2, 0, 0}, 2},
    {{8, 4, 4, 0}, {8, 8, 0, 0}, 1},
    {{0, 0, 0, 2}, {2, 0, 0, 0}, 1},
    {{2, 2, 4, 8}, {16, 0, 0, 0}, 3},
    {{4, 4, 8, 0}, {16, 0, 0, 0}, 2},
    {{0, 2, 2, 0}, {4, 0, 0, 0}, 2},
    {{4, 2, 2, 0}, {4, 4, 0, 0}, 1},
    {{2, 4, 4, 8}, {2, 16, 0, 0}, 2},
    {{8, 8, 8, 0}, {16, 8, 0, 0}, 2},
    {{0, 4, 4, 4}, {8, 4, 0, 0}, 3},
    {{2, 0, 0, 2}, {4, 0, 0, 0}, 1},
    {{2, 4, 8, 16}, {2, 4, 8, 16}, 0},
    {{0, 0, 0, 0}, {0, 0, 0, 0}, 0},
    {{1024, 1024, 0, 0}, {2048, 0, 0, 0}, 1},
    {{512, 512, 1024, 0}, {2048, 0, 0, 0}, 2},
};

TEST(Slide, EveryLineOfTheTableInEveryDirectionAndEveryLine)
{
    for (const LineCase& c : lineCases) {
        for (Direction direction : allDirections) {
            for (int line = 0; line < boardSize; ++line) {
                SCOPED_TRACE(show(c.before) + "under " + name(direction) + ", line " + std::to_string(line));
                Game game = gameWith({});
                for (int p = 0; p < boardSize; ++p)
                    at(game, direction, line, p) = c.before[p];

                Game slid = game;
                EXPECT_EQ(slid.slide(direction), c.moved);

                scriptBlankDraws();
                const bool won = c.after[0] > 1024;
                EXPECT_EQ(game.playMove(direction), won ? Won : Playing);
                const bool spawned = spawns(direction) && c.moved > 0;
                EXPECT_EQ(drawCount(), spawned ? 16 : 0);

                for (Game* g : {&slid, &game}) {
                    Line after;
                    for (int p = 0; p < boardSize; ++p)
                        after[p] = at(*g, direction, line, p);
                    EXPECT_EQ(show(after), show(c.after));
                    int tiles = 0;
                    for (const auto& row : g->grid) {
                        for (std::int32_t cell : row)
                            tiles += cell != 0;
                    }
                    int expectedTiles = 0;
                    for (std::int32_t cell : c.after)
                        expectedTiles += cell != 0;
                    EXPECT_EQ(tiles, expectedTiles) << "the other lines stay empty";
                }
            }
        }
    }
}

TEST(Slide, AsTheCellsStandOnTheScreen)
{
    struct ScreenCase {
        Line before, leftOrUp, rightOrDown;
    };
    const ScreenCase cases[] = {
        {{2, 2, 4, 0}, {8, 0, 0, 0}, {0, 0, 4, 4}},
        {{2, 2, 2, 2}, {4, 4, 0, 0}, {0, 0, 4, 4}},
        {{4, 4, 8, 8}, {16, 8, 0, 0}, {0, 0, 8, 16}},
        {{2, 0, 2, 2}, {4, 2, 0, 0}, {0, 0, 2, 4}},
        {{8, 4, 4, 0}, {8, 8, 0, 0}, {0, 0, 0, 16}},
        {{2, 2, 4, 8}, {16, 0, 0, 0}, {0, 4, 4, 8}},
        {{0, 0, 0, 2}, {2, 0, 0, 0}, {0, 0, 0, 2}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(show(c.before));
        for (Direction direction : allDirections) {
            const bool rows = direction == Left || direction == Right;
            const Line& expected = direction == Left || direction == Up ? c.leftOrUp : c.rightOrDown;
            Game game = gameWith({});
            for (int i = 0; i < boardSize; ++i)
                (rows ? game.grid[1][i] : game.grid[i][2]) = c.before[i];
            game.slide(direction);
            Line after;
            for (int i = 0; i < boardSize; ++i)
                after[i] = rows ? game.grid[1][i] : game.grid[i][2];
            EXPECT_EQ(show(after), show(expected)) << name(direction);
        }
    }
}

TEST(Turn, AFullBoardWithOnePairOfEqualNeighbours)
{
    const Cells board = {{{2, 2, 4, 8}, {4, 8, 16, 32}, {8, 16, 32, 64}, {16, 32, 64, 128}}};
    Cells changed = board;

    for (Direction direction : {Up, Down}) {
        Game game = gameWith(board);
        scriptBlankDraws();
        EXPECT_EQ(game.playMove(direction), Lost) << name(direction);
        EXPECT_EQ(drawCount(), 0) << name(direction);
        EXPECT_EQ(show(cellsOf(game)), show(board)) << name(direction);
    }

    Game right = gameWith(board);
    scriptBlankDraws();
    EXPECT_EQ(right.playMove(Right), Playing);
    EXPECT_EQ(drawCount(), 0);
    changed[0] = {0, 4, 4, 8};
    EXPECT_EQ(show(cellsOf(right)), show(changed));

    Game left = gameWith(board);
    scriptBlankDraws();
    EXPECT_EQ(left.playMove(Left), Playing);
    EXPECT_EQ(drawCount(), 16);
    changed[0] = {16, 0, 0, 0};
    EXPECT_EQ(show(cellsOf(left)), show(changed));

    // The spawn pass fills the three cells it freed: the turn is lost.
    Game filled = gameWith(board);
    scriptDraws({1, 0, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(filled.playMove(Left), Lost);
    EXPECT_EQ(drawCount(), 19);
    changed[0] = {16, 2, 2, 2};
    EXPECT_EQ(show(cellsOf(filled)), show(changed));
}

TEST(Turn, AFullBoardWithoutEqualNeighboursIsLostWhateverTheKey)
{
    const Cells board = {{{2, 4, 2, 4}, {4, 2, 4, 2}, {2, 4, 2, 4}, {4, 2, 4, 2}}};
    for (Direction direction : allDirections) {
        Game game = gameWith(board);
        scriptBlankDraws();
        EXPECT_EQ(game.slide(direction), 0) << name(direction);
        EXPECT_EQ(game.playMove(direction), Lost) << name(direction);
        EXPECT_EQ(drawCount(), 0) << name(direction);
        EXPECT_EQ(show(cellsOf(game)), show(board)) << name(direction);
    }
}

TEST(Turn, TwoTilesOf1024MeetingWinInEveryDirection)
{
    for (Direction direction : allDirections) {
        Game game = gameWith({});
        at(game, direction, 2, 1) = 1024;
        at(game, direction, 2, 3) = 1024;
        scriptDraws(std::vector<int>(40, 0));  // the spawn pass fills every cell it can
        EXPECT_EQ(game.playMove(direction), Won) << name(direction);
        EXPECT_EQ(at(game, direction, 2, 0), 2048) << name(direction);
    }
}

TEST(Turn, AMergeWithoutNewTilesKeepsTheScore)
{
    Game game = gameWith({{{8, 8, 0, 0}, {0, 2, 0, 4}, {}, {}}});
    scriptBlankDraws();
    EXPECT_EQ(game.playMove(Right), Playing);
    EXPECT_EQ(game.score(), 22);
    EXPECT_EQ(game.grid[0][3], 16);
}

// Properties that hold for any board, checked on many random ones.
TEST(Slide, KeepsTheSumTheOrderAndOneUnbrokenRunOnRandomBoards)
{
    std::mt19937 generator(20261211);
    std::uniform_int_distribution<int> exponent(0, 10);  // 0 is an empty cell, else 2 to 1024
    for (int round = 0; round < 20000; ++round) {
        Game game = gameWith({});
        for (auto& row : game.grid) {
            for (auto& cell : row) {
                const int e = exponent(generator);
                cell = e == 0 || e % 3 == 0 ? 0 : 1 << e;
            }
        }
        for (Direction direction : allDirections) {
            Game slid = game;
            const int moved = slid.slide(direction);
            SCOPED_TRACE(show(cellsOf(game)) + " under " + name(direction));
            ASSERT_EQ(slid.score(), game.score());
            int tilesBefore = 0;
            for (int line = 0; line < boardSize; ++line) {
                std::vector<std::int32_t> before, after;
                for (int p = 0; p < boardSize; ++p) {
                    if (at(game, direction, line, p) != 0)
                        before.push_back(at(game, direction, line, p));
                    const std::int32_t cell = at(slid, direction, line, p);
                    if (cell != 0) {
                        ASSERT_EQ(after.size(), static_cast<std::size_t>(p)) << "a gap before position " << p + 1;
                        after.push_back(cell);
                    }
                }
                tilesBefore += static_cast<int>(before.size());
                // No tile passes another: the tiles before the slide, in their
                // order, fall into consecutive groups whose sums are the tiles after.
                std::size_t next = 0;
                for (std::int32_t tile : after) {
                    std::int32_t sum = 0;
                    while (next < before.size() && sum < tile)
                        sum += before[next++];
                    ASSERT_EQ(sum, tile);
                }
                ASSERT_EQ(next, before.size());
            }
            ASSERT_LE(moved, tilesBefore);
        }
    }
}

}  // namespace
