#include "state/screen_flow_state.hpp"

namespace burrowix {

ScreenFlowState screenFlow;

} // namespace burrowix
