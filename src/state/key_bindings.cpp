#include "state/key_bindings.hpp"

namespace burrowix {

KeyBindings keyBindings;

} // namespace burrowix
