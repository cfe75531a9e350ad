// burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR] [--sound-report]: makes
// every pack and font the game ships into OUTDIR, and the desktop icons of an installation into the
// icons folder (OUTDIR may be left out to make only the icons); prints how long it took.
#include "desktop_icons.hpp"
#include "generator.hpp"

#include <chrono>
#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    burrowix::mkdata::GenerateOptions options;
    std::string iconDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--contact-sheets" && i + 1 < argc)
            options.contactDir = argv[++i];
        else if (arg == "--levels" && i + 1 < argc)
            options.levelsDir = argv[++i];
        else if (arg == "--icons" && i + 1 < argc)
            iconDir = argv[++i];
        else if (arg == "--sound-report")
            options.soundReport = true;
        else if (!arg.empty() && arg[0] != '-' && options.outDir.empty())
            options.outDir = arg;
        else {
            std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR] [--sound-report]\n");
            return 2;
        }
    }
    if (options.outDir.empty() && iconDir.empty()) {
        std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR] [--sound-report]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    std::string error;
    if (!options.outDir.empty() && !burrowix::mkdata::generateData(options, error)) {
        std::fprintf(stderr, "burrowix-mkdata: %s\n", error.c_str());
        return 1;
    }
    if (!iconDir.empty() && !burrowix::mkdata::writeDesktopIcons(iconDir, error)) {
        std::fprintf(stderr, "burrowix-mkdata: %s\n", error.c_str());
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("burrowix-mkdata: generated the game data in %.1f s\n", took.count());
    return 0;
}
