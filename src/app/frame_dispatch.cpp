#include "app/frame_dispatch.hpp"

#include "app/app_state.hpp"
#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/screen_flow.hpp"
#include "app/startup.hpp"
#include "menus/record_files.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/display/display.hpp"

namespace burrowix::dispatch {

void firstFrameInit()
{
    burrowix::firstFrameInit();
}

void drawLevelPreview() {}
void runGameScreenFrame()
{
    RunGameFrame(theDisplay.backBuffer.get());
}
void leaveLogoScreen()
{
    SetScreen(ScreenMainMenu);
}

void drawCurrentScreen()
{
    drawScreenPicture();
}

void drawAllWidgets() {}
void hideAllWidgets() {}
void showCurrentScreenWidgets() {}
void showLevelChoiceWidgets() {}
void runMagnifier() {}
void drawPointer(int, int, Ticks) {}

int difficultyDialogState() { return 1; }
Surface* snapshotSurface() { return nullptr; }

void screenInput(const Message& message)
{
    if (logoScreenInput(message))
        return;
    if (message.type == MessageType::KeyUp)
        gameKeyUp(message);
    else if (message.type == MessageType::KeyDown && app.currentScreen == ScreenGame)
        gameScreenKeyDown(message);
}

void closeWork()
{
    if (standardPack)
        standardPack->removeTempFiles();
    saveRecordFiles();
}

void destroyWork() {}

} // namespace burrowix::dispatch
