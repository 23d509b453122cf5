// The board's random tiles, its end test and its score.
//
// All of the game's randomness is drawn here, from the C library's rand().
#include "game.h"

#include <cstdlib>

int Game::spawnTiles()
{
    int placed = 0;
    for (auto& row : grid) {
        for (auto& cell : row) {
            // The draw is made for every cell, empty or not, so a pass always
            // costs 16 draws plus one for each tile that it places.
            if (std::rand() % 9 == 0 && cell == 0) {
                cell = std::rand() % 8 == 0 ? 4 : 2;
                ++placed;
            }
        }
    }
    return placed;
}

void Game::fillInitialBoard()
{
    // A pass that places its first tile runs to its end, so the first board
    // may hold several tiles, all from that one pass.
    while (spawnTiles() == 0) {
    }
}

TurnStatus Game::boardStatus() const
{
    bool hasEmptyCell = false;
    for (const auto& row : grid) {
        for (std::int32_t cell : row) {
            if (cell > 1024)
                return Won;
            if (cell == 0)
                hasEmptyCell = true;
        }
    }
    // A full board is lost even when two equal tiles stand side by side and the
    // next slide could merge them: the test never asks whether a move is left.
    return hasEmptyCell ? Playing : Lost;
}

int Game::score() const
{
    int sum = 0;
    for (const auto& row : grid) {
        for (std::int32_t cell : row)
            sum += cell;
    }
    return sum;
}
