#pragma once
// A display without a window, an empty toolkit with a manual clock, and made-up pictures written as
// bitmap files into a temporary folder, for tests that drive widgets through messages and read the
// back buffer.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "bmp_writer.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/input_routing.hpp"
#include "platform/system/clock.hpp"
#include "support/temp_dir.hpp"

namespace burrowix::test {

class NullPresenter : public FramePresenter {
public:
    DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
};

constexpr std::uint32_t kGreenRgb = packRgb(0, 255, 0);

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theDisplay.reset();
        theGui.reset();
        ASSERT_EQ(setUpDisplay(theDisplay, std::make_unique<NullPresenter>()), DisplayResult::Ok);
        theGui.clock = &clock;
    }
    void TearDown() override
    {
        theGui.reset();
        theDisplay.reset();
    }

    Surface& back() { return *theDisplay.backBuffer; }

    // Writes a picture whose pixel (x, y) is rgbAt(x, y) (packed RGB); its file name as a picture name.
    std::string picture(const std::string& name, int w, int h,
                        const std::function<std::uint32_t(int, int)>& rgbAt)
    {
        mkdata::Image image(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const std::uint32_t c = rgbAt(x, y);
                image.set(x, y, {std::uint8_t(c & 0xFF), std::uint8_t(c >> 8 & 0xFF), std::uint8_t(c >> 16 & 0xFF)});
            }
        const std::string path = dir.file(name);
        writeBytes(path, mkdata::encodeBmp24(image));
        return path;
    }

    // A button picture of three w x h frames of one colour each (up, down, hover); its left
    // `transparent` columns pure green.
    std::string buttonPicture(const std::string& name, int w, int h, std::uint32_t up, std::uint32_t down,
                              std::uint32_t hover, int transparent = 0)
    {
        return picture(name, w, 3 * h, [=](int x, int y) {
            if (x < transparent)
                return kGreenRgb;
            return y < h ? up : y < 2 * h ? down : hover;
        });
    }

    static void send(MessageType type, int x, int y)
    {
        routeWidgetInput(Message{type, 0, mousePosition(x, y)});
    }
    static void click(int x, int y)
    {
        send(MessageType::LeftButtonDown, x, y);
        send(MessageType::LeftButtonUp, x, y);
    }
    static WidgetInput typed(MessageType type, std::uint32_t code)
    {
        return routeWidgetInput(Message{type, code, 0});
    }

    std::uint32_t backRgb(int x, int y) { return pixel32ToRgb(back().pixel(x, y)); }

    ManualClock clock;
    TempDir dir;
};

} // namespace burrowix::test
