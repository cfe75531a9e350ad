#pragma once
// Game controllers as a second keyboard: each button, the left stick and the triggers stand for a
// key, and a press becomes the same key events the keyboard makes, so every screen works with a pad
// without knowing it. Controllers are opened when plugged in and closed when pulled out (keys they
// held are released); SDL's controller database, extended through SDL_GAMECONTROLLERCONFIG as usual,
// says which physical control is which.

#include <SDL.h>

#include <map>
#include <vector>

namespace burrowix {

// The one table of pad buttons and the keys they stand for.
struct PadButtonKey {
    SDL_GameControllerButton button;
    SDL_Keycode key;
};
inline constexpr PadButtonKey kPadButtonKeys[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDLK_LEFT},     {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDLK_RIGHT},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, SDLK_UP},         {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDLK_DOWN},
    {SDL_CONTROLLER_BUTTON_A, SDLK_SPACE},            {SDL_CONTROLLER_BUTTON_X, SDLK_TAB},
    {SDL_CONTROLLER_BUTTON_B, SDLK_ESCAPE},           {SDL_CONTROLLER_BUTTON_BACK, SDLK_ESCAPE},
    {SDL_CONTROLLER_BUTTON_START, SDLK_RETURN},       {SDL_CONTROLLER_BUTTON_Y, SDLK_INSERT},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDLK_F1},    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDLK_F2},
};

// Axes that act as keys: the negative and positive direction of the left stick, and the triggers
// (positive only).
struct PadAxisKeys {
    SDL_GameControllerAxis axis;
    SDL_Keycode negative; // 0: the axis has no negative direction
    SDL_Keycode positive;
};
inline constexpr PadAxisKeys kPadAxisKeys[] = {
    {SDL_CONTROLLER_AXIS_LEFTX, SDLK_LEFT, SDLK_RIGHT},
    {SDL_CONTROLLER_AXIS_LEFTY, SDLK_UP, SDLK_DOWN},
    {SDL_CONTROLLER_AXIS_TRIGGERLEFT, 0, SDLK_F3},
    {SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 0, SDLK_F4},
};

// An axis presses its key beyond kPressAt and releases it back inside kReleaseAt, so a stick held
// near the edge of the dead zone does not chatter.
inline constexpr int kAxisPressAt = 16000;
inline constexpr int kAxisReleaseAt = 12000;

class GamepadInput {
public:
    ~GamepadInput();
    // For a controller event: appends the keyboard events it stands for and returns true (device
    // events open or close the controller). False for every other event.
    bool translate(const SDL_Event& event, std::vector<SDL_Event>& keys);

private:
    struct Pad {
        SDL_GameController* controller = nullptr;
        int axisDirection[SDL_CONTROLLER_AXIS_MAX] = {}; // -1, 0 or 1
        bool button[SDL_CONTROLLER_BUTTON_MAX] = {};
    };
    void releaseAll(Pad& pad, std::vector<SDL_Event>& keys);
    std::map<SDL_JoystickID, Pad> pads_;
};

// Marks the keyboard events a controller makes (in a field SDL leaves unused).
inline constexpr Uint32 kPadKeyMark = 0x50AD;

// A keyboard event for `key`, as SDL would report a press or release without modifiers, marked as
// the controller's.
SDL_Event keyEvent(SDL_Keycode key, bool down);

} // namespace burrowix
