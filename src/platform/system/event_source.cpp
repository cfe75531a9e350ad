#include "platform/system/event_source.hpp"

#include <SDL.h>

#include <vector>

#include "platform/system/event_translation.hpp"

namespace burrowix {

namespace {

bool isFullScreenToggle(const SDL_KeyboardEvent& key)
{
    const SDL_Keycode k = key.keysym.sym;
    return k == SDLK_F11 || ((k == SDLK_RETURN || k == SDLK_KP_ENTER) && (key.keysym.mod & KMOD_ALT));
}

} // namespace

void SdlEventSource::take(const SDL_Event& event)
{
    if (event.type == SDL_RENDER_DEVICE_RESET || event.type == SDL_RENDER_TARGETS_RESET) {
        if (onDeviceReset)
            onDeviceReset();
        return;
    }
    if (event.type == SDL_WINDOWEVENT &&
        (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) &&
        onWindowUncovered)
        onWindowUncovered();
    if (event.type == SDL_KEYDOWN && isFullScreenToggle(event.key)) {
        swallowedKeyUp_ = event.key.keysym.sym;
        if (!event.key.repeat && onToggleFullScreen)
            onToggleFullScreen();
        return;
    }
    if (event.type == SDL_KEYUP && swallowedKeyUp_ && event.key.keysym.sym == swallowedKeyUp_) {
        swallowedKeyUp_ = 0;
        return;
    }
    std::vector<SDL_Event> keys;
    if (gamepads_.translate(event, keys)) {
        for (const SDL_Event& key : keys)
            translate(key);
        return;
    }
    translate(event);
}

void SdlEventSource::translate(const SDL_Event& event)
{
    SDL_Event mapped = event;
    if (toPicture) {
        if (event.type == SDL_MOUSEMOTION)
            toPicture(mapped.motion.x, mapped.motion.y);
        else if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
            toPicture(mapped.button.x, mapped.button.y);
    }
    std::vector<Message> messages;
    translateEvent(mapped, messages);
    if (event.type == SDL_MOUSEMOTION && !messages.empty()) {
        // A window that moves or changes size under a still pointer (full screen switched on or
        // off) reports a motion as well; the pointer's place on the desktop tells them apart.
        int x = 0, y = 0;
        SDL_GetGlobalMouseState(&x, &y);
        if (pointerKnown_ && x == pointerX_ && y == pointerY_)
            messages.back().wParam |= Message::kPointerStillBit;
        pointerKnown_ = true;
        pointerX_ = x;
        pointerY_ = y;
    }
    queue_.insert(queue_.end(), messages.begin(), messages.end());
}

bool SdlEventSource::poll(Message& message)
{
    SDL_Event event;
    while (queue_.empty() && SDL_PollEvent(&event))
        take(event);
    if (queue_.empty())
        return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void SdlEventSource::wait(int timeoutMs)
{
    if (!queue_.empty())
        return;
    SDL_Event event;
    const int got = timeoutMs < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeoutMs);
    if (got)
        take(event);
}

void SdlEventSource::postQuit(int code)
{
    queue_.push_back({MessageType::Quit, static_cast<std::uint32_t>(code)});
}

void SdlEventSource::post(const Message& message)
{
    queue_.push_back(message);
}

} // namespace burrowix
