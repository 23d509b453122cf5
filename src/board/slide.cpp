// The four slides and the turn that each arrow key plays.
//
// One slide rule serves every direction: a direction only says how the
// positions 1 to 4 of its four lines map onto the grid.
#include "game.h"

namespace {

struct LineMap {
    int row, column;              // position 1 of line 0
    int alongRow, alongColumn;    // from position p to p + 1 in a line
    int acrossRow, acrossColumn;  // from line i to line i + 1
    bool spawns;                  // whether a slide that moved a tile is followed by new tiles
};

// Indexed by Direction. A slide to the right never brings new tiles: that is
// the rule of the game, not an oversight.
constexpr LineMap lineMaps[] = {
    /* Up    */ {0, 0, +1, 0, 0, 1, true},
    /* Down  */ {3, 0, -1, 0, 0, 1, true},
    /* Right */ {0, 3, 0, -1, 1, 0, false},
    /* Left  */ {0, 0, 0, +1, 1, 0, true},
};
static_assert(Up == 0 && Down == 1 && Right == 2 && Left == 3, "lineMaps is indexed by Direction");

// Slides one line towards position 1 (cell[0]) and returns the tiles that left
// their cell. The line changes in place: each visit sees what the earlier ones
// left. No cell is marked as merged, so a cell that has just taken a merge can
// take another one (2, 2, 4 gives 8); a tile made by a merge does not move again,
// since its cell has been visited already (8, 4, 4 gives 8, 8).
int slideLine(std::int32_t* const cell[boardSize])
{
    int moved = 0;
    for (int p = 1; p < boardSize; ++p) {
        const std::int32_t value = *cell[p];
        if (value == 0)
            continue;
        int destination = p;
        for (int q = p - 1; q >= 0; --q) {
            if (*cell[q] == value) {
                destination = q;
                break;
            }
            if (*cell[q] != 0)
                break;
            destination = q;
        }
        if (destination == p)
            continue;
        *cell[p] = 0;
        *cell[destination] = *cell[destination] == value ? 2 * value : value;
        ++moved;
    }
    return moved;
}

}  // namespace

int Game::slide(Direction direction)
{
    const LineMap& map = lineMaps[direction];
    int moved = 0;
    for (int line = 0; line < boardSize; ++line) {
        std::int32_t* cell[boardSize];
        for (int p = 0; p < boardSize; ++p) {
            cell[p] = &grid[map.row + line * map.acrossRow + p * map.alongRow]
                           [map.column + line * map.acrossColumn + p * map.alongColumn];
        }
        moved += slideLine(cell);
    }
    return moved;
}

TurnStatus Game::playMove(Direction direction)
{
    if (slide(direction) > 0 && lineMaps[direction].spawns)
        spawnTiles();
    // The end test follows every turn, also one in which nothing moved.
    return boardStatus();
}
