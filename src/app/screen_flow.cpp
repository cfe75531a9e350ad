#include "app/screen_flow.hpp"

#include "app/pack_catalogue.hpp"
#include "app/screen_table.hpp"
#include "app/screen_widgets.hpp"
#include "app/sound_controls.hpp"
#include "audio/effect_handles.hpp"
#include "common/asset_manifest.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/picture_tables.hpp"

namespace burrowix {

namespace {

void releasePictures(const ScreenEntry& screen)
{
    for (const ScreenPicture& p : screen.pictures)
        thePictures.interfaceImages[std::size_t(p.index)].reset();
    if (screen.releaseExtra)
        screen.releaseExtra();
}

void loadPictures(const ScreenEntry& screen)
{
    if (screen.pictures.empty() && !screen.loadExtra)
        return;
    theCatalogue.useStandardPack();
    for (const ScreenPicture& p : screen.pictures)
        loadInterfacePicture(p.index, p.key);
    if (screen.loadExtra)
        screen.loadExtra();
}

} // namespace

void loadInterfacePicture(int index, std::uint32_t key)
{
    Picture& slot = thePictures.interfaceImages[std::size_t(index)];
    slot = loadBitmapSurface(theDisplay, kInterfaceImageNames[std::size_t(index)]);
    if (slot)
        setColorKey(slot.get(), key);
}

void resetGame()
{
    theRecords.startNewGameValues();
    theRecords.hallOfFame.score = 0;
    app.worldReady = 0;
}

void playMenuClick()
{
    playEffect(theEffects.effectMenu, 0);
}

const char* musicTrackForChange(int from, int target, std::int32_t difficulty)
{
    if (target == ScreenGame && from != ScreenGame)
        return difficulty >= 0 && difficulty < assets::kLevelPackCount ? assets::levelTrack(difficulty) : nullptr;
    if (from == ScreenGame && target != ScreenGame)
        return assets::kMenuTrack;
    return nullptr;
}

void SetScreen(int target)
{
    if (app.firstFrame)
        return;
    const ScreenEntry& leaving = screenEntry(app.currentScreen);
    const ScreenEntry& entering = screenEntry(target);
    hideAllWidgets();
    releasePictures(leaving);
    if (app.musicOn)
        if (const char* track = musicTrackForChange(app.currentScreen, target, theCatalogue.difficulty))
            playMusicTrack(track);
    loadPictures(entering);
    if (entering.showWidgets)
        entering.showWidgets();
    else
        for (const char* name : entering.widgets)
            showWidget(name);
    const int from = app.currentScreen;
    app.cursorVisible = entering.cursorVisible;
    app.currentScreen = target;
    app.frameChanged = 1;
    if (entering.enter)
        entering.enter(from);
}

} // namespace burrowix
