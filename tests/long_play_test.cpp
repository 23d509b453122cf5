// A million turns of random play through the board rules, checking after each
// turn what must hold whatever the board: the cell values, the slide's sum, the
// new tiles only on empty cells, and the status against the board.
#include "game.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool isTileValue(std::int32_t cell)
{
    return cell >= 2 && cell <= 2048 && (cell & (cell - 1)) == 0;
}

TurnStatus statusOf(const Game& game)
{
    bool empty = false;
    for (const auto& row : game.grid) {
        for (std::int32_t cell : row) {
            if (cell > 1024)
                return Won;
            empty = empty || cell == 0;
        }
    }
    return empty ? Playing : Lost;
}

TEST(LongPlay, AMillionRandomTurnsKeepTheBoardSound)
{
    constexpr long turns = 1000000;
    const Direction directions[] = {Up, Down, Right, Left};
    srand(12345);  // this binary's deterministic rand(): the same games every run
    Game game(nullptr, nullptr);
    std::memset(game.grid, 0, sizeof game.grid);
    game.fillInitialBoard();
    long games = 1;

    for (long turn = 0; turn < turns; ++turn) {
        const Direction direction = directions[rand() % 4];
        Game slid = game;
        const int moved = slid.slide(direction);
        ASSERT_EQ(slid.score(), game.score()) << "turn " << turn << ": a slide changed the sum";

        const TurnStatus status = game.playMove(direction);
        int newTiles = 0;
        for (int row = 0; row < boardSize; ++row) {
            for (int column = 0; column < boardSize; ++column) {
                const std::int32_t cell = game.grid[row][column];
                ASSERT_TRUE(cell == 0 || isTileValue(cell)) << "turn " << turn << ": a cell holds " << cell;
                if (cell != slid.grid[row][column]) {
                    ASSERT_EQ(slid.grid[row][column], 0) << "turn " << turn << ": a new tile on an occupied cell";
                    ASSERT_TRUE(cell == 2 || cell == 4) << "turn " << turn;
                    ++newTiles;
                }
            }
        }
        if (moved == 0 || direction == Right) {
            ASSERT_EQ(newTiles, 0) << "turn " << turn << ": new tiles without a spawn pass";
        }
        ASSERT_EQ(status, statusOf(game)) << "turn " << turn;

        if (status != Playing) {
            ++games;
            std::memset(game.grid, 0, sizeof game.grid);
            game.fillInitialBoard();
        }
    }
    RecordProperty("games", std::to_string(games));
    EXPECT_GT(games, 1);
}

}  // namespace
