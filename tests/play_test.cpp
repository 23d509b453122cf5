// The turn loop, the frame and the end screen in-process, judged from the
// pixels of the dummy driver's display surface.
#include "game.h"

#include "app/display.h"
#include "play/frame.h"
#include "support/sdl_fixture.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

struct Rgb {
    Uint8 r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << '(' << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ')';
}

const Rgb backColour = {30, 30, 30};
const Rgb tileColour = {60, 90, 150};
const Rgb emptyColour = {40, 50, 64};
const Rgb labelColour = {200, 20, 20};
const Rgb endColour = {220, 200, 90};

Rgb at(SDL_Surface* surface, int x, int y)
{
    const SDL_Color c = pixelAt(surface, x, y);
    return {c.r, c.g, c.b};
}

SDL_Surface* solid(int width, int height, Rgb colour)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xff0000, 0xff00, 0xff, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, colour.r, colour.g, colour.b));
    return s;
}

// The top-left corner of a cell on a 640 x 480 background with 100 x 100 cells.
int cellX(int column) { return 110 * column + 110; }
int cellY(int row) { return 110 * row + 30; }

class Frame : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestWindow(), nullptr);
        displaySurface = setVideoMode(640, 480);
        TTF_Init();
        writePicture("back.png", 640, 480, backColour.r, backColour.g, backColour.b);
        writePicture("box.png", 100, 100, tileColour.r, tileColour.g, tileColour.b);
        writePicture("alphabox.png", 100, 100, emptyColour.r, emptyColour.g, emptyColour.b);
        game = new Game(displaySurface, nullptr);
        std::memset(game->grid, 0, sizeof game->grid);
        drainEvents();
    }

    SDL_Surface* screen() { return game->screen; }

    ScratchDir dir;
    Game* game = nullptr;  // never destroyed, as in the game itself
};

TEST_F(Frame, PlacesTheCellsRowByRowWithTenPixelGaps)
{
    for (int row = 0; row < boardSize; ++row) {
        for (int column = 0; column < boardSize; ++column)
            game->grid[row][column] = (row + column) % 2 == 0 ? 2 : 0;
    }
    drawFrame(*game, screen(), nullptr);

    for (int row = 0; row < boardSize; ++row) {
        for (int column = 0; column < boardSize; ++column) {
            SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
            const Rgb expected = (row + column) % 2 == 0 ? tileColour : emptyColour;
            const int x = cellX(column), y = cellY(row);
            EXPECT_EQ(at(screen(), x, y), expected);
            EXPECT_EQ(at(screen(), x + 99, y + 99), expected);
            EXPECT_EQ(at(screen(), x - 1, y - 1), backColour);
            EXPECT_EQ(at(screen(), x + 100, y + 100), backColour);
        }
    }
}

TEST_F(Frame, CentresTheNumbersWithTruncatingDivision)
{
    game->labels[1] = solid(41, 21, labelColour);   // (100 - 41) / 2 = 29, (100 - 21) / 2 = 39
    game->labels[11] = solid(105, 20, labelColour); // (100 - 105) / 2 = -2, not -3
    game->grid[0][0] = 2;
    game->grid[1][1] = 2048;
    drawFrame(*game, screen(), nullptr);

    int x = cellX(0), y = cellY(0);
    EXPECT_EQ(at(screen(), x + 28, y + 39), tileColour);
    EXPECT_EQ(at(screen(), x + 29, y + 39), labelColour);
    EXPECT_EQ(at(screen(), x + 69, y + 59), labelColour);
    EXPECT_EQ(at(screen(), x + 70, y + 59), tileColour);
    EXPECT_EQ(at(screen(), x + 29, y + 38), tileColour);
    EXPECT_EQ(at(screen(), x + 29, y + 60), tileColour);

    x = cellX(1), y = cellY(1);
    EXPECT_EQ(at(screen(), x - 3, y + 50), backColour);
    EXPECT_EQ(at(screen(), x - 2, y + 50), labelColour);
    EXPECT_EQ(at(screen(), x + 102, y + 50), labelColour);
    EXPECT_EQ(at(screen(), x + 103, y + 50), backColour);
}

TEST_F(Frame, LeavesOutWhatIsMissing)
{
    game->labels[2] = nullptr;
    game->emptyImage = nullptr;
    game->grid[2][3] = 4;
    drawFrame(*game, screen(), nullptr);
    EXPECT_EQ(game->scoreLabel, nullptr);  // no font, no score text
    EXPECT_EQ(at(screen(), cellX(3) + 50, cellY(2) + 50), tileColour);  // a tile without its number
    EXPECT_EQ(at(screen(), cellX(0) + 50, cellY(0) + 50), backColour);  // no empty-cell picture
}

TEST_F(Frame, DrawsTheScoreAtTheTopLeftAndFreesTheLabelItReplaces)
{
    copyFont();
    TTF_Font* font = TTF_OpenFont("times.ttf", 25);
    ASSERT_NE(font, nullptr);
    game->grid[0][1] = 2;
    game->grid[3][2] = 4;
    drawFrame(*game, screen(), font);

    SDL_Surface* first = game->scoreLabel;
    ASSERT_NE(first, nullptr);
    SDL_Surface* expected = TTF_RenderText_Solid(font, "Score :6", SDL_Color{250, 250, 250, 0});
    ASSERT_EQ(first->w, expected->w);
    ASSERT_EQ(first->h, expected->h);
    int inked = 0;
    for (int y = 0; y < first->h; ++y) {
        for (int x = 0; x < first->w; ++x) {
            const Uint8 index = static_cast<Uint8*>(first->pixels)[y * first->pitch + x];
            ASSERT_EQ(index, static_cast<Uint8*>(expected->pixels)[y * expected->pitch + x]) << x << ", " << y;
            if (index != 0) {
                ++inked;
                ASSERT_EQ(at(screen(), x, y), (Rgb{250, 250, 250})) << x << ", " << y;
            }
        }
    }
    EXPECT_GT(inked, 50);
    SDL_FreeSurface(expected);

    // Each later frame frees the label that its own replaces: hold a reference
    // to the old one and see the frame give its own up.
    for (int frame = 0; frame < 3; ++frame) {
        SDL_Surface* old = game->scoreLabel;
        ++old->refcount;
        drawFrame(*game, screen(), font);
        EXPECT_NE(game->scoreLabel, nullptr);
        EXPECT_EQ(old->refcount, 1) << "frame " << frame + 2 << " kept the label it replaced";
        SDL_FreeSurface(old);
    }
}

// The turn loop.

class Loop : public Frame {
protected:
    void SetUp() override
    {
        Frame::SetUp();
        writePicture("win.png", 50, 40, endColour.r, endColour.g, endColour.b);
        writePicture("loose.png", 50, 40, endColour.r, endColour.g, endColour.b);
    }
};

TEST_F(Loop, OnlyArrowKeysPlayAndTheGameEndsOnAClickAfterItsPicture)
{
    game->grid[0][0] = 1024;
    game->grid[0][2] = 1024;
    game->grid[1][3] = 2;

    // What one turn to the left makes of this board, from the same seed.
    Game expected = *game;
    std::srand(7);
    ASSERT_EQ(expected.playMove(Left), Won);
    std::srand(7);

    pushEvent(SDL_MOUSEMOTION);
    pushKey(SDLK_a);
    pushKey(SDLK_UP, SDL_KEYUP);
    pushButton(SDL_BUTTON_LEFT);
    pushEvent(SDL_ACTIVEEVENT);
    pushKey(SDLK_LEFT);            // wins
    pushKey(SDLK_DOWN);            // on the end screen: ignored
    pushKey(SDLK_a);
    pushButton(SDL_BUTTON_WHEELUP);  // dismisses it
    pushKey(SDLK_RIGHT);           // left in the queue

    testing::internal::CaptureStdout();
    EXPECT_EQ(game->play(screen(), nullptr), Won);
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    EXPECT_EQ(std::memcmp(game->grid, expected.grid, sizeof game->grid), 0) << "exactly one turn, to the left";
    // The picture covers the top-left only, over the last board.
    EXPECT_EQ(at(screen(), 10, 10), endColour);
    EXPECT_EQ(at(screen(), cellX(0) + 50, cellY(0) + 50), tileColour);
    SDL_Event left;
    ASSERT_EQ(SDL_PollEvent(&left), 1);
    EXPECT_EQ(left.key.keysym.sym, SDLK_RIGHT);
}

TEST_F(Loop, AFullBoardLosesAndAMissingPictureStillWaitsForAClick)
{
    for (int row = 0; row < boardSize; ++row) {
        for (int column = 0; column < boardSize; ++column)
            game->grid[row][column] = (row + column) % 2 == 0 ? 2 : 4;
    }
    std::remove("loose.png");
    pushKey(SDLK_UP);  // moves nothing: the end test still runs
    pushKey(SDLK_SPACE);
    pushButton(SDL_BUTTON_RIGHT);

    testing::internal::CaptureStdout();
    EXPECT_EQ(game->play(screen(), nullptr), Lost);
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nImpossible de charger \" loose.png \"");
    EXPECT_EQ(at(screen(), 10, 10), backColour);  // no picture: the last board stays
}

TEST_F(Loop, AWindowCloseEndsTheProcessDuringPlayAndOnTheEndScreen)
{
    pushKey(SDLK_LEFT);
    pushEvent(SDL_QUIT);
    pushKey(SDLK_LEFT);
    EXPECT_EXIT(
        {
            game->play(screen(), nullptr);
            std::_Exit(3);
        },
        testing::ExitedWithCode(0), "");

    drainEvents();
    game->grid[0][0] = 1024;
    game->grid[0][1] = 1024;
    pushKey(SDLK_RIGHT);  // wins, with no draw
    pushKey(SDLK_UP);
    pushEvent(SDL_QUIT);
    pushButton(SDL_BUTTON_LEFT);
    EXPECT_EXIT(
        {
            game->play(screen(), nullptr);
            std::_Exit(3);
        },
        testing::ExitedWithCode(0), "");
}

}  // namespace
