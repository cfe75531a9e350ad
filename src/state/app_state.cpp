#include "state/app_state.hpp"

namespace burrowix {

AppState app;

} // namespace burrowix
