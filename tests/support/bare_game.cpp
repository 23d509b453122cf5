// A Game for the board tests: the board rules link and run with no window,
// no pictures and no font. It takes the place of the real construction.
#include "game.h"

Game::Game(SDL_Surface* screen, TTF_Font* font)
    : background(nullptr), tileImage(nullptr), emptyImage(nullptr), labels{}, screen(screen),
      scoreLabel(nullptr), font(font), grid{}, boardTop(0), boardLeft(0)
{
}
