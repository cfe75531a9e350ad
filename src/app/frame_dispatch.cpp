#include "app/frame_dispatch.hpp"

#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/game_pause.hpp"
#include "app/record_files.hpp"
#include "app/screen_flow.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "app/startup.hpp"
#include "app/test_play.hpp"
#include "audio/effect_bank.hpp"
#include "audio/game_music.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/display/display.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"
#include "world/cell_drawing.hpp"
#include "world/world.hpp"

namespace burrowix::dispatch {

namespace {

const ScreenEntry& current()
{
    return screenEntry(app.currentScreen);
}

// Arrow, Space and F4 key-downs that the name field swallows still end a held game key.
bool releasesHeldKey(std::uint32_t key)
{
    return key == Key::Left || key == Key::Up || key == Key::Right || key == Key::Down || key == Key::Space ||
           key == Key::F4;
}

void keyDown(const Message& message)
{
    if (screenFlow.nameEntryState == 1) {
        if (widgetsTake(message))
            return;
        if (releasesHeldKey(message.wParam))
            gameKeyUp(Message{MessageType::KeyUp, message.wParam, 0});
        if (message.wParam != Key::Enter)
            return;
    }
    if (current().keyDown)
        current().keyDown(message);
}

// Characters reach the widgets only while the name field is open; an Enter it does not take
// confirms as the Enter key does. Otherwise they go to a screen that takes text.
void charInput(const Message& message)
{
    if (screenFlow.nameEntryState != 1) {
        if (current().charInput)
            current().charInput(message);
        return;
    }
    if (widgetsTake(message) || message.wParam != Key::Enter)
        return;
    if (current().keyDown)
        current().keyDown(Message{MessageType::KeyDown, Key::Enter, 0});
}

} // namespace

void firstFrameInit()
{
    burrowix::firstFrameInit();
}

void drawLevelPreview()
{
    if (world.theWorld)
        drawWorld(*world.theWorld, world.theDigger.get(), theDisplay.backBuffer.get());
}

void runGameScreenFrame()
{
    if (app.paused)
        drawPausedFrame(theDisplay.backBuffer.get());
    else
        RunGameFrame(theDisplay.backBuffer.get());
}

void leaveLogoScreen()
{
    SetScreen(ScreenMainMenu);
}

void drawCurrentScreen()
{
    if (current().drawFrame)
        current().drawFrame(theDisplay.backBuffer.get());
}

void drawAllWidgets()
{
    burrowix::drawAllWidgets(theDisplay.backBuffer.get());
}

void hideAllWidgets()
{
    burrowix::hideAllWidgets();
}

void showCurrentScreenWidgets()
{
    const ScreenEntry& screen = current();
    if (screen.showWidgets)
        screen.showWidgets();
    else
        for (const char* name : screen.widgets)
            showWidget(name);
}

void showLevelChoiceWidgets()
{
    if (menuHooks().showLevelChoiceWidgets)
        menuHooks().showLevelChoiceWidgets();
}

void runMagnifier()
{
    if (current().drawOverlay)
        current().drawOverlay(theDisplay.backBuffer.get());
}

void drawPointer(int x, int y, Ticks now)
{
    drawWidgetPointer(theDisplay.backBuffer.get(), x, y, now);
}

int difficultyDialogState()
{
    return menuHooks().difficultyDialogState ? menuHooks().difficultyDialogState() : 0;
}

Surface* snapshotSurface()
{
    return menuHooks().snapshotSurface ? menuHooks().snapshotSurface() : nullptr;
}

void screenInput(const Message& message)
{
    switch (message.type) {
    case MessageType::MouseMove:
        if (!widgetsTake(message) && current().pointerMoved)
            current().pointerMoved(message.mouseX(), message.mouseY());
        return;
    case MessageType::LeftButtonDown:
        widgetsTake(message);
        if (current().leftButtonDown)
            current().leftButtonDown(message);
        return;
    case MessageType::LeftButtonUp:
    case MessageType::RightButtonDown:
    case MessageType::RightButtonUp:
    case MessageType::MiddleButtonDown:
    case MessageType::MiddleButtonUp:
        widgetsTake(message);
        if (current().otherButton)
            current().otherButton(message);
        return;
    case MessageType::KeyDown:
        keyDown(message);
        return;
    case MessageType::KeyUp:
        gameKeyUp(message);
        if (current().keyUp)
            current().keyUp(message);
        return;
    case MessageType::MouseWheel:
        if (current().mouseWheel)
            current().mouseWheel(static_cast<std::int32_t>(message.wParam));
        return;
    case MessageType::Char:
        charInput(message);
        return;
    default:
        return;
    }
}

void closeWork()
{
    destroyFonts();
    removeGameFontFiles();
    effectBank.releaseAllEffects();
    if (standardPack)
        standardPack->removeTempFiles();
    if (menuHooks().closeWork)
        menuHooks().closeWork();
    // A test play's record and choices are not the player's: theirs are saved.
    abandonTestPlay();
    saveRecordFiles();
}

// The refill thread stops and the music goes; the effect output went with the display.
void destroyWork()
{
    stopGameMusic();
}

} // namespace burrowix::dispatch
