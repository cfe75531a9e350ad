#pragma once
// Input from the main window's messages to the widgets of the root list. Mouse messages always go to
// the widgets and choose the pointer shape; keys and characters only while the current screen lets
// widgets take typed input; key releases never.

#include "platform/system/messages.hpp"

namespace burrowix {

enum class WidgetInput {
    Handled,    // a widget took the message
    Unhandled,  // the widgets saw it and none took it
    NotRouted,  // the message is not for the widgets (a key release, or typed input switched off)
};

WidgetInput routeWidgetInput(const Message& message);

// An Enter key or character the widgets saw and did not take: the current screen confirms.
bool confirmsScreen(const Message& message, WidgetInput routed);

} // namespace burrowix
