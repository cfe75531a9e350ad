#pragma once
// Loading the shared pictures from the packs: at start-up, on a theme or level-pack change, and
// after a display loss. Each picture gets its colour key here.

#include "platform/display/display_result.hpp"
#include "state/picture_tables.hpp"

#include <string>

namespace burrowix {

class PackCatalogue;
struct Display;

// The two pictures the logo screen shows, "all.bmp" (the clear colour) and "logo.jpg", from the
// standard pack, so that the logo can be on screen while the rest loads; no keys yet.
void loadLogoPictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures);

// Loads every picture start-up needs (those already loaded stay), sets their colour keys and the
// back buffer's, and returns the message of the first missing essential picture ("" when all are
// there); `missingName`, when given, receives that picture's file name. The theme pictures come from the catalogue's selected
// theme pack, "pack1.bmp" from its selected level pack.
std::string loadStartupPictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures,
                                std::string* missingName = nullptr);

// The eight theme pictures from the selected theme pack (loaded anew, with the green key).
void loadThemePictures(Display& display, PackCatalogue& catalogue, PictureTables& pictures);
// "pack1.bmp" from the selected level pack, into its existing surface when there is one.
void reloadPackPicture(Display& display, PackCatalogue& catalogue, PictureTables& pictures);
// After a display loss: every loaded picture reloaded into its surface from its pack, keys set
// again. Returns the status of the last reload.
DisplayResult reloadAllPictures(PackCatalogue& catalogue, PictureTables& pictures);

} // namespace burrowix
