/* Preloaded into the real game to stand for a video driver that cannot set a
 * mode: the call of SDL_SetVideoMode numbered NO_MODE_CALL (1 by default, the
 * first) fails with SDL's error set; the others go through. */
#ifndef _GNU_SOURCE
#define _GNU_SOURCE
#endif
#include <SDL.h>

#include <dlfcn.h>
#include <stdlib.h>

SDL_Surface* SDL_SetVideoMode(int width, int height, int bpp, Uint32 flags)
{
    static int calls;
    const char* failing = getenv("NO_MODE_CALL");
    if (++calls == (failing ? atoi(failing) : 1)) {
        SDL_SetError("this driver sets no mode");
        return NULL;
    }
    SDL_Surface* (*real)(int, int, int, Uint32) =
        (SDL_Surface * (*)(int, int, int, Uint32)) dlsym(RTLD_NEXT, "SDL_SetVideoMode");
    return real(width, height, bpp, flags);
}
