// Drawing the board and the end screen.
#include "play/frame.h"

#include "app/display.h"

#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int cellGap = 10;  // between cells, and from the board's origin to the first cell
const SDL_Color scoreColour = {250, 250, 250, 0};

// Blits the whole of `image` with its top-left at (x, y); nothing for a missing image.
// The rectangle is the frame's one destination rectangle, which SDL may clip.
void drawAt(SDL_Surface* image, SDL_Surface* display, SDL_Rect& place, int x, int y)
{
    if (image == nullptr)
        return;
    place.x = static_cast<Sint16>(x);
    place.y = static_cast<Sint16>(y);
    SDL_BlitSurface(image, nullptr, display, &place);
}

// Entry k of the labels shows 2 to the power k.
SDL_Surface* labelFor(const Game& game, std::int32_t value)
{
    int k = 0;
    while (k < labelCount - 1 && (1 << k) < value)
        ++k;
    return (1 << k) == value ? game.labels[k] : nullptr;
}

}  // namespace

void drawFrame(Game& game, SDL_Surface* display, TTF_Font* font)
{
    SDL_Rect place = {0, 0, 0, 0};

    char text[30];
    std::snprintf(text, sizeof text, "Score :%d", game.score());
    // Without a font there is no score: the renderer must never see a null font.
    SDL_Surface* scoreLabel = font != nullptr ? TTF_RenderText_Solid(font, text, scoreColour) : nullptr;
    SDL_FreeSurface(game.scoreLabel);
    game.scoreLabel = scoreLabel;

    drawAt(game.background, display, place, 0, 0);
    drawAt(game.scoreLabel, display, place, 0, 0);

    const int tileWidth = game.tileImage->w;
    const int tileHeight = game.tileImage->h;
    for (int row = 0; row < boardSize; ++row) {
        for (int column = 0; column < boardSize; ++column) {
            const int x = (tileWidth + cellGap) * column + game.boardLeft + cellGap;
            const int y = (tileHeight + cellGap) * row + game.boardTop + cellGap;
            const std::int32_t value = game.grid[row][column];
            if (value == 0) {
                drawAt(game.emptyImage, display, place, x, y);
                continue;
            }
            drawAt(game.tileImage, display, place, x, y);
            // Centred on the cell's own position, also when the blit clipped the
            // tile; a label wider than the tile stands out on both sides.
            if (SDL_Surface* label = labelFor(game, value))
                drawAt(label, display, place, x + (tileWidth - label->w) / 2, y + (tileHeight - label->h) / 2);
        }
    }
    SDL_Flip(display);
}

TurnStatus showEndScreen(Game& game, TurnStatus status)
{
    // Read now, not at start-up: the picture is needed once, at the very end.
    SDL_Surface* picture = loadImage(status == Won ? "win.png" : "loose.png");
    if (picture != nullptr)
        SDL_BlitSurface(picture, nullptr, game.screen, nullptr);
    SDL_Flip(game.screen);

    SDL_Event event;
    for (;;) {
        nextEvent(event);
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            SDL_FreeSurface(picture);
            return status;
        }
        if (event.type == SDL_QUIT)
            std::exit(0);
        // Everything else, key presses included, leaves the picture up.
    }
}

bool directionOfKey(SDLKey key, Direction& direction)
{
    switch (key) {
    case SDLK_UP: direction = Up; return true;
    case SDLK_DOWN: direction = Down; return true;
    case SDLK_RIGHT: direction = Right; return true;
    case SDLK_LEFT: direction = Left; return true;
    default: return false;
    }
}
