#pragma once
// Drawing functions for the game's characters and objects, shared by the sprite sheets, the HUD,
// the menus and the help pages. Each draws into a 40 x 40 cell at the current origin; callers scale
// or translate for other sizes.
#include "draw_kit.hpp"

namespace burrowix::mkdata {

enum class Heading { Left, Up, Right, Down };

enum class BrannokStyle { Normal, Super, Hit };
enum class BrannokAction { Walk, Dig, Push, Throw, Idle };
struct BrannokPose {
    Heading heading = Heading::Right;
    bool faceRight = true;      // which way he looks when heading up or down, or when idle
    BrannokAction action = BrannokAction::Walk;
    double phase = 0;           // 0..1 through the action's cycle
    int variant = 0;            // throw: 0 arm back, 1 arm forward; idle: pose 0-3
};
void drawBrannok(cairo_t* cr, const BrannokPose& pose, BrannokStyle style = BrannokStyle::Normal);

// Crawler looks 0-4 (look 4 is the rolling hatchling), seen from above heading one way, or from the
// front; `phase` runs 0..1 through two leg cycles.
Color crawlerColor(int look);
void drawCrawler(cairo_t* cr, int look, Heading heading, double phase);
void drawCrawlerFront(cairo_t* cr, int look, double phase);
void drawHatchling(cairo_t* cr, double turn);
void drawEgg(cairo_t* cr, double rock, double crack);
void drawWalker(cairo_t* cr, Heading heading, bool faceRight, double phase);
Color stalkerColor(int look);
void drawStalker(cairo_t* cr, int look, bool faceRight, double phase);

void drawNugget(cairo_t* cr, double glint = -1); // glint 0..1 sweeps left to right; <0 none
void drawBomb(cairo_t* cr, double fusePhase);
void drawMine(cairo_t* cr, int lightState);
void drawHeart(cairo_t* cr, double scale);
void drawTnt(cairo_t* cr, int lampState);
void drawGrenade(cairo_t* cr, double turn);
void drawShot(cairo_t* cr); // flying right
void drawBottle(cairo_t* cr, double phase);
Color mineralColor(int type);
void drawMineral(cairo_t* cr, int type, double phase, bool cycling);
void drawAmmoBox(cairo_t* cr, int weapon, double bounce); // 1 mines, 3 shots, 4 grenades, 6 TNT

// Weapon icons in the HUD order: 0 shot, 1 grenade, 2 mine, 3 TNT, 4 bottle.
void drawWeaponIcon(cairo_t* cr, int hudWeapon);

// Interface: a wooden plate with brass trim (hover = warm glow), a parchment sheet, a brass screw.
void drawWoodPlate(cairo_t* cr, double x, double y, double w, double h, bool hover, double radius = 10);
void drawParchment(cairo_t* cr, double x, double y, double w, double h);
void drawBrassFrame(cairo_t* cr, double x, double y, double w, double h, double thickness);
void drawScrew(cairo_t* cr, double x, double y, double r = 3);
void drawInset(cairo_t* cr, double x, double y, double w, double h);
void drawLantern(cairo_t* cr, double x, double y, double scale, bool lit);

} // namespace burrowix::mkdata
