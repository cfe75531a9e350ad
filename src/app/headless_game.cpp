#include "app/headless_game.hpp"

#include "app/pack_catalogue.hpp"
#include "app/picture_loading.hpp"
#include "platform/display/display.hpp"
#include "platform/system/pack_scan.hpp"
#include "state/app_state.hpp"

namespace burrowix {

namespace {

class DiscardingPresenter : public FramePresenter {
public:
    DisplayResult present(const Surface&) override { return DisplayResult::Ok; }
};

} // namespace

std::string openGameHeadless(const std::string& folder, int difficulty)
{
    if (!theDisplay.isSetUp() &&
        setUpDisplay(theDisplay, std::make_unique<DiscardingPresenter>()) != DisplayResult::Ok)
        return "the display cannot be set up";
    theCatalogue.reset();
    theCatalogue.folder = folder;
    const std::vector<std::string> packs = findPackFiles(folder.empty() ? "." : folder);
    if (theCatalogue.build(packs) == 0)
        return "no packs in \"" + (folder.empty() ? std::string(".") : folder) + "\"";
    theCatalogue.difficulty = difficulty;
    theCatalogue.selectLevelPackByNumber();
    const std::string missing = loadStartupPictures(theDisplay, theCatalogue, thePictures);
    if (!missing.empty())
        return missing;
    app.clearPicture = thePictures.allPicture.get();
    return "";
}

void closeGameHeadless()
{
    thePictures.reset();
    theCatalogue.reset();
    // The catalogue keeps its folder through a reset; a later program must not find these packs.
    theCatalogue.folder.clear();
    theDisplay.reset();
}

} // namespace burrowix
