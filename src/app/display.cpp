// The window, the input wait and image loading, in the shape of SDL's own samples:
// each function reports its failure once and hands back null or a negative code.
#include "app/display.h"

#include <SDL_image.h>
#include <SDL_syswm.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <poll.h>
#endif

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
    // SDL 1.2 keeps a surface's row length in 16 bits and a blit's position in
    // signed 16 bits: a larger window would get a wrong row length or could not
    // be drawn on, so it is refused like any mode that cannot be set.
    if (width > largestWindowWidth || height > largestWindowHeight) {
        std::fprintf(stderr, "Unable to set %d x%d  video: %s\n", width, height, "larger than a window can be");
        return nullptr;
    }
    SDL_Surface* surface = SDL_SetVideoMode(width, height, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (surface == nullptr)
        std::fprintf(stderr, "Unable to set %d x%d  video: %s\n", width, height, SDL_GetError());
    return surface;
}

namespace {

// Sleeps until SDL has an event to give. SDL_WaitEvent alone looks at its queue
// every 10 ms, waking the process a hundred times a second while the player
// thinks; on X11 the process instead sleeps on the display connection until
// something arrives there. Elsewhere SDL_WaitEvent does the waiting.
void sleepUntilAnEvent()
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
        return;
    pollfd connection = {ConnectionNumber(info.info.x11.display), POLLIN, 0};
    for (;;) {
        // Pumping reads whatever the connection holds, so an empty queue
        // afterwards means that nothing is waiting anywhere.
        SDL_PumpEvents();
        SDL_Event next;
        if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_ALLEVENTS) != 0)
            return;  // an event, or a failure for SDL_WaitEvent to report
        if (poll(&connection, 1, -1) < 0 && errno != EINTR)
            return;
    }
#endif
}

}  // namespace

void nextEvent(SDL_Event& event)
{
    sleepUntilAnEvent();
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
