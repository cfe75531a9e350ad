#include "level_play.hpp"

#include <cstdlib>
#include <fstream>

#include "app/game_frame.hpp"
#include "app/game_keys.hpp"
#include "app/headless_game.hpp"
#include "app/main_loop.hpp"
#include "app/pack_catalogue.hpp"
#include "audio/effect_bank.hpp"
#include "audio/effect_device.hpp"
#include "audio/effect_handles.hpp"
#include "level_cli.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/main_window.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "state/picture_tables.hpp"
#include "state/screen_flow_state.hpp"
#include "script_keys.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr Rect kClearPixel{0, 0, 1, 1};
constexpr int kPointerPicture = assets::interfaceSlot(assets::PictureId::YouPointer);
constexpr std::uint32_t kGreen = 0x00FF00;

int usage(std::ostream& err)
{
    err << "usage: burrowix-level play LEVEL [--difficulty D] [--index N] [--speed S] [--data DIR] [--record FILE]\n";
    return 2;
}

// Reports the moments a designer wants to know about: the digger's death and a won level.
class Announcer {
public:
    explicit Announcer(std::ostream& out) : out_(out) {}
    void check()
    {
        const World& w = *world.theWorld;
        if (w.diggerDead && !deathTold_) {
            deathTold_ = true;
            out_ << "the digger died; Esc ends\n" << std::flush;
        }
        if (levelPresentation.levelEnding && !winTold_) {
            winTold_ = true;
            out_ << "level won; Esc ends\n" << std::flush;
        }
    }

private:
    std::ostream& out_;
    bool deathTold_ = false, winTold_ = false;
};

// The system clock counted from the moment it is made, so a recorded run and its replay in the simulator (whose clock
// starts at 0) see the same times.
class ClockFromStart : public Clock {
public:
    explicit ClockFromStart(Clock& base) : base_(base), start_(base.ticks()) {}
    Ticks ticks() override { return base_.ticks() - start_; }
    void restart() { start_ = base_.ticks(); }
    void sleep(std::uint32_t ms) override { base_.sleep(ms); }

private:
    Clock& base_;
    Ticks start_;
};

// Writes what the player does as a script for burrowix-sim: the settings, every key the game screen receives, and the
// clock of every frame, so the replay takes the same steps.
class Recorder {
public:
    bool open(const std::string& path, const LevelRunOptions& options)
    {
        if (path.empty())
            return true;
        out_.open(path, std::ios::trunc);
        if (!out_)
            return false;
        out_ << "# burrowix-level play recording; replay: burrowix-sim level LEVEL --script FILE\n"
             << "options --difficulty " << options.difficulty << " --index " << options.index << " --speed "
             << options.speed << '\n';
        return true;
    }
    void key(const Message& m)
    {
        const std::string name = scriptKeyName(m.wParam);
        if (out_.is_open() && !name.empty())
            out_ << (m.type == MessageType::KeyDown ? "down " : "up ") << name << '\n';
    }
    void frame(Ticks t)
    {
        if (out_.is_open())
            out_ << "tick " << t << '\n';
    }
    bool close()
    {
        if (!out_.is_open())
            return true;
        out_.close();
        return bool(out_);
    }

private:
    std::ofstream out_;
};

// Takes "--record FILE" out of the arguments; false when FILE is missing.
bool takeRecordOption(std::vector<std::string>& args, std::string& path)
{
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] != "--record")
            continue;
        if (i + 1 >= args.size())
            return false;
        path = args[i + 1];
        args.erase(args.begin() + std::ptrdiff_t(i), args.begin() + std::ptrdiff_t(i) + 2);
        return true;
    }
    return true;
}

} // namespace

int playLevel(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    std::vector<std::string> args = arguments;
    std::string recordPath;
    if (args.size() < 2 || !takeRecordOption(args, recordPath))
        return usage(err);
    LevelRunOptions options;
    options.difficulty = 1;
    if (!parseLevelRunOptions(args, 2, false, options))
        return usage(err);
    Recorder recorder;
    if (!recorder.open(recordPath, options)) {
        err << recordPath << ": cannot be written\n";
        return 2;
    }
    const std::optional<LevelFile> level = readLevelArgument(args, err);
    if (!level)
        return 2;
    const int difficulty = options.difficulty, index = options.index;

    resetGameState();
    SdlClock systemClock;
    SdlEventSource events;
    MainWindow window;
    bool running = true;
    window.procedure = [](const Message&) {};
    if (!window.create("Burrowix")) {
        err << "the game window cannot be opened\n";
        return 2;
    }
    connectWindowEvents(events, window);
    int status = 0;
    if (setUpDisplay(theDisplay, window.makePresenter()) != DisplayResult::Ok) {
        err << "the display cannot be set up\n";
        status = 2;
    } else if (const std::string opened = openGameHeadless(options.data, difficulty); !opened.empty()) {
        err << "cannot load the game's pictures: " << opened << '\n';
        status = 2;
    }
    ClockFromStart clock(systemClock);
    if (status == 0) {
        app.clock = &clock;
        app.events = &events;
        app.appActive = 1;
        if (!startHeadlessLevel(*level, index, frameIntervalForSpeed(options.speed))) {
            err << args[1] << ": the level cannot be loaded\n";
            status = 2;
        }
    }
    if (status == 0) {
        // The game screen's own picture: the pointer around Brannok.
        theCatalogue.useStandardPack();
        thePictures.interfaceImages[kPointerPicture] = loadBitmapSurface(theDisplay, kInterfaceImageNames[kPointerPicture]);
        if (thePictures.interfaceImages[kPointerPicture])
            setColorKey(thePictures.interfaceImages[kPointerPicture].get(), kGreen);
        theCatalogue.useLevelPack();
        // Effects as in the game, at full volume, when there is a sound device.
        app.soundOn = 1;
        if (openSoundDevice(&window) >= 0) {
            app.soundAvailable = 1;
            loadEffectTable();
        }
        gameScreen.frozen = 0;
        gameScreen.showPointer = 1;
        clock.restart();
        app.lastFrameTime = clock.ticks();
        world.theDigger->lastInputTime = app.lastFrameTime;
        Announcer announcer(out);
        while (running) {
            Message m;
            while (running && events.poll(m)) {
                if (m.type == MessageType::Close || m.type == MessageType::Quit ||
                    (m.type == MessageType::KeyDown && m.wParam == Key::Escape))
                    running = false;
                else if (m.type == MessageType::KeyDown) {
                    recorder.key(m);
                    gameScreenKeyDown(m);
                } else if (m.type == MessageType::KeyUp) {
                    recorder.key(m);
                    gameKeyUp(m);
                }
            }
            if (!running)
                break;
            const Ticks now = clock.ticks();
            if (!elapsedMoreThan(now, app.lastFrameTime, app.frameInterval)) {
                events.wait(msUntilNextFrame(now, app.lastFrameTime, app.frameInterval));
                continue;
            }
            app.frameClock = now;
            Surface* back = theDisplay.backBuffer.get();
            // The level's background covers the frame most of the time: then the clear would be overdrawn.
            const DisplayResult cleared = gameFrameCoversScreen()
                                              ? back->checkReady()
                                              : blitStretch(back, nullptr, app.clearPicture, &kClearPixel, false);
            if (cleared == DisplayResult::SurfaceLost) {
                restoreAllSurfaces(theDisplay);
                continue;
            }
            recorder.frame(now);
            RunGameFrame(back);
            presentFrame(theDisplay);
            app.lastFrameTime = now;
            announcer.check();
        }
    }
    world.reset();
    effectBank.reset();
    closeSoundDevice();
    closeGameHeadless();
    window.destroy();
    resetGameState();
    if (!recorder.close()) {
        err << recordPath << ": cannot be written\n";
        status = 2;
    }
    return status;
}

} // namespace burrowix
