// The window, the input wait and image loading, in the shape of SDL's own samples:
// each function reports its failure once and hands back null or a negative code.
#include "app/display.h"

#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>

SDL_Surface* displaySurface = nullptr;

DisplayResult initDisplay(const char* caption, int width, int height)
{
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        return {nullptr, displayInitFailed};
    }
    // Registered last, SDL_Quit runs first at exit and restores the display
    // however the process ends: by returning from main or by exit(0) on a close.
    std::atexit(SDL_Quit);
    SDL_WM_SetCaption(caption, nullptr);
    displaySurface = setVideoMode(width, height);
    if (displaySurface == nullptr)
        return {nullptr, displayModeFailed};
    return {displaySurface, 0};
}

SDL_Surface* setVideoMode(int width, int height)
{
    SDL_Surface* surface = SDL_SetVideoMode(width, height, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (surface == nullptr)
        std::fprintf(stderr, "Unable to set %d x%d  video: %s\n", width, height, SDL_GetError());
    return surface;
}

void nextEvent(SDL_Event& event)
{
    if (SDL_WaitEvent(&event) == 0) {
        std::fprintf(stderr, "Unable to wait for events: %s\n", SDL_GetError());
        std::exit(2);
    }
}

void waitForInput(bool acceptClick, bool acceptKey)
{
    SDL_Event event;
    for (;;) {
        nextEvent(event);
        switch (event.type) {
        case SDL_MOUSEBUTTONDOWN:
            if (acceptClick)
                return;
            break;
        case SDL_KEYDOWN:
            if (acceptKey || acceptClick)
                return;
            break;
        case SDL_QUIT:
            std::exit(0);
        default:  // releases, motion, window activity
            break;
        }
    }
}

SDL_Surface* loadImage(const char* path)
{
    SDL_Surface* image = IMG_Load(path);
    if (image == nullptr)
        std::printf("\nImpossible de charger \" %s \"", path);
    return image;
}
