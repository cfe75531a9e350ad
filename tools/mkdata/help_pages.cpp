// The eight help pages: one 256 x 3000 text strip cut into 256 x 375 pages. No text line straddles
// a page edge, and page 8 keeps its text in its first 240 rows (the rest is never scrolled into view).
#include "art.hpp"
#include "picture_groups.hpp"

#include <functional>
#include <sstream>
#include <vector>

namespace burrowix::mkdata {
namespace {

constexpr int kPageW = 256, kPageH = 375, kPages = 8;
constexpr int kLastVisibleRow = 2865;

struct Block {
    enum Kind { Heading, Text, Icons } kind;
    std::string text;
    std::vector<std::function<void(cairo_t*)>> icons;
};

std::vector<Block> helpText()
{
    using B = Block;
    auto icon = [](std::function<void(cairo_t*)> f) { return f; };
    return {
        {B::Heading, "HOW TO PLAY", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawBrannok(cr, {Heading::Right, true, BrannokAction::Dig, 0.3, 0}); }),
                        icon([](cairo_t* cr) { drawNugget(cr, 0.5); })}},
        {B::Text, "Guide Brannok through the thirty levels of a set. Each level sets goals: gold to collect, enemies to defeat, or both. The box in the top right corner shows what is still needed and what is left. Meet every goal to finish the level.", {}},
        {B::Heading, "DIGGING", {}},
        {B::Text, "Walk with the arrow keys. Brannok digs through earth as he goes and leaves a tunnel behind.", {}},
        {B::Heading, "FALLING THINGS", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawNugget(cr); }), icon([](cairo_t* cr) { drawBomb(cr, 0.2); })}},
        {B::Text, "Stones, gold and bombs fall as soon as the earth below them is gone, and roll off round things. Never stand right under them! Push stones, bombs and loose earth sideways when the cell beyond is free. Anything that lands on an enemy blows it up.", {}},
        {B::Heading, "GOLD AND MINERALS", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawNugget(cr); }), icon([](cairo_t* cr) { drawMineral(cr, 0, 0, false); }),
                        icon([](cairo_t* cr) { drawMineral(cr, 1, 0, false); }), icon([](cairo_t* cr) { drawMineral(cr, 3, 0, false); })}},
        {B::Text, "Gold nuggets count for the gold goal, but only the ones Brannok picks up: gold lost in an explosion is gone. Minerals give points; rubies, diamonds and emeralds are worth double.", {}},
        {B::Heading, "HEARTS", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawHeart(cr, 1.0); })}},
        {B::Text, "A heart gives an extra life.", {}},
        {B::Heading, "WEAPONS", {}},
        {B::Text, "On Medium and Hard Brannok carries weapons. Pick one with F1 to F5 or Tab, use it with Space.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawShot(cr); })}},
        {B::Text, "Shot (F1): flies straight ahead and explodes where it hits.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawGrenade(cr, 0); })}},
        {B::Text, "Grenade (F2): thrown ahead, rolls and explodes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawMine(cr, 6); })}},
        {B::Text, "Mine (F3): laid where Brannok stands; whatever steps on it explodes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawTnt(cr, 0); })}},
        {B::Text, "TNT (F4): place it, walk away, then set it off by remote.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawBottle(cr, 0.3); })}},
        {B::Text, "Magic bottle (F5): three seconds of golden power. Brannok cannot be hurt and blasts through whatever he walks into.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawAmmoBox(cr, 1, 0); }), icon([](cairo_t* cr) { drawAmmoBox(cr, 4, 0); })}},
        {B::Text, "Crates in the tunnels refill your weapons.", {}},
        {B::Heading, "ENEMIES", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawCrawler(cr, 0, Heading::Right, 0); })}},
        {B::Text, "Crawler: creeps along the tunnel walls, always keeping a wall on its right.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawWalker(cr, Heading::Right, true, 0.2); })}},
        {B::Text, "Walker: a goblin miner that shuffles around at random, fast.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawStalker(cr, 0, true, 0); })}},
        {B::Text, "Stalker: a hovering shadow that drifts where it likes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawEgg(cr, 0, 0.5); }), icon([](cairo_t* cr) { drawHatchling(cr, 0); })}},
        {B::Text, "Eggs look like round stones. When Brannok comes within two cells an egg wakes, rocks and hatches a Crawler. Eggs count as enemies for the kill goal.", {}},
        {B::Heading, "DIFFICULTY", {}},
        {B::Text, "Easy: no weapons, the first hit costs a life, points count three times.", {}},
        {B::Text, "Medium: weapons, a life lasts three hits, points count twice.", {}},
        {B::Text, "Hard: weapons and bigger crates, a life lasts five hits, points count once.", {}},
        {B::Heading, "KEYS", {}},
        {B::Text, "Arrows: walk, dig, push. Space: use weapon. Tab: next weapon. F1-F5: choose weapon. F9: give up the level (costs a life). Insert: HUD on or off. Esc: leave the level.", {}},
        {B::Heading, "GOOD LUCK!", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0}); }),
                        icon([](cairo_t* cr) { drawNugget(cr, 0.5); }),
                        icon([](cairo_t* cr) { drawBrannok(cr, {Heading::Down, true, BrannokAction::Walk, 0, 0}, BrannokStyle::Super); })}},
    };
}

std::vector<std::string> wrap(cairo_t* cr, const std::string& text, double px, double width)
{
    std::istringstream words(text);
    std::vector<std::string> lines;
    std::string word, line;
    while (words >> word) {
        const std::string tryLine = line.empty() ? word : line + " " + word;
        if (!line.empty() && textWidth(cr, Face::Sketch, px, tryLine) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = tryLine;
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

// Lays the blocks out (drawing when `draw`), keeping every item within one page; returns the end row.
double layout(cairo_t* cr, const std::vector<Block>& blocks, double px, bool draw)
{
    double y = 14;
    auto place = [&](double h) {
        const int page = int(y) / kPageH;
        if (y + h > (page + 1) * kPageH - 6)
            y = (page + 1) * kPageH + 10;
        const double top = y;
        y += h;
        return top;
    };
    const double line = px * 1.22;
    for (const Block& b : blocks) {
        switch (b.kind) {
        case Block::Heading: {
            y += 6;
            place(px * 1.7 + 48); // keeps a heading on the page of what follows it
            y -= px * 1.7 + 48;
            const double top = place(px * 1.7);
            if (draw) // long headings shrink to keep a margin at both page edges
                drawText(cr, Face::Round, fitSize(cr, Face::Round, px * 1.45, b.text, kPageW - 28), b.text,
                         kPageW / 2.0, top + px * 1.3, Align::Center, hex(pal::glow), hex(0x3A2410), 1.5);
            break;
        }
        case Block::Icons: {
            const double top = place(42);
            if (draw)
                for (std::size_t i = 0; i < b.icons.size(); ++i) {
                    cairo_save(cr);
                    cairo_translate(cr, kPageW / 2.0 - b.icons.size() * 22.0 + i * 44.0 + 2, top);
                    b.icons[i](cr);
                    cairo_restore(cr);
                }
            break;
        }
        case Block::Text:
            for (const std::string& l : wrap(cr, b.text, px, kPageW - 20)) {
                const double top = place(line);
                if (draw)
                    drawText(cr, Face::Sketch, px, l, 10, top + px, Align::Left, hex(pal::parchment));
            }
            y += 4;
            break;
        }
    }
    return y;
}

} // namespace

void addHelpPages(PictureList& out)
{
    Canvas strip(kPageW, kPageH * kPages);
    cairo_t* cr = strip.cr();
    const std::vector<Block> blocks = helpText();
    double px = 16;
    while (px > 11 && layout(cr, blocks, px, false) > kLastVisibleRow - 10)
        px -= 0.5;
    layout(cr, blocks, px, true);
    const Image all = strip.opaque({0, 0, 0});
    for (int k = 0; k < kPages; ++k) {
        Image page(kPageW, kPageH);
        page.copyRect(all, 0, k * kPageH, kPageW, kPageH, 0, 0);
        addPicture(out, "helpp" + std::to_string(k + 1) + ".jpg", page, kKeyBlack, Format::Jpeg);
    }
}

} // namespace burrowix::mkdata
