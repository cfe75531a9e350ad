#include "app/screen_table.hpp"

#include <array>

namespace burrowix {

namespace {

std::array<ScreenEntry, kScreenCount> screens;
const ScreenEntry noScreen;
MenuHooks hooks;

} // namespace

void registerScreen(int screen, const ScreenEntry& entry)
{
    if (screen >= 0 && screen < kScreenCount)
        screens[std::size_t(screen)] = entry;
}

const ScreenEntry& screenEntry(int screen)
{
    return screen >= 0 && screen < kScreenCount ? screens[std::size_t(screen)] : noScreen;
}

void registerMenuHooks(const MenuHooks& h)
{
    hooks = h;
}

const MenuHooks& menuHooks()
{
    return hooks;
}

} // namespace burrowix
