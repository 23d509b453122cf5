// Building the one Game: the first board, the board pictures, the window's
// final size, the board's place on the background and the number labels.
#include "game.h"

#include "app/display.h"

#include <SDL_ttf.h>

#include <cstdio>

namespace {

// Where the board starts along one side of the window: the board is four cells
// with 10-pixel gaps each way. Signed division truncates toward zero, so a
// background too small for the board gives a small negative offset.
std::int32_t boardOffset(std::int32_t windowSide, std::int32_t cellSide)
{
    return (windowSide - 4 * cellSide - 40) / 2;
}

// Small numbers are black; the larger a number, the brighter its colour.
SDL_Color labelColour(int value)
{
    if (value <= 31)
        return {0, 0, 0, 0};
    if (value <= 127)
        return {0, 240, 0, 0};
    if (value <= 256)
        return {240, 240, 0, 0};
    if (value <= 1023)
        return {240, 0, 0, 0};
    return {240, 240, 240, 0};
}

}  // namespace

Game::Game(SDL_Surface* screen, TTF_Font* font)
{
    char text[12] = {};

    for (auto& row : grid) {
        for (auto& cell : row)
            cell = 0;
    }
    fillInitialBoard();

    background = loadImage("back.png");
    // The window takes the background's size. The earlier display surface may
    // be released by this call: from here on only the new one is used.
    if (background != nullptr)
        screen = setVideoMode(background->w, background->h);
    tileImage = loadImage("box.png");
    emptyImage = loadImage("alphabox.png");

    if (tileImage != nullptr) {
        // Without a background the board is centred in the window as it stands.
        const SDL_Surface* frame = background != nullptr ? background : screen;
        boardTop = frame != nullptr ? boardOffset(frame->h, tileImage->h) : 0;
        boardLeft = frame != nullptr ? boardOffset(frame->w, tileImage->w) : 0;
    } else {
        boardTop = 0;  // no cell size, no layout: start-up ends the game
        boardLeft = 0;
    }

    this->screen = screen;
    this->font = font;
    scoreLabel = nullptr;

    for (int k = 0; k < labelCount; ++k) {
        const int value = 1 << k;
        std::snprintf(text, sizeof text, "%d", value);
        // Rendering with no font would crash: without one there are no numbers.
        labels[k] = font != nullptr ? TTF_RenderText_Solid(font, text, labelColour(value)) : nullptr;
    }
}
