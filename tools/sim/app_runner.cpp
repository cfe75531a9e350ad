#include "app_runner.hpp"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>

#include "state/game_screen_state.hpp"
#include "state/level_presentation_state.hpp"
#include "app/main_loop.hpp"
#include "app/pack_catalogue.hpp"
#include "app/replay_watching.hpp"
#include "app/run_frame.hpp"
#include "app/screen_widgets.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/widget.hpp"
#include "app/sound_controls.hpp"
#include "app/startup.hpp"
#include "app/test_play.hpp"
#include "app/window_procedure.hpp"
#include "audio/effect_handles.hpp"
#include "editor/edit_files.hpp"
#include "menus/help_state.hpp"
#include "menus/level_choice_state.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/display.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/key_names.hpp"
#include "platform/system/main_window.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"
#include "png_file.hpp"
#include "screen_digest.hpp"
#include "script_file.hpp"
#include "records/records.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {

namespace {

namespace fs = std::filesystem;

// Scripts name keys as settings.ini does: "Left", "Esc", "F1", "P", "5", "PageUp" ...
std::optional<std::uint32_t> keyCode(const std::string& name)
{
    if (const std::uint32_t key = keyFromName(name))
        return key;
    return std::nullopt;
}

// The character a key press types, as the window's text input would report it.
std::uint32_t typedCharacter(const std::string& name, std::uint32_t code)
{
    if (code == Key::Enter || code == Key::Escape || code == Key::Backspace || code == Key::Tab)
        return code;
    if (code == Key::Space)
        return ' ';
    if (name.size() == 1)
        return std::uint32_t(static_cast<unsigned char>(name[0]));
    return 0;
}

// Messages are handed over when the program next looks for them.
class QueuedEvents : public EventSource {
public:
    bool poll(Message& m) override
    {
        if (queue.empty())
            return false;
        m = queue.front();
        queue.erase(queue.begin());
        return true;
    }
    void wait(int) override {}
    void postQuit(int code) override { queue.push_back({MessageType::Quit, std::uint32_t(code)}); }
    void post(const Message& m) override { queue.push_back(m); }

    std::vector<Message> queue;
};

class CountingPresenter : public FramePresenter {
public:
    explicit CountingPresenter(long& count) : count_(count) {}
    DisplayResult present(const Surface&) override
    {
        ++count_;
        return DisplayResult::Ok;
    }

private:
    long& count_;
};

const char* effectName(int handle)
{
    const EffectHandles& e = theEffects;
    const std::pair<int, const char*> names[] = {
        {e.effectMenu, "menu"},           {e.effectNugget, "nugget"},         {e.effectMineral1, "mineral1"},
        {e.effectMineral2, "mineral2"},   {e.effectMineral3, "mineral3"},     {e.effectLife, "life"},
        {e.effectAddWeapon1, "addWeapon1"}, {e.effectAddWeapon2, "addWeapon2"}, {e.effectAddWeapon3, "addWeapon3"},
        {e.effectExplosion, "explosion"}, {e.effectWinner, "winner"},         {e.effectLoser, "loser"},
        {e.effectWeaponChange, "weaponChange"}, {e.effectStoneFall, "stoneFall"}, {e.effectNuggetFall, "nuggetFall"},
        {e.effectMine, "mine"},           {e.effectShot, "shot"},             {e.effectTnt, "tnt"},
        {e.effectGrenade, "grenade"},     {e.effectBottle, "bottle"},         {e.effectInfo, "info"},
        {e.effectNothing, "nothing"},     {e.effectDig1, "dig1"},             {e.effectDig2, "dig2"},
        {e.effectDig3, "dig3"}};
    for (const auto& [h, name] : names)
        if (h == handle)
            return name;
    return "unknown";
}

std::string quoted(const std::string& s)
{
    std::string q = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\')
            q += '\\';
        if (static_cast<unsigned char>(c) >= 32)
            q += c;
    }
    return q + "\"";
}

class AppSim {
public:
    AppSim(std::ostream& out) : out_(out) {}

    bool start(std::ostream& err)
    {
        registerMenuScreens();
        // The simulated machine has a sound card that nobody hears, so runs do not depend on the
        // real one (effects chosen at random draw only when sound is available).
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        auto presenter = std::make_unique<CountingPresenter>(presented_);
        // A window that is never opened: its settings are read, changed and saved as the game's are.
        window_.settingsPath = kWindowSettingsFile;
        window_.settings = readWindowSettings(window_.settingsPath);
        InitApplication({&clock_, &events_, &window_, std::move(presenter)});
        if (!theDisplay.isSetUp()) {
            err << "the program did not start (no packs, or a picture is missing)\n";
            return false;
        }
        theEffects.player = [this](int handle, int) { effects_.push_back(effectName(handle)); };
        WindowProc(Message{MessageType::Activate, 1, 0});
        return true;
    }

    bool ended() const { return ended_; }

    // Hands every waiting message to the window procedure; the quit message ends the program.
    void pump()
    {
        Message m;
        while (!ended_ && events_.poll(m)) {
            if (m.type == MessageType::Quit)
                ended_ = true;
            else
                WindowProc(m);
        }
    }

    void send(const Message& m)
    {
        events_.post(m);
        pump();
    }

    // Moves the clock on to the next frame and runs it; false when no frame ran. A frame of a still
    // screen that showed nothing new runs without being presented.
    bool nextFrame()
    {
        const long before = presented_;
        const Ticks lastFrame = app.lastFrameTime;
        auto ran = [&] { return presented_ != before || app.lastFrameTime != lastFrame; };
        for (int tries = 0; tries < 100 && !ran() && !ended_; ++tries) {
            const int wait = msUntilNextFrame(clock_.ticks(), app.lastFrameTime, app.frameInterval);
            clock_.advance(std::uint32_t(wait > 0 ? wait : 1));
            pump();
            if (!ended_)
                RunFrame();
        }
        return ran();
    }

    void runFor(std::uint32_t ms)
    {
        const Ticks end = clock_.ticks() + ms;
        while (!ended_) {
            const int wait = msUntilNextFrame(clock_.ticks(), app.lastFrameTime, app.frameInterval);
            if (std::int32_t(end - clock_.ticks()) < std::max(wait, 1)) {
                clock_.set(end);
                return;
            }
            clock_.advance(std::uint32_t(std::max(wait, 1)));
            pump();
            if (!ended_)
                RunFrame();
        }
    }

    // The game screen's play, HUD and panels: which panels are up (controls, level start, exit,
    // died, level complete), the HUD's slide, the level's end and the digger.
    static std::string gameState()
    {
        const LevelPresentationState& p = levelPresentation;
        std::ostringstream s;
        s << "{\"frozen\":" << gameScreen.frozen << ",\"panels\":[";
        for (std::size_t i = 0; i < p.panels.size(); ++i)
            s << (i ? "," : "") << p.panels[i].up;
        s << "],\"hudShown\":" << p.hudShown << ",\"hudSlide\":" << p.hudSlide << ",\"hudOffset\":" << p.hudOffset
          << ",\"levelEnding\":" << p.levelEnding << ",\"dead\":" << (world.theDigger ? world.theDigger->dead : 0)
          << ",\"goldCollected\":" << (world.theDigger ? world.theDigger->goldCollected : 0)
          << ",\"digger\":[" << (world.theDigger ? world.theDigger->x : 0) << ","
          << (world.theDigger ? world.theDigger->y : 0) << "]}";
        return s.str();
    }

    void print(const std::string& line) { out_ << line << '\n'; }

    void state()
    {
        const HallOfFame& live = theRecords.hallOfFame;
        const PackCatalogue& c = theCatalogue;
        auto fileOf = [&](int index) {
            return index >= 0 && index < int(c.packCatalogue.size()) ? c.packCatalogue[std::size_t(index)].fileName
                                                                     : std::string();
        };
        std::ostringstream s;
        s << "{\"clock\":" << clock_.ticks() << ",\"frames\":" << presented_ << ",\"ended\":" << ended_
          << ",\"screen\":" << app.currentScreen << ",\"level\":" << screenFlow.levelNumber
          << ",\"difficulty\":" << c.difficulty << ",\"pack\":" << quoted(fileOf(c.selectedLevelPack))
          << ",\"theme\":" << quoted(fileOf(c.selectedTheme)) << ",\"lives\":" << live.lives
          << ",\"score\":" << live.score << ",\"ammunition\":[";
        for (std::size_t i = 0; i < live.ammunition.size(); ++i)
            s << (i ? "," : "") << live.ammunition[i];
        s << "],\"cursorVisible\":" << app.cursorVisible << ",\"magnifierOn\":" << screenFlow.magnifierOn
          << ",\"previewOrigin\":[" << screenFlow.previewOriginX << "," << screenFlow.previewOriginY << "]"
          << ",\"previewSnapshotState\":" << levelChoice.previewSnapshotState
          << ",\"difficultyDialogState\":" << levelChoice.difficultyDialogState
          << ",\"dialogY\":" << levelChoice.dialogY
          << ",\"difficultyPromptPending\":" << theRecords.difficultyPromptPending
          << ",\"helpLine\":" << help.helpLine << ",\"helpLastLine\":" << help.lastLine
          << ",\"paused\":" << app.paused << ",\"replay\":" << replayIsPlaying()
          << ",\"fullScreen\":" << window_.settings.fullScreen
          << ",\"scaling\":" << quoted(scalingModeName(window_.settings.scaling))
          << ",\"focus\":" << quoted(theGui.focused && theGui.focused->name ? theGui.focused->name : "")
          << ",\"widgets\":[";
        const std::vector<std::string> widgets = visibleWidgetNames();
        for (std::size_t i = 0; i < widgets.size(); ++i)
            s << (i ? "," : "") << quoted(widgets[i]);
        const Options& o = theRecords.options;
        s << "],\"music\":" << quoted(musicTrackPlaying()) << ",\"effects\":[";
        for (std::size_t i = 0; i < effects_.size(); ++i)
            s << (i ? "," : "") << quoted(effects_[i]);
        effects_.clear();
        s << "],\"options\":{\"musicEnabled\":" << o.musicEnabled << ",\"soundEnabled\":" << o.soundEnabled
          << ",\"gameSpeed\":" << o.gameSpeed << ",\"soundVolume\":" << o.soundVolume
          << ",\"musicVolume\":" << o.musicVolume << "},\"frameInterval\":" << app.frameInterval
          << ",\"nameEntryState\":" << screenFlow.nameEntryState << ",\"gameOverKind\":" << screenFlow.gameOverKind
          << ",\"game\":" << gameState() << ",\"hallOfFame\":{\"highlight\":" << live.highlight
          << ",\"entries\":[";
        for (int i = 0; i < 10; ++i)
            s << (i ? "," : "") << "[" << quoted(live.entries[std::size_t(i)].name) << ","
              << live.entries[std::size_t(i)].score << "]";
        s << "]}}";
        out_ << s.str() << '\n';
    }

private:
    std::ostream& out_;
    ManualClock clock_{0};
    QueuedEvents events_;
    MainWindow window_;
    long presented_ = 0;
    bool ended_ = false;
    std::vector<std::string> effects_;
};

bool number(const std::string& word, long& value)
{
    if (word.empty() || word.size() > 9 || word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::atol(word.c_str());
    return true;
}

bool coordinate(const std::string& word, int& value)
{
    long v = 0;
    if (!number(word, v) || v > 32767)
        return false;
    value = int(v);
    return true;
}

// The game's own data in a game folder: its packs and fonts, and its replays linked. The player's files
// beside them (options, hall of fame, level progress, window settings) are left behind, so a run
// always starts fresh.
bool isGameData(const fs::path& file)
{
    std::string ext = file.extension().string();
    for (char& c : ext)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pak" || ext == ".ttf";
}

// Copies the packs and fonts of `from` into `to`.
bool copyGameData(const fs::path& from, const fs::path& to, std::ostream& err)
{
    std::error_code ec;
    fs::create_directories(to, ec);
    if (ec) {
        err << to.string() << ": cannot be made (" << ec.message() << ")\n";
        return false;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
        if (!entry.is_regular_file() || !isGameData(entry.path()))
            continue;
        fs::copy_file(entry.path(), to / entry.path().filename(), fs::copy_options::overwrite_existing, ec);
        if (ec) {
            err << entry.path().string() << ": cannot be copied (" << ec.message() << ")\n";
            return false;
        }
    }
    if (ec) {
        err << from.string() << ": cannot be read (" << ec.message() << ")\n";
        return false;
    }
    // The shipped replays the main menu plays when left alone, each pack's folder linked: the
    // player's best replays are written beside them, into the game folder's own "replays".
    std::error_code none;
    for (const fs::directory_entry& pack : fs::directory_iterator(from / "replays", none)) {
        if (!pack.is_directory(none))
            continue;
        const fs::path link = to / "replays" / pack.path().filename();
        fs::create_directories(link.parent_path(), ec);
        fs::remove(link, ec);
        if (!ec)
            fs::create_directory_symlink(pack.path(), link, ec);
        if (ec) {
            err << link.string() << ": cannot be linked (" << ec.message() << ")\n";
            return false;
        }
    }
    return true;
}

int usage(std::ostream& err)
{
    err << "usage: burrowix-sim app DATADIR [--script FILE] [--work DIR]\n";
    return 2;
}

// Runs one script line; "" when it went well, else what was wrong with it.
std::string runCommand(AppSim& sim, const std::string& line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    std::vector<std::string> args;
    for (std::string w; words >> w;)
        args.push_back(w);
    if (sim.ended() && command != "state" && command != "shot" && command != "digest")
        return "the program has ended";

    if (command == "frames" || command == "ms") {
        long n = 0;
        if (args.size() != 1 || !number(args[0], n))
            return command + " needs one count";
        if (command == "frames" && n > kMaxScriptFrames)
            return "frames runs at most " + std::to_string(kMaxScriptFrames) + " frames";
        if (command == "ms" && n > kMaxScriptMs)
            return "ms runs at most " + std::to_string(kMaxScriptMs) + " ms";
        if (command == "ms") {
            sim.runFor(std::uint32_t(n));
            return "";
        }
        for (long i = 0; i < n && !sim.ended(); ++i)
            if (!sim.nextFrame() && !sim.ended())
                return "no frame could be presented";
        return "";
    }
    if (command == "key" || command == "down" || command == "up") {
        const std::optional<std::uint32_t> code = args.size() == 1 ? keyCode(args[0]) : std::nullopt;
        if (!code)
            return command + " needs one key name";
        if (command != "up")
            sim.send(Message{MessageType::KeyDown, *code, 0});
        if (command == "key")
            if (const std::uint32_t c = typedCharacter(args[0], *code))
                sim.send(Message{MessageType::Char, c, 0});
        if (command != "down")
            sim.send(Message{MessageType::KeyUp, *code, 0});
        return "";
    }
    if (command == "char") {
        if (args.size() != 1 || args[0].size() != 1)
            return "char needs one character";
        sim.send(Message{MessageType::Char, std::uint32_t(static_cast<unsigned char>(args[0][0])), 0});
        return "";
    }
    if (command == "text") {
        const std::size_t start = line.find("text") + 5;
        if (start > line.size())
            return "text needs a string";
        for (char c : line.substr(start))
            sim.send(Message{MessageType::Char, std::uint32_t(static_cast<unsigned char>(c)), 0});
        return "";
    }
    if (command == "wheel") {
        long n = 0;
        const bool towards = args.size() == 1 && !args[0].empty() && args[0][0] == '-';
        if (args.size() != 1 || !number(towards ? args[0].substr(1) : args[0], n) || n > 100)
            return "wheel needs a number of notches from -100 to 100 (positive turns away from you)";
        sim.send(Message{MessageType::MouseWheel, std::uint32_t(std::int32_t(towards ? -n : n)), 0});
        return "";
    }
    if (command == "move" || command == "click") {
        int x = 0, y = 0;
        const bool right = command == "click" && args.size() == 3 && args[2] == "right";
        if ((args.size() != 2 && !right) || !coordinate(args[0], x) || !coordinate(args[1], y) || x >= 800 ||
            y >= 600)
            return command + " needs X Y on the screen" + (command == "click" ? " and optionally right" : "");
        sim.send(Message{MessageType::MouseMove, 0, mousePosition(x, y)});
        if (command == "click") {
            sim.send(Message{right ? MessageType::RightButtonDown : MessageType::LeftButtonDown, 0, mousePosition(x, y)});
            sim.send(Message{right ? MessageType::RightButtonUp : MessageType::LeftButtonUp, 0, mousePosition(x, y)});
        }
        return "";
    }
    if (command == "press" || command == "release") {
        int x = 0, y = 0;
        if (args.size() != 2 || !coordinate(args[0], x) || !coordinate(args[1], y) || x >= 800 || y >= 600)
            return command + " needs X Y on the screen";
        sim.send(Message{MessageType::MouseMove, 0, mousePosition(x, y)});
        sim.send(Message{command == "press" ? MessageType::LeftButtonDown : MessageType::LeftButtonUp, 0,
                         mousePosition(x, y)});
        return "";
    }
    if (command == "shot") {
        if (args.size() != 1)
            return "shot needs one file name";
        if (!theDisplay.backBuffer || !writeSurfacePng(*theDisplay.backBuffer, args[0]))
            return args[0] + ": cannot write the picture";
        return "";
    }
    if (command == "state") {
        if (!args.empty())
            return "state takes no arguments";
        sim.state();
        return "";
    }
    if (command == "digest") {
        if (!args.empty())
            return "digest takes no arguments";
        if (!theDisplay.backBuffer)
            return "there is no screen yet";
        sim.print(screenDigestLine(*theDisplay.backBuffer));
        return "";
    }
    if (command == "unfocus") {
        if (!args.empty())
            return "unfocus takes no arguments";
        sim.send(Message{MessageType::FocusLost, 0, 0});
        return "";
    }
    if (command == "testplay") {
        // What the editor's test play does, for scripts: LEVEL (a source or level file) at D.
        long difficulty = 0;
        if (args.size() != 2 || !number(args[1], difficulty))
            return "testplay needs a level file and a difficulty";
        std::string why;
        const std::optional<EditLevel> level = readEditLevel(args[0], why);
        if (!level)
            return args[0] + ": " + why;
        const std::string refused = startTestPlay(*level, int(std::min(difficulty, 99L)));
        sim.pump();
        return refused.empty() ? "" : "the test play does not start: " + refused;
    }
    if (command == "close") {
        if (!args.empty())
            return "close takes no arguments";
        sim.send(Message{MessageType::Close, 0, 0});
        return "";
    }
    return "unknown command \"" + command + "\"";
}

} // namespace

int runAppSim(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (args.size() < 2)
        return usage(err);
    std::string script, work;
    for (std::size_t i = 2; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return usage(err);
        if (args[i] == "--script")
            script = args[i + 1];
        else if (args[i] == "--work")
            work = args[i + 1];
        else
            return usage(err);
    }
    std::ifstream scriptFile;
    if (!script.empty() && !openScriptFile(script, scriptFile, err))
        return 2;
    std::istream& commands = script.empty() ? in : scriptFile;

    std::error_code ec;
    const fs::path data = fs::absolute(args[1], ec);
    if (!fs::is_directory(data, ec)) {
        err << args[1] << ": not a folder\n";
        return 2;
    }
    fs::path folder;
    bool temporary = false;
    if (work.empty()) {
        std::string pattern = (fs::temp_directory_path(ec) / "burrowix-app-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            err << "no temporary folder can be made\n";
            return 2;
        }
        folder = pattern;
        temporary = true;
    } else {
        folder = fs::absolute(work, ec);
    }
    if (!copyGameData(data, folder, err))
        return 2;
    const fs::path oldFolder = fs::current_path(ec);
    fs::current_path(folder, ec);

    int status = 0;
    {
        AppSim sim(out);
        if (!sim.start(err)) {
            status = 2;
        } else {
            std::string line;
            int lineNo = 0;
            while (status == 0 && std::getline(commands, line)) {
                ++lineNo;
                if (const std::size_t hash = line.find('#'); hash != std::string::npos)
                    line.resize(hash);
                if (line.find_first_not_of(" \t\r") == std::string::npos)
                    continue;
                const std::string problem = runCommand(sim, line);
                if (!problem.empty()) {
                    err << "line " << lineNo << ": " << problem << '\n';
                    status = 2;
                }
            }
            // The program always ends through its close work, so the three files are saved.
            if (!sim.ended())
                sim.send(Message{MessageType::Close, 0, 0});
        }
        out.flush();
    }
    releaseApplication();
    theDisplay.reset();
    app.reset();
    fs::current_path(oldFolder, ec);
    if (temporary)
        fs::remove_all(folder, ec);
    return status;
}

} // namespace burrowix
