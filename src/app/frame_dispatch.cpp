#include "app/frame_dispatch.hpp"

#include "app/app_state.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"

namespace burrowix::dispatch {

void firstFrameInit()
{
    if (app.clock)
        app.clock->sleep(50);
    app.firstFrame = 0;
    app.screenEnterTime = app.clock ? app.clock->ticks() : 0;
}

void drawLevelPreview() {}
void runGameScreenFrame() {}
void leaveLogoScreen() {}
void drawCurrentScreen() {}
void drawAllWidgets() {}
void hideAllWidgets() {}
void showCurrentScreenWidgets() {}
void showLevelChoiceWidgets() {}
void runMagnifier() {}
void drawPointer(int, int, Ticks) {}

int difficultyDialogState() { return 1; }
Surface* snapshotSurface() { return nullptr; }

void screenInput(const Message&) {}

void closeWork()
{
    if (standardPack)
        standardPack->removeTempFiles();
}

void destroyWork() {}

} // namespace burrowix::dispatch
