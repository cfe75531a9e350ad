// burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR]: makes every pack and
// font the game ships into OUTDIR, and the desktop icons of an installation into the icons folder
// (OUTDIR may be left out to make only the icons).
#include "desktop_icons.hpp"
#include "generator.hpp"

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
        else if (!arg.empty() && arg[0] != '-' && options.outDir.empty())
            options.outDir = arg;
        else {
            std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR]\n");
            return 2;
        }
    }
    if (options.outDir.empty() && iconDir.empty()) {
        std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR] [--icons DIR]\n");
        return 2;
    }
    std::string error;
    if (!options.outDir.empty() && !burrowix::mkdata::generateData(options, error)) {
        std::fprintf(stderr, "burrowix-mkdata: %s\n", error.c_str());
        return 1;
    }
    if (!iconDir.empty() && !burrowix::mkdata::writeDesktopIcons(iconDir, error)) {
        std::fprintf(stderr, "burrowix-mkdata: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
