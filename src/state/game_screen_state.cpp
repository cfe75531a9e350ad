#include "state/game_screen_state.hpp"

namespace burrowix {

GameScreenState gameScreen;

} // namespace burrowix
