#include "level_cli.hpp"

#include <cctype>
#include <charconv>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <unistd.h>

#include "app/headless_game.hpp"
#include "app/pack_catalogue.hpp"
#include "records/records.hpp"
#include "common/atomic_file.hpp"
#include "common/random.hpp"
#include "level_play.hpp"
#include "level_render.hpp"
#include "platform/display/surface.hpp"
#include "png_file.hpp"
#include "state/screen_flow_state.hpp"
#include "world/level_check.hpp"
#include "world/level_loader.hpp"
#include "world/level_source.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

bool endsWithLevelExtension(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& c : tail)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".ml_";
}

int usage(std::ostream& err)
{
    err << "usage: burrowix-level compile SRC OUT.ml_\n"
           "       burrowix-level decompile LEVEL.ml_\n"
           "       burrowix-level validate LEVEL\n"
           "       burrowix-level render LEVEL OUT.png [--cell 40|20] [--index N] [--difficulty D] [--data DIR]\n"
           "       burrowix-level play LEVEL [--difficulty D] [--index N] [--speed S] [--data DIR]\n";
    return 2;
}

// A file that cannot be read says so with the system's reason; one that does not parse is not a
// loadable level file, and why.
std::string levelFileProblem(const std::string& why)
{
    return why.rfind("cannot be read", 0) == 0 ? why : "not a loadable level file: " + why;
}

// The picture is held whole in memory, and once more while it is encoded: larger ones are refused.
constexpr std::uint64_t kMaxRenderPixels = 40'000'000;

int render(const std::vector<std::string>& args, std::ostream& err)
{
    // The difficulty selects the level pack and with it the theme, as the level choice does.
    int cell = 40;
    std::vector<std::string> runArgs(args.begin(), args.begin() + 3);
    for (std::size_t i = 3; i < args.size(); ++i) {
        if (args[i] == "--cell" && i + 1 < args.size())
            cell = std::atoi(args[++i].c_str());
        else
            runArgs.push_back(args[i]);
    }
    LevelRunOptions options;
    if ((cell != 40 && cell != 20) || !parseLevelRunOptions(runArgs, 3, false, options))
        return usage(err);
    const int index = options.index;
    const std::string& data = options.data;
    const std::optional<LevelFile> level = readLevelArgument(args, err);
    if (!level)
        return 2;
    const std::uint64_t pixels = std::uint64_t(level->width) * std::uint64_t(level->height) * std::uint64_t(cell * cell);
    if (pixels > kMaxRenderPixels) {
        err << args[1] << ": the picture would have " << pixels << " pixels, more than render draws ("
            << kMaxRenderPixels << ")" << (cell == 40 ? "; --cell 20 draws it a quarter of the size" : "") << '\n';
        return 1;
    }
    const std::string opened = openGameHeadless(data, options.difficulty);
    if (!opened.empty()) {
        err << "cannot load the game's pictures: " << opened << '\n';
        closeGameHeadless();
        return 2;
    }
    theRandom.reset();
    screenFlow.levelNumber = index;
    world.reset();
    world.theWorld = std::make_unique<World>();
    world.theWorld->live = &theRecords.hallOfFame;
    setUpLevel(*world.theWorld, *level, index, cell, theCatalogue.difficulty);
    std::unique_ptr<Surface> picture = renderWholeLevel(*world.theWorld, cell);
    const bool ok = picture && writeSurfacePng(*picture, args[2]);
    world.reset();
    closeGameHeadless();
    if (!ok) {
        err << args[2] << ": cannot write the picture\n";
        return 2;
    }
    return 0;
}

} // namespace

std::string programFolder()
{
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return "./";
    std::string path(buffer, std::size_t(n));
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

bool parseLevelRunOptions(const std::vector<std::string>& args, std::size_t first, bool acceptScript,
                          LevelRunOptions& options)
{
    for (std::size_t i = first; i < args.size(); ++i) {
        if (i + 1 >= args.size())
            return false;
        const std::string& option = args[i];
        const std::string& value = args[++i];
        if (option == "--difficulty" || option == "--index" || option == "--speed") {
            // Whole numbers only: "x" or "1x" is refused rather than read as 0 or 1.
            int number = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size())
                return false;
            (option == "--difficulty" ? options.difficulty : option == "--index" ? options.index : options.speed) = number;
        } else if (option == "--data")
            options.data = value;
        else if (option == "--script" && acceptScript)
            options.script = value;
        else
            return false;
    }
    return options.difficulty >= 0 && options.difficulty <= 2 && options.index >= 0 && options.index <= 29 &&
           options.speed >= 0 && options.speed <= 40;
}

std::optional<LevelFile> readLevelArgument(const std::vector<std::string>& args, std::ostream& err)
{
    std::string error;
    std::optional<LevelFile> level = readLevelAny(args[1], error);
    if (!level)
        err << args[1] << ": " << error << '\n';
    return level;
}

std::optional<LevelFile> readLevelAny(const std::string& path, std::string& error)
{
    if (endsWithLevelExtension(path)) {
        std::optional<LevelFile> level = readLevelFile(path, &error);
        if (!level)
            error = levelFileProblem(error);
        return level;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot be read: ") + std::strerror(errno);
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseLevelSource(text.str(), error);
}

int runLevelTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
        return usage(err);
    const std::string& command = args[0];
    std::string error;
    if (command == "compile" && args.size() == 3) {
        std::ifstream in(args[1], std::ios::binary);
        if (!in) {
            err << args[1] << ": cannot be read: " << std::strerror(errno) << '\n';
            return 2;
        }
        std::ostringstream text;
        text << in.rdbuf();
        const auto bytes = compileLevelSource(text.str(), error);
        if (!bytes) {
            err << args[1] << ": " << error << '\n';
            return 1;
        }
        errno = 0;
        if (!writeFileAtomically(args[2], *bytes)) {
            err << args[2] << ": cannot be written" << (errno ? std::string(": ") + std::strerror(errno) : "") << '\n';
            return 2;
        }
        return 0;
    }
    if (command == "decompile" && args.size() == 2) {
        std::string why;
        const std::optional<LevelFile> level = readLevelFile(args[1], &why);
        if (!level) {
            err << args[1] << ": " << levelFileProblem(why) << '\n';
            return 1;
        }
        out << decompileLevel(*level);
        return 0;
    }
    if (command == "validate" && args.size() == 2) {
        const std::optional<LevelFile> level = readLevelArgument(args, err);
        if (!level)
            return 1;
        const std::vector<std::string> problems = checkLevel(*level);
        for (const std::string& p : problems)
            out << args[1] << ": " << p << '\n';
        return problems.empty() ? 0 : 1;
    }
    if (command == "play" && args.size() >= 2)
        return playLevel(args, out, err);
    if (command == "render" && args.size() >= 3)
        return render(args, err);
    return usage(err);
}

} // namespace burrowix
