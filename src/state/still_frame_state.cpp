#include "state/still_frame_state.hpp"

namespace burrowix {

StillFrameState stillFrame;

} // namespace burrowix
