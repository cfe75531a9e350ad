#pragma once
// The two archives every data lookup goes through: the standard pack, open for the whole run, and the
// current pack, re-opened on whichever pack is needed at the moment. The pack catalogue owns the
// archives and points these at them; null means "not open".

namespace burrowix {

class PackArchive;

extern PackArchive* standardPack;
extern PackArchive* currentPack;

} // namespace burrowix
