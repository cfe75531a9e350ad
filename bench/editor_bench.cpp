// The level editor's operations on the largest level (200 x 200): a fill of a new level's whole
// inside, the undo and redo of that fill, and on a level with stones and gold all over it the live
// checks and writing and reading its source (median of
// several runs, in milliseconds); then the editor screen's whole frame composed at the 10 px
// overview of that level (median of many frames; the goal is under 2 ms).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "editor/edit_checks.hpp"
#include "editor/edit_files.hpp"
#include "editor/level_editor.hpp"
#include "menus/editor_screen.hpp"
#include "menus/editor_state.hpp"
#include "menus/editor_tiles.hpp"
#include "menus/editor_view.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"
#include "state/picture_tables.hpp"

using namespace burrowix;

namespace {

constexpr int kRuns = 15;

double medianMs(const std::function<void()>& before, const std::function<void()>& work)
{
    std::vector<double> ms;
    for (int i = 0; i < kRuns; ++i) {
        before();
        const auto t0 = std::chrono::steady_clock::now();
        work();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    std::nth_element(ms.begin(), ms.begin() + kRuns / 2, ms.end());
    return ms[kRuns / 2];
}

constexpr int kFrames = 300;

// Sprite sheets as large as the game's, with a keyed border round every 40 px square, so the tiles
// made from them have opaque and transparent pixels as real ones do.
std::unique_ptr<Surface> sheet(int width, int height, std::uint32_t seed)
{
    auto s = std::make_unique<Surface>(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = x % 40 < 4 || x % 40 > 35 || y % 40 < 4 || y % 40 > 35;
            s->setPixel(x, y, edge ? 0 : ((seed * 2654435761u + std::uint32_t(x * 31 + y * 17)) & 0xFFFFFF) | 0x010101);
        }
    s->setColorKeyPixel(0);
    return s;
}

// The editor screen's frame at the overview of `level`, with the pointer over the view.
double editorFrameMs(const EditLevel& level)
{
    std::uint32_t seed = 1;
    for (auto& p : thePictures.spriteImages)
        p = sheet(800, 400, seed++);
    for (auto& p : thePictures.exppointsImages)
        p = sheet(640, 80, seed++);
    for (auto& p : thePictures.addweaponImages)
        p = sheet(640, 40, seed++);
    thePictures.diggerPicture = sheet(480, 440, seed++);
    if (theDisplay.dpiY <= 0)
        theDisplay.dpiY = 96;
    addGameFontFiles(BURROWIX_GAME_DIR);
    Surface back(kScreenWidth, kScreenHeight);
    createGameFonts(&back);
    editorTiles.build();

    editorScreen.editor.load(level);
    editorScreen.cellSize = 10;
    editorScreen.scrollX = 700;
    editorScreen.scrollY = 900;
    clampEditorScroll(editorScreen);
    editorScreen.hoverX = 100;
    editorScreen.hoverY = 120;
    drawEditorScreen(&back); // the checks run once for the level's revision, as on screen
    std::vector<double> ms;
    for (int i = 0; i < kFrames; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        drawEditorScreen(&back);
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
        editorScreen.hoverX = 90 + i % 40; // the status line changes from frame to frame
    }
    std::nth_element(ms.begin(), ms.begin() + kFrames / 2, ms.end());
    return ms[kFrames / 2];
}

} // namespace

int main()
{
    LevelEditor ed(blankLevel(kMaxEditWidth, kMaxEditHeight));
    // A level with some of everything, so the checks have cells to look at.
    for (int i = 0; i < 400; ++i)
        ed.line(1 + (i * 37) % 198, 1 + (i * 53) % 198, 1 + (i * 91) % 198, 1 + (i * 17) % 198,
                Brush{i % 2 ? KindGold : KindStone, 0});
    ed.placeStart(5, 5);
    const EditLevel start = ed.level();
    const std::size_t cells = std::size_t(start.width) * std::size_t(start.height);

    // The fill covers the whole inside of a new level.
    const EditLevel blank = blankLevel(kMaxEditWidth, kMaxEditHeight);
    const Brush mineral{KindMineral, 3};
    const double fill = medianMs([&] { ed.load(blank); }, [&] { ed.fill(2, 2, mineral); });
    const std::size_t filled = std::size_t(std::count(ed.level().cells.begin(), ed.level().cells.end(), mineral));
    const double undo = medianMs([&] { ed.load(blank); ed.fill(2, 2, mineral); }, [&] { ed.undo(); });
    const double redo = medianMs([&] { ed.load(blank); ed.fill(2, 2, mineral); ed.undo(); }, [&] { ed.redo(); });
    std::size_t lines = 0;
    const double checks = medianMs([] {}, [&] { lines = editChecks(start).size(); });
    std::string text;
    const double write = medianMs([] {}, [&] { text = editLevelSource(start); });
    std::string error;
    bool same = false;
    const double read = medianMs([] {}, [&] { same = editLevelFromSource(text, error) == start; });

    std::printf("editor operations on a %d x %d level (%zu cells), median of %d runs:\n", start.width,
                start.height, cells, kRuns);
    std::printf("  fill of %zu cells: %.3f ms\n", filled, fill);
    std::printf("  undo of that fill: %.3f ms\n", undo);
    std::printf("  redo of that fill: %.3f ms\n", redo);
    std::printf("  live checks (%zu lines): %.3f ms\n", lines, checks);
    std::printf("  source written (%zu bytes): %.3f ms\n", text.size(), write);
    std::printf("  source read back%s: %.3f ms\n", same ? " (the same level)" : " (A DIFFERENT LEVEL)", read);
    const double frame = editorFrameMs(start);
    std::printf("editor screen frame at the 10 px overview of that level, median of %d frames: %.3f ms "
                "(goal under 2 ms, %s; %d fonts)\n",
                kFrames, frame, frame < 2.0 ? "met" : "NOT MET", theFonts.count());
    return same ? 0 : 1;
}
