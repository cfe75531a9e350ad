// burrowix-widgets-demo [GAME_DIR] [--quit-after MS]
//
// Opens the game window on the generated data of GAME_DIR (default: the working folder) and shows a
// test screen built from the toolkit: hover, picture, tagged and toggle buttons, labels in every
// colour state on a dark and on a light picture, an edit field with the keyboard focus, a scroll bar
// whose position a label follows, and the animated pointer drawn last. Esc or the window's close
// ends it, and so does --quit-after after that many milliseconds.

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "common/asset_manifest.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/display/picture_surface.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/edit_field.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/hover_button.hpp"
#include "platform/gui/input_routing.hpp"
#include "platform/gui/label.hpp"
#include "platform/gui/picture_button.hpp"
#include "platform/gui/scroll_bar.hpp"
#include "platform/gui/toggle_button.hpp"
#include "platform/system/clock.hpp"
#include "platform/system/event_source.hpp"
#include "platform/system/main_window.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

using namespace burrowix;

namespace {

using P = assets::PictureId;
const char* file(P picture) { return assets::pictureFile(picture); }

constexpr std::uint32_t kWhite = packRgb(255, 255, 255), kGold = packRgb(240, 200, 80),
                        kInk = packRgb(20, 30, 70), kRust = packRgb(200, 100, 50);
constexpr Rect kDarkSide{0, 0, 400, 600}, kLightSide{400, 0, 800, 600};

char scrollText[32] = "Position 0";
bool running = true;

void showPosition(Widget* w)
{
    std::snprintf(scrollText, sizeof scrollText, "Position %d", static_cast<ScrollBar*>(w)->position);
    if (Widget* label = theGui.rootList.findByName("PositionLabel"))
        label->render();
}

void quit(Widget*) { running = false; }

Label* addLabel(int x, int y, const char* name, const char* text, int font, std::uint32_t colour, int state = 0,
                bool enabled = true)
{
    auto* l = new Label(theDisplay, x, y, 0, name, text, font);
    l->setTextColor(colour);
    l->setState(state);
    l->setEnabled(enabled);
    theGui.rootList.append(l);
    return l;
}

void buildScreen()
{
    WidgetList& root = theGui.rootList;
    // Dark side.
    addLabel(20, 20, "DarkTitle", "Text on a dark picture", kFontLarge, kGold);
    addLabel(20, 80, "DarkPlain", "White label, plain", kFontSmall, kWhite);
    addLabel(20, 115, "DarkRust", "Rust label, plain", kFontSmall, kRust);
    addLabel(20, 150, "DarkLifted", "Rust label, highlighted", kFontSmall, kRust, 1);
    addLabel(20, 185, "DarkDisabled", "White label, disabled", kFontSmall, kWhite, 0, false);
    auto* go = new PictureButton(theDisplay, 20, 230, "GoButton", "Go", kFontSmall, file(P::Switch), nullptr, nullptr);
    go->setTextColor(kWhite);
    root.append(go);
    root.append(new ToggleButton(theDisplay, 80, 230, "SoundBtn", nullptr, 0, file(P::Switch), nullptr, nullptr));
    auto* tagged = new TaggedButton(theDisplay, 140, 230, "LevelMinus", "Prev", kFontSmall, file(P::ArrowLeft), nullptr,
                                    nullptr, -1);
    tagged->setTextColor(kGold);
    root.append(tagged);
    root.append(new HoverButton(theDisplay, 20, 500, "ImageNewGame", file(P::NewGame), file(P::NewGameHover), true, nullptr,
                                nullptr));
    addLabel(20, 320, "NameCaption", "Your name:", kFontSmall, kGold);
    auto* field = new EditField(theDisplay, 20, 350, 12, "NameField", "Brannok", kFontSmall, nullptr);
    field->setTextColor(kWhite);
    field->setHot(true);
    root.append(field);

    // Light side.
    addLabel(420, 20, "LightTitle", "Text on a light picture", kFontLarge, kInk);
    addLabel(420, 80, "LightPlain", "Ink label, plain", kFontSmall, kInk);
    addLabel(420, 115, "LightRust", "Rust label, plain", kFontSmall, kRust);
    addLabel(420, 150, "LightLifted", "Rust label, highlighted", kFontSmall, kRust, 1);
    addLabel(420, 185, "LightDisabled", "Ink label, disabled", kFontSmall, kInk, 0, false);
    addLabel(420, 260, "PositionLabel", scrollText, kFontSmall, kInk);
    root.append(new ScrollBar(theDisplay, 700, 80, "ScrollBarHelp", file(P::ScrollTrack), file(P::ScrollThumb), file(P::ScrollUp),
                              file(P::ScrollDown), 10, showPosition));
    root.append(new HoverButton(theDisplay, 600, 500, "ImageExit", file(P::Exit), file(P::ExitHover), true, nullptr, quit));
    theGui.keyboardInput = 1;
}

// The background: a dark picture on the left half, a light one on the right.
void drawBackground(Surface* back, Surface* picture)
{
    if (picture)
        blitStretch(back, &kDarkSide, picture, nullptr, false);
    else
        fillRect(back, &kDarkSide, rgbToPixel32(packRgb(24, 28, 40)));
    fillRect(back, &kLightSide, rgbToPixel32(packRgb(232, 222, 196)));
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
            std::puts("usage: burrowix-widgets-demo [GAME_DIR] [--quit-after MS]");
            return 0;
        } else
            gameDir = argv[i];
    }

    PackArchive pack(gameDir + "/standart.pak", true);
    standardPack = &pack;
    MainWindow window;
    if (!window.create("Burrowix widgets")) {
        std::fputs("burrowix-widgets-demo: no window\n", stderr);
        return 1;
    }
    if (setUpDisplay(theDisplay, window.makePresenter()) != DisplayResult::Ok) {
        std::fputs("burrowix-widgets-demo: no display\n", stderr);
        return 1;
    }
    if (addGameFontFiles(gameDir.c_str()) != 2)
        std::fprintf(stderr, "burrowix-widgets-demo: the game fonts are missing in %s; default face used\n",
                     gameDir.c_str());
    createGameFonts(theDisplay.backBuffer.get());
    addGamePointerShapes(theGui.pointer, theDisplay);
    SdlClock clock;
    theGui.clock = &clock;
    buildScreen();
    std::unique_ptr<Surface> darkPicture = loadBitmapSurface(theDisplay, file(P::MainMenu));

    SdlEventSource events;
    int mouseX = 400, mouseY = 300;
    const Ticks start = clock.ticks();
    while (running) {
        Message m;
        while (events.poll(m)) {
            if (m.type == MessageType::Quit || m.type == MessageType::Close ||
                (m.type == MessageType::KeyDown && m.wParam == Key::Escape))
                running = false;
            if (m.type >= MessageType::MouseMove && m.type <= MessageType::RightButtonUp) {
                mouseX = m.mouseX();
                mouseY = m.mouseY();
            }
            routeWidgetInput(m);
        }
        if (quitAfter >= 0 && elapsedMoreThan(clock.ticks(), start, static_cast<std::int32_t>(quitAfter)))
            running = false;
        Surface* back = theDisplay.backBuffer.get();
        drawBackground(back, darkPicture.get());
        theGui.rootList.drawAll(back);
        theGui.pointer.drawPointer(back, mouseX, mouseY, clock.ticks());
        presentFrame(theDisplay);
        events.wait(20);
    }

    darkPicture.reset();
    theGui.reset();
    destroyFonts();
    removeGameFontFiles(gameDir.c_str());
    theDisplay.reset();
    window.destroy();
    standardPack = nullptr;
    return 0;
}
