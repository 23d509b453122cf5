/* The least an SDL 1.2 program does to show a window, the floor of the game's
 * start-up, idle and memory figures: a 640 x 480 window of 32 bits a pixel, as
 * the game asks for, with a caption, painted once and flipped, then plain
 * SDL_WaitEvent until the window is closed.
 *
 * usage: minimal_sdl (its window is captioned "Minimal SDL") */
#include <SDL.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char* argv[])
{
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "Unable to init SDL: %s\n", SDL_GetError());
        return 2;
    }
    atexit(SDL_Quit);
    SDL_WM_SetCaption("Minimal SDL", NULL);
    SDL_Surface* screen = SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_DOUBLEBUF);
    if (screen == NULL) {
        fprintf(stderr, "Unable to set video: %s\n", SDL_GetError());
        return 2;
    }
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 250, 250, 250));
    SDL_Flip(screen);

    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (event.type == SDL_QUIT)
            return 0;
    }
    fprintf(stderr, "Unable to wait for events: %s\n", SDL_GetError());
    return 2;
}
