#include "editor/edit_checks.hpp"

#include "world/level_check.hpp"

namespace burrowix {

std::vector<std::string> editChecks(const EditLevel& level)
{
    return checkLevel(toLevelFile(level));
}

} // namespace burrowix
