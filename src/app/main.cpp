// Start-up: the window, the font, the random seed, the one Game, the game
// itself and the last wait. Exit statuses: 0 at every normal end, 1 when
// "box.png" cannot be loaded (no cell size, no board), 2 when the window cannot
// be opened or sized.
#include "game.h"

#include "app/display.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char* argv[])
{
    (void)argc;  // the command line is not used
    (void)argv;
    // A message written to a closed pipe must not kill the game: the write
    // fails quietly instead, as it does on a closed or full output.
    std::signal(SIGPIPE, SIG_IGN);

    if (initDisplay("Slidix      By Velmorin", 640, 480).surface == nullptr)
        return 2;  // initDisplay said why
    SDL_FillRect(displaySurface, nullptr, SDL_MapRGB(displaySurface->format, 250, 250, 250));

    TTF_Init();
    TTF_Font* font = TTF_OpenFont("times.ttf", 25);
    if (font == nullptr)
        std::printf("\nImpossible de charger times.ttf...");

    std::srand(static_cast<unsigned>(std::time(nullptr)));

    // Lives until the process ends, with its pictures, labels and font.
    Game* game = new Game(displaySurface, font);
    if (game->screen == nullptr)
        return 2;  // the second mode set said why
    if (game->tileImage == nullptr)
        return 1;  // loadImage said which file

    game->play(game->screen, font);
    SDL_Flip(game->screen);
    waitForInput(true, false);
    return 0;
}
