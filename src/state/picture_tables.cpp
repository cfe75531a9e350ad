#include "state/picture_tables.hpp"

namespace burrowix {

PictureTables thePictures;

const std::array<const char*, kSpriteImageCount> kSpriteImageNames = {
    "grass.bmp", "stone.bmp",  "wall01.bmp",  "gold.bmp",    "1.bmp",      "1.bmp",       "enemy1.bmp",
    "bomb.bmp",  "mine.bmp",   "tmp.bmp",     "heart.bmp",   "enemy2.bmp", "tmp.bmp",     "sh.bmp",
    "sh.bmp",    "sh.bmp",     "tnt.bmp",     "sh.bmp",      "enemy4.bmp", "grenade.bmp", "tmp.bmp",
    "backgr.jpg", "tmp.bmp",   "h1_.bmp",     "enemy1_.bmp", "backgr_.jpg", "tmp.bmp",    "tmp.bmp",
    "tmp.bmp",   "tmp.bmp",
};

const std::array<const char*, kInterfaceImageCount> kInterfaceImageNames = {
    "pan1.bmp",       "pan2.bmp",        "leave.bmp",      "gameover.bmp",   "died.bmp",
    "gamesucc.bmp",   "helpbgr.jpg",     "tmp.bmp",        "hallfame.jpg",   "logo.jpg",
    "goname.bmp",     "tmp.bmp",         "tmp.bmp",        "lstart0.bmp",    "lstart1.bmp",
    "lstart2.bmp",    "lstart3.bmp",     "lstart4.bmp",    "swscreen.bmp",   "fone.bmp",
    "pan3.bmp",       "message.bmp",     "smallback20.bmp", "backgrsmall.bmp", "digits.bmp",
    "mainmenu01.jpg", "pack1.bmp",       nullptr,          "closed.bmp",     "chback.bmp",
    "scroll1.jpg",    "scroll2.jpg",     "magnifier.bmp",  "optback.jpg",    "tmp.bmp",
    "curr_weap.bmp",  "brannoksign.bmp", "pointer2.bmp",   "arrows0_.bmp",   "exitbgr.jpg",
    "gobgr.jpg",      "eyes.bmp",        "difficulty.bmp", "gohf1.bmp",      "gogood.jpg",
    "controls.bmp",   "keysback.jpg",    "h1__.bmp",       "tmp.bmp",        "tmp.bmp",
};

const std::array<const char*, kExppointsImageCount> kExppointsImageNames = {
    "points01.bmp", "points02.bmp", "points03.bmp", "points04.bmp", "points05.bmp", "points06.bmp",
    "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",
    "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",      "tmp.bmp",
    "tmp.bmp",      "tmp.bmp",
};

const std::array<const char*, kAddweaponImageCount> kAddweaponImageNames = {
    "tmp.bmp", "10mines.bmp", "tmp.bmp", "10shots.bmp", "10grenade.bmp",
    "tmp.bmp", "10tnt.bmp",   "10kill.bmp", "tmp.bmp",  "tmp.bmp",
};

} // namespace burrowix
