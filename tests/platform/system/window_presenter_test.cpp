// The presenters against a real SDL window on SDL's dummy video driver: what the window's pixels
// hold after each frame equals the composed frame (scaled where the window is larger), also after
// frames that changed only a few rows or nothing at all.
#include <gtest/gtest.h>

#include <SDL.h>
#include <stdlib.h>

#include <cstring>
#include <memory>

#include "platform/display/surface.hpp"
#include "platform/system/main_window.hpp"

namespace burrowix {
namespace {

class WindowPresenterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override
    {
        if (window_)
            SDL_DestroyWindow(window_);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    SDL_Window* openWindow(int w, int h)
    {
        window_ = SDL_CreateWindow("test", 0, 0, w, h, 0);
        return window_;
    }

    // The window pixel (x, y) as 0x00RRGGBB.
    std::uint32_t windowPixel(int x, int y)
    {
        SDL_Surface* s = SDL_GetWindowSurface(window_);
        std::uint8_t r, g, b;
        const auto* row = static_cast<const std::uint8_t*>(s->pixels) + std::size_t(y) * s->pitch;
        std::uint32_t raw = 0;
        std::memcpy(&raw, row + std::size_t(x) * s->format->BytesPerPixel, s->format->BytesPerPixel);
        SDL_GetRGB(raw, s->format, &r, &g, &b);
        return std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | b;
    }

    // Every window pixel inside `dest` shows the frame pixel it is scaled from.
    void expectWindowShows(const Surface& frame, const Rect& dest)
    {
        for (int y = dest.top; y < dest.bottom; ++y)
            for (int x = dest.left; x < dest.right; ++x) {
                const int sx = (x - dest.left) * frame.width() / dest.width();
                const int sy = (y - dest.top) * frame.height() / dest.height();
                ASSERT_EQ(windowPixel(x, y), frame.pixel(sx, sy) & 0xFFFFFF) << "at " << x << "," << y;
            }
    }

    SDL_Window* window_ = nullptr;
};

void paintPattern(Surface& frame, std::uint32_t seed)
{
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixel(x, y, (std::uint32_t(x * 7 + y * 13) * 2654435761u + seed) & 0xFFFFFF);
}

TEST_F(WindowPresenterTest, WindowPixelsMatchEveryFrameAtOneToOne)
{
    ASSERT_NE(openWindow(800, 600), nullptr);
    const ScalingMode fit = ScalingMode::Fit;
    WindowSurfacePresenter presenter(window_, &fit, "window surface");
    Surface frame(800, 600);
    paintPattern(frame, 1);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, {0, 0, 800, 600});

    // A few changed rows only.
    for (int x = 100; x < 300; ++x)
        frame.setPixel(x, 301, 0xABCDEF);
    frame.setPixel(799, 599, 0x000001);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, {0, 0, 800, 600});

    // Something else wrote to the window (it was uncovered): the next frame is sent whole.
    SDL_FillRect(SDL_GetWindowSurface(window_), nullptr, 0);
    presenter.screenContentsLost();
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, {0, 0, 800, 600});
}

TEST_F(WindowPresenterTest, ALargerWindowShowsTheScaledFrameWithBlackBars)
{
    ASSERT_NE(openWindow(1000, 700), nullptr);
    ScalingMode scaling = ScalingMode::Fit;
    WindowSurfacePresenter presenter(window_, &scaling, "window surface");
    Surface frame(800, 600);
    paintPattern(frame, 2);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    const Rect dest = placePicture(1000, 700, 800, 600, ScalingMode::Fit);
    ASSERT_EQ(dest.width(), 933);
    expectWindowShows(frame, dest);
    EXPECT_EQ(windowPixel(0, 350), 0u);
    EXPECT_EQ(windowPixel(999, 0), 0u);

    paintPattern(frame, 3);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, dest);

    // Switched to whole multiples while running: the same unchanged frame lands 1:1 in the middle,
    // with the rest of the old picture gone to black.
    scaling = ScalingMode::Integer;
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, {100, 50, 900, 650});
    EXPECT_EQ(windowPixel(50, 350), 0u);
    EXPECT_EQ(windowPixel(500, 20), 0u);
    EXPECT_EQ(windowPixel(950, 680), 0u);
}

// A window whose pixels the display server holds for the next `busyLocks` attempts.
class BusyWindowPresenter : public WindowSurfacePresenter {
public:
    using WindowSurfacePresenter::WindowSurfacePresenter;
    int busyLocks = 0;

protected:
    bool lockPixels(SDL_Surface* target) override
    {
        if (busyLocks > 0) {
            --busyLocks;
            return false;
        }
        return WindowSurfacePresenter::lockPixels(target);
    }
};

TEST_F(WindowPresenterTest, AFrameTheBusyWindowRefusedIsSentWhenItIsFree)
{
    ASSERT_NE(openWindow(800, 600), nullptr);
    const ScalingMode fit = ScalingMode::Fit;
    BusyWindowPresenter presenter(window_, &fit, "window surface");
    Surface frame(800, 600);
    paintPattern(frame, 5);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);

    for (int x = 0; x < 800; ++x)
        frame.setPixel(x, 200, 0x00FF00);
    presenter.busyLocks = 1;
    EXPECT_EQ(presenter.present(frame), DisplayResult::StillDrawing);
    ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
    expectWindowShows(frame, {0, 0, 800, 600});

    // Through presentFrame, which tries again while the window is busy.
    Display display;
    auto owned = std::make_unique<BusyWindowPresenter>(window_, &fit, "window surface");
    BusyWindowPresenter* busy = owned.get();
    ASSERT_EQ(setUpDisplay(display, std::move(owned)), DisplayResult::Ok);
    paintPattern(*display.backBuffer, 6);
    busy->busyLocks = 3;
    EXPECT_EQ(presentFrame(display), DisplayResult::Ok);
    expectWindowShows(*display.backBuffer, {0, 0, 800, 600});
    EXPECT_EQ(busy->busyLocks, 0);
    display.reset();
}

TEST_F(WindowPresenterTest, RendererPathShowsTheSameFrame)
{
    ASSERT_NE(openWindow(800, 600), nullptr);
    SDL_Renderer* renderer = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_RenderSetLogicalSize(renderer, 800, 600);
    {
        RendererPresenter presenter(renderer, "renderer software");
        ASSERT_EQ(presenter.restoreDevice(), DisplayResult::Ok);
        Surface frame(800, 600);
        paintPattern(frame, 4);
        ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
        expectWindowShows(frame, {0, 0, 800, 600});
        frame.setPixel(5, 5, 0x123456);
        ASSERT_EQ(presenter.present(frame), DisplayResult::Ok);
        expectWindowShows(frame, {0, 0, 800, 600});
        presenter.markLost();
        EXPECT_EQ(presenter.present(frame), DisplayResult::SurfaceLost);
    }
    SDL_DestroyRenderer(renderer);
}

// SDL holds up a full-screen request for a window that already covers the desktop, so the game's
// full-screen window asks only once start-up is over: after the picture shown while it loads, with
// the frame loop's first frame.
TEST_F(WindowPresenterTest, AFullScreenWindowAsksForFullScreenOnceStartupIsOver)
{
    MainWindow main;
    main.settings.fullScreen = true;
    ASSERT_TRUE(main.create("test"));
    const auto isFullScreen = [&] { return (SDL_GetWindowFlags(main.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0; };
    EXPECT_FALSE(isFullScreen());
    int w = 0, h = 0;
    SDL_GetWindowSize(main.window, &w, &h);
    SDL_DisplayMode desktop{};
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    EXPECT_EQ(w, desktop.w);
    EXPECT_EQ(h, desktop.h);

    std::unique_ptr<FramePresenter> presenter = main.makePresenter();
    ASSERT_NE(presenter, nullptr);
    Surface frame(800, 600);
    paintPattern(frame, 5);
    ASSERT_EQ(presenter->present(frame), DisplayResult::Ok);
    EXPECT_FALSE(isFullScreen());
    presenter->frameShown();
    EXPECT_FALSE(isFullScreen());
    ASSERT_EQ(presenter->present(frame), DisplayResult::Ok);
    presenter->frameShown();
    EXPECT_TRUE(isFullScreen());
    presenter.reset();
    main.destroy();
}

} // namespace
} // namespace burrowix
