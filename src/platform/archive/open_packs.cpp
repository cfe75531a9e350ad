#include "platform/archive/open_packs.hpp"

namespace burrowix {

PackArchive* standardPack = nullptr;
PackArchive* currentPack = nullptr;

} // namespace burrowix
