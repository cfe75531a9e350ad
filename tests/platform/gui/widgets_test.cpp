#include "gui_test_support.hpp"

#include <filesystem>

#include "platform/gui/edit_field.hpp"
#include "platform/gui/label.hpp"
#include "platform/gui/scroll_bar.hpp"
#include "platform/gui/toggle_button.hpp"
#include "platform/text/font_files.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix {
namespace {

using test::GuiTest;

int changes = 0;
int lastPosition = -1;
void countChange(Widget* w)
{
    ++changes;
    if (auto* bar = dynamic_cast<ScrollBar*>(w))
        lastPosition = bar->position;
}

// Widgets with text: the game's generated fonts in the registry.
class TextWidgetsTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        changes = 0;
        theFonts.reset();
        theFontFiles.reset();
        if (!std::filesystem::exists(std::string(BURROWIX_GAME_DIR) + "/" + kGameFonts[0].file))
            GTEST_SKIP() << "the game's fonts are not generated";
        addGameFontFiles(BURROWIX_GAME_DIR);
        createGameFonts(&back());
    }
    void TearDown() override
    {
        GuiTest::TearDown();
        theFonts.reset();
        theFontFiles.reset();
    }
    EditField* addField(int maxLength, const char* initial = "")
    {
        auto* f = new EditField(theDisplay, 100, 100, maxLength, "Name", initial, kFontSmall, countChange);
        theGui.rootList.append(f);
        return f;
    }
};

TEST_F(TextWidgetsTest, AnEditFieldTakesPrintableCharactersUpToItsLength)
{
    EditField* f = addField(12);
    theGui.keyboardInput = 1;
    EXPECT_EQ(f->width, 13 * theFonts.font(kFontSmall)->cellWidth);
    EXPECT_EQ(typed(MessageType::Char, 'a'), WidgetInput::Unhandled); // no focus yet

    click(f->x + f->width * 3 / 4 + 2, f->y + 5); // the right quarter does not take focus
    EXPECT_FALSE(f->hot);
    click(f->x + 2, f->y + 5);
    EXPECT_TRUE(f->hot);

    for (char c : std::string("ABCDEFGHIJKL"))
        EXPECT_EQ(typed(MessageType::Char, std::uint32_t(c)), WidgetInput::Handled);
    EXPECT_EQ(typed(MessageType::Char, 'M'), WidgetInput::Handled); // swallowed
    EXPECT_EQ(f->content(), "ABCDEFGHIJKL");
    EXPECT_STREQ(f->text, "ABCDEFGHIJKL");
    EXPECT_EQ(changes, 13);

    EXPECT_EQ(typed(MessageType::Char, 127), WidgetInput::Unhandled);
    EXPECT_EQ(typed(MessageType::Char, 31), WidgetInput::Unhandled);
    EXPECT_EQ(typed(MessageType::KeyDown, Key::Backspace), WidgetInput::Handled);
    EXPECT_EQ(f->content(), "ABCDEFGHIJK");
    EXPECT_EQ(typed(MessageType::KeyDown, Key::Left), WidgetInput::Unhandled);

    // Enter is left to the screen; key releases and typing without keyboard input never reach it.
    const WidgetInput enter = typed(MessageType::Char, Key::Enter);
    EXPECT_TRUE(confirmsScreen(Message{MessageType::Char, Key::Enter, 0}, enter));
    EXPECT_EQ(typed(MessageType::KeyUp, Key::Backspace), WidgetInput::NotRouted);
    theGui.keyboardInput = 0;
    EXPECT_EQ(typed(MessageType::Char, 'Z'), WidgetInput::NotRouted);
    EXPECT_EQ(f->content(), "ABCDEFGHIJK");
}

TEST_F(TextWidgetsTest, BackspaceOnAnEmptyFieldIsHandledAndChangesNothing)
{
    EditField* f = addField(4, "toolongtext");
    EXPECT_EQ(f->content(), "tool");
    f->setText("");
    f->setHot(true);
    changes = 0;
    EXPECT_EQ(f->keyDown(Key::Backspace), 1);
    EXPECT_EQ(f->content(), "");
    EXPECT_EQ(changes, 0);
    f->setEnabled(false);
    EXPECT_EQ(f->charInput('x'), 0);
}

TEST_F(TextWidgetsTest, TheCaretBlinksEvery200MsWhileFocused)
{
    EditField* f = addField(8, "ab");
    theGui.rootList.drawAll(&back());
    EXPECT_FALSE(f->caretVisible);
    clock.set(1000);
    click(f->x + 1, f->y + 1);
    EXPECT_TRUE(f->caretVisible);
    const int caretLeft = f->x + textWidth(kFontSmall, "ab");
    auto inkRight = [&] {
        int ink = 0;
        for (int y = f->y; y < f->y + f->height; ++y)
            for (int x = caretLeft; x < caretLeft + 12; ++x)
                ink += back().pixel(x, y) != 0;
        return ink;
    };
    theGui.rootList.drawAll(&back());
    EXPECT_GT(inkRight(), 0);
    clock.set(1200);
    theGui.rootList.drawAll(&back());
    EXPECT_TRUE(f->caretVisible);
    clock.set(1201);
    fillRect(&back(), nullptr, 0);
    theGui.rootList.drawAll(&back());
    EXPECT_FALSE(f->caretVisible);
    EXPECT_EQ(inkRight(), 0);
}

TEST_F(TextWidgetsTest, LabelsDrawTheirTextInStateColoursClippedAtTheScreenEdges)
{
    auto* plain = new Label(theDisplay, 10, 10, 0, "Plain", "MMM", kFontLarge);
    auto* lifted = new Label(theDisplay, 10, 100, 0, "Lifted", "MMM", kFontLarge);
    auto* corner = new Label(theDisplay, 760, 580, 10, "Corner", "MMMMMMMMMM", kFontLarge);
    for (Label* l : {plain, lifted, corner}) {
        l->setTextColor(packRgb(200, 100, 50));
        theGui.rootList.append(l);
    }
    lifted->setState(1);
    EXPECT_EQ(plain->width, 4 * theFonts.font(kFontLarge)->cellWidth);
    EXPECT_EQ(plain->height, theFonts.font(kFontLarge)->cellHeight);

    theGui.rootList.drawAll(&back());
    auto count = [&](int top, std::uint32_t rgb) {
        int n = 0;
        for (int y = top; y < top + plain->height; ++y)
            for (int x = 0; x < 400; ++x)
                n += backRgb(x, y) == rgb;
        return n;
    };
    EXPECT_GT(count(10, packRgb(200, 100, 50)), 50);
    EXPECT_GT(count(100, packRgb(255, 200, 150)), 50);
    EXPECT_EQ(count(100, packRgb(200, 100, 50)), 0);
    int cornerInk = 0;
    for (int y = 580; y < 600; ++y)
        for (int x = 760; x < 800; ++x)
            cornerInk += back().pixel(x, y) != 0;
    EXPECT_GT(cornerInk, 0);
}

TEST_F(TextWidgetsTest, ButtonTextIsCentredOnTheButton)
{
    const std::string pic = buttonPicture("b.bmp", 200, 50, packRgb(10, 10, 10), packRgb(20, 20, 20), packRgb(30, 30, 30));
    auto* b = new PictureButton(theDisplay, 300, 200, "B", "OK", kFontSmall, pic.c_str(), nullptr, nullptr);
    b->setTextColor(packRgb(255, 255, 255));
    theGui.rootList.append(b);
    theGui.rootList.drawAll(&back());
    int left = 800, right = 0;
    for (int y = 200; y < 250; ++y)
        for (int x = 300; x < 500; ++x)
            if ((backRgb(x, y) & 0xFF) > 128) { // the sketched face has few fully covered pixels
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_LT(left, right);
    EXPECT_LT(std::abs((left + right) / 2 - 400), 5);
}

class ScrollBarTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        changes = 0;
        lastPosition = -1;
        track = picture("track.bmp", 20, 100, [](int, int) { return packRgb(50, 50, 50); });
        thumb = picture("thumb.bmp", 20, 10, [](int, int) { return packRgb(220, 220, 220); });
        up = buttonPicture("up.bmp", 20, 15, packRgb(1, 1, 1), packRgb(2, 2, 2), packRgb(3, 3, 3));
        down = buttonPicture("down.bmp", 20, 15, packRgb(4, 4, 4), packRgb(5, 5, 5), packRgb(6, 6, 6));
    }
    ScrollBar* addBar(int maximum)
    {
        auto* bar = new ScrollBar(theDisplay, 700, 100, "ScrollBarHelp", track.c_str(), thumb.c_str(), up.c_str(),
                                  down.c_str(), maximum, countChange);
        theGui.rootList.append(bar);
        return bar;
    }
    std::string track, thumb, up, down;
};

TEST_F(ScrollBarTest, LayoutAndAMaximumOfZero)
{
    ScrollBar* bar = addBar(0);
    EXPECT_EQ(changes, 0); // construction reports nothing
    EXPECT_EQ(bar->width, 20);
    EXPECT_EQ(bar->height, 15 + 100 + 15);
    EXPECT_EQ(bar->trackTop(), 115);
    EXPECT_EQ(bar->downButton->y, 215);
    EXPECT_EQ(theGui.rootList.findByName("T3dScrollBar2BtnLeft"), bar->upButton);
    EXPECT_EQ(bar->thumbOffset, 0);
    EXPECT_FALSE(bar->upButton->enabled);
    EXPECT_FALSE(bar->downButton->enabled);
    click(705, 105);
    click(705, 220);
    EXPECT_EQ(bar->position, 0);

    theGui.rootList.drawAll(&back());
    EXPECT_EQ(backRgb(705, 116), packRgb(220, 220, 220)); // thumb at the top
    EXPECT_EQ(backRgb(705, 130), packRgb(50, 50, 50));
    EXPECT_EQ(backRgb(705, 105), packRgb(3, 3, 3)); // disabled buttons show the third frame
}

TEST_F(ScrollBarTest, PositionsFollowTheButtonsTheTrackAndDragging)
{
    ScrollBar* bar = addBar(9); // 90 free pixels: 10 per step
    EXPECT_DOUBLE_EQ(bar->pixelsPerStep, 10.0);
    EXPECT_FALSE(bar->upButton->enabled);
    EXPECT_TRUE(bar->downButton->enabled);

    click(705, 220); // down button
    EXPECT_EQ(bar->position, 1);
    EXPECT_EQ(lastPosition, 1);
    EXPECT_EQ(bar->thumbOffset, 10);
    EXPECT_TRUE(bar->upButton->enabled);
    click(705, 105);
    EXPECT_EQ(bar->position, 0);

    // A press on the track jumps there and drags.
    send(MessageType::LeftButtonDown, 705, 115 + 55);
    EXPECT_EQ(bar->position, 5);
    EXPECT_EQ(bar->thumbOffset, 50);
    EXPECT_TRUE(theGui.rootList.anyPressed());
    send(MessageType::MouseMove, 705, 115 + 95);
    EXPECT_EQ(bar->position, 9);
    EXPECT_EQ(bar->thumbOffset, 90);
    EXPECT_FALSE(bar->downButton->enabled);
    send(MessageType::MouseMove, 400, 115 + 500); // far off the bar
    EXPECT_EQ(bar->position, 9);
    send(MessageType::MouseMove, 705, 115 + 9);
    EXPECT_EQ(bar->position, 0);
    const int changesWhileDragging = changes;
    send(MessageType::MouseMove, 705, 115 + 5);
    EXPECT_EQ(changes, changesWhileDragging);
    send(MessageType::LeftButtonUp, 705, 115 + 5);
    EXPECT_FALSE(bar->dragging);
    EXPECT_FALSE(theGui.rootList.anyPressed());

    // Grabbing the thumb does not move it.
    bar->setPosition(3);
    send(MessageType::LeftButtonDown, 705, 115 + 35);
    EXPECT_EQ(bar->position, 3);
    send(MessageType::LeftButtonUp, 705, 115 + 35);

    bar->setPosition(42);
    EXPECT_EQ(bar->position, 9);
    bar->setMaximum(0);
    EXPECT_EQ(bar->position, 0);
    EXPECT_DOUBLE_EQ(bar->pixelsPerStep, 1000.0);
}

TEST_F(ScrollBarTest, AToggleButtonFlipsOnlyOnAClick)
{
    auto* t = new ToggleButton(theDisplay, 10, 10, "SoundBtn", nullptr, 0, up.c_str(), nullptr, countChange);
    theGui.rootList.append(t);
    click(15, 15);
    EXPECT_EQ(t->state, 1);
    EXPECT_EQ(changes, 1);
    send(MessageType::LeftButtonDown, 15, 15);
    send(MessageType::LeftButtonUp, 100, 100);
    EXPECT_EQ(t->state, 1);
    EXPECT_FALSE(t->pressed);
    click(15, 15);
    EXPECT_EQ(t->state, 0);
    EXPECT_EQ(changes, 2);
}

// The keyboard's focus stays while the window moves under a still pointer (full screen switched by
// a key) and goes back to the pointer when the pointer itself moves.
TEST_F(ScrollBarTest, OnlyAPointerThatMovesTakesTheFocusBack)
{
    auto* t = new ToggleButton(theDisplay, 10, 10, "ScalingBtn", nullptr, 0, up.c_str(), nullptr, countChange);
    theGui.rootList.append(t);
    theGui.focused = t;
    t->showFocus(true);
    routeWidgetInput(Message{MessageType::MouseMove, Message::kPointerStillBit, mousePosition(300, 200)});
    EXPECT_EQ(theGui.focused, t);
    EXPECT_TRUE(t->hover) << "and so does its look, though the pointer is elsewhere";
    send(MessageType::MouseMove, 300, 201);
    EXPECT_EQ(theGui.focused, nullptr);
    EXPECT_FALSE(t->hover);
}

} // namespace
} // namespace burrowix
