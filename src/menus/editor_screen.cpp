// The level editor screen: a toolbar of tools and commands over the level view and the palette,
// with the pointer's cell, the first problem the checks find and the outcome of the last save
// under them. Keys: the tools' letters, Ctrl+Z / Ctrl+Y, Ctrl+S, Z zoom, T test play, Esc back.

#include "menus/editor_screen.hpp"

#include <string>

#include "app/screen_flow.hpp"
#include "app/own_level_pack.hpp"
#include "app/pack_catalogue.hpp"
#include "app/screen_table.hpp"
#include "app/test_play.hpp"
#include "editor/edit_checks.hpp"
#include "editor/edit_palette.hpp"
#include "menus/editor_saving.hpp"
#include "menus/editor_state.hpp"
#include "menus/editor_tiles.hpp"
#include "menus/editor_toolbar.hpp"
#include "menus/editor_view.hpp"
#include "menus/menu_screens.hpp"
#include "platform/display/blit.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/app_state.hpp"

namespace burrowix {

EditorScreenState editorScreen;

namespace {

constexpr std::uint32_t kPanelColor = 0x1A120C, kTextColor = 0x3CAFD2, kProblemColor = 0x4040FF,
                        kPassColor = 0x40C040, kMessageColor = 0xC0C0C0;
constexpr int kStatusY = 546, kCheckY = 566, kMessageY = 586;

bool controlHeld = false;

EditWorkPlace workPlace(const EditorScreenState& s)
{
    EditWorkPlace place;
    if (s.ownIndex >= 0)
        place.ownLevel = std::size_t(s.ownIndex);
    place.view = {s.cellSize, s.scrollX / s.cellSize, s.scrollY / s.cellSize};
    return place;
}

// The first entry in a run reads the work kept last time (or starts a new level).
void openWork(EditorScreenState& s)
{
    s.workOpened = true;
    std::string message;
    const EditWorkPlace place = s.work.open(s.editor, message);
    const std::size_t ownLevels = ownLevelPack.load();
    s.ownIndex = place.ownLevel && *place.ownLevel < ownLevels ? int(*place.ownLevel) : -1;
    s.cellSize = kEditorZooms[0];
    for (const int zoom : kEditorZooms)
        if (zoom == place.view.cellSize)
            s.cellSize = zoom;
    s.scrollX = place.view.left * s.cellSize;
    s.scrollY = place.view.top * s.cellSize;
    // Work read back is not saved anywhere yet, unless it is the untouched new level.
    if (s.editor.level() == blankLevel(kMinEditWidth, kMinEditHeight))
        s.savedRevision = s.editor.revision();
    else
        s.savedRevision = s.editor.revision() + 1;
    s.message = message;
}

} // namespace

void keepEditorWork()
{
    EditorScreenState& s = editorScreen;
    std::string error;
    if (s.workOpened && !s.work.keep(s.editor, workPlace(s), error))
        s.message = "work not kept: " + error;
}

namespace {

// The view, palette and test play show the level in its own theme: the theme pictures follow it as
// it is opened, made or changed in the properties.
void followLevelTheme(EditorScreenState& s)
{
    const int before = theCatalogue.selectedTheme;
    theCatalogue.selectLevelTheme(s.editor.level().props.theme);
    if (theCatalogue.selectedTheme != before)
        editorTiles.build();
}

void leave()
{
    keepEditorWork();
    theCatalogue.selectTheme(editorScreen.themeBefore);
    SetScreen(ScreenMainMenu);
}

void enter(int from)
{
    EditorScreenState& s = editorScreen;
    if (from != ScreenGame)
        s.themeBefore = theCatalogue.selectedTheme;
    if (!s.workOpened)
        openWork(s);
    else if (from == ScreenGame) {
        const TestPlayOutcome outcome = lastTestPlay();
        switch (outcome.end) {
        case TestPlayEnd::Won: s.message = outcome.solutionKept ? "test play won, kept as the solution" : "test play won"; break;
        case TestPlayEnd::Lost: s.message = "test play lost"; break;
        case TestPlayEnd::Left: s.message = "test play left"; break;
        case TestPlayEnd::None: break;
        }
    }
    clampEditorScroll(s);
    theCatalogue.selectLevelTheme(s.editor.level().props.theme);
    editorTiles.build();
    controlHeld = false;
}

const std::string& checkLine(EditorScreenState& s)
{
    if (s.checkedRevision != s.editor.revision() || s.checkLine.empty()) {
        const std::vector<std::string> problems = editChecks(s.editor.level());
        s.checkLine = problems.empty() ? "level passes the checks" : problems.front();
        if (problems.size() > 1)
            s.checkLine += " (and " + std::to_string(problems.size() - 1) + " more)";
        s.checkedRevision = s.editor.revision();
    }
    return s.checkLine;
}

std::string statusLine(const EditorScreenState& s)
{
    const EditLevel& level = s.editor.level();
    std::string line;
    if (level.inside(s.hoverX, s.hoverY)) {
        line = std::to_string(s.hoverX) + ", " + std::to_string(s.hoverY) + ": " +
               brushLabel(level.at(s.hoverX, s.hoverY));
        if (level.props.startX == s.hoverX && level.props.startY == s.hoverY)
            line += ", start";
        line += "   ";
    }
    line += toolName(s.tool);
    line += s.tool == EditTool::Block ? " look " + std::to_string(s.blockLook) : ": " + brushLabel(s.brush);
    line += "   " + std::to_string(level.width) + " x " + std::to_string(level.height) + ", " +
            std::to_string(s.cellSize) + " px";
    return line;
}

void drawLine(Surface* target, int y, const std::string& text, std::uint32_t color)
{
    drawText(kFontSmall, 0, 1, kAlignStart, kAlignCentre, target, 8, y, text.c_str(), color);
}

// A still screen draws when something changed, so a change is kept at the latest at the first
// frame 20 s after it (and on leaving and at close in any case).
void drawFrame(Surface* back)
{
    EditorScreenState& s = editorScreen;
    if (s.workOpened)
        s.work.keepFromTimeToTime(s.editor, workPlace(s), app.frameClock);
    followLevelTheme(s);
    drawEditorScreen(back);
}

// While the properties panel is open it takes every key, character and mouse message.
bool toPanel(const Message& message)
{
    EditorScreenState& s = editorScreen;
    return s.props.open && editorPropsEvent(s.props, message, s.editor);
}

void charInput(const Message& message)
{
    toPanel(message);
}

void updateHover(EditorScreenState& s, int x, int y)
{
    std::int32_t cx = -1, cy = -1;
    if (!editorCellAt(s, x, y, cx, cy))
        cx = cy = -1;
    s.hoverX = cx;
    s.hoverY = cy;
}

void keyDown(const Message& message)
{
    EditorScreenState& s = editorScreen;
    const std::uint32_t key = message.wParam;
    if (toPanel(message))
        return;
    if (key == Key::Control) {
        controlHeld = true;
        return;
    }
    const int step = s.cellSize * 2;
    switch (key) {
    case Key::Escape: leave(); return;
    case Key::Left: scrollEditorView(s, -step, 0); break;
    case Key::Right: scrollEditorView(s, step, 0); break;
    case Key::Up: scrollEditorView(s, 0, -step); break;
    case Key::Down: scrollEditorView(s, 0, step); break;
    default: editorShortcut(s, key, controlHeld); break;
    }
    updateHover(s, app.mouseX, app.mouseY);
}

void keyUp(const Message& message)
{
    if (toPanel(message))
        return;
    if (message.wParam == Key::Control)
        controlHeld = false;
}

void mouseWheel(int notches)
{
    if (toPanel({MessageType::MouseWheel, std::uint32_t(notches), mousePosition(app.mouseX, app.mouseY)}))
        return;
    scrollEditorView(editorScreen, 0, -notches * editorScreen.cellSize * 3);
    updateHover(editorScreen, app.mouseX, app.mouseY);
}

void pointerMoved(int x, int y)
{
    EditorScreenState& s = editorScreen;
    if (toPanel({MessageType::MouseMove, 0, mousePosition(x, y)}))
        return;
    if (s.dragging) {
        s.scrollX = s.dragScrollX - (x - s.dragX);
        s.scrollY = s.dragScrollY - (y - s.dragY);
        clampEditorScroll(s);
    }
    updateHover(s, x, y);
    if (s.editor.inStroke() && s.hoverX >= 0)
        s.editor.strokeTo(s.hoverX, s.hoverY);
}

void leftButtonDown(const Message& message)
{
    EditorScreenState& s = editorScreen;
    const int x = message.mouseX(), y = message.mouseY();
    if (toPanel(message))
        return;
    if (editorToolbarClick(s, x, y) || editorPaletteClick(s, x, y))
        return;
    updateHover(s, x, y);
    if (s.hoverX >= 0)
        editorToolDown(s, s.hoverX, s.hoverY);
}

void otherButton(const Message& message)
{
    EditorScreenState& s = editorScreen;
    if (toPanel(message))
        return;
    switch (message.type) {
    case MessageType::LeftButtonUp:
        updateHover(s, message.mouseX(), message.mouseY());
        editorToolUp(s, s.hoverX, s.hoverY);
        break;
    case MessageType::RightButtonDown:
    case MessageType::MiddleButtonDown:
        s.dragging = true;
        s.dragX = message.mouseX();
        s.dragY = message.mouseY();
        s.dragScrollX = s.scrollX;
        s.dragScrollY = s.scrollY;
        break;
    case MessageType::RightButtonUp:
    case MessageType::MiddleButtonUp: s.dragging = false; break;
    default: break;
    }
}

} // namespace

void drawEditorScreen(Surface* target)
{
    EditorScreenState& s = editorScreen;
    const Rect lines{0, kEditorViewRect.bottom, 800, 600};
    fillRect(target, &lines, kPanelColor);
    drawEditorView(s, editorTiles, target);
    drawEditorToolbar(s, target);
    drawEditorPalette(s, editorTiles, target);
    drawLine(target, kStatusY, statusLine(s), kTextColor);
    const std::string& check = checkLine(s);
    drawLine(target, kCheckY, check, check == "level passes the checks" ? kPassColor : kProblemColor);
    drawLine(target, kMessageY, s.message, kMessageColor);
    if (s.props.open)
        drawEditorProps(s.props, *target);
}

void registerEditorScreen()
{
    ScreenEntry editor;
    editor.enter = enter;
    editor.background = [] { return -1; };
    editor.drawFrame = drawFrame;
    editor.keyDown = keyDown;
    editor.keyUp = keyUp;
    editor.charInput = charInput;
    editor.mouseWheel = mouseWheel;
    editor.leftButtonDown = leftButtonDown;
    editor.otherButton = otherButton;
    editor.pointerMoved = pointerMoved;
    editor.still = true;
    registerScreen(ScreenEditor, editor);
}

} // namespace burrowix
