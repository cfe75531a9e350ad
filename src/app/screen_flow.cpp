#include "app/screen_flow.hpp"

#include "app/app_state.hpp"
#include "app/pack_catalogue.hpp"
#include "app/picture_tables.hpp"
#include "menus/records.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"

#include <span>

namespace burrowix {

namespace {

struct ScreenPicture {
    int index;          // interface slot
    std::uint32_t key;  // colour key set after loading
};

constexpr std::uint32_t kBlack = packRgb(0, 0, 0);
constexpr std::uint32_t kGreen = packRgb(0, 255, 0);
constexpr std::uint32_t kCyan = packRgb(0, 255, 255);

constexpr ScreenPicture kMainMenuPictures[] = {{kMainMenuImage, kBlack}};
constexpr ScreenPicture kLevelChoicePictures[] = {{29, kGreen}, {28, kGreen}, {24, kBlack}, {32, kBlack},
                                                  {30, kBlack}, {31, kBlack}, {36, kBlack}, {42, kCyan}};
constexpr ScreenPicture kOptionsPictures[] = {{33, kBlack}, {38, kBlack}};
constexpr ScreenPicture kHallOfFamePictures[] = {{8, kBlack}};
constexpr ScreenPicture kHelpPictures[] = {{6, kBlack}};
constexpr ScreenPicture kExitPictures[] = {{39, kBlack}};
constexpr ScreenPicture kGameOverPictures[] = {{40, kGreen}, {43, kGreen}};

// The pictures a screen holds while it is current (the game screen's pointer stays loaded).
std::span<const ScreenPicture> picturesOf(int screen)
{
    switch (screen) {
    case ScreenMainMenu:
        return kMainMenuPictures;
    case ScreenLevelChoice:
        return kLevelChoicePictures;
    case ScreenOptions:
        return kOptionsPictures;
    case ScreenHallOfFame:
        return kHallOfFamePictures;
    case ScreenHelp:
        return kHelpPictures;
    case ScreenExit:
        return kExitPictures;
    case ScreenGameOver:
        return kGameOverPictures;
    default:
        return {};
    }
}

void releasePictures(int screen)
{
    for (const ScreenPicture& p : picturesOf(screen))
        thePictures.interfaceImages[p.index].reset();
    if (screen == ScreenLogo)
        thePictures.interfaceImages[kLogoImage].reset();
}

void loadPictures(int screen)
{
    const std::span<const ScreenPicture> pictures = picturesOf(screen);
    if (pictures.empty())
        return;
    theCatalogue.useStandardPack();
    for (const ScreenPicture& p : pictures) {
        Picture& slot = thePictures.interfaceImages[p.index];
        slot = loadBitmapSurface(theDisplay, kInterfaceImageNames[p.index]);
        if (slot)
            setColorKey(slot.get(), p.key);
    }
}

void drawFullScreen(int index)
{
    const Picture& picture = thePictures.interfaceImages[index];
    if (picture)
        blitFast(theDisplay.backBuffer.get(), 0, 0, picture.get(), nullptr, false);
}

} // namespace

void resetGame()
{
    HallOfFame& record = theRecords.hallOfFame;
    theRecords.startNewGameValues();
    record.score = 0;
    app.worldReady = 0;
}

void SetScreen(int target)
{
    if (app.firstFrame)
        return;
    releasePictures(app.currentScreen);
    loadPictures(target);
    app.cursorVisible = target == ScreenLogo || target == ScreenGame ? 0 : 1;
    app.currentScreen = target;
    if (target == ScreenMainMenu)
        resetGame();
}

void drawScreenPicture()
{
    switch (app.currentScreen) {
    case ScreenLogo:
        drawFullScreen(kLogoImage);
        break;
    case ScreenMainMenu:
        drawFullScreen(kMainMenuImage);
        break;
    default:
        break;
    }
}

bool logoScreenInput(const Message& message)
{
    if (app.currentScreen != ScreenLogo)
        return false;
    if (message.type != MessageType::KeyDown && message.type != MessageType::LeftButtonDown)
        return false;
    SetScreen(ScreenMainMenu);
    return true;
}

} // namespace burrowix
