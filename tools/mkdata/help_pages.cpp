// The eight help pages: one 256 x 3000 text strip cut into 256 x 375 pages. No paragraph straddles
// a page edge, and page 8 keeps its text in its first 240 rows (the rest is never scrolled into view).
#include "art.hpp"
#include "picture_groups.hpp"

#include <functional>
#include <sstream>
#include <vector>

namespace burrowix::mkdata {
namespace {

constexpr int kPageW = assets::pictureAsset(P::HelpPage1).width, kPageH = assets::pictureAsset(P::HelpPage1).height;
constexpr int kPages = assets::kHelpPageCount;
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
        {B::Heading, "How to play", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawBrannok(cr, {Heading::Right, true, BrannokAction::Dig, 0.3, 0}); }),
                        icon([](cairo_t* cr) { drawNugget(cr, 0.5); })}},
        {B::Text, "Guide Brannok through the thirty levels of a set. Each level sets goals: gold to collect, enemies to defeat, or both. The box in the top right corner shows what is still needed and what is left. Meet every goal to finish the level.", {}},
        {B::Heading, "Digging", {}},
        {B::Text, "Walk with the arrow keys. Brannok digs through earth as he goes and leaves a tunnel behind.", {}},
        {B::Heading, "Falling things", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawNugget(cr); }), icon([](cairo_t* cr) { drawBomb(cr, 0.2); })}},
        {B::Text, "Stones, gold and bombs fall as soon as the earth below them is gone, and roll off round things. Never stand right under them! Push stones, bombs and loose earth sideways when the cell beyond is free. Anything that lands on an enemy blows it up.", {}},
        {B::Heading, "Gold and minerals", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawNugget(cr); }), icon([](cairo_t* cr) { drawMineral(cr, 0, 0, false); }),
                        icon([](cairo_t* cr) { drawMineral(cr, 1, 0, false); }), icon([](cairo_t* cr) { drawMineral(cr, 3, 0, false); })}},
        {B::Text, "Gold nuggets count for the gold goal, but only the ones Brannok picks up: gold lost in an explosion is gone. Minerals give points; rubies, diamonds and emeralds are worth double.", {}},
        {B::Heading, "Hearts", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawHeart(cr, 1.0); })}},
        {B::Text, "A heart gives an extra life.", {}},
        {B::Heading, "Weapons", {}},
        {B::Text, "On Medium and Hard Brannok carries weapons. Tab picks the next one and Space fires it; F1 to F5 fire a weapon at once. A weapon needs a free tunnel cell to go into: fired into earth or a wall, it does nothing.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawShot(cr); })}},
        {B::Text, "Shot (F1): flies straight ahead and explodes where it hits.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawGrenade(cr, 0); })}},
        {B::Text, "Grenade (F2): thrown ahead (never upwards), rolls and explodes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawMine(cr, 6); })}},
        {B::Text, "Mine (F3): laid in the cell behind Brannok; whatever steps on it explodes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawTnt(cr, 0); })}},
        {B::Text, "TNT (F4): place it, walk away, then fire it again to set it off by remote.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawBottle(cr, 0.3); })}},
        {B::Text, "Magic bottle (F5): three seconds of golden power. Brannok cannot be hurt and blasts through whatever he walks into.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawAmmoBox(cr, 1, 0); }), icon([](cairo_t* cr) { drawAmmoBox(cr, 4, 0); })}},
        {B::Text, "Crates in the tunnels refill your weapons.", {}},
        {B::Heading, "Enemies", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawCrawler(cr, 0, Heading::Right, 0); })}},
        {B::Text, "Crawler: creeps along the tunnel walls, always keeping a wall on its right.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawWalker(cr, Heading::Right, true, 0.2); })}},
        {B::Text, "Walker: a goblin miner that shuffles around at random, fast.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawStalker(cr, 0, true, 0); })}},
        {B::Text, "Stalker: a hovering shadow that drifts where it likes.", {}},
        {B::Icons, "", {icon([](cairo_t* cr) { drawEgg(cr, 0, 0.5); }), icon([](cairo_t* cr) { drawHatchling(cr, 0); })}},
        {B::Text, "Eggs look like round stones. When Brannok comes within two cells an egg wakes, rocks and hatches a Crawler. Eggs count as enemies for the kill goal.", {}},
        {B::Heading, "Difficulty", {}},
        {B::Text, "Easy: no weapons, the first hit costs a life, points count three times.", {}},
        {B::Text, "Medium: weapons, each hit takes two of the five bars of health, so the third hit costs a life; points count twice.", {}},
        {B::Text, "Hard: weapons and bigger crates, each hit takes one bar of health, so a life lasts five hits; points count once.", {}},
        {B::Heading, "Keys", {}},
        {B::Text, "Arrows: walk, dig, push. Space: use weapon. Tab: next weapon. F1 to F5: fire that weapon at once. F9: give up the level (costs a life). Insert: HUD on or off. Esc: leave the level.", {}},
        {B::Heading, "Good luck!", {}},
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

// The height a block takes on the page (a heading without the space above it).
double blockHeight(cairo_t* cr, const Block& b, double px)
{
    switch (b.kind) {
    case Block::Heading: return px * 1.9;
    case Block::Icons: return 42;
    case Block::Text: return double(wrap(cr, b.text, px, kPageW - 20).size()) * px * 1.22 + 4;
    }
    return 0;
}

// Lays the blocks out (drawing when `draw`) and returns the end row. A paragraph never breaks
// across pages, and a heading or a row of icons stays on the page of what follows it, so no
// sentence or picture is cut apart by a page edge.
double layout(cairo_t* cr, const std::vector<Block>& blocks, double px, bool draw)
{
    double y = 14;
    // Moves to the next page when `h` rows do not fit on this one; returns where the item starts.
    auto place = [&](double h) {
        const int page = int(y) / kPageH;
        if (y + h > (page + 1) * kPageH - 6)
            y = (page + 1) * kPageH + 10;
        return y;
    };
    const double line = px * 1.22;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        if (b.kind == Block::Heading)
            y += 6;
        // Keep the block together with the one after it (two after a heading followed by icons).
        double together = blockHeight(cr, b, px);
        for (std::size_t j = i + 1; j < blocks.size() && b.kind != Block::Text; ++j) {
            together += blockHeight(cr, blocks[j], px);
            if (blocks[j].kind == Block::Text)
                break;
        }
        const double top = place(together);
        switch (b.kind) {
        case Block::Heading:
            if (draw) // long headings shrink to keep a margin at both page edges
                drawText(cr, Face::Round, fitSize(cr, Face::Round, px * 1.6, b.text, kPageW - 28), b.text,
                         kPageW / 2.0, top + px * 1.4, Align::Center, hex(pal::glow), hex(0x3A2410), 1.2);
            break;
        case Block::Icons:
            if (draw)
                for (std::size_t k = 0; k < b.icons.size(); ++k) {
                    cairo_save(cr);
                    cairo_translate(cr, kPageW / 2.0 - b.icons.size() * 22.0 + k * 44.0 + 2, top);
                    b.icons[k](cr);
                    cairo_restore(cr);
                }
            break;
        case Block::Text: {
            double row = top;
            for (const std::string& l : wrap(cr, b.text, px, kPageW - 20)) {
                if (draw)
                    drawText(cr, Face::Sketch, px, l, 10, row + px, Align::Left, hex(pal::parchment));
                row += line;
            }
            break;
        }
        }
        y = top + blockHeight(cr, b, px);
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
        addPicture(out, file(assets::kHelpPages[k]), page, kKeyBlack, Format::Jpeg);
    }
}

} // namespace burrowix::mkdata
