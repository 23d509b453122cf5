// The SDL layer in-process: the input wait, image loading and opening the window.
#include "app/display.h"

#include "support/sdl_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int returned = 3;  // a child that gets past waitForInput ends with this

struct Flags {
    bool acceptClick, acceptKey;
};

const Flags allFlags[] = {{false, false}, {false, true}, {true, false}, {true, true}};

// Pushes `push`, then a window close behind it, and waits with `flags`: the child
// ends with `returned` if the first event ended the wait, with 0 if the wait went
// on to the close.
void expectWait(Flags flags, void (*push)(), bool endsWait, const char* what)
{
    SCOPED_TRACE(std::string(what) + ", acceptClick " + (flags.acceptClick ? "true" : "false") +
                 ", acceptKey " + (flags.acceptKey ? "true" : "false"));
    EXPECT_EXIT(
        {
            openTestWindow();
            drainEvents();
            push();
            pushEvent(SDL_QUIT);
            waitForInput(flags.acceptClick, flags.acceptKey);
            std::_Exit(returned);
        },
        testing::ExitedWithCode(endsWait ? returned : 0), "");
}

TEST(WaitForInput, ClickAndKeyFollowTheFlags)
{
    for (Flags flags : allFlags) {
        expectWait(flags, [] { pushButton(SDL_BUTTON_LEFT); }, flags.acceptClick, "left button press");
        expectWait(flags, [] { pushButton(SDL_BUTTON_WHEELDOWN); }, flags.acceptClick, "wheel step");
        expectWait(flags, [] { pushKey(SDLK_a); }, flags.acceptClick || flags.acceptKey, "key press");
        expectWait(flags, [] { pushKey(SDLK_LEFT); }, flags.acceptClick || flags.acceptKey, "arrow key press");
    }
}

TEST(WaitForInput, IgnoresEveryOtherEvent)
{
    for (Flags flags : allFlags) {
        expectWait(flags, [] { pushKey(SDLK_a, SDL_KEYUP); }, false, "key release");
        expectWait(flags, [] { pushButton(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP); }, false, "button release");
        expectWait(flags, [] { pushEvent(SDL_MOUSEMOTION); }, false, "mouse motion");
        expectWait(flags, [] { pushEvent(SDL_ACTIVEEVENT); }, false, "window activity");
        expectWait(flags, [] { pushEvent(SDL_VIDEOEXPOSE); }, false, "expose");
        expectWait(flags, [] { pushEvent(SDL_USEREVENT); }, false, "user event");
    }
}

TEST(WaitForInput, AQueuedCloseEndsTheProcessBeforeTheInputBehindIt)
{
    EXPECT_EXIT(
        {
            openTestWindow();
            drainEvents();
            pushEvent(SDL_QUIT);
            pushKey(SDLK_a);
            pushButton(SDL_BUTTON_LEFT);
            waitForInput(true, true);
            std::_Exit(returned);
        },
        testing::ExitedWithCode(0), "");
}

TEST(WaitForInput, AFailedWaitEndsTheProcessInsteadOfSpinning)
{
    // With SDL shut down the event queue is gone: every wait would fail again.
    EXPECT_EXIT(
        {
            openTestWindow();
            SDL_Quit();
            waitForInput(true, true);
            std::_Exit(returned);
        },
        testing::ExitedWithCode(2), "^Unable to wait for events: [^\n]*\n$");
}

TEST(LoadImage, AMissingFileGivesNullAndTheExactMessage)
{
    openTestWindow();
    testing::internal::CaptureStdout();
    SDL_Surface* image = loadImage("no such.png");
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "\nImpossible de charger \" no such.png \"");
    EXPECT_EQ(image, nullptr);
}

TEST(LoadImage, ReturnsThePictureAsItIsStored)
{
    openTestWindow();
    ScratchDir dir;
    writePicture("picture.png", 30, 20, 10, 20, 30);
    testing::internal::CaptureStdout();
    SDL_Surface* image = loadImage("picture.png");
    std::fflush(stdout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->w, 30);
    EXPECT_EQ(image->h, 20);
    EXPECT_EQ(image->format->BitsPerPixel, 24);  // not converted to the display's 32 bits
    SDL_Color colour = pixelAt(image, 5, 5);
    EXPECT_EQ(colour.r, 10);
    EXPECT_EQ(colour.g, 20);
    EXPECT_EQ(colour.b, 30);
    SDL_FreeSurface(image);
}

TEST(InitDisplay, OpensTheWindowAndRecordsItsSurface)
{
    SDL_Surface* surface = openTestWindow();
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface, displaySurface);
    EXPECT_EQ(surface->w, 640);
    EXPECT_EQ(surface->h, 480);
    EXPECT_EQ(surface->format->BitsPerPixel, 32);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    EXPECT_STREQ(title, "test");
}

TEST(SetVideoMode, RefusesAWindowThatSdlCannotAddress)
{
    openTestWindow();
    const struct {
        int width, height;
        const char* message;
    } cases[] = {
        {16384, 10, "Unable to set 16384 x10  video: larger than a window can be\n"},
        {10, 32768, "Unable to set 10 x32768  video: larger than a window can be\n"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(setVideoMode(c.width, c.height), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
    }
    SDL_Surface* largest = setVideoMode(largestWindowWidth, 16);
    ASSERT_NE(largest, nullptr);
    EXPECT_EQ(largest->w, largestWindowWidth);
    EXPECT_GE(largest->pitch, largestWindowWidth * 4);
    displaySurface = setVideoMode(640, 480);
}

TEST(InitDisplay, AVideoSystemThatDoesNotStartGivesMinusOneAndOneLine)
{
    EXPECT_EXIT(
        {
            SDL_Quit();
            displaySurface = nullptr;  // as at process start
            setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
            DisplayResult result = initDisplay("test", 640, 480);
            const bool asSaid = result.code == displayInitFailed && result.surface == nullptr &&
                                displaySurface == nullptr;
            std::_Exit(asSaid ? 0 : 1);
        },
        testing::ExitedWithCode(0), "^Unable to init SDL: [^\n]+\n$");
}

}  // namespace
