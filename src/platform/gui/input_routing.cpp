#include "platform/gui/input_routing.hpp"

#include "platform/gui/gui_state.hpp"
#include "platform/gui/widget.hpp"

namespace burrowix {

namespace {

WidgetInput result(int handled)
{
    return handled ? WidgetInput::Handled : WidgetInput::Unhandled;
}

int mouseButtonDown(const Message& m, int button)
{
    theGui.pointer.selectShape(kPointerHeld);
    return theGui.rootList.mouseDownAll(m.mouseX(), m.mouseY(), button);
}

// After a release the widget under the pointer gets a move of its own when the release let go of
// the mouse, so its hover look and pointer shape follow at once.
int mouseButtonUp(const Message& m, int button)
{
    WidgetList& root = theGui.rootList;
    theGui.pointer.selectShape(kPointerNormal);
    const bool held = root.anyPressed();
    const int handled = root.mouseUpAll(m.mouseX(), m.mouseY(), button);
    if (root.anyPressed() != held)
        root.mouseMoveAll(m.mouseX(), m.mouseY(), !root.anyPressed());
    return handled;
}

} // namespace

WidgetInput routeWidgetInput(const Message& m)
{
    WidgetList& root = theGui.rootList;
    switch (m.type) {
    case MessageType::MouseMove:
        // The pointer takes the focus back: the hover looks follow it again. A window that moved
        // under a still pointer leaves the focus where it is.
        if (theGui.focused && !m.pointerStill()) {
            theGui.focused->showFocus(false);
            theGui.focused = nullptr;
        }
        {
            const int handled = root.mouseMoveAll(m.mouseX(), m.mouseY(), !root.anyPressed());
            // The move set every hover look for the pointer; a focus that stays keeps its look.
            if (theGui.focused)
                theGui.focused->showFocus(true);
            return result(handled);
        }
    case MessageType::LeftButtonDown:
        return result(mouseButtonDown(m, kLeftButton));
    case MessageType::RightButtonDown:
        return result(mouseButtonDown(m, kRightButton));
    case MessageType::LeftButtonUp:
        return result(mouseButtonUp(m, kLeftButton));
    case MessageType::RightButtonUp:
        return result(mouseButtonUp(m, kRightButton));
    case MessageType::KeyDown:
        if (!theGui.keyboardInput)
            return WidgetInput::NotRouted;
        return result(root.keyDownAll(static_cast<int>(m.wParam)));
    case MessageType::Char:
        if (!theGui.keyboardInput)
            return WidgetInput::NotRouted;
        return result(root.charInputAll(static_cast<int>(m.wParam)));
    default:
        return WidgetInput::NotRouted;
    }
}

bool confirmsScreen(const Message& m, WidgetInput routed)
{
    return routed == WidgetInput::Unhandled &&
           (m.type == MessageType::KeyDown || m.type == MessageType::Char) && m.wParam == Key::Enter;
}

} // namespace burrowix
