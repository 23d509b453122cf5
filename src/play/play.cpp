// The turn loop: one event, a turn if it is an arrow key, one full redraw.
#include "game.h"

#include "app/display.h"
#include "play/frame.h"

#include <SDL.h>

#include <cstdlib>

TurnStatus Game::play(SDL_Surface* display, TTF_Font* textFont)
{
    SDL_Event event;
    TurnStatus status = Playing;
    do {
        nextEvent(event);
        if (event.type == SDL_QUIT)
            std::exit(0);  // at once: no redraw, no end screen
        status = Playing;
        Direction direction;
        if (event.type == SDL_KEYDOWN && directionOfKey(event.key.keysym.sym, direction))
            status = playMove(direction);
        // Every other event redraws too, so the window is repainted whenever
        // anything happens to it; the pass that ends the game shows its last board.
        drawFrame(*this, display, textFont);
    } while (status == Playing);
    return showEndScreen(*this, status);
}
