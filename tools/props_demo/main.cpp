// burrowix-props-demo [GAME_DIR] [--quit-after MS]
//
// Opens the game window on the generated data of GAME_DIR (default: the working folder) and shows
// the level editor's properties panel over the main menu's picture, on a level of 40 x 30 cells.
// Every message goes to the panel; when OK or Cancel closes it, the level's size and props are
// printed on standard output and any key opens it again. Esc with the panel closed, the window's
// close or --quit-after (milliseconds) ends it.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "app/pack_catalogue.hpp"
#include "editor/level_editor.hpp"
#include "menus/editor_props_panel.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/main_window.hpp"
#include "platform/system/pack_scan.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/picture_tables.hpp"

using namespace burrowix;

namespace {

constexpr int kDimmingSlot = 19; // "fone.bmp", the pattern behind every panel

void printLevel(const LevelEditor& editor)
{
    const EditLevel& l = editor.level();
    const LevelProps& p = l.props;
    std::printf("size %d x %d, theme %d, gold %s %d, kill %s %d, title \"%s\", hint \"%s\", undo steps %zu\n",
                l.width, l.height, p.theme, p.goldGoalOn ? "on" : "off", p.goldGoal, p.killGoalOn ? "on" : "off",
                p.killGoal, p.title.c_str(), p.hint.c_str(), editor.undoDepth());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    std::string gameDir = ".";
    long quitAfter = -1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--quit-after") == 0 && i + 1 < argc)
            quitAfter = std::strtol(argv[++i], nullptr, 10);
        else if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("usage: burrowix-props-demo [GAME_DIR] [--quit-after MS]");
            return 0;
        } else
            gameDir = argv[i];
    }

    // The catalogue names the themes (and opens the standard pack the pictures come from).
    theCatalogue.folder = gameDir;
    if (!theCatalogue.build(findPackFiles(gameDir))) {
        std::fprintf(stderr, "burrowix-props-demo: no packs in %s\n", gameDir.c_str());
        return 1;
    }
    MainWindow window;
    if (!window.create("Burrowix level properties")) {
        std::fputs("burrowix-props-demo: no window\n", stderr);
        return 1;
    }
    if (setUpDisplay(theDisplay, window.makePresenter()) != DisplayResult::Ok) {
        std::fputs("burrowix-props-demo: no display\n", stderr);
        return 1;
    }
    if (addGameFontFiles(gameDir.c_str()) != 2)
        std::fprintf(stderr, "burrowix-props-demo: the game fonts are missing in %s; default face used\n",
                     gameDir.c_str());
    createGameFonts(theDisplay.backBuffer.get());
    addGamePointerShapes(theGui.pointer, theDisplay);
    std::unique_ptr<Surface> backdrop = loadBitmapSurface(theDisplay, "mainmenu01.jpg");
    thePictures.interfaceImages[kDimmingSlot] = loadBitmapSurface(theDisplay, "fone.bmp");
    if (Surface* fone = thePictures.interfaceImages[kDimmingSlot].get())
        setColorKey(fone, packRgb(0, 255, 0));

    LevelEditor editor;
    editor.resize(40, 30);
    LevelProps props = editor.level().props;
    props.title = "The long way down";
    props.hint = "Mind the stones above the second shaft";
    props.goldGoalOn = true;
    props.goldGoal = 12;
    editor.setProps(props);
    EditorPropsPanel panel;
    openEditorProps(panel, editor);

    SdlClock clock;
    SdlEventSource events;
    int mouseX = 400, mouseY = 300;
    bool running = true;
    const Ticks start = clock.ticks();
    while (running) {
        Message m;
        while (events.poll(m)) {
            if (m.type == MessageType::Quit || m.type == MessageType::Close)
                running = false;
            if (m.type >= MessageType::MouseMove && m.type <= MessageType::RightButtonUp) {
                mouseX = m.mouseX();
                mouseY = m.mouseY();
            }
            const bool wasOpen = panel.open;
            if (editorPropsEvent(panel, m, editor)) {
                if (wasOpen && !panel.open)
                    printLevel(editor);
                continue;
            }
            if (m.type == MessageType::KeyDown && m.wParam == Key::Escape)
                running = false;
            else if (m.type == MessageType::KeyDown)
                openEditorProps(panel, editor);
        }
        if (quitAfter >= 0 && elapsedMoreThan(clock.ticks(), start, static_cast<std::int32_t>(quitAfter)))
            running = false;
        Surface* back = theDisplay.backBuffer.get();
        if (backdrop)
            blitFast(back, 0, 0, backdrop.get(), nullptr, false);
        drawEditorProps(panel, *back);
        theGui.pointer.drawPointer(back, mouseX, mouseY, clock.ticks());
        presentFrame(theDisplay);
        events.wait(20);
    }

    printLevel(editor);
    backdrop.reset();
    thePictures.reset();
    theGui.reset();
    destroyFonts();
    removeGameFontFiles(gameDir.c_str());
    theDisplay.reset();
    window.destroy();
    theCatalogue.reset();
    return 0;
}
