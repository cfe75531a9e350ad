// burrowix-pak: command-line front end of the pack archive tool.
#include "pak_cli.hpp"

#include <iostream>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return burrowix::runPakTool(args, std::cout, std::cerr);
}
