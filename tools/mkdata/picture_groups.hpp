#pragma once
// The picture groups the generator draws. Each function appends its pictures to the list.
#include "picture.hpp"

namespace burrowix::mkdata {

void addDiggerSheets(PictureList& out);  // h1, h1_, h1__
void addEnemySheets(PictureList& out);   // enemy1, enemy1_, enemy2, enemy4
void addItemSheets(PictureList& out);    // gold, bomb, mine, heart, tnt, grenade, sh, tmp, exp
void addMineralsAndPickups(PictureList& out);
void addHudPictures(PictureList& out);   // all, digit font, HUD panels, messages, controls, eyes, pointer
void addMenuScreens(PictureList& out);   // full-screen backgrounds and level-choice pieces
void addWidgets(PictureList& out);       // buttons, scroll bar, mouse pointers
void addHelpPages(PictureList& out);     // helpp1 ... helpp8
void addSharedBackground(PictureList& out); // backgr_.jpg

// Every standard-pack picture, in a fixed order.
PictureList standardPictures();
// The six pictures of theme 0 (Clay), 1 (Frost) or 2 (Ember).
PictureList themePictures(int theme);
// "pack1.bmp" of level pack 0 (Easy), 1 (Medium) or 2 (Hard).
Picture levelPackEmblem(int pack);

} // namespace burrowix::mkdata
