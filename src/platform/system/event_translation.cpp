#include "platform/system/event_translation.hpp"

#include <algorithm>

#include "platform/display/display.hpp"
#include "platform/system/gamepad.hpp"

namespace burrowix {

std::uint32_t virtualKeyFor(SDL_Keycode key)
{
    if (key >= SDLK_a && key <= SDLK_z)
        return Key::A + std::uint32_t(key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9)
        return Key::Digit0 + std::uint32_t(key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F12)
        return Key::F1 + std::uint32_t(key - SDLK_F1);
    if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
        return Key::Numpad0 + 1 + std::uint32_t(key - SDLK_KP_1);
    switch (key) {
    case SDLK_BACKSPACE: return Key::Backspace;
    case SDLK_TAB: return Key::Tab;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return Key::Enter;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return Key::Shift;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return Key::Control;
    case SDLK_LALT:
    case SDLK_RALT: return Key::Alt;
    case SDLK_PAUSE: return Key::Pause;
    case SDLK_CAPSLOCK: return Key::CapsLock;
    case SDLK_ESCAPE: return Key::Escape;
    case SDLK_SPACE: return Key::Space;
    case SDLK_PAGEUP: return Key::PageUp;
    case SDLK_PAGEDOWN: return Key::PageDown;
    case SDLK_END: return Key::End;
    case SDLK_HOME: return Key::Home;
    case SDLK_LEFT: return Key::Left;
    case SDLK_UP: return Key::Up;
    case SDLK_RIGHT: return Key::Right;
    case SDLK_DOWN: return Key::Down;
    case SDLK_INSERT: return Key::Insert;
    case SDLK_DELETE: return Key::Delete;
    case SDLK_KP_0: return Key::Numpad0;
    case SDLK_KP_MULTIPLY: return Key::Multiply;
    case SDLK_KP_PLUS: return Key::Add;
    case SDLK_KP_MINUS: return Key::Subtract;
    case SDLK_KP_PERIOD: return Key::Decimal;
    case SDLK_KP_DIVIDE: return Key::Divide;
    case SDLK_SEMICOLON: return Key::Semicolon;
    case SDLK_EQUALS: return Key::Plus;
    case SDLK_COMMA: return Key::Comma;
    case SDLK_MINUS: return Key::Minus;
    case SDLK_PERIOD: return Key::Period;
    case SDLK_SLASH: return Key::Slash;
    case SDLK_BACKQUOTE: return Key::Backquote;
    case SDLK_LEFTBRACKET: return Key::LeftBracket;
    case SDLK_BACKSLASH: return Key::Backslash;
    case SDLK_RIGHTBRACKET: return Key::RightBracket;
    case SDLK_QUOTE: return Key::Quote;
    default: return 0;
    }
}

namespace {

std::uint32_t screenPosition(int x, int y)
{
    return mousePosition(std::clamp(x, 0, kScreenWidth - 1), std::clamp(y, 0, kScreenHeight - 1));
}

// The character a key makes by itself (text input does not report these).
std::uint32_t controlCharacter(std::uint32_t vk)
{
    switch (vk) {
    case Key::Enter:
    case Key::Backspace:
    case Key::Tab:
    case Key::Escape: return vk;
    default: return 0;
    }
}

} // namespace

void translateEvent(const SDL_Event& event, std::vector<Message>& out)
{
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({MessageType::Close});
        break;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        // Only showing, restoring, minimising and hiding change whether frames run; focus changes
        // do not, so that their order relative to a minimise cannot restart frames.
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
            out.push_back({MessageType::Activate, 1});
            break;
        case SDL_WINDOWEVENT_MINIMIZED:
        case SDL_WINDOWEVENT_HIDDEN:
            out.push_back({MessageType::Activate, 0x10000});
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            out.push_back({MessageType::FocusLost});
            break;
        case SDL_WINDOWEVENT_MOVED:
            out.push_back({MessageType::Move, 0, mousePosition(event.window.data1, event.window.data2)});
            break;
        case SDL_WINDOWEVENT_CLOSE:
            out.push_back({MessageType::Close});
            break;
        default:
            break;
        }
        break;
    case SDL_MOUSEMOTION:
        out.push_back({MessageType::MouseMove, 0, screenPosition(event.motion.x, event.motion.y)});
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        MessageType type;
        if (event.button.button == SDL_BUTTON_LEFT)
            type = down ? MessageType::LeftButtonDown : MessageType::LeftButtonUp;
        else if (event.button.button == SDL_BUTTON_RIGHT)
            type = down ? MessageType::RightButtonDown : MessageType::RightButtonUp;
        else if (event.button.button == SDL_BUTTON_MIDDLE)
            type = down ? MessageType::MiddleButtonDown : MessageType::MiddleButtonUp;
        else
            break;
        out.push_back({type, 0, screenPosition(event.button.x, event.button.y)});
        break;
    }
    case SDL_MOUSEWHEEL: {
        const int notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        if (notches != 0)
            out.push_back({MessageType::MouseWheel, std::uint32_t(std::int32_t(notches)), 0});
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const std::uint32_t vk = virtualKeyFor(event.key.keysym.sym);
        if (!vk)
            break;
        const bool down = event.type == SDL_KEYDOWN;
        if (down && vk == Key::F4 && (event.key.keysym.mod & KMOD_ALT)) {
            out.push_back({MessageType::Close});
            break;
        }
        const std::uint32_t lParam = 1u | (event.key.repeat ? 1u << 30 : 0u) | (down ? 0u : 3u << 30) |
                                     (event.key.keysym.unused == kPadKeyMark ? Message::kFromControllerBit : 0u);
        out.push_back({down ? MessageType::KeyDown : MessageType::KeyUp, vk, lParam});
        if (down && controlCharacter(vk))
            out.push_back({MessageType::Char, controlCharacter(vk), lParam});
        break;
    }
    case SDL_TEXTINPUT:
        for (const char* p = event.text.text; *p; ++p) {
            const auto c = static_cast<unsigned char>(*p);
            if (c >= 32 && c < 127)
                out.push_back({MessageType::Char, c, 1});
        }
        break;
    default:
        break;
    }
}

} // namespace burrowix
