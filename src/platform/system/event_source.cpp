#include "platform/system/event_source.hpp"

#include <SDL.h>

#include <vector>

#include "platform/system/event_translation.hpp"

namespace burrowix {

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
    std::vector<Message> messages;
    translateEvent(event, messages);
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
