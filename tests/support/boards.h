// Boards for the tests of the rules: a board as a value, a Game holding it, and
// a one-line picture of it for failure messages.
#ifndef SLIDIX_TEST_BOARDS_H
#define SLIDIX_TEST_BOARDS_H

#include "game.h"

#include <array>
#include <cstring>
#include <string>

using Line = std::array<std::int32_t, boardSize>;
using Cells = std::array<Line, boardSize>;  // [row][column], row 0 on top

inline Game gameWith(const Cells& cells)
{
    Game game(nullptr, nullptr);
    std::memcpy(game.grid, cells.data(), sizeof game.grid);
    return game;
}

inline Cells cellsOf(const Game& game)
{
    Cells cells;
    std::memcpy(cells.data(), game.grid, sizeof game.grid);
    return cells;
}

inline std::string show(const Line& line)
{
    std::string text;
    for (std::int32_t cell : line)
        text += std::to_string(cell) + ' ';
    return text;
}

// Rows separated by slashes: "2 0 0 0 /0 0 0 0 /...".
inline std::string show(const Cells& cells)
{
    std::string text;
    for (const Line& row : cells)
        text += show(row) + '/';
    return text;
}

inline std::string show(const Game& game)
{
    return show(cellsOf(game));
}

inline const char* name(Direction direction)
{
    switch (direction) {
    case Up: return "Up";
    case Down: return "Down";
    case Right: return "Right";
    case Left: return "Left";
    }
    return "?";
}

#endif
