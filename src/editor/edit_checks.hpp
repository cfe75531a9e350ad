#pragma once
// The live checks of a level being edited: the level checker's own lines ("no start position", "the
// gold goal is 12 but there are 10 nuggets"), so the editor passes what `burrowix-level validate` passes.

#include <string>
#include <vector>

#include "editor/edit_level.hpp"

namespace burrowix {

std::vector<std::string> editChecks(const EditLevel& level);

} // namespace burrowix
