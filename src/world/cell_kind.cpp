#include "world/cell_kind.hpp"

namespace burrowix {

namespace {

constexpr std::array<int, kWeaponTypes> kPickupDelays = {100, 90, 110, 105, 90, 100, 110, 80};

} // namespace

int mineralFrames(std::int32_t type) { return type >= 0 && type < kMineralTypes ? 16 : 0; }
int mineralDelay(std::int32_t type)
{
    if (type < 0 || type >= kMineralTypes)
        return 0;
    return type <= 4 ? 110 : 120;
}
int pickupFrames(std::int32_t weapon)
{
    if (weapon < 0 || weapon >= kWeaponTypes)
        return 0;
    return weapon == 7 ? 16 : 3;
}
int pickupDelay(std::int32_t weapon)
{
    return weapon >= 0 && weapon < kWeaponTypes ? kPickupDelays[weapon] : 0;
}

} // namespace burrowix
