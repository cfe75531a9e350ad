#pragma once
// The game's actions and the keys that do them: the player's bindings (kept in `settings.ini`,
// changed on the Controls screen) and each action's default key and game controller button. One
// instance, `keyBindings`; start-up and tests reset it to the defaults.

#include <array>
#include <cstdint>

#include "platform/system/messages.hpp"

namespace burrowix {

enum GameAction : int {
    ActionLeft,
    ActionUp,
    ActionRight,
    ActionDown,
    ActionFire,
    ActionNextWeapon,
    ActionShots,
    ActionGrenades,
    ActionMines,
    ActionTnt,
    ActionBottle,
    ActionHud,
    ActionGiveUp,
    ActionPause,
    kGameActionCount,
};

struct GameActionInfo {
    const char* settingName; // `key.NAME = KEY` in settings.ini
    const char* title;       // on the Controls screen
    std::uint32_t defaultKey;
    const char* padButton;   // the controller's control for it; it is not remapped
};

inline constexpr std::array<GameActionInfo, kGameActionCount> kGameActions = {{
    {"left", "Move left", Key::Left, "D-pad / stick left"},
    {"up", "Move up", Key::Up, "D-pad / stick up"},
    {"right", "Move right", Key::Right, "D-pad / stick right"},
    {"down", "Move down", Key::Down, "D-pad / stick down"},
    {"fire", "Fire", Key::Space, "A"},
    {"next_weapon", "Next weapon", Key::Tab, "X"},
    {"shots", "Shots", Key::F1, "Left shoulder"},
    {"grenades", "Grenades", Key::F1 + 1, "Right shoulder"},
    {"mines", "Mines", Key::F1 + 2, "Left trigger"},
    {"tnt", "Remote TNT", Key::F4, "Right trigger"},
    {"bottle", "Bottle", Key::F5, "-"},
    {"hud", "Show or hide the HUD", Key::Insert, "Y"},
    {"give_up", "Give up", Key::F9, "-"},
    {"pause", "Pause", Key::A + ('P' - 'A'), "Start"},
}};

struct KeyBindings {
    std::array<std::uint32_t, kGameActionCount> keys{};

    KeyBindings() { reset(); }
    void reset()
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            keys[i] = kGameActions[i].defaultKey;
    }
    // The action a key of the keyboard is bound to; -1 for none.
    int actionOf(std::uint32_t key) const
    {
        for (std::size_t i = 0; i < keys.size(); ++i)
            if (keys[i] == key)
                return static_cast<int>(i);
        return -1;
    }
    // The action a controller's key stands for: the controller keeps the default layout.
    static int defaultActionOf(std::uint32_t key)
    {
        for (std::size_t i = 0; i < kGameActions.size(); ++i)
            if (kGameActions[i].defaultKey == key)
                return static_cast<int>(i);
        return -1;
    }
};

extern KeyBindings keyBindings;

} // namespace burrowix
