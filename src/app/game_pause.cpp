#include "app/game_pause.hpp"

#include "app/message_panels.hpp"
#include "app/sound_controls.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/key_bindings.hpp"
#include "state/level_presentation_state.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

GamePause gamePause;

namespace {

constexpr std::uint32_t kTitleColor = 0x3CAFD2;  // the menus' label colour
constexpr std::uint32_t kHintColor = 0x969696;
constexpr std::uint32_t kPlateColor = 0x101820;
constexpr Rect kPlate{260, 230, 540, 370};
constexpr int kBorder = 3;

// The bound key, the Pause key, and the controller's Start (which stands for Enter).
bool isPauseKey(const Message& message)
{
    const std::uint32_t key = message.wParam;
    return (key == keyBindings.keys[ActionPause] && !message.fromController()) || key == Key::Pause ||
           (key == Key::Enter && message.fromController());
}

void keepStill()
{
    const Surface* back = theDisplay.backBuffer.get();
    if (!back)
        return;
    if (!gamePause.still || gamePause.still->width() != back->width() || gamePause.still->height() != back->height())
        gamePause.still = std::make_unique<Surface>(back->width(), back->height());
    blitFast(gamePause.still.get(), 0, 0, back, nullptr, false);
}

void drawPlate(Surface* target)
{
    const Rect outer{kPlate.left - kBorder, kPlate.top - kBorder, kPlate.right + kBorder, kPlate.bottom + kBorder};
    fillRect(target, &outer, colorMatch(target, kTitleColor));
    fillRect(target, &kPlate, colorMatch(target, kPlateColor));
    const int centreX = (kPlate.left + kPlate.right) / 2;
    drawText(kFontLarge, 0, 1, kAlignCentre, kAlignCentre, target, centreX, kPlate.top + 50, "Paused", kTitleColor);
    drawText(kFontSmall, 0, 1, kAlignCentre, kAlignCentre, target, centreX, kPlate.top + 105, "Press any key",
             kHintColor);
}

} // namespace

bool canPause()
{
    return app.currentScreen == ScreenGame && !app.paused && world.theWorld && world.theDigger &&
           !gameScreen.frozen && !world.theDigger->dead && !world.theWorld->diggerDead &&
           levelPresentation.levelEnding == 0 && !levelPresentation.gameOverPending;
}

void pauseGame()
{
    if (!canPause())
        return;
    keepStill();
    app.paused = 1;
    if (app.musicOn)
        setMusicVolume(theRecords.options.musicVolume / 4);
}

void resumeGame()
{
    if (!app.paused)
        return;
    app.paused = 0;
    gamePause.still.reset();
    if (app.musicOn)
        setMusicVolume(theRecords.options.musicVolume);
}

bool pauseKeyDown(const Message& message)
{
    if (app.paused) {
        resumeGame();
        return true;
    }
    if (!isPauseKey(message) || !canPause())
        return false;
    pauseGame();
    return true;
}

void pauseOnFocusLoss()
{
    pauseGame();
}

void drawPausedFrame(Surface* backBuffer)
{
    if (gamePause.still)
        blitFast(backBuffer, 0, 0, gamePause.still.get(), nullptr, false);
    drawDimming(backBuffer);
    drawPlate(backBuffer);
}

} // namespace burrowix
