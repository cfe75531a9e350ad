// The widget toolkit's costs: a menu frame with 40 visible widgets and 20 text labels drawn into the
// back buffer (each widget one blit from its buffer or picture), and drawing one 20-character line of
// text into a transparent label buffer, as a label does whenever its state changes. Prints medians.
// Uses the generated pack and fonts of the game folder (argument 1, default the build's).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "common/asset_manifest.hpp"
#include "platform/archive/open_packs.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/display.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/gui/hover_button.hpp"
#include "platform/gui/label.hpp"
#include "platform/gui/picture_button.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

using namespace burrowix;

namespace {

class NullPresenter : public FramePresenter {
public:
    DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
};

using Clock = std::chrono::steady_clock;

template <typename Work>
double medianMicroseconds(int runs, Work work)
{
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work(i);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

using P = assets::PictureId;
const char* const kHoverPictures[][2] = {
    {assets::pictureFile(P::NewGame), assets::pictureFile(P::NewGameHover)},
    {assets::pictureFile(P::Options), assets::pictureFile(P::OptionsHover)},
    {assets::pictureFile(P::Exit), assets::pictureFile(P::ExitHover)},
    {assets::pictureFile(P::Minus), assets::pictureFile(P::MinusHover)},
    {assets::pictureFile(P::Plus), assets::pictureFile(P::PlusHover)},
};
const char* const kLabelTexts[] = {"Brannok      120 450", "A line of twenty ch.", "Level 12  Score 9000",
                                   "Hall of fame entries"};

} // namespace

int main(int argc, char** argv)
{
    const std::string gameDir = argc > 1 ? argv[1] : BURROWIX_GAME_DIR;
    PackArchive pack(gameDir + "/standart.pak", true);
    standardPack = &pack;
    setUpDisplay(theDisplay, std::make_unique<NullPresenter>());
    if (addGameFontFiles(gameDir.c_str()) != 2) {
        std::fprintf(stderr, "gui_bench: no game fonts in %s\n", gameDir.c_str());
        return 1;
    }
    createGameFonts(theDisplay.backBuffer.get());

    for (int i = 0; i < 40; ++i) {
        const int x = 20 + (i % 5) * 155, y = 20 + (i / 5) * 70;
        Widget* w;
        if (i % 2 == 0) {
            const auto& pics = kHoverPictures[i / 2 % 5];
            w = new HoverButton(theDisplay, x, y, "Hover", pics[0], pics[1], true, nullptr, nullptr);
        } else {
            w = new PictureButton(theDisplay, x, y, "Button", "Go", kFontSmall, assets::pictureFile(P::Switch), nullptr, nullptr);
        }
        w->setAdditive(i % 8 == 1);
        theGui.rootList.append(w);
    }
    for (int i = 0; i < 20; ++i) {
        auto* label = new Label(theDisplay, 10 + (i % 2) * 400, 10 + i * 29, 20, "Label", kLabelTexts[i % 4],
                                i % 3 ? kFontSmall : kFontLarge);
        label->setTextColor(0xFFFFFF);
        theGui.rootList.append(label);
    }
    theGui.rootList.setVisibleAll(true);

    Surface* back = theDisplay.backBuffer.get();
    const double frame = medianMicroseconds(500, [&](int) {
        fillRect(back, nullptr, 0x101820);
        theGui.rootList.drawAll(back);
    });
    std::printf("menu frame (clear, 40 widgets, 20 labels): median %.1f us (goal < 500 us)\n", frame);

    Surface labelBuffer(20 * theFonts.font(kFontSmall)->cellWidth, theFonts.font(kFontSmall)->cellHeight);
    setColorKey(&labelBuffer, 0x00FF00);
    const double text = medianMicroseconds(2000, [&](int i) {
        fillRect(&labelBuffer, nullptr, labelBuffer.colorKey());
        drawText(kFontSmall, i & 1, 1, kAlignStart, kAlignStart, &labelBuffer, 0, 0, "A line of twenty ch.",
                 0xC0E0FF);
    });
    std::printf("drawText of a 20-character label (with the buffer's clear): median %.1f us (goal < 50 us)\n",
                text);

    theGui.reset();
    destroyFonts();
    theDisplay.reset();
    standardPack = nullptr;
    return 0;
}
