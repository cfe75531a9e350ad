#include "app/key_settings.hpp"

#include <cstdio>

#include "platform/system/key_names.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/window_settings.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

int actionNamed(const std::string& name)
{
    for (std::size_t i = 0; i < kGameActions.size(); ++i)
        if (name == kGameActions[i].settingName)
            return static_cast<int>(i);
    return -1;
}

// An action left without a key (its default went to another) is written so that it reads back so.
constexpr const char* kNoKey = "none";

} // namespace

KeyBindings bindingsFromEntries(const KeyEntries& entries, std::vector<std::string>& warnings)
{
    KeyBindings bindings;
    // The actions the file binds: of two entries with one key, the later gets its default.
    std::array<bool, kGameActionCount> chosen{};
    for (const auto& [name, value] : entries) {
        const int action = actionNamed(name);
        if (action < 0) {
            warnings.push_back("key." + shownLine(name) + ": no such action");
            continue;
        }
        if (value == kNoKey) {
            bindings.keys[std::size_t(action)] = 0;
            chosen[std::size_t(action)] = true;
            continue;
        }
        const std::uint32_t key = keyFromName(value);
        const std::string entry = "key." + name + " = " + shownLine(value);
        if (key == 0 || key == Key::Escape) {
            warnings.push_back(entry + ": " + (key ? "Esc is kept for the exit panel" : "no such key") + ", " +
                               keyName(kGameActions[std::size_t(action)].defaultKey) + " used");
            continue;
        }
        if (const int earlier = bindings.actionOf(key); earlier >= 0 && chosen[std::size_t(earlier)]) {
            warnings.push_back(entry + ": already " + kGameActions[std::size_t(earlier)].title + ", " +
                               keyName(kGameActions[std::size_t(action)].defaultKey) + " used");
            continue;
        }
        bindings.keys[std::size_t(action)] = key;
        chosen[std::size_t(action)] = true;
    }
    // A key the file gives to one action may still be another's default: the later of the two in the
    // table gets its default, or no key when that is taken too.
    for (std::size_t a = 0; a < bindings.keys.size(); ++a) {
        for (std::size_t b = 0; b < a; ++b) {
            if (bindings.keys[a] == 0 || bindings.keys[a] != bindings.keys[b])
                continue;
            const std::uint32_t fallback = kGameActions[a].defaultKey;
            const bool free = bindings.actionOf(fallback) < 0;
            warnings.push_back(std::string("key.") + kGameActions[a].settingName + ": " + keyName(bindings.keys[a]) +
                               " is already " + kGameActions[b].title + ", " +
                               (free ? keyName(fallback) + " used" : std::string("left without a key")));
            bindings.keys[a] = free ? fallback : 0;
            break;
        }
    }
    return bindings;
}

KeyEntries entriesOf(const KeyBindings& bindings)
{
    KeyEntries entries;
    for (std::size_t i = 0; i < bindings.keys.size(); ++i)
        entries.emplace_back(kGameActions[i].settingName, bindings.keys[i] ? keyName(bindings.keys[i]) : kNoKey);
    return entries;
}

void useKeyBindings(const KeyEntries& entries, const std::string& path)
{
    std::vector<std::string> warnings;
    keyBindings = bindingsFromEntries(entries, warnings);
    for (const std::string& w : warnings)
        std::fprintf(stderr, "burrowix: %s: %s\n", path.c_str(), w.c_str());
}

void loadKeyBindings(const std::string& path)
{
    useKeyBindings(readKeySettings(path), path);
}

bool saveKeyBindings(const std::string& path)
{
    const KeyEntries entries = entriesOf(keyBindings);
    if (!app.mainWindow)
        return writeKeySettings(path, entries);
    // The window holds the file's other settings as they are now.
    app.mainWindow->settings.keys = entries;
    return writeWindowSettings(path, app.mainWindow->settings);
}

} // namespace burrowix
