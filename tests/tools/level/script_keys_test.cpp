// Level scripts name keys as settings.ini does: the names recorded scripts have always used still
// read as their keys, a remapped key (a letter) is recorded and read back, and every name a
// recording writes reads back as the key it was written for.
#include <gtest/gtest.h>

#include "platform/system/messages.hpp"
#include "script_keys.hpp"

namespace burrowix {
namespace {

TEST(ScriptKeys, RecordedNamesOldAndNewReadBackAsTheirKeys)
{
    const std::pair<const char*, std::uint32_t> rows[] = {
        {"Left", Key::Left},   {"Up", Key::Up},         {"Right", Key::Right},   {"Down", Key::Down},
        {"Space", Key::Space}, {"Tab", Key::Tab},       {"Esc", Key::Escape},    {"Enter", Key::Enter},
        {"Insert", Key::Insert}, {"F1", Key::F1},       {"F9", Key::F9},         {"F12", Key::F12},
        {"D", Key::A + 3},     {"P", Key::A + 15},      {"7", Key::Digit0 + 7},  {"Numpad3", Key::Numpad0 + 3},
    };
    for (const auto& [name, key] : rows) {
        EXPECT_EQ(scriptKeyCode(name), key) << name;
        EXPECT_EQ(scriptKeyName(key), name);
    }
    EXPECT_EQ(scriptKeyCode("Jump"), 0u);
    EXPECT_EQ(scriptKeyCode(""), 0u);
    for (std::uint32_t key = 1; key < 256; ++key) {
        if (const std::string name = scriptKeyName(key); !name.empty()) {
            EXPECT_EQ(scriptKeyCode(name), key) << name;
        }
    }
}

} // namespace
} // namespace burrowix
