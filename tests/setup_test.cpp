// Building the Game in-process: the window's size, the board offsets, the number
// labels, and construction with each board picture missing.
#include "game.h"

#include "app/display.h"
#include "support/sdl_fixture.h"

#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

class Construction : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(openTestWindow(), nullptr);
        // Every construction may set a new mode: start each test from a fresh window.
        displaySurface = setVideoMode(640, 480);
        ASSERT_NE(displaySurface, nullptr);
        TTF_Init();
    }

    // Constructs a Game in the scratch directory and returns what it printed.
    std::string build(TTF_Font* font = nullptr)
    {
        testing::internal::CaptureStdout();
        game = new Game(displaySurface, font);
        std::fflush(stdout);
        return testing::internal::GetCapturedStdout();
    }

    ScratchDir dir;
    Game* game = nullptr;  // never destroyed, as in the game itself
};

TEST_F(Construction, SizesTheWindowToTheBackgroundAndPlacesTheBoard)
{
    struct Case {
        int backWidth, backHeight, cellWidth, cellHeight, top, left;
    };
    const Case cases[] = {
        {640, 480, 100, 100, 20, 100},
        {300, 101, 10, 10, 10, 110},  // 21 / 2
        {300, 99, 30, 30, -30, 70},   // -61 / 2 truncates toward zero
        {99, 200, 30, 10, 60, -30},   // -61 / 2 across
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.backWidth << " x " << c.backHeight << " with cells " << c.cellWidth
                                        << " x " << c.cellHeight);
        writePicture("back.png", c.backWidth, c.backHeight);
        writePicture("box.png", c.cellWidth, c.cellHeight);
        writePicture("alphabox.png", c.cellWidth, c.cellHeight);
        EXPECT_EQ(build(), "");
        ASSERT_NE(game->screen, nullptr);
        EXPECT_EQ(game->screen->w, c.backWidth);
        EXPECT_EQ(game->screen->h, c.backHeight);
        EXPECT_EQ(game->boardTop, c.top);
        EXPECT_EQ(game->boardLeft, c.left);
        EXPECT_EQ(game->scoreLabel, nullptr);
    }
}

TEST_F(Construction, WithoutABackgroundKeepsTheWindowAndCentresOnIt)
{
    writePicture("box.png", 100, 100);
    writePicture("alphabox.png", 100, 100);
    SDL_Surface* first = displaySurface;

    EXPECT_EQ(build(), "\nImpossible de charger \" back.png \"");
    EXPECT_EQ(game->background, nullptr);
    EXPECT_EQ(game->screen, first);
    EXPECT_EQ(game->boardTop, 20);
    EXPECT_EQ(game->boardLeft, 100);
}

TEST_F(Construction, ReportsEachMissingPictureInTheOrderOfTheLoads)
{
    writePicture("back.png", 640, 480);
    EXPECT_EQ(build(), "\nImpossible de charger \" box.png \"\nImpossible de charger \" alphabox.png \"");
    EXPECT_EQ(game->tileImage, nullptr);
    EXPECT_EQ(game->emptyImage, nullptr);
    EXPECT_NE(game->background, nullptr);

    std::remove("back.png");
    writePicture("box.png", 100, 100);
    EXPECT_EQ(build(), "\nImpossible de charger \" back.png \"\nImpossible de charger \" alphabox.png \"");
    EXPECT_NE(game->tileImage, nullptr);
    EXPECT_EQ(game->emptyImage, nullptr);
}

TEST_F(Construction, ABackgroundTooLargeForAWindowLeavesNoScreen)
{
    writePicture("back.png", 20, 32768);
    writePicture("box.png", 10, 10);
    testing::internal::CaptureStderr();
    build();
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Unable to set 20 x32768  video: larger than a window can be\n");
    EXPECT_EQ(game->screen, nullptr);  // start-up ends the game on this
}

TEST_F(Construction, LaysOutAFirstBoardOfTwosAndFours)
{
    writePicture("box.png", 100, 100);
    build();
    int tiles = 0;
    for (const auto& row : game->grid) {
        for (std::int32_t cell : row) {
            EXPECT_TRUE(cell == 0 || cell == 2 || cell == 4) << cell;
            tiles += cell != 0;
        }
    }
    EXPECT_GE(tiles, 1);
}

TEST_F(Construction, RendersTheTwelveNumbersInTheirColours)
{
    copyFont();
    TTF_Font* font = TTF_OpenFont("times.ttf", 25);
    ASSERT_NE(font, nullptr);
    writePicture("box.png", 100, 100);
    build(font);
    EXPECT_EQ(game->font, font);

    struct Label {
        const char* text;
        Uint8 r, g, b;
    };
    const Label expected[labelCount] = {
        {"1", 0, 0, 0},         {"2", 0, 0, 0},         {"4", 0, 0, 0},           {"8", 0, 0, 0},
        {"16", 0, 0, 0},        {"32", 0, 240, 0},      {"64", 0, 240, 0},        {"128", 240, 240, 0},
        {"256", 240, 240, 0},   {"512", 240, 0, 0},     {"1024", 240, 240, 240},  {"2048", 240, 240, 240},
    };
    for (int k = 0; k < labelCount; ++k) {
        SCOPED_TRACE(expected[k].text);
        SDL_Surface* label = game->labels[k];
        ASSERT_NE(label, nullptr);
        // A solid rendering is an 8-bit surface: index 0 the transparent
        // background, index 1 the text colour.
        ASSERT_EQ(label->format->BitsPerPixel, 8);
        const SDL_Color ink = label->format->palette->colors[1];
        EXPECT_EQ(ink.r, expected[k].r);
        EXPECT_EQ(ink.g, expected[k].g);
        EXPECT_EQ(ink.b, expected[k].b);

        // The text: the same pixels as the expected number rendered afresh.
        SDL_Surface* reference = TTF_RenderText_Solid(font, expected[k].text, ink);
        ASSERT_NE(reference, nullptr);
        ASSERT_EQ(label->w, reference->w);
        ASSERT_EQ(label->h, reference->h);
        for (int y = 0; y < label->h; ++y) {
            const Uint8* got = static_cast<Uint8*>(label->pixels) + y * label->pitch;
            const Uint8* want = static_cast<Uint8*>(reference->pixels) + y * reference->pitch;
            ASSERT_EQ(std::string(got, got + label->w), std::string(want, want + label->w)) << "row " << y;
        }
        SDL_FreeSurface(reference);
    }
}

TEST_F(Construction, WithoutAFontHasNoLabels)
{
    writePicture("box.png", 100, 100);
    build(nullptr);
    EXPECT_EQ(game->font, nullptr);
    for (SDL_Surface* label : game->labels)
        EXPECT_EQ(label, nullptr);
}

}  // namespace
