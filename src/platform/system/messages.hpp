#pragma once
// The window messages the game reacts to, in the shape its window procedure expects: a kind, a
// wParam and an lParam with the meanings of the classic desktop messages.
//   Activate: wParam low word 1 active / 0 inactive, high word non-zero when minimised.
//   Mouse messages: lParam low word x, high word y (screen coordinates, 800 x 600); a MouseMove's
//   wParam has kPointerStillBit when the pointer stood still and the window moved or changed size
//   under it.
//   KeyDown / KeyUp: wParam the virtual-key number (Key below); lParam bit 30 set on auto-repeat,
//   bit 29 when a game controller made the key.
//   Char: wParam the character code.
//   Quit: wParam the exit code.

#include <cstdint>

namespace burrowix {

enum class MessageType {
    Activate,
    // The window lost the keyboard focus (it stays active: frames keep running).
    FocusLost,
    Move,
    Close,
    Destroy,
    MouseMove,
    LeftButtonDown,
    LeftButtonUp,
    RightButtonDown,
    RightButtonUp,
    KeyDown,
    KeyUp,
    Char,
    // The mouse wheel: wParam holds the notches as a signed number, positive away from the user.
    MouseWheel,
    MiddleButtonDown,
    MiddleButtonUp,
    Quit,
};

struct Message {
    MessageType type = MessageType::Quit;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;

    int mouseX() const { return static_cast<std::int16_t>(lParam & 0xFFFF); }
    int mouseY() const { return static_cast<std::int16_t>(lParam >> 16); }
    bool minimised() const { return (wParam >> 16) != 0; }
    bool fromController() const { return (lParam & kFromControllerBit) != 0; }
    bool pointerStill() const { return (wParam & kPointerStillBit) != 0; }

    static constexpr std::uint32_t kFromControllerBit = 1u << 29;
    static constexpr std::uint32_t kPointerStillBit = 1u << 30;
};

inline std::uint32_t mousePosition(int x, int y)
{
    return (static_cast<std::uint32_t>(y) & 0xFFFF) << 16 | (static_cast<std::uint32_t>(x) & 0xFFFF);
}

// Virtual-key numbers.
namespace Key {
constexpr std::uint32_t Backspace = 8, Tab = 9, Enter = 13, Shift = 16, Control = 17, Alt = 18,
                        Pause = 19, CapsLock = 20, Escape = 27, Space = 32, PageUp = 33,
                        PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40,
                        Insert = 45, Delete = 46, Digit0 = 48, A = 65, Numpad0 = 96, Multiply = 106,
                        Add = 107, Subtract = 109, Decimal = 110, Divide = 111, F1 = 112, F4 = 115,
                        F5 = 116, F9 = 120, F12 = 123, Semicolon = 186, Plus = 187, Comma = 188,
                        Minus = 189, Period = 190, Slash = 191, Backquote = 192, LeftBracket = 219,
                        Backslash = 220, RightBracket = 221, Quote = 222;
} // namespace Key

} // namespace burrowix
