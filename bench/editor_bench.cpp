// The level editor's operations on the largest level (200 x 200): a fill of a new level's whole
// inside, the undo and redo of that fill, and on a level with stones and gold all over it the live
// checks and writing and reading its source (median of
// several runs, in milliseconds).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "editor/edit_checks.hpp"
#include "editor/edit_files.hpp"
#include "editor/level_editor.hpp"

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
    return same ? 0 : 1;
}
