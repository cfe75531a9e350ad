// The Linux desktop side of the window: the settings file read leniently, the window sizes the
// full-screen toggle picks, and every pad control arriving as the key the keyboard would send.
#include <gtest/gtest.h>

#include "platform/system/event_translation.hpp"
#include "platform/system/gamepad.hpp"
#include "platform/system/window_settings.hpp"
#include "support/temp_dir.hpp"

#include <filesystem>
#include <sys/stat.h>

namespace burrowix {
namespace {

TEST(WindowSettings, ReadsKnownLinesAndSkipsTheRestWithOneWarningEach)
{
    std::vector<std::string> warnings;
    const WindowSettings s = parseWindowSettings("# comment\n"
                                                 "display = window\r\n"
                                                 "  scaling=integer   # trailing comment\n"
                                                 "\n"
                                                 "scaling = huge\n"
                                                 "volume = 11\n"
                                                 "garbage without equals\n",
                                                 warnings);
    EXPECT_FALSE(s.fullScreen);
    EXPECT_EQ(s.scaling, ScalingMode::Integer);
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_NE(warnings[0].find("line 5"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[2].find("line 7"), std::string::npos) << warnings[2];

    warnings.clear();
    EXPECT_EQ(parseWindowSettings("", warnings), WindowSettings{});
    EXPECT_EQ(parseWindowSettings(std::string("\0\xff\n=\n", 5), warnings), WindowSettings{});
    EXPECT_EQ(warnings.size(), 2u);
}

TEST(WindowSettings, WhatIsWrittenReadsBackAndAMissingFileGivesDefaults)
{
    test::TempDir dir;
    const std::string path = dir.file("settings.ini");
    EXPECT_EQ(readWindowSettings(path), WindowSettings{});
    const WindowSettings windowed{false, ScalingMode::Integer, {}};
    ASSERT_TRUE(writeWindowSettings(path, windowed));
    EXPECT_EQ(readWindowSettings(path), windowed);
    std::vector<std::string> warnings;
    parseWindowSettings(formatWindowSettings(windowed), warnings);
    EXPECT_TRUE(warnings.empty()) << "the file we write never warns";
    EXPECT_FALSE(writeWindowSettings(dir.file("no/such/folder/settings.ini"), windowed));
}

TEST(WindowSettings, OnlyTheStartOfARegularFileIsReadAndLongLinesAreEchoedShort)
{
    test::TempDir dir;
    const std::string path = dir.file("settings.ini");

    // A line past the first 64 KB is not read; the warning about a long line stays short.
    const std::string longLine(50000, 'x');
    test::writeText(path, "display = window\n" + longLine + "\n" + std::string(20000, '#') + "\nscaling = integer\n");
    testing::internal::CaptureStderr();
    const WindowSettings s = readWindowSettings(path);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(s.fullScreen);
    EXPECT_EQ(s.scaling, ScalingMode::Fit);
    EXPECT_LT(err.size(), 600u) << "the long line is cut short";
    EXPECT_NE(err.find("only the first 64 KB"), std::string::npos) << err;
    EXPECT_NE(err.find("line 2 ignored"), std::string::npos) << err;

    // An endless device behind a link and a pipe nobody writes: defaults at once, with a reason.
    const std::string zero = dir.file("zero.ini"), fifo = dir.file("fifo.ini");
    std::filesystem::create_symlink("/dev/zero", zero);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(readWindowSettings(zero), WindowSettings{});
    EXPECT_EQ(readWindowSettings(fifo), WindowSettings{});
    const std::string reasons = testing::internal::GetCapturedStderr();
    EXPECT_NE(reasons.find("zero.ini is a device"), std::string::npos) << reasons;
    EXPECT_NE(reasons.find("fifo.ini is a named pipe"), std::string::npos) << reasons;
}

TEST(WindowSettings, TheWindowIsTheLargestWholeMultipleThatFitsTheDesktop)
{
    struct Row {
        int desktopW, desktopH;
        Size expected;
    };
    const Row rows[] = {
        {1920, 1050, {800, 600}},   // 1080p less a panel: 2 x would be 1200 high
        {2560, 1400, {1600, 1200}}, // 1440p
        {3840, 2100, {2400, 1800}}, // 4K: 3 x
        {1600, 1200, {1600, 1200}}, // exactly 2 x
        {1024, 600, {800, 600}},
        {640, 480, {800, 600}},     // smaller than the game: its own size
    };
    for (const Row& r : rows)
        EXPECT_EQ(windowedSize(r.desktopW, r.desktopH, 800, 600), r.expected) << r.desktopW << "x" << r.desktopH;
}

// The messages a list of SDL events becomes, pads turned into keys first as the event source does.
std::vector<Message> messagesOf(GamepadInput& pads, const std::vector<SDL_Event>& events)
{
    std::vector<Message> out;
    for (const SDL_Event& e : events) {
        std::vector<SDL_Event> keys;
        if (!pads.translate(e, keys))
            keys = {e};
        for (const SDL_Event& k : keys)
            translateEvent(k, out);
    }
    return out;
}

std::vector<Message> keyboard(SDL_Keycode key, bool down)
{
    std::vector<Message> out;
    translateEvent(keyEvent(key, down), out);
    return out;
}

bool sameMessages(const std::vector<Message>& a, const std::vector<Message>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].type != b[i].type || a[i].wParam != b[i].wParam || a[i].lParam != b[i].lParam)
            return false;
    return true;
}

SDL_Event button(int b, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_CONTROLLERBUTTONDOWN : SDL_CONTROLLERBUTTONUP;
    e.cbutton.which = 3;
    e.cbutton.button = std::uint8_t(b);
    return e;
}

SDL_Event axis(int a, int value)
{
    SDL_Event e{};
    e.type = SDL_CONTROLLERAXISMOTION;
    e.caxis.which = 3;
    e.caxis.axis = std::uint8_t(a);
    e.caxis.value = std::int16_t(value);
    return e;
}

TEST(Gamepad, EveryButtonSendsTheKeyboardsMessagesForItsKey)
{
    struct Row {
        SDL_GameControllerButton button;
        SDL_Keycode key;
    };
    const Row rows[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDLK_LEFT},  {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDLK_RIGHT},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, SDLK_UP},      {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDLK_DOWN},
        {SDL_CONTROLLER_BUTTON_A, SDLK_SPACE},         {SDL_CONTROLLER_BUTTON_X, SDLK_TAB},
        {SDL_CONTROLLER_BUTTON_B, SDLK_ESCAPE},        {SDL_CONTROLLER_BUTTON_BACK, SDLK_ESCAPE},
        {SDL_CONTROLLER_BUTTON_START, SDLK_RETURN},    {SDL_CONTROLLER_BUTTON_Y, SDLK_INSERT},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDLK_F1}, {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDLK_F2},
    };
    for (const Row& r : rows) {
        GamepadInput pads;
        EXPECT_TRUE(sameMessages(messagesOf(pads, {button(r.button, true)}), keyboard(r.key, true)))
            << SDL_GameControllerGetStringForButton(r.button);
        EXPECT_TRUE(sameMessages(messagesOf(pads, {button(r.button, false)}), keyboard(r.key, false)))
            << SDL_GameControllerGetStringForButton(r.button);
    }
    // Start and Back also type Enter and Esc, as the keys do.
    GamepadInput pads;
    const auto start = messagesOf(pads, {button(SDL_CONTROLLER_BUTTON_START, true)});
    ASSERT_EQ(start.size(), 2u);
    EXPECT_EQ(start[1].type, MessageType::Char);
    EXPECT_EQ(start[1].wParam, Key::Enter);
    // The guide button stands for nothing.
    EXPECT_TRUE(messagesOf(pads, {button(SDL_CONTROLLER_BUTTON_GUIDE, true)}).empty());
}

TEST(Gamepad, StickAndTriggersPressBeyondTheDeadZoneAndReleaseWithHysteresis)
{
    GamepadInput pads;
    const auto concat = [](std::vector<Message> a, const std::vector<Message>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    EXPECT_TRUE(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTX, 15000)}).empty()) << "inside the dead zone";
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTX, 20000)}), keyboard(SDLK_RIGHT, true)));
    EXPECT_TRUE(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTX, 13000)}).empty()) << "held until well inside";
    // Straight across to the other side: right released, then left pressed.
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTX, -32768)}),
                             concat(keyboard(SDLK_RIGHT, false), keyboard(SDLK_LEFT, true))));
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTX, 0)}), keyboard(SDLK_LEFT, false)));

    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTY, -30000)}), keyboard(SDLK_UP, true)));
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_LEFTY, 30000)}),
                             concat(keyboard(SDLK_UP, false), keyboard(SDLK_DOWN, true))));
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767)}), keyboard(SDLK_F3, true)));
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767)}), keyboard(SDLK_F4, true)));
    EXPECT_TRUE(sameMessages(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0)}), keyboard(SDLK_F4, false)));
    EXPECT_TRUE(messagesOf(pads, {axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767)}).empty()) << "the right stick is unused";

    // Pulling the pad out releases what it held: Down (stick) and F3 (trigger), and a held button.
    messagesOf(pads, {button(SDL_CONTROLLER_BUTTON_A, true)});
    SDL_Event removed{};
    removed.type = SDL_CONTROLLERDEVICEREMOVED;
    removed.cdevice.which = 3;
    const auto released = messagesOf(pads, {removed});
    EXPECT_EQ(released.size(), 3u);
    for (const Message& m : released)
        EXPECT_EQ(m.type, MessageType::KeyUp);
}

} // namespace
} // namespace burrowix
