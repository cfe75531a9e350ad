#include "script_keys.hpp"

#include <iterator>

#include "platform/system/messages.hpp"

namespace burrowix {

namespace {

struct NamedKey {
    const char* name;
    std::uint32_t code;
};

// F1..F12 are consecutive key codes.
constexpr NamedKey kKeys[] = {
    {"Left", Key::Left},  {"Up", Key::Up},      {"Right", Key::Right}, {"Down", Key::Down},     {"Space", Key::Space},
    {"Tab", Key::Tab},    {"Esc", Key::Escape}, {"Enter", Key::Enter}, {"Insert", Key::Insert}, {"F1", Key::F1},
    {"F2", Key::F1 + 1},  {"F3", Key::F1 + 2},  {"F4", Key::F1 + 3},   {"F5", Key::F1 + 4},     {"F6", Key::F1 + 5},
    {"F7", Key::F1 + 6},  {"F8", Key::F1 + 7},  {"F9", Key::F1 + 8},   {"F10", Key::F1 + 9},    {"F11", Key::F1 + 10},
    {"F12", Key::F1 + 11}};

} // namespace

std::uint32_t scriptKeyCode(const std::string& name)
{
    for (const NamedKey& k : kKeys)
        if (name == k.name)
            return k.code;
    return 0;
}

std::string scriptKeyName(std::uint32_t code)
{
    for (const NamedKey& k : kKeys)
        if (code == k.code)
            return k.name;
    return {};
}

} // namespace burrowix
