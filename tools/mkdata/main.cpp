// burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR]: makes every pack and font the game
// ships into OUTDIR.
#include "generator.hpp"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    burrowix::mkdata::GenerateOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--contact-sheets" && i + 1 < argc)
            options.contactDir = argv[++i];
        else if (arg == "--levels" && i + 1 < argc)
            options.levelsDir = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && options.outDir.empty())
            options.outDir = arg;
        else {
            std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR]\n");
            return 2;
        }
    }
    if (options.outDir.empty()) {
        std::fprintf(stderr, "usage: burrowix-mkdata OUTDIR [--contact-sheets DIR] [--levels DIR]\n");
        return 2;
    }
    std::string error;
    if (!burrowix::mkdata::generateData(options, error)) {
        std::fprintf(stderr, "burrowix-mkdata: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
