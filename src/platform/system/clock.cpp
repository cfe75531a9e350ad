#include "platform/system/clock.hpp"

#include <SDL.h>

namespace burrowix {

Ticks SdlClock::ticks() { return SDL_GetTicks(); }

void SdlClock::sleep(std::uint32_t ms) { SDL_Delay(ms); }

} // namespace burrowix
