// The one game object: the board, the pictures that show it, and every member that plays it.
//
// The board rules (src/board/) need only this header and the C library: the SDL
// types are named here by forward declaration, so the rules build and run without SDL.
#ifndef SLIDIX_GAME_H
#define SLIDIX_GAME_H

#include <cstdint>

struct SDL_Surface;
typedef struct _TTF_Font TTF_Font;

// Outcome of one turn, and of the whole game.
enum TurnStatus : std::int32_t {
    Playing = 0,  // the game goes on
    Won = 1,      // a cell holds more than 1024
    Lost = -1,    // no empty cell and no cell above 1024
};

// One value per arrow key: the edge that the tiles move towards.
enum Direction { Up, Down, Right, Left };

constexpr int boardSize = 4;
constexpr int labelCount = 12;  // the numbers 1, 2, 4, ... 2048

class Game {
public:
    // Builds the first board, loads the board pictures, sizes the window to the
    // background and renders the number labels. `screen` is the display surface
    // that start-up painted; `font` may be null (no labels, no score text).
    // Failures are reported as they happen and leave their field null; start-up
    // decides whether the game can go on (see the fields below).
    Game(SDL_Surface* screen, TTF_Font* font);

    // Fills the cleared board: spawn passes until one of them has placed a tile.
    void fillInitialBoard();
    // One pass over the 16 cells in row-major order; returns the tiles placed.
    int spawnTiles();
    // Won if a cell holds more than 1024, else Playing if a cell is empty, else Lost.
    TurnStatus boardStatus() const;
    // The sum of all cells.
    int score() const;

    // Slides every line towards `direction`'s edge; returns the tiles that moved.
    int slide(Direction direction);
    // One turn: the slide, a spawn pass where the rules call for one, the end test.
    TurnStatus playMove(Direction direction);

    // The turn loop and the end screen, until the game is won or lost and its
    // picture dismissed. Closing the window ends the process with status 0.
    TurnStatus play(SDL_Surface* display, TTF_Font* textFont);

    SDL_Surface* background;          // "back.png"; null if it did not load
    SDL_Surface* tileImage;           // "box.png"; its size is the cell size
    SDL_Surface* emptyImage;          // "alphabox.png"
    SDL_Surface* labels[labelCount];  // entry k shows 2 to the power k
    SDL_Surface* screen;              // the display surface; null if the window could not be sized
    SDL_Surface* scoreLabel;          // the score text of the latest frame
    TTF_Font* font;                   // "times.ttf" at 25 point; may be null
    std::int32_t grid[boardSize][boardSize];  // [row][column], row 0 on top; 0 is empty
    std::int32_t boardTop;            // board offsets within the background,
    std::int32_t boardLeft;           // set only when tileImage loaded
};

#endif
