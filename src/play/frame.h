// What the turn loop puts on the screen: the board frame, the end screen, and
// the arrow keys' meaning.
#ifndef SLIDIX_FRAME_H
#define SLIDIX_FRAME_H

#include "game.h"

#include <SDL.h>

// Redraws the whole window on `display` and flips it: the background, the
// score (rendered with `font`, replacing and freeing the last frame's label),
// then the 16 cells row by row, each tile with its number. A missing picture,
// label or font is simply not drawn. Needs game.tileImage: it sets the layout.
void drawFrame(Game& game, SDL_Surface* display, TTF_Font* font);

// Shows "win.png" (Won) or "loose.png" (Lost) over the last frame on
// game.screen and waits for a mouse button; key presses are ignored and closing
// the window ends the process with status 0. Returns `status`.
TurnStatus showEndScreen(Game& game, TurnStatus status);

// The direction of an arrow key; false for any other key.
bool directionOfKey(SDLKey key, Direction& direction);

#endif
