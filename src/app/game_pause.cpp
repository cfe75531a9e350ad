#include "app/game_pause.hpp"

#include "app/caption_plate.hpp"
#include "app/message_panels.hpp"
#include "app/sound_controls.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
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

constexpr CaptionPlate kPlate{{260, 230, 540, 370}, 3, 50, 105, 0x969696};

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
    drawCaptionPlate(backBuffer, kPlate, "Paused", "Press any key");
}

} // namespace burrowix
