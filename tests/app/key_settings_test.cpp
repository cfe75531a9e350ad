// Key bindings read from and written to settings.ini: good entries bind, bad ones (unknown names,
// Esc, a key bound twice) fall back to the default with a warning each, and the window's lines
// survive a rewrite of the keys.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/key_settings.hpp"
#include "platform/system/key_names.hpp"
#include "platform/system/window_settings.hpp"
#include "support/temp_dir.hpp"

namespace burrowix {
namespace {

std::uint32_t keyOf(const KeyBindings& b, GameAction a)
{
    return b.keys[std::size_t(a)];
}

TEST(KeySettings, GoodEntriesBindAndBadOnesFallBackToTheDefaultWithOneWarningEach)
{
    std::vector<std::string> warnings;
    const KeyBindings b = bindingsFromEntries({{"fire", "LeftBracket"},
                                               {"pause", "q"},
                                               {"left", "Nope"},
                                               {"jump", "J"},
                                               {"hud", "Esc"},
                                               {"shots", "Q"}, // Q is the pause key now
                                               {"up", "w"}},
                                              warnings);
    EXPECT_EQ(keyOf(b, ActionFire), Key::LeftBracket);
    EXPECT_EQ(keyOf(b, ActionPause), Key::A + ('Q' - 'A'));
    EXPECT_EQ(keyOf(b, ActionUp), Key::A + ('W' - 'A'));
    EXPECT_EQ(keyOf(b, ActionLeft), Key::Left) << "an unknown key name";
    EXPECT_EQ(keyOf(b, ActionHud), Key::Insert) << "Esc stays with the exit panel";
    EXPECT_EQ(keyOf(b, ActionShots), Key::F1) << "a key bound twice: the later action keeps its default";
    ASSERT_EQ(warnings.size(), 4u);
    EXPECT_NE(warnings[0].find("key.left = Nope: no such key, Left used"), std::string::npos) << warnings[0];
    EXPECT_NE(warnings[1].find("key.jump: no such action"), std::string::npos) << warnings[1];
    EXPECT_NE(warnings[3].find("key.shots = Q: already Pause, F1 used"), std::string::npos) << warnings[3];

    // A huge name or key is cut in its warning, as the settings file's other lines are.
    warnings.clear();
    bindingsFromEntries({{std::string(100000, 'x'), "A"}, {"fire", std::string(100000, 'y')}}, warnings);
    ASSERT_EQ(warnings.size(), 2u);
    for (const std::string& w : warnings) {
        EXPECT_LT(w.size(), 200u);
        EXPECT_NE(w.find("(100000 bytes)"), std::string::npos) << w;
    }
}

TEST(KeySettings, AnActionWhoseDefaultIsTakenTooIsLeftWithoutAKeyRatherThanSharingOne)
{
    std::vector<std::string> warnings;
    // Fire asks for Left, which the earlier move keeps; its default Space went to the HUD.
    const KeyBindings b = bindingsFromEntries({{"fire", "Left"}, {"hud", "Space"}}, warnings);
    EXPECT_EQ(keyOf(b, ActionLeft), Key::Left);
    EXPECT_EQ(keyOf(b, ActionHud), Key::Space);
    EXPECT_EQ(keyOf(b, ActionFire), 0u);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("left without a key"), std::string::npos) << warnings[0];
    // Saved and read back, the same keys come back without a word.
    warnings.clear();
    EXPECT_EQ(bindingsFromEntries(entriesOf(b), warnings).keys, b.keys);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    for (int a = 0; a < kGameActionCount; ++a) {
        for (int c = 0; c < a; ++c) {
            if (b.keys[std::size_t(a)] != 0) {
                EXPECT_NE(b.keys[std::size_t(a)], b.keys[std::size_t(c)]) << a << " and " << c;
            }
        }
    }
}

TEST(KeySettings, EveryDefaultKeyHasANameThatReadsBackAsItself)
{
    for (const GameActionInfo& info : kGameActions) {
        const std::string name = keyName(info.defaultKey);
        ASSERT_FALSE(name.empty()) << info.settingName;
        EXPECT_EQ(keyFromName(name), info.defaultKey) << name;
    }
    EXPECT_EQ(keyFromName("f12"), Key::F12);
    EXPECT_EQ(keyFromName("F13"), 0u);
    EXPECT_EQ(keyFromName("Numpad7"), Key::Numpad0 + 7);
    EXPECT_EQ(keyFromName(""), 0u);
    EXPECT_EQ(keyFromName("F"), Key::A + ('F' - 'A'));
}

TEST(KeySettings, SavedKeysReadBackAndTheWindowLinesStay)
{
    test::TempDir dir;
    const std::string path = dir.file("settings.ini");
    {
        std::ofstream out(path);
        out << "display = window\nscaling = integer\nkey.fire = Z\n";
    }
    loadKeyBindings(path);
    EXPECT_EQ(keyOf(keyBindings, ActionFire), Key::A + ('Z' - 'A'));
    keyBindings.keys[std::size_t(ActionGiveUp)] = Key::Delete;
    ASSERT_TRUE(saveKeyBindings(path));

    std::vector<std::string> warnings;
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const WindowSettings settings = parseWindowSettings(text.str(), warnings);
    EXPECT_TRUE(warnings.empty()) << warnings.front();
    EXPECT_FALSE(settings.fullScreen);
    EXPECT_EQ(settings.scaling, ScalingMode::Integer);
    keyBindings.reset();
    loadKeyBindings(path);
    EXPECT_EQ(keyOf(keyBindings, ActionFire), Key::A + ('Z' - 'A'));
    EXPECT_EQ(keyOf(keyBindings, ActionGiveUp), Key::Delete);
    keyBindings.reset();
}

} // namespace
} // namespace burrowix
