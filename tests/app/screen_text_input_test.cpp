// Typed characters reach the current screen outside name entry, and only the name field during it.
#include <gtest/gtest.h>

#include <string>

#include "app/screen_table.hpp"
#include "app/window_procedure.hpp"
#include "frame_test_support.hpp"
#include "platform/gui/gui_state.hpp"
#include "state/app_state.hpp"
#include "state/screen_flow_state.hpp"

namespace burrowix {
namespace {

constexpr int kTextScreen = 9; // no real screen uses it
std::string typedOnScreen;

class ScreenTextInput : public test::ShellFixture {
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        theGui.reset();
        screenFlow.reset();
        typedOnScreen.clear();
        ScreenEntry entry;
        entry.charInput = [](const Message& m) { typedOnScreen.push_back(char(m.wParam)); };
        registerScreen(kTextScreen, entry);
        app.currentScreen = kTextScreen;
    }
    void TearDown() override
    {
        registerScreen(kTextScreen, ScreenEntry{});
        screenFlow.reset();
        theGui.reset();
        ShellFixture::TearDown();
    }
};

TEST_F(ScreenTextInput, CharactersGoToTheScreenUnlessANameIsEntered)
{
    for (char c : std::string("Ab 1"))
        WindowProc(Message{MessageType::Char, std::uint32_t(c), 0});
    EXPECT_EQ(typedOnScreen, "Ab 1");
    screenFlow.nameEntryState = 1;
    WindowProc(Message{MessageType::Char, 'z', 0});
    EXPECT_EQ(typedOnScreen, "Ab 1") << "the name field's, not the screen's";
}

} // namespace
} // namespace burrowix
