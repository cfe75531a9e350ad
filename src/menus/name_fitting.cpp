#include "menus/name_fitting.hpp"

namespace burrowix {

std::string fitNameToColumn(const std::string& name, int width, int (*measure)(const std::string&))
{
    if (measure(name) <= width)
        return name;
    std::string cut = name;
    while (!cut.empty() && measure(cut + "...") > width)
        cut.pop_back();
    while (!cut.empty() && cut.back() == ' ')
        cut.pop_back();
    return cut + "...";
}

} // namespace burrowix
