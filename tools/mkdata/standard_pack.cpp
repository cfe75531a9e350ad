// The standard pack's pictures, in a fixed order so that every run writes the same bytes.
#include "picture_groups.hpp"

namespace burrowix::mkdata {

PictureList standardPictures()
{
    PictureList out;
    addHudPictures(out);
    addDiggerSheets(out);
    addItemSheets(out);
    addEnemySheets(out);
    addMineralsAndPickups(out);
    addSharedBackground(out);
    addMenuScreens(out);
    addHelpPages(out);
    addWidgets(out);
    return out;
}

} // namespace burrowix::mkdata
