#include <iostream>
#include <string>
#include <vector>

#include "level_cli.hpp"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return burrowix::runLevelTool(args, std::cout, std::cerr);
}
