// Helpers for the in-process SDL tests.
#include "support/sdl_fixture.h"

#include "app/display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

SDL_Surface* openTestWindow()
{
    // No window on the desktop and no terminal drawing: the dummy driver only.
    static SDL_Surface* surface = (setenv("SDL_VIDEODRIVER", "dummy", 1), initDisplay("test", 640, 480).surface);
    return surface;
}

ScratchDir::ScratchDir()
{
    char pattern[] = "/tmp/slidix-test-XXXXXX";
    dir = mkdtemp(pattern);
    char* cwd = getcwd(nullptr, 0);
    previous = cwd;
    std::free(cwd);
    EXPECT_EQ(chdir(dir.c_str()), 0);
}

ScratchDir::~ScratchDir()
{
    if (chdir(previous.c_str()) != 0)
        ADD_FAILURE() << "cannot return to " << previous;
    std::system(("rm -rf '" + dir + "'").c_str());
}

void writePicture(const char* name, int width, int height, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface* picture = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, 0xff0000, 0xff00, 0xff, 0);
    ASSERT_NE(picture, nullptr);
    SDL_FillRect(picture, nullptr, SDL_MapRGB(picture->format, r, g, b));
    ASSERT_EQ(SDL_SaveBMP(picture, name), 0);
    SDL_FreeSurface(picture);
}

void copyFont()
{
    std::ifstream in(SLIDIX_DATA_DIR "/times.ttf", std::ios::binary);
    ASSERT_TRUE(in) << "no font in " SLIDIX_DATA_DIR;
    std::ofstream out("times.ttf", std::ios::binary);
    out << in.rdbuf();
}

void pushEvent(Uint8 type)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_ACTIVEEVENT)
        event.active.gain = 1;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushKey(SDLKey key, Uint8 type)
{
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void pushButton(Uint8 button, Uint8 type)
{
    SDL_Event event = {};
    event.type = type;
    event.button.type = type;
    event.button.button = button;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
}

void drainEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
    }
}

SDL_Color pixelAt(SDL_Surface* surface, int x, int y)
{
    SDL_LockSurface(surface);
    const int bpp = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bpp;
    Uint32 value = 0;
    switch (bpp) {
    case 1: value = *p; break;
    case 2: value = *reinterpret_cast<const Uint16*>(p); break;
    case 3: value = p[0] | p[1] << 8 | p[2] << 16; break;
    default: value = *reinterpret_cast<const Uint32*>(p); break;
    }
    SDL_UnlockSurface(surface);
    SDL_Color colour = {0, 0, 0, 0};
    SDL_GetRGB(value, surface->format, &colour.r, &colour.g, &colour.b);
    return colour;
}
