#include <iostream>
#include <string>
#include <vector>

#include "sim_runner.hpp"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    return burrowix::runSimTool(args, std::cin, std::cout, std::cerr);
}
