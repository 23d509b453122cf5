// The small layer between the game and SDL: the window, the input wait, image loading.
#ifndef SLIDIX_DISPLAY_H
#define SLIDIX_DISPLAY_H

#include <SDL.h>

// The display surface that initDisplay obtained; null before it ran and after
// it failed. A later mode change (the game sizing the window to its background)
// may release this surface: from then on the surface that change returned is used.
extern SDL_Surface* displaySurface;

// What initDisplay hands back: the display surface, or a negative code.
struct DisplayResult {
    SDL_Surface* surface;  // null on failure
    int code;              // 0, displayInitFailed or displayModeFailed
};
constexpr int displayInitFailed = -1;  // the video subsystem did not start
constexpr int displayModeFailed = -2;  // the video mode could not be set

// Starts SDL's video subsystem (SDL_Quit then runs at exit), sets the window
// caption and opens a width x height window. Each failure writes one line on
// standard error. Called once, before any other SDL call.
DisplayResult initDisplay(const char* caption, int width, int height);

// Sets the video mode of the window: 32 bits per pixel, hardware, double buffered.
// On failure writes the video-mode message on standard error and returns null.
// A mode larger than these sides fails so.
SDL_Surface* setVideoMode(int width, int height);
constexpr int largestWindowWidth = 16383;   // 4 bytes a pixel: rows under 64 KiB
constexpr int largestWindowHeight = 32767;

// Blocks until a mouse button press (if acceptClick) or a key press (if either
// flag is set). Closing the window ends the process with status 0.
void waitForInput(bool acceptClick, bool acceptKey);

// Blocks until the next event and fills `event` with it. If the wait itself
// fails the event queue is gone for good, so this reports it and ends the
// process with status 2 rather than acting on an unfilled record or retrying.
void nextEvent(SDL_Event& event);

// Loads an image file as it is (no conversion). A file that cannot be loaded
// is reported on standard output and gives null. The caller owns the surface.
SDL_Surface* loadImage(const char* path);

#endif
