#include "platform/system/gamepad.hpp"

namespace burrowix {

SDL_Event keyEvent(SDL_Keycode key, bool down)
{
    SDL_Event e{};
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
    e.key.keysym.unused = kPadKeyMark;
    return e;
}

namespace {

SDL_Keycode keyForButton(int button)
{
    for (const PadButtonKey& entry : kPadButtonKeys)
        if (entry.button == button)
            return entry.key;
    return 0;
}

const PadAxisKeys* keysForAxis(int axis)
{
    for (const PadAxisKeys& entry : kPadAxisKeys)
        if (entry.axis == axis)
            return &entry;
    return nullptr;
}

// The direction an axis points in after `value`, given the one it pointed in before.
int axisDirection(int before, int value)
{
    if (value > kAxisPressAt || (before > 0 && value > kAxisReleaseAt))
        return 1;
    if (value < -kAxisPressAt || (before < 0 && value < -kAxisReleaseAt))
        return -1;
    return 0;
}

} // namespace

GamepadInput::~GamepadInput()
{
    for (auto& [id, pad] : pads_)
        if (pad.controller)
            SDL_GameControllerClose(pad.controller);
}

void GamepadInput::releaseAll(Pad& pad, std::vector<SDL_Event>& keys)
{
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; ++b)
        if (pad.button[b] && keyForButton(b))
            keys.push_back(keyEvent(keyForButton(b), false));
    for (const PadAxisKeys& entry : kPadAxisKeys) {
        const int d = pad.axisDirection[entry.axis];
        if (d != 0 && (d > 0 ? entry.positive : entry.negative))
            keys.push_back(keyEvent(d > 0 ? entry.positive : entry.negative, false));
    }
}

bool GamepadInput::translate(const SDL_Event& event, std::vector<SDL_Event>& keys)
{
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        // `which` is a device index here; the pad is known by its instance id from now on.
        if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which)) {
            const SDL_JoystickID id = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
            Pad& pad = pads_[id];
            if (pad.controller)
                SDL_GameControllerClose(controller); // already open: SDL counts the second open
            else
                pad.controller = controller;
        }
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto it = pads_.find(event.cdevice.which);
        if (it != pads_.end()) {
            releaseAll(it->second, keys);
            if (it->second.controller)
                SDL_GameControllerClose(it->second.controller);
            pads_.erase(it);
        }
        return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
        const int button = event.cbutton.button;
        if (button < 0 || button >= SDL_CONTROLLER_BUTTON_MAX)
            return true;
        Pad& pad = pads_[event.cbutton.which];
        if (pad.button[button] == down)
            return true;
        pad.button[button] = down;
        if (const SDL_Keycode key = keyForButton(button))
            keys.push_back(keyEvent(key, down));
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        const PadAxisKeys* entry = keysForAxis(event.caxis.axis);
        if (!entry)
            return true;
        Pad& pad = pads_[event.caxis.which];
        int& before = pad.axisDirection[entry->axis];
        const int after = axisDirection(before, event.caxis.value);
        if (after == before)
            return true;
        const auto keyOf = [entry](int direction) { return direction > 0 ? entry->positive : entry->negative; };
        if (before != 0 && keyOf(before))
            keys.push_back(keyEvent(keyOf(before), false));
        if (after != 0 && keyOf(after))
            keys.push_back(keyEvent(keyOf(after), true));
        before = after;
        return true;
    }
    default:
        return false;
    }
}

} // namespace burrowix
