// The editor's properties panel driven by scripted messages as the window delivers them: a key
// press is its key-down followed by its character, a click a button-down at a place of the panel.
#include <gtest/gtest.h>

#include <string>

#include "menus/editor_props_layout.hpp"
#include "menus/editor_props_panel.hpp"
#include "menus/editor_props_text.hpp"
#include "platform/display/surface.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/text/text_test_support.hpp"
#include "support/program_state.hpp"


namespace burrowix {
namespace {

class PropsPanel : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::resetProgramState();
        editor.resize(30, 20);
        editor.placeStart(4, 4);
        LevelProps p = editor.level().props;
        p.title = "Cave";
        p.killGoalOn = true;
        p.killGoal = 2;
        p.reserved2 = 7;
        editor.setProps(p);
        stepsBefore = editor.undoDepth();
        openEditorProps(panel, editor);
    }
    void TearDown() override { test::resetProgramState(); }

    bool send(MessageType type, std::uint32_t w, std::uint32_t l = 0)
    {
        return editorPropsEvent(panel, Message{type, w, l}, editor);
    }
    // A key as the keyboard sends it: the key and, for keys that type, its character (which a
    // panel that the key closed no longer takes).
    void press(std::uint32_t key, std::uint32_t ch = 0)
    {
        EXPECT_TRUE(send(MessageType::KeyDown, key));
        if (ch)
            send(MessageType::Char, ch);
        send(MessageType::KeyUp, key);
    }
    void type(const std::string& text)
    {
        for (char c : text)
            press(std::uint32_t(std::toupper(static_cast<unsigned char>(c))), std::uint32_t(static_cast<unsigned char>(c)));
    }
    void focus(PropsField f)
    {
        for (int i = 0; i < kPropsFieldCount && panel.focus != f; ++i)
            press(Key::Tab, '\t');
        ASSERT_EQ(panel.focus, f);
    }
    void click(PropsField f, PropsPart part)
    {
        const Rect r = propsPartRect(f, part);
        ASSERT_FALSE(r.empty());
        click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    void click(int x, int y)
    {
        EXPECT_TRUE(send(MessageType::MouseMove, 0, mousePosition(x, y)));
        EXPECT_TRUE(send(MessageType::LeftButtonDown, 1, mousePosition(x, y)));
        send(MessageType::LeftButtonUp, 0, mousePosition(x, y));
    }

    LevelEditor editor;
    EditorPropsPanel panel;
    std::size_t stepsBefore = 0;
};

TEST_F(PropsPanel, TitleAndHintTakePrintableCharactersAtTheCaretUpToTheNoteLength)
{
    ASSERT_TRUE(panel.open);
    EXPECT_EQ(panel.focus, PropsField::Title);
    EXPECT_EQ(panel.caret[0], 4u) << "the caret starts after the text";
    send(MessageType::Char, 'p');
    EXPECT_EQ(panel.props.title, "Cave") << "the character of the key that opened the panel";
    type(" one");
    press(Key::Home);
    type("A ");
    EXPECT_EQ(panel.props.title, "A Cave one");
    press(Key::End);
    for (int i = 0; i < 3; ++i)
        press(Key::Left);
    press(Key::Backspace, 8); // the character before the caret: the space
    press(Key::Delete);       // the one after it: 'o'
    EXPECT_EQ(panel.props.title, "A Cavene");
    EXPECT_EQ(panel.caret[0], 6u);
    for (int i = 0; i < 20; ++i)
        press(Key::Left);
    EXPECT_EQ(panel.caret[0], 0u);
    press(Key::Backspace, 8);
    EXPECT_EQ(panel.props.title, "A Cavene") << "nothing before the caret";

    // Control and non-ASCII characters are not typed; the key's own work is done by the key.
    send(MessageType::Char, 7);
    send(MessageType::Char, 0xE9);
    send(MessageType::Char, 127);
    EXPECT_EQ(panel.props.title, "A Cavene");

    press(Key::Down);
    EXPECT_EQ(panel.focus, PropsField::Hint);
    type(std::string(kMaxNoteLength + 20, 'x'));
    EXPECT_EQ(panel.props.hint.size(), kMaxNoteLength);
    EXPECT_EQ(panel.caret[1], kMaxNoteLength);
    press(Key::Home);
    type("y");
    EXPECT_EQ(panel.props.hint.front(), 'x') << "a full note takes no more, also not at its start";

    press(Key::Enter, 13);
    EXPECT_FALSE(panel.open);
    EXPECT_EQ(editor.level().props.title, "A Cavene");
    EXPECT_EQ(editor.level().props.hint, std::string(kMaxNoteLength, 'x'));
    EXPECT_EQ(editor.undoDepth(), stepsBefore + 1);
    editor.undo();
    EXPECT_EQ(editor.level().props.title, "Cave");
}

TEST_F(PropsPanel, GoalsSwitchAndTheirAmountsStayWithinZeroToNinetyNine)
{
    focus(PropsField::GoldGoal);
    EXPECT_FALSE(panel.props.goldGoalOn);
    press(Key::Space, ' ');
    EXPECT_TRUE(panel.props.goldGoalOn) << "Space switches once, its character types nothing";
    for (int i = 0; i < 5; ++i)
        press(Key::Right);
    EXPECT_EQ(panel.props.goldGoal, 5);
    press(Key::PageDown);
    EXPECT_EQ(panel.props.goldGoal, 0);
    press(Key::Left);
    EXPECT_EQ(panel.props.goldGoal, 0);

    // Typed digits show until the focus leaves, then count within the range.
    type("250");
    EXPECT_EQ(panel.typed, "250");
    type("7");
    EXPECT_EQ(panel.typed, "250") << "three digits at most";
    press(Key::Tab, '\t');
    EXPECT_EQ(panel.focus, PropsField::KillGoal);
    EXPECT_EQ(panel.props.goldGoal, 99);
    EXPECT_EQ(panel.typed, "");
    type("1a");
    press(Key::Backspace, 8);
    type("8");
    EXPECT_EQ(panel.typed, "8");
    press(Key::Right); // the typed value, then one more
    EXPECT_EQ(panel.props.killGoal, 9);
    for (int i = 0; i < 12; ++i)
        press(Key::PageUp);
    EXPECT_EQ(panel.props.killGoal, 99);
    press(Key::Space, ' ');
    EXPECT_FALSE(panel.props.killGoalOn);

    press(Key::Enter, 13);
    const LevelProps& p = editor.level().props;
    EXPECT_TRUE(p.goldGoalOn);
    EXPECT_EQ(p.goldGoal, 99);
    EXPECT_FALSE(p.killGoalOn);
    EXPECT_EQ(p.killGoal, 99);
    EXPECT_EQ(p.reserved2, 7) << "what the panel does not show is kept";
    EXPECT_EQ(p.startX, 4);
}

TEST_F(PropsPanel, SizesAreClampedAndAResizeIsAnUndoStepOfItsOwn)
{
    focus(PropsField::Width);
    type("5");
    press(Key::Down);
    EXPECT_EQ(panel.width, kMinEditWidth) << "too narrow: the least";
    type("999");
    press(Key::Enter, 13);
    EXPECT_EQ(editor.level().width, kMinEditWidth);
    EXPECT_EQ(editor.level().height, kMaxEditHeight);
    EXPECT_EQ(editor.undoDepth(), stepsBefore + 1) << "the props did not change: only the resize";
    editor.undo();
    EXPECT_EQ(editor.level().width, 30);
    EXPECT_EQ(editor.level().height, 20);

    // Smaller and new props at once: the start falls off, and each undo takes back one of the two.
    openEditorProps(panel, editor);
    focus(PropsField::Theme);
    press(Key::Right);
    focus(PropsField::Width);
    type("20");
    focus(PropsField::Height);
    for (int i = 0; i < 9; ++i)
        press(Key::Left);
    EXPECT_EQ(panel.height, kMinEditHeight);
    focus(PropsField::Ok);
    press(Key::Space, ' ');
    EXPECT_FALSE(panel.open);
    EXPECT_EQ(editor.level().width, 20);
    EXPECT_EQ(editor.level().height, 15);
    EXPECT_EQ(editor.level().props.theme, 1);
    EXPECT_TRUE(editor.level().props.hasStart()) << "(4, 4) still fits";
    EXPECT_EQ(editor.undoDepth(), stepsBefore + 2);
    editor.undo();
    EXPECT_EQ(editor.level().props.theme, 0);
    EXPECT_EQ(editor.level().width, 20);
    editor.undo();
    EXPECT_EQ(editor.level().width, 30);
}

TEST_F(PropsPanel, EscAndCancelDropEveryChange)
{
    const EditLevel before = editor.level();
    const std::uint64_t revision = editor.revision();
    type("xyz");
    focus(PropsField::Width);
    type("77");
    press(Key::Escape, 27);
    EXPECT_FALSE(panel.open);
    EXPECT_EQ(editor.level(), before);
    EXPECT_EQ(editor.revision(), revision);

    openEditorProps(panel, editor);
    EXPECT_EQ(panel.props.title, "Cave") << "opened afresh on the level";
    focus(PropsField::KillGoal);
    press(Key::Space, ' ');
    click(PropsField::Cancel, PropsPart::Body);
    EXPECT_FALSE(panel.open);
    EXPECT_EQ(editor.level(), before);

    // Closed, the panel takes nothing; open, it leaves the window's own messages alone.
    EXPECT_FALSE(send(MessageType::KeyDown, Key::Escape));
    openEditorProps(panel, editor);
    EXPECT_FALSE(send(MessageType::Close, 0));
    EXPECT_FALSE(send(MessageType::Activate, 0));
    EXPECT_TRUE(panel.open);
}

TEST_F(PropsPanel, FocusWrapsRoundAndTheGamepadWorksAsTheKeys)
{
    press(Key::Up);
    EXPECT_EQ(panel.focus, PropsField::Cancel);
    press(Key::Left);
    EXPECT_EQ(panel.focus, PropsField::Ok);
    press(Key::Right);
    EXPECT_EQ(panel.focus, PropsField::Cancel);
    press(Key::Down);
    EXPECT_EQ(panel.focus, PropsField::Title);

    // The d-pad and A on the theme, Start for OK: the controller's keys carry their bit.
    const std::uint32_t pad = Message::kFromControllerBit;
    focus(PropsField::Theme);
    EXPECT_EQ(panel.props.theme, 0);
    send(MessageType::KeyDown, Key::Left, pad);
    EXPECT_EQ(panel.props.theme, 2) << "the themes go round";
    send(MessageType::KeyDown, Key::Space, pad);
    EXPECT_EQ(panel.props.theme, 0);
    send(MessageType::KeyDown, Key::Down, pad);
    send(MessageType::KeyDown, Key::Space, pad);
    EXPECT_TRUE(panel.props.goldGoalOn);
    send(MessageType::KeyDown, Key::Enter, pad);
    EXPECT_FALSE(panel.open);
    EXPECT_TRUE(editor.level().props.goldGoalOn);
    EXPECT_EQ(panel.themeNames[1], "Theme 2") << "no theme packs catalogued";
}

TEST_F(PropsPanel, TheMouseClicksSwitchesButtonsAndFieldsAndItsWheelTurnsValues)
{
    click(PropsField::GoldGoal, PropsPart::Toggle);
    EXPECT_TRUE(panel.props.goldGoalOn);
    EXPECT_EQ(panel.focus, PropsField::GoldGoal);
    click(PropsField::GoldGoal, PropsPart::More);
    click(PropsField::GoldGoal, PropsPart::More);
    click(PropsField::KillGoal, PropsPart::Less);
    EXPECT_EQ(panel.props.goldGoal, 2);
    EXPECT_EQ(panel.props.killGoal, 1);
    click(PropsField::Theme, PropsPart::Body);
    EXPECT_EQ(panel.props.theme, 1);

    // The wheel over the height row, its caption included.
    const int y = propsRowTop(PropsField::Height) + 20;
    send(MessageType::MouseMove, 0, mousePosition(kPropsLabelX + 5, y));
    send(MessageType::MouseWheel, 3);
    EXPECT_EQ(panel.height, 23);
    send(MessageType::MouseWheel, std::uint32_t(-30));
    EXPECT_EQ(panel.height, kMinEditHeight);

    // Outside the board a click changes nothing.
    const EditorPropsPanel before = panel;
    click(20, 20);
    click(kPropsBoard.right + 10, 300);
    EXPECT_EQ(panel.focus, before.focus);
    EXPECT_TRUE(panel.open);

    click(PropsField::Hint, PropsPart::Body);
    EXPECT_EQ(panel.focus, PropsField::Hint);
    type("mind the gap");
    click(PropsField::Ok, PropsPart::Body);
    EXPECT_FALSE(panel.open);
    EXPECT_EQ(editor.level().props.hint, "mind the gap");
    EXPECT_EQ(editor.level().height, kMinEditHeight);
    EXPECT_EQ(editor.level().props.goldGoal, 2);
}

TEST_F(PropsPanel, TheFocusedRowIsLitOnTheBoard)
{
    Surface back(800, 600);
    const Rect all{0, 0, 800, 600};
    fillRect(&back, &all, 0);
    const auto pixelAt = [&](int x, int y) { return back.pixel(x, y); };
    focus(PropsField::KillGoal);
    drawEditorProps(panel, back);
    const int x = kPropsBoard.right - 14;
    const std::uint32_t lit = pixelAt(x, propsRowTop(PropsField::KillGoal) + 20);
    const std::uint32_t plain = pixelAt(x, propsRowTop(PropsField::GoldGoal) + 20);
    EXPECT_NE(lit, plain);
    EXPECT_EQ(plain, pixelAt(x, propsRowTop(PropsField::Width) + 20));
    EXPECT_EQ(pixelAt(5, 5), 0u) << "no dimming picture without a display: the screen stays";
    panel.open = false;
    fillRect(&back, &all, 0);
    drawEditorProps(panel, back);
    EXPECT_EQ(pixelAt(400, 300), 0u) << "a closed panel draws nothing";
}

// With the game's font: a long text shows the part round the caret and never runs out of its box.
using PropsPanelText = test::GameFontsTest;

TEST_F(PropsPanelText, ALongTextShowsTheCaretsPartWithinItsBox)
{
    const Rect box = propsPartRect(PropsField::Title, PropsPart::Body);
    const int room = box.width() - 2 * kPropsTextPad;
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "dig " + std::to_string(i) + " ";
    text.resize(kMaxNoteLength);
    for (std::size_t caret : {std::size_t(0), std::size_t(17), std::size_t(120), kMaxNoteLength}) {
        const TextWindow w = propsTextWindow(text, caret, box);
        EXPECT_LE(w.first, caret);
        EXPECT_GE(w.last, caret);
        EXPECT_LE(propsTextWidth(text, w.first, w.last), room) << caret;
        EXPECT_GT(w.last - w.first, 20u) << "the box shows a good part of it";
        // A click where the caret is drawn puts the caret there.
        const int x = box.left + kPropsTextPad + propsTextWidth(text, w.first, caret);
        EXPECT_EQ(propsCaretAt(text, caret, box, x), caret);
    }
    EXPECT_EQ(propsTextWindow("short", 5, box).first, 0u);
    EXPECT_EQ(propsTextWindow("short", 5, box).last, 5u);

    // A box without the focus shows its text from the start, and a click there puts the caret
    // by the character that showed under the pointer.
    LevelEditor editor;
    LevelProps props = editor.level().props;
    props.hint = text;
    editor.setProps(props);
    EditorPropsPanel panel;
    openEditorProps(panel, editor);
    const std::string& stored = editor.level().props.hint;
    ASSERT_EQ(panel.caret[1], stored.size());
    const Rect hint = propsPartRect(PropsField::Hint, PropsPart::Body);
    const int x = hint.left + kPropsTextPad + propsTextWidth(stored, 0, 6);
    editorPropsEvent(panel, Message{MessageType::LeftButtonDown, 1, mousePosition(x, hint.top + 10)}, editor);
    EXPECT_EQ(panel.focus, PropsField::Hint);
    EXPECT_EQ(panel.caret[1], 6u);
}

} // namespace
} // namespace burrowix
