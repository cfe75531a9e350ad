#include "app/main_loop.hpp"

#include <algorithm>

#include "app/run_frame.hpp"
#include "app/window_procedure.hpp"
#include "platform/system/event_source.hpp"
#include "state/app_state.hpp"

namespace burrowix {

int msUntilNextFrame(Ticks now, Ticks lastFrame, int interval)
{
    // A frame is due when now - lastFrame > interval, i.e. at lastFrame + interval + 1.
    const std::int64_t wait = std::int64_t(interval) + 1 - std::int32_t(now - lastFrame);
    return wait > 0 ? int(wait) : 0;
}

int runMessageLoop()
{
    for (;;) {
        Message message;
        if (app.events->poll(message)) {
            if (message.type == MessageType::Quit)
                return static_cast<int>(message.wParam);
            WindowProc(message);
            continue;
        }
        if (!app.appActive) {
            app.events->wait(-1);
            continue;
        }
        RunFrame();
        if (!app.appActive)
            continue;
        // A still screen with nothing due waits for input or its next timed change.
        const Ticks now = app.clock->ticks();
        const int wait = std::max(msUntilNextFrame(now, app.lastFrameTime, app.frameInterval), msUntilFrameWork(now));
        if (wait > 0)
            app.events->wait(wait);
    }
}

} // namespace burrowix
