#include "platform/system/event_translation.hpp"

#include <cstring>

#include <gtest/gtest.h>

namespace burrowix {
namespace {

std::vector<Message> translate(const SDL_Event& e)
{
    std::vector<Message> out;
    translateEvent(e, out);
    return out;
}

SDL_Event keyEvent(Uint32 type, SDL_Keycode key, Uint16 mod = 0, Uint8 repeat = 0)
{
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
}

SDL_Event windowEvent(Uint8 what, int a = 0, int b = 0)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.event = what;
    e.window.data1 = a;
    e.window.data2 = b;
    return e;
}

TEST(EventTranslation, KeysBecomeVirtualKeyNumbers)
{
    // One key from each range and each group the game reads.
    const std::pair<SDL_Keycode, std::uint32_t> keys[] = {
        {SDLK_RETURN, 13}, {SDLK_KP_ENTER, 13}, {SDLK_ESCAPE, 27}, {SDLK_SPACE, 32}, {SDLK_PAGEUP, 33},
        {SDLK_HOME, 36}, {SDLK_LEFT, 37}, {SDLK_DOWN, 40}, {SDLK_INSERT, 45}, {SDLK_9, 57}, {SDLK_a, 65},
        {SDLK_z, 90}, {SDLK_KP_9, 105}, {SDLK_F1, 112}, {SDLK_F9, 120}, {SDLK_MINUS, 189}};
    for (const auto& [sdl, vk] : keys) {
        auto down = translate(keyEvent(SDL_KEYDOWN, sdl));
        ASSERT_GE(down.size(), 1u) << sdl;
        EXPECT_EQ(down[0].type, MessageType::KeyDown);
        EXPECT_EQ(down[0].wParam, vk) << sdl;
        auto up = translate(keyEvent(SDL_KEYUP, sdl));
        ASSERT_EQ(up.size(), 1u);
        EXPECT_EQ(up[0].type, MessageType::KeyUp);
        EXPECT_EQ(up[0].wParam, vk);
    }
    EXPECT_TRUE(translate(keyEvent(SDL_KEYDOWN, SDLK_AUDIONEXT)).empty());
    auto repeat = translate(keyEvent(SDL_KEYDOWN, SDLK_LEFT, 0, 1));
    EXPECT_TRUE(repeat[0].lParam & (1u << 30));
}

TEST(EventTranslation, CharactersFromTextAndFromTheFourControlKeys)
{
    for (std::uint32_t c : {13u, 8u, 9u, 27u}) {
        SDL_Keycode key = c == 13 ? SDLK_RETURN : c == 8 ? SDLK_BACKSPACE : c == 9 ? SDLK_TAB : SDLK_ESCAPE;
        auto m = translate(keyEvent(SDL_KEYDOWN, key));
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[1].type, MessageType::Char);
        EXPECT_EQ(m[1].wParam, c);
        EXPECT_EQ(translate(keyEvent(SDL_KEYUP, key)).size(), 1u) << "no character on release";
    }
    EXPECT_EQ(translate(keyEvent(SDL_KEYDOWN, SDLK_a)).size(), 1u) << "letters come as text";

    SDL_Event text{};
    text.type = SDL_TEXTINPUT;
    std::strcpy(text.text.text, "Ab 1\xC3\xA9~");
    auto m = translate(text);
    std::string got;
    for (const Message& msg : m) {
        EXPECT_EQ(msg.type, MessageType::Char);
        got += char(msg.wParam);
    }
    EXPECT_EQ(got, "Ab 1~") << "characters outside printable ASCII are dropped";
}

TEST(EventTranslation, AltF4AndTheCloseButtonAskToClose)
{
    auto m = translate(keyEvent(SDL_KEYDOWN, SDLK_F4, KMOD_LALT));
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].type, MessageType::Close);
    EXPECT_EQ(translate(keyEvent(SDL_KEYDOWN, SDLK_F4))[0].type, MessageType::KeyDown);
    EXPECT_EQ(translate(windowEvent(SDL_WINDOWEVENT_CLOSE))[0].type, MessageType::Close);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_EQ(translate(quit)[0].type, MessageType::Close);
}

TEST(EventTranslation, WindowStateBecomesActivateAndMove)
{
    auto minimised = translate(windowEvent(SDL_WINDOWEVENT_MINIMIZED));
    ASSERT_EQ(minimised.size(), 1u);
    EXPECT_EQ(minimised[0].type, MessageType::Activate);
    EXPECT_TRUE(minimised[0].minimised());
    EXPECT_TRUE(translate(windowEvent(SDL_WINDOWEVENT_HIDDEN))[0].minimised());
    for (Uint8 e : {SDL_WINDOWEVENT_RESTORED, SDL_WINDOWEVENT_SHOWN}) {
        auto m = translate(windowEvent(e));
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].type, MessageType::Activate);
        EXPECT_FALSE(m[0].minimised()) << int(e);
    }
    auto moved = translate(windowEvent(SDL_WINDOWEVENT_MOVED, 30, 40));
    EXPECT_EQ(moved[0].type, MessageType::Move);
    auto focusLost = translate(windowEvent(SDL_WINDOWEVENT_FOCUS_LOST));
    ASSERT_EQ(focusLost.size(), 1u);
    EXPECT_EQ(focusLost[0].type, MessageType::FocusLost) << "play pauses, frames keep running";
    for (Uint8 e : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_FOCUS_GAINED})
        EXPECT_TRUE(translate(windowEvent(e)).empty()) << int(e);
}

TEST(EventTranslation, MousePositionsStayOnTheScreen)
{
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 799;
    motion.motion.y = 12;
    auto m = translate(motion);
    EXPECT_EQ(m[0].type, MessageType::MouseMove);
    EXPECT_EQ(m[0].mouseX(), 799);
    EXPECT_EQ(m[0].mouseY(), 12);
    motion.motion.x = -30; // in the black bar left of the picture
    motion.motion.y = 700;
    m = translate(motion);
    EXPECT_EQ(m[0].mouseX(), 0);
    EXPECT_EQ(m[0].mouseY(), 599);

    SDL_Event button{};
    const std::tuple<Uint32, Uint8, MessageType> cases[] = {
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, MessageType::LeftButtonDown},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, MessageType::LeftButtonUp},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, MessageType::RightButtonDown},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, MessageType::RightButtonUp},
        {SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, MessageType::MiddleButtonDown},
        {SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, MessageType::MiddleButtonUp}};
    for (const auto& [type, which, expected] : cases) {
        button.type = type;
        button.button.button = which;
        button.button.x = 400;
        button.button.y = 300;
        m = translate(button);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].type, expected);
        EXPECT_EQ(m[0].mouseX(), 400);
        EXPECT_EQ(m[0].mouseY(), 300);
    }
    button.button.button = SDL_BUTTON_X1;
    EXPECT_TRUE(translate(button).empty()) << "the side buttons mean nothing here";
}

} // namespace
} // namespace burrowix
