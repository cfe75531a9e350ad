#pragma once
// Where the main loop gets its messages from: poll without blocking, wait with a timeout, and post
// the quit message. The game uses SdlEventSource; tests script their own.

#include <deque>
#include <functional>

#include "platform/system/gamepad.hpp"
#include "platform/system/messages.hpp"

union SDL_Event;

namespace burrowix {

class EventSource {
public:
    virtual ~EventSource() = default;
    // Takes the next waiting message; false when none is waiting.
    virtual bool poll(Message& message) = 0;
    // Returns when a message may be waiting or after timeoutMs; a negative timeout waits for ever.
    virtual void wait(int timeoutMs) = 0;
    // Queues the quit message with an exit code.
    virtual void postQuit(int code) = 0;
    // Queues a message for the window procedure (the close request of the exit screen).
    virtual void post(const Message& message) = 0;
};

class SdlEventSource : public EventSource {
public:
    bool poll(Message& message) override;
    void wait(int timeoutMs) override;
    void postQuit(int code) override;
    void post(const Message& message) override;

    // Called when the renderer lost its textures (device or target reset).
    std::function<void()> onDeviceReset;
    // Called when the window was uncovered or resized and must be drawn again whole.
    std::function<void()> onWindowUncovered;
    // Alt+Enter or F11: switch between full screen and a window. The keys do not reach the game.
    std::function<void()> onToggleFullScreen;
    // Turns a mouse position in window pixels into one on the 800 x 600 picture (nothing: as is).
    std::function<void(int& x, int& y)> toPicture;

private:
    void take(const SDL_Event& event);
    void translate(const SDL_Event& event);

    GamepadInput gamepads_;
    SDL_Keycode swallowedKeyUp_ = 0; // the release of a key that toggled full screen
    // The pointer's place on the desktop at the last motion, to tell a moving window from a moving pointer.
    bool pointerKnown_ = false;
    int pointerX_ = 0;
    int pointerY_ = 0;

    std::deque<Message> queue_;
};

} // namespace burrowix
