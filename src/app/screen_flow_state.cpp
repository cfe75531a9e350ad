#include "app/screen_flow_state.hpp"

namespace burrowix {

ScreenFlowState screenFlow;

} // namespace burrowix
