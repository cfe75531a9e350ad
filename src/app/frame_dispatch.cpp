#include "app/frame_dispatch.hpp"

#include "app/app_state.hpp"
#include "app/screen_flow.hpp"
#include "app/startup.hpp"
#include "menus/record_files.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"

namespace burrowix::dispatch {

void firstFrameInit()
{
    burrowix::firstFrameInit();
}

void drawLevelPreview() {}
void runGameScreenFrame() {}
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
    logoScreenInput(message);
}

void closeWork()
{
    if (standardPack)
        standardPack->removeTempFiles();
    saveRecordFiles();
}

void destroyWork() {}

} // namespace burrowix::dispatch
