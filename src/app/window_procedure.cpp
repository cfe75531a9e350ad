#include "app/window_procedure.hpp"

#include <cstdio>

#include "app/attract_mode.hpp"
#include "app/frame_dispatch.hpp"
#include "app/game_pause.hpp"
#include "platform/display/display.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/main_window.hpp"
#include "state/app_state.hpp"

namespace burrowix {

void onClose()
{
    if (app.closed)
        return;
    app.closed = 1;
    dispatch::closeWork();
    if (app.mainWindow && app.mainWindow->exists())
        app.mainWindow->destroy();
    else
        onDestroy();
}

void onDestroy()
{
    releaseDisplay(theDisplay);
    dispatch::destroyWork();
    std::remove("back1.wav");
    if (app.events)
        app.events->postQuit(app.exitStatus);
}

void WindowProc(const Message& message)
{
    app.frameChanged = 1;
    switch (message.type) {
    case MessageType::Activate:
        app.appActive = message.minimised() ? 0 : 1;
        if (!app.appActive)
            pauseOnFocusLoss();
        return;
    case MessageType::FocusLost:
        pauseOnFocusLoss();
        return;
    case MessageType::Move:
        return;
    case MessageType::Close:
        onClose();
        return;
    case MessageType::Destroy:
        onDestroy();
        return;
    case MessageType::MouseMove:
    case MessageType::LeftButtonDown:
    case MessageType::LeftButtonUp:
    case MessageType::RightButtonDown:
    case MessageType::RightButtonUp:
    case MessageType::MiddleButtonDown:
    case MessageType::MiddleButtonUp:
        app.mouseX = message.mouseX();
        app.mouseY = message.mouseY();
        if (!attractInput(message))
            dispatch::screenInput(message);
        return;
    case MessageType::KeyDown:
    case MessageType::KeyUp:
    case MessageType::Char:
    case MessageType::MouseWheel:
        if (!attractInput(message))
            dispatch::screenInput(message);
        return;
    case MessageType::Quit:
        return;
    }
}

} // namespace burrowix
