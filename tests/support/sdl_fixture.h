// Helpers for the in-process SDL tests (dummy video driver): a scratch working
// directory, pictures written on the fly and events pushed into the queue.
#ifndef SLIDIX_TEST_SDL_FIXTURE_H
#define SLIDIX_TEST_SDL_FIXTURE_H

#include <SDL.h>

#include <string>

// Opens the window once per process with the game's own initDisplay.
SDL_Surface* openTestWindow();

// A fresh empty directory that is the working directory while the object lives.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const std::string& path() const { return dir; }

private:
    std::string dir;
    std::string previous;
};

// Writes a width x height picture filled with one colour, under `name` in the
// working directory. (Written as BMP: the loader recognises files by content.)
void writePicture(const char* name, int width, int height, Uint8 r = 60, Uint8 g = 90, Uint8 b = 150);
// Copies the shipped font into the working directory as "times.ttf".
void copyFont();

void pushEvent(Uint8 type);
void pushKey(SDLKey key, Uint8 type = SDL_KEYDOWN);
void pushButton(Uint8 button, Uint8 type = SDL_MOUSEBUTTONDOWN);
// Drops every queued event.
void drainEvents();

// Reads the colour of one pixel of a surface (any depth).
SDL_Color pixelAt(SDL_Surface* surface, int x, int y);

#endif
