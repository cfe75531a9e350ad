// Brannok the digger and the three enemies.
#include "art.hpp"

#include <cmath>

namespace burrowix::mkdata {
namespace {

constexpr double kTau = 2 * M_PI;

struct BrannokColors {
    Color fur, belly, nose, helmet, lamp;
};

BrannokColors colorsFor(BrannokStyle style)
{
    switch (style) {
    case BrannokStyle::Super:
        return {hex(0xF2B32A), hex(0xFFE9A0), hex(0xFF9A7A), hex(0xFFF3B0), hex(0xFFFFFF)};
    case BrannokStyle::Hit:
        return {hex(0xFBF6F4), hex(0xFFFFFF), hex(0xFFD6D6), hex(0xFFFFFF), hex(0xFFFFFF)};
    default:
        return {hex(pal::fur), hex(pal::belly), hex(pal::nose), hex(pal::helmet), hex(pal::lamp)};
    }
}

double gLine = 2.0; // outline width of the pass being drawn

void limb(cairo_t* cr, double x0, double y0, double x1, double y1, double thick, Color c)
{
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, thick + gLine * 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    setColor(cr, c);
    cairo_set_line_width(cr, thick);
    cairo_stroke(cr);
}

void claws(cairo_t* cr, double x, double y, double angle, const BrannokColors& k)
{
    for (int i = -1; i <= 1; ++i) {
        const double a = angle + i * 0.45;
        cairo_new_path(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * 4.5, y + std::sin(a) * 4.5);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 2.2 + gLine);
        cairo_stroke(cr);
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + std::cos(a) * 4.5, y + std::sin(a) * 4.5);
        setColor(cr, lighter(k.belly, 0.5));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
}

void helmetSide(cairo_t* cr, double cx, double cy, const BrannokColors& k, bool lampOn)
{
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, 9.5, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillShaded(cr, k.helmet, gLine);
    pathRoundRect(cr, cx - 11, cy - 1.5, 22.5, 3.5, 1.5);
    fillShaded(cr, darker(k.helmet, 0.15), gLine);
    pathEllipse(cr, cx + 8, cy - 4.5, 3, 3.2);
    fillFlat(cr, k.lamp, gLine * 0.8);
    if (lampOn)
        sparkle(cr, cx + 8.5, cy - 5, 2.2, hex(0xFFFFFF));
}

// Earth crumbs thrown from (x0, y0) towards (x1, y1) in an arc; drawn before the body so that only
// the ones flying clear of him show. With `bothSides` every other crumb flies to the mirrored side.
void crumbs(cairo_t* cr, double phase, double x0, double y0, double x1, double y1, double arc, bool bothSides)
{
    // Clods of earth: a lumpy brown shape with a lit top and a soft brown edge, not an outlined dot.
    for (int i = 0; i < 6; ++i) {
        const double t = std::fmod(phase + i / 6.0, 1.0);
        const double tx = bothSides && i % 2 ? 2 * x0 - x1 : x1;
        const double px = x0 + (tx - x0) * t + (i % 3 - 1) * 1.2;
        const double py = y0 + (y1 - y0) * t - arc * std::sin(t * M_PI);
        const double r = (i % 2 ? 2.0 : 2.7) * (1 - t * 0.3);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, i * 1.3 + t * 3);
        cairo_new_path(cr);
        cairo_move_to(cr, -r, -r * 0.4);
        cairo_line_to(cr, -r * 0.2, -r);
        cairo_line_to(cr, r, -r * 0.5);
        cairo_line_to(cr, r * 0.7, r * 0.7);
        cairo_line_to(cr, -r * 0.6, r * 0.8);
        cairo_close_path(cr);
        cairo_restore(cr);
        setColor(cr, hex(pal::earth));
        cairo_fill_preserve(cr);
        setColor(cr, hex(pal::earthShadow));
        cairo_set_line_width(cr, 0.9);
        cairo_stroke(cr);
        pathEllipse(cr, px - r * 0.25, py - r * 0.35, r * 0.45, r * 0.3);
        fillFlat(cr, hex(pal::earthLight), 0);
    }
}

void brannokSide(cairo_t* cr, const BrannokPose& pose, const BrannokColors& k)
{
    const double s = std::sin(pose.phase * kTau), c = std::cos(pose.phase * kTau);
    // The body sinks 2.5 px at each contact (feet apart) and rises as the legs pass.
    double bob = std::fabs(s) * 2.5 - 0.5;
    const Color furDark = darker(k.fur, 0.2);
    double backFoot = 14.5 - 6 * s, frontFoot = 23.5 + 6 * s;
    double lean = 0;
    if (pose.action == BrannokAction::Push) {
        lean = 0.16;
        backFoot = 13 + 1.5 * s;
        frontFoot = 20 - 2 * s;
    } else if (pose.action == BrannokAction::Idle) {
        backFoot = 15;
        frontFoot = 24;
        bob = 0;
    } else if (pose.action == BrannokAction::Throw) {
        backFoot = 13;
        frontFoot = 25;
        bob = 0;
    }
    const double tapLift = pose.action == BrannokAction::Idle && pose.variant == 3 ? 2.5 : 0;

    cairo_save(cr);
    if (pose.action == BrannokAction::Push)
        cairo_translate(cr, -5, 0); // leaning forward: keep the helmet, nose and claws inside the cell
    cairo_translate(cr, 20, 37);
    cairo_rotate(cr, lean);
    cairo_translate(cr, -20, -37);

    if (pose.action == BrannokAction::Dig)
        crumbs(cr, pose.phase, 30, 34, 0, 30, 12, false);
    // Far arm (behind the body).
    if (pose.action == BrannokAction::Dig)
        limb(cr, 22, 23 + bob, 33 + 3 * c, 19 + 5 * s, 3.6, furDark);
    else if (pose.action == BrannokAction::Push)
        limb(cr, 22, 22, 36.3, 20.5, 3.6, furDark);

    // Legs: a short thigh from the body to each foot, the lifted foot raised clearly.
    const bool walking = pose.action == BrannokAction::Walk;
    const double backLift = walking ? std::max(0.0, -s) * 3 : 0, frontLift = walking ? std::max(0.0, s) * 3 : 0;
    limb(cr, 16, 31 + bob, backFoot + 0.5, 35 - backLift, 4.2, furDark);
    pathEllipse(cr, backFoot, 36 - backLift, 4.5, 2.6);
    fillShaded(cr, furDark, gLine);
    {
        // A short, tapering tail growing out of the body's back.
        const double tx = pose.action == BrannokAction::Push ? 10 : 8;
        cairo_new_path(cr);
        cairo_move_to(cr, tx + 4, 22.5 + bob);
        cairo_curve_to(cr, tx, 22 + bob, tx - 3, 24 + bob, tx - 3.5, 26.5 + bob);
        cairo_curve_to(cr, tx - 1.5, 27 + bob, tx + 1, 28 + bob, tx + 4, 28.5 + bob);
        cairo_close_path(cr);
        fillShaded(cr, furDark, gLine);
    }
    pathEllipse(cr, 19, 25.5 + bob, 12.5, 10.2);
    fillShaded(cr, k.fur, gLine);
    pathEllipse(cr, 24.5, 28 + bob, 5.8, 6.2);
    fillShaded(cr, k.belly, gLine * 0.5, 0.15);
    limb(cr, 22, 32 + bob, frontFoot - 0.5, 35 - frontLift - tapLift, 4.2, furDark);
    pathEllipse(cr, frontFoot, 36.2 - frontLift - tapLift, 4.8, 2.6);
    fillShaded(cr, furDark, gLine);

    // Head.
    const double hx = 27, hy = 16 + bob + (pose.action == BrannokAction::Idle && pose.variant == 1 ? -1 : 0);
    pathEllipse(cr, hx, hy, 8.8, 7.8);
    fillShaded(cr, k.fur, gLine);
    pathEllipse(cr, hx + 6.5, hy + 3, 5, 3.6);
    fillShaded(cr, k.belly, gLine, 0.15);
    pathEllipse(cr, hx + 10.3, hy + 1.6, 2.3, 2.1);
    fillShaded(cr, k.nose, gLine * 0.6);
    // Eye: closed on the blink pose, raised when looking around.
    if (pose.action == BrannokAction::Idle && pose.variant == 0) {
        cairo_new_path(cr);
        cairo_move_to(cr, hx + 1, hy + 0.8);
        cairo_line_to(cr, hx + 4.5, hy + 0.8);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    } else {
        const double ey = pose.action == BrannokAction::Idle && pose.variant == 1 ? hy - 0.4 : hy + 0.4;
        pathEllipse(cr, hx + 3, ey, 2.7, 3.0);
        fillFlat(cr, hex(0xFFFFFF), 1.0);
        pathEllipse(cr, hx + 3.8, ey + 0.3, 1.7, 2.1);
        fillFlat(cr, currentOutline(), 0);
        pathEllipse(cr, hx + 4.2, ey - 0.5, 0.6, 0.6);
        fillFlat(cr, hex(0xFFFFFF), 0);
    }
    helmetSide(cr, hx - 1, hy - 4.2, k, true);

    // Near arm.
    switch (pose.action) {
    case BrannokAction::Walk: {
        const double hxp = 26 + 4 * c, hyp = 31 - std::fabs(c);
        limb(cr, 21, 24 + bob, hxp, hyp, 3.8, k.fur);
        claws(cr, hxp, hyp, 0.9, k);
        break;
    }
    case BrannokAction::Dig: {
        const double hxp = 34 - 3 * c, hyp = 24 - 6 * s;
        limb(cr, 21, 24 + bob, hxp, hyp, 3.8, k.fur);
        claws(cr, hxp, hyp, 0.2 - 0.5 * s, k);
        break;
    }
    case BrannokAction::Push:
        limb(cr, 21, 24, 35.7, 25.5, 3.8, k.fur);
        claws(cr, 35.7, 25.5, 0, k);
        break;
    case BrannokAction::Throw:
        if (pose.variant == 0) {
            limb(cr, 19, 22, 10, 9, 3.8, k.fur);
            pathEllipse(cr, 9, 7, 3, 3);
            fillShaded(cr, hex(0x8C949C), gLine);
        } else {
            limb(cr, 21, 22, 35, 15, 3.8, k.fur);
            claws(cr, 35, 15, -0.4, k);
            pathEllipse(cr, 38, 11, 2.6, 2.6);
            fillShaded(cr, hex(0x8C949C), gLine * 0.7);
        }
        break;
    case BrannokAction::Idle:
        if (pose.variant == 2) {
            // Scratching his cheek below the helmet brim, the arm in front of the body.
            limb(cr, 21, 24, 27, 19.5, 3.8, k.fur);
            claws(cr, 27, 19.5, -0.9, k);
        } else {
            limb(cr, 21, 24, 25, 31, 3.8, k.fur);
            claws(cr, 25, 31, 1.2, k);
        }
        break;
    }
    cairo_restore(cr);
}

void brannokBack(cairo_t* cr, const BrannokPose& pose, const BrannokColors& k)
{
    const double s = std::sin(pose.phase * kTau);
    const bool dig = pose.action == BrannokAction::Dig;
    const double c = std::cos(pose.phase * kTau);
    const double off = pose.faceRight ? 1.5 : -1.5;
    const Color furDark = darker(k.fur, 0.2);
    if (dig && pose.variant == 0) // variant 1: the throw seen from behind, arms up but no digging
        crumbs(cr, pose.phase, 20, 6, 2, 34, 4, true);
    pathEllipse(cr, 14, 36.5 - std::max(0.0, c) * 2, 4.2, 2.6);
    fillShaded(cr, furDark, gLine);
    pathEllipse(cr, 26, 36.5 - std::max(0.0, -c) * 2, 4.2, 2.6);
    fillShaded(cr, furDark, gLine);
    // Arms reach up in turn.
    const double reach = dig ? 6 : 3;
    limb(cr, 11, 22, 8, 12 + reach * s, 3.8, k.fur);
    claws(cr, 8, 12 + reach * s, -1.8, k);
    limb(cr, 29, 22, 32, 12 - reach * s, 3.8, k.fur);
    claws(cr, 32, 12 - reach * s, -1.3, k);
    pathEllipse(cr, 20, 26, 12, 10.5);
    fillShaded(cr, k.fur, gLine);
    pathEllipse(cr, 20, 33, 3, 2);
    fillShaded(cr, furDark, gLine * 0.6);
    pathEllipse(cr, 20 + off * 0.5, 14, 8.5, 7.5);
    fillShaded(cr, k.fur, gLine);
    cairo_new_path(cr);
    cairo_arc(cr, 20 + off * 0.5, 12.5, 9.5, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillShaded(cr, k.helmet, gLine);
    pathRoundRect(cr, 9.5 + off * 0.5, 11.5, 21, 3.2, 1.5);
    fillShaded(cr, darker(k.helmet, 0.15), gLine);
    // Lamp glow peeking past the helmet on the side he faces.
    pathEllipse(cr, 20 + off * 6.5, 6.5, 2.2, 2.2);
    fillFlat(cr, k.lamp, gLine * 0.7);
}

void brannokFront(cairo_t* cr, const BrannokPose& pose, const BrannokColors& k)
{
    const double s = std::sin(pose.phase * kTau);
    const bool dig = pose.action == BrannokAction::Dig;
    const double c = std::cos(pose.phase * kTau);
    const double off = pose.faceRight ? 1.6 : -1.6;
    const Color furDark = darker(k.fur, 0.2);
    if (dig && pose.variant == 0)
        crumbs(cr, pose.phase, 20, 30, 2, 22, 14, true);
    pathEllipse(cr, 14, 36.5 - std::max(0.0, c) * 2, 4.4, 2.6);
    fillShaded(cr, furDark, gLine);
    pathEllipse(cr, 26, 36.5 - std::max(0.0, -c) * 2, 4.4, 2.6);
    fillShaded(cr, furDark, gLine);
    pathEllipse(cr, 20, 26, 12, 10.5);
    fillShaded(cr, k.fur, gLine);
    pathEllipse(cr, 20, 28.5, 7, 6.8);
    fillShaded(cr, k.belly, gLine * 0.5, 0.15);
    const double reach = dig ? 4 : 2;
    limb(cr, 10, 24, 9, 31 + reach * s, 3.8, k.fur);
    claws(cr, 9, 31 + reach * s, 1.9, k);
    limb(cr, 30, 24, 31, 31 - reach * s, 3.8, k.fur);
    claws(cr, 31, 31 - reach * s, 1.2, k);
    const double hx = 20 + off;
    pathEllipse(cr, hx, 15, 9, 8);
    fillShaded(cr, k.fur, gLine);
    pathEllipse(cr, hx + off * 0.3, 18.5, 4.6, 3.4);
    fillShaded(cr, k.belly, gLine, 0.15);
    pathEllipse(cr, hx + off * 0.4, 17, 2.2, 1.8);
    fillShaded(cr, k.nose, gLine * 0.6);
    for (double ex : {-3.7, 3.7}) {
        pathEllipse(cr, hx + ex + off * 0.3, 14.2, 2.2, 2.5);
        fillFlat(cr, hex(0xFFFFFF), 0.8);
        pathEllipse(cr, hx + ex + off * 0.55, 14.5, 1.3, 1.6);
        fillFlat(cr, currentOutline(), 0);
        pathEllipse(cr, hx + ex + off * 0.55 + 0.4, 13.9, 0.45, 0.45);
        fillFlat(cr, hex(0xFFFFFF), 0);
    }
    cairo_new_path(cr);
    cairo_arc(cr, hx, 10.5, 9.5, M_PI, 2 * M_PI);
    cairo_close_path(cr);
    fillShaded(cr, k.helmet, gLine);
    pathRoundRect(cr, hx - 10.5, 9.5, 21, 3.2, 1.5);
    fillShaded(cr, darker(k.helmet, 0.15), gLine);
    pathEllipse(cr, hx, 5.5, 3.2, 3);
    fillFlat(cr, k.lamp, gLine * 0.8);
    sparkle(cr, hx, 5.3, 2.2, hex(0xFFFFFF));
}

void brannokPass(cairo_t* cr, const BrannokPose& pose, const BrannokColors& k)
{
    if (pose.heading == Heading::Up) {
        brannokBack(cr, pose, k);
    } else if (pose.heading == Heading::Down) {
        brannokFront(cr, pose, k);
    } else {
        const bool mirror = pose.action == BrannokAction::Idle ? !pose.faceRight : pose.heading == Heading::Left;
        cairo_save(cr);
        if (mirror) {
            cairo_translate(cr, 40, 0);
            cairo_scale(cr, -1, 1);
        }
        brannokSide(cr, pose, k);
        cairo_restore(cr);
    }
}

} // namespace

void drawBrannok(cairo_t* cr, const BrannokPose& pose, BrannokStyle style)
{
    const BrannokColors k = colorsFor(style);
    if (style == BrannokStyle::Super) {
        // A golden halo around the whole silhouette, then the figure itself, then sparkles.
        {
            OutlineColor halo(hex(0xFFE680));
            gLine = 5;
            brannokPass(cr, pose, k);
        }
        OutlineColor rim(hex(0x8A4B00));
        gLine = 2;
        brannokPass(cr, pose, k);
        const double t = pose.phase * kTau + pose.variant;
        sparkle(cr, 6 + 3 * std::sin(t), 8 + 2 * std::cos(t), 3.2, hex(0xFFFFFF));
        sparkle(cr, 34 - 2 * std::cos(t * 1.3), 30 + 2 * std::sin(t), 2.6, hex(0xFFF3B0));
        return;
    }
    if (style == BrannokStyle::Hit) {
        OutlineColor red(hex(0xD8262A));
        gLine = 2.4;
        brannokPass(cr, pose, k);
        gLine = 2;
        return;
    }
    gLine = 2;
    brannokPass(cr, pose, k);
}

// ---- Crawler ----

Color crawlerColor(int look)
{
    // One green-teal family, told apart by brightness and the pattern on the back: colour alone
    // says "Crawler". Every look stays light enough to show on a dark tunnel.
    static const std::uint32_t colors[] = {pal::crawler, 0x74CC8C, 0x2E9A6E, 0x58B8A4, 0x9ADC8A};
    return hex(colors[look < 0 || look > 4 ? 0 : look]);
}

// An outlined, jointed leg from the hip (x0, y0) over the knee to the foot.
void insectLeg(cairo_t* cr, double x0, double y0, double kx, double ky, double fx, double fy, Color c, double thick)
{
    for (int pass = 0; pass < 2; ++pass) {
        cairo_new_path(cr);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, kx, ky);
        cairo_line_to(cr, fx, fy);
        setColor(cr, pass == 0 ? currentOutline() : c);
        cairo_set_line_width(cr, pass == 0 ? thick + 3 : thick);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// Seen from the side like the other characters, walking right along the floor; the other headings
// turn the whole figure so its feet stay on the wall it follows (on its right-hand side).
// The pattern on the abdomen that tells the looks apart: plain, pale spots, a light stripe down
// the back, dark bands.
void crawlerMarks(cairo_t* cr, int look, double sway)
{
    const Color body = crawlerColor(look);
    if (look == 1) {
        for (auto [x, y] : {std::pair{10.0, 24.0}, {15.5, 30.0}, {17.0, 23.0}, {9.0, 30.5}}) {
            pathEllipse(cr, x, y + sway, 1.6, 1.3);
            fillFlat(cr, lighter(body, 0.55), 0);
        }
    } else if (look == 2) {
        pathRoundRect(cr, 5, 25.5 + sway, 17, 3, 1.5);
        fillFlat(cr, lighter(body, 0.45), 0);
    } else if (look == 3) {
        for (double x : {8.0, 13.5, 19.0}) {
            pathRoundRect(cr, x - 1.2, 20.5 + sway, 2.4, 13, 1.2);
            fillFlat(cr, darker(body, 0.45), 0);
        }
    }
}

void drawCrawler(cairo_t* cr, int look, Heading heading, double phase)
{
    const Color body = crawlerColor(look), dark = darker(body, 0.35);
    static const double angles[] = {M_PI, -M_PI / 2, 0, M_PI / 2};
    cairo_save(cr);
    cairo_translate(cr, 20, 20);
    cairo_rotate(cr, angles[int(heading)]);
    cairo_translate(cr, -20, -20);
    const double step = phase * kTau * 2;
    const double sway = std::sin(step * 2) * 0.6;
    // Far legs first (darker), then the body, then the near legs: a ripple runs from back to front.
    for (int i = 0; i < 3; ++i) {
        const double hip = 13 + i * 7, swing = std::sin(step + i * 2.1 + M_PI) * 3.5;
        const double lift = std::max(0.0, std::cos(step + i * 2.1 + M_PI)) * 2.5;
        insectLeg(cr, hip + 1, 27, hip + 3 + swing * 0.5, 25 - lift, hip + 4 + swing, 37 - lift, darker(dark, 0.2), 2);
    }
    // Abdomen, thorax and head overlap, so the body reads as one segmented animal.
    pathEllipse(cr, 14, 27 + sway, 11, 8.5);
    fillShaded(cr, body, 2);
    for (double x : {9.0, 14.0, 19.0}) {
        cairo_new_path(cr);
        cairo_move_to(cr, x, 19.5 + sway);
        cairo_curve_to(cr, x + 1.5, 24 + sway, x + 1.5, 30 + sway, x, 34.5 + sway);
        setColor(cr, dark);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    crawlerMarks(cr, look, sway);
    highlight(cr, 11, 22.5 + sway, 6, 2.5, 0.55);
    pathEllipse(cr, 25, 27, 5.5, 6);
    fillShaded(cr, darker(body, 0.08), 2);
    // Head with mandibles that open and close and feelers that bob.
    const double bite = 0.35 + 0.25 * std::sin(step);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, 35, 28 + side * 1.5);
        cairo_curve_to(cr, 38, 28 + side * (2 + bite * 3), 39.5, 28 + side * bite * 2.5, 38.5, 28 + side * 0.3);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 31, 22);
    cairo_curve_to(cr, 32, 15, 35, 13 + std::sin(step) * 1.5, 38, 14 + std::sin(step) * 1.5);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    pathEllipse(cr, 32, 27, 5, 5);
    fillShaded(cr, darker(body, 0.15), 2);
    pathEllipse(cr, 33.5, 25.5, 1.9, 2.1);
    fillFlat(cr, hex(0xFFF4D0), 0.8);
    pathEllipse(cr, 34, 25.7, 0.9, 1.1);
    fillFlat(cr, currentOutline(), 0);
    // Near legs.
    for (int i = 0; i < 3; ++i) {
        const double hip = 11 + i * 7, swing = std::sin(step + i * 2.1) * 3.5;
        const double lift = std::max(0.0, std::cos(step + i * 2.1)) * 2.5;
        insectLeg(cr, hip, 30, hip - 2 + swing * 0.5, 33 - lift, hip + swing, 38 - lift, dark, 2.2);
    }
    cairo_restore(cr);
}

void drawCrawlerFront(cairo_t* cr, int look, double phase)
{
    const Color body = crawlerColor(look), dark = darker(body, 0.35);
    for (int i = 0; i < 3; ++i)
        for (int side = -1; side <= 1; side += 2) {
            const double lift = std::sin(phase * kTau * 2 + i * 2.1) * 1.5;
            insectLeg(cr, 20 + side * 8, 26 + i * 2, 20 + side * 14, 24 + i * 4 + lift, 20 + side * 16.5, 36 - i, dark, 2.2);
        }
    pathEllipse(cr, 20, 24, 12, 9);
    fillShaded(cr, body, 2);
    pathEllipse(cr, 20, 25, 8, 7.5);
    fillShaded(cr, darker(body, 0.1), 2);
    for (int side = -1; side <= 1; side += 2) {
        pathEllipse(cr, 20 + side * 3.5, 23, 2.4, 2.6);
        fillFlat(cr, hex(0xFFF4D0), 1);
        pathEllipse(cr, 20 + side * 3.2, 23.5, 1, 1.2);
        fillFlat(cr, currentOutline(), 0);
        cairo_new_path(cr);
        cairo_move_to(cr, 20 + side * 3, 30);
        cairo_line_to(cr, 20 + side * 1, 34);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 2.4);
        cairo_stroke(cr);
        cairo_new_path(cr);
        cairo_move_to(cr, 20 + side * 3, 17);
        cairo_curve_to(cr, 20 + side * 5, 12, 20 + side * 9, 11, 20 + side * 10, 13);
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
    }
    highlight(cr, 16, 19, 5, 2.5, 0.5);
}

void drawHatchling(cairo_t* cr, double turn)
{
    const Color body = crawlerColor(4);
    const double a = turn * kTau;
    for (int i = 0; i < 8; ++i) {
        const double t = a + i * kTau / 8;
        cairo_new_path(cr);
        cairo_move_to(cr, 20 + std::cos(t - 0.22) * 10, 27 + std::sin(t - 0.22) * 10);
        cairo_line_to(cr, 20 + std::cos(t) * 14.5, 27 + std::sin(t) * 14.5);
        cairo_line_to(cr, 20 + std::cos(t + 0.22) * 10, 27 + std::sin(t + 0.22) * 10);
        cairo_close_path(cr);
        fillShaded(cr, darker(body, 0.3), 1.5);
    }
    pathEllipse(cr, 20, 27, 10.5, 10.5);
    fillShaded(cr, body, 2);
    // A stripe and the face turn with the ball so the roll reads.
    cairo_save(cr);
    cairo_translate(cr, 20, 27);
    cairo_rotate(cr, a);
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, 10.5, -0.5, 0.5);
    cairo_arc_negative(cr, 0, 0, 6, 0.5, -0.5);
    cairo_close_path(cr);
    fillFlat(cr, darker(body, 0.25), 0);
    for (int side = -1; side <= 1; side += 2) {
        pathEllipse(cr, -3, side * 3.2, 2, 2.2);
        fillFlat(cr, hex(0xFFF4D0), 1);
        pathEllipse(cr, -3.6, side * 3.2, 0.9, 1);
        fillFlat(cr, currentOutline(), 0);
    }
    cairo_restore(cr);
    highlight(cr, 16, 22, 4, 3, 0.6);
}

void drawEgg(cairo_t* cr, double rock, double crack)
{
    cairo_save(cr);
    cairo_translate(cr, 20, 36);
    cairo_rotate(cr, rock);
    cairo_translate(cr, -20, -36);
    // Speckled cream: a hatching egg is alive, unlike the stones it hid among.
    pathEllipse(cr, 20, 23.5, 12, 14.5);
    fillShaded(cr, hex(pal::egg), 2, 0.3);
    for (auto [x, y, r] : {std::tuple{15.0, 18.0, 2.0}, {24.0, 14.0, 1.5}, {25.0, 27.0, 2.3}, {14.0, 29.0, 1.4}, {20.0, 33.0, 1.2}, {19.0, 23.0, 1.1}}) {
        pathEllipse(cr, x, y, r, r * 0.8);
        fillFlat(cr, hex(pal::eggSpots), 0);
    }
    highlight(cr, 15, 14, 4, 5, 0.5);
    if (crack > 0) {
        cairo_new_path(cr);
        const double len = std::min(1.0, crack);
        cairo_move_to(cr, 9, 20);
        const double pts[][2] = {{13, 17}, {16, 21}, {20, 16}, {24, 21}, {27, 17}, {31, 20}};
        for (int i = 0; i < 6 && i < int(len * 6 + 0.999); ++i)
            cairo_line_to(cr, pts[i][0], pts[i][1]);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// ---- Walker ----

// A miner's pick: wooden handle from (x0, y0) to (x1, y1) with an iron head across its top end.
void pick(cairo_t* cr, double x0, double y0, double x1, double y1)
{
    limb(cr, x0, y0, x1, y1, 1.8, hex(0x9C6A3A));
    const double a = std::atan2(y1 - y0, x1 - x0) + M_PI / 2;
    cairo_new_path(cr);
    cairo_move_to(cr, x1 - std::cos(a) * 7, y1 - std::sin(a) * 7);
    cairo_curve_to(cr, x1 - std::cos(a) * 2 + (x1 - x0) * 0.15, y1 - std::sin(a) * 2 + (y1 - y0) * 0.15,
                   x1 + std::cos(a) * 2 + (x1 - x0) * 0.15, y1 + std::sin(a) * 2 + (y1 - y0) * 0.15,
                   x1 + std::cos(a) * 7, y1 + std::sin(a) * 7);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 3.6);
    cairo_stroke_preserve(cr);
    setColor(cr, hex(0xA9B4BE));
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

void tunic(cairo_t* cr, double x, double y, double w, double h)
{
    pathRoundRect(cr, x, y, w, h, 3);
    fillShaded(cr, hex(0x6A4A2A), 1.6);
    pathRoundRect(cr, x - 0.5, y + 1, w + 1, 2.4, 1);
    fillFlat(cr, hex(0x3A2410), 0);
    pathRoundRect(cr, x + w / 2 - 1.8, y + 0.6, 3.6, 3.2, 0.8);
    fillFlat(cr, hex(pal::brass), 0.8);
}

void drawWalker(cairo_t* cr, Heading heading, bool faceRight, double phase)
{
    const Color body = hex(pal::walker), dark = hex(pal::walkerDark), eyes = hex(pal::walkerEyes);
    const double s = std::sin(phase * kTau), c = std::cos(phase * kTau);
    const bool side = heading == Heading::Left || heading == Heading::Right;
    cairo_save(cr);
    if ((side && heading == Heading::Left) || (!side && !faceRight)) {
        cairo_translate(cr, 40, 0);
        cairo_scale(cr, -1, 1);
    }
    const double bob = std::fabs(s) * -1.0;
    if (side) {
        // Lanky legs in a quick shuffle.
        limb(cr, 19, 27 + bob, 17 - 5 * s, 38, 3, dark);
        limb(cr, 21, 27 + bob, 23 + 5 * s, 38, 3, body);
        pathEllipse(cr, 17 - 5 * s + 1, 38, 3.2, 1.5);
        fillFlat(cr, dark, 1.5);
        pathEllipse(cr, 23 + 5 * s + 1, 38, 3.2, 1.5);
        fillFlat(cr, dark, 1.5);
        pick(cr, 13, 24 + bob, 9, 8 + bob);
        limb(cr, 18, 17 + bob, 13 - 4 * c, 27 + bob, 2.6, dark);
        pathRoundRect(cr, 14, 14 + bob, 11, 15, 5);
        fillShaded(cr, body, 2);
        tunic(cr, 14, 22 + bob, 11, 6.5);
        // Big head, pointed ears, long nose.
        pathEllipse(cr, 22, 9 + bob, 7.5, 6.5);
        fillShaded(cr, body, 2);
        cairo_new_path(cr);
        cairo_move_to(cr, 17, 7 + bob);
        cairo_line_to(cr, 9, 1 + bob);
        cairo_line_to(cr, 16, 10 + bob);
        cairo_close_path(cr);
        fillShaded(cr, dark, 1.6);
        cairo_new_path(cr);
        cairo_move_to(cr, 28, 8 + bob);
        cairo_line_to(cr, 36, 12 + bob);
        cairo_line_to(cr, 28, 12.5 + bob);
        cairo_close_path(cr);
        fillShaded(cr, body, 1.6);
        pathEllipse(cr, 25, 7.5 + bob, 2.2, 2);
        fillFlat(cr, eyes, 1);
        pathEllipse(cr, 25.8, 7.5 + bob, 0.8, 1);
        fillFlat(cr, currentOutline(), 0);
        cairo_new_path(cr);
        cairo_move_to(cr, 24, 12.5 + bob);
        cairo_line_to(cr, 28, 12 + bob);
        setColor(cr, currentOutline());
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        limb(cr, 22, 17 + bob, 27 + 4 * c, 26 + bob, 2.6, body);
    } else {
        const bool front = heading == Heading::Down;
        limb(cr, 17, 27 + bob, 15, 38 - std::max(0.0, s) * 2, 3, dark);
        limb(cr, 23, 27 + bob, 25, 38 - std::max(0.0, -s) * 2, 3, dark);
        limb(cr, 15, 17 + bob, 9 + c, 27 + 3 * c, 2.6, dark);
        limb(cr, 25, 17 + bob, 31 - c, 27 - 3 * c, 2.6, dark);
        pathRoundRect(cr, 14, 14 + bob, 12, 15, 5);
        fillShaded(cr, body, 2);
        tunic(cr, 14, 22 + bob, 12, 6.5);
        // The pick rides on the shoulder of the side he faces.
        pick(cr, 29 - c, 26 - 3 * c, 33, 10 + bob);
        for (int sd = -1; sd <= 1; sd += 2) {
            cairo_new_path(cr);
            cairo_move_to(cr, 20 + sd * 5, 7 + bob);
            cairo_line_to(cr, 20 + sd * 14, 2 + bob);
            cairo_line_to(cr, 20 + sd * 6, 10 + bob);
            cairo_close_path(cr);
            fillShaded(cr, dark, 1.6);
        }
        pathEllipse(cr, 21, 9 + bob, 7, 6.5);
        fillShaded(cr, body, 2);
        if (front) {
            for (int sd = -1; sd <= 1; sd += 2) {
                pathEllipse(cr, 21 + sd * 3, 8 + bob, 2, 2);
                fillFlat(cr, eyes, 1);
                pathEllipse(cr, 21.6 + sd * 3, 8.3 + bob, 0.8, 0.9);
                fillFlat(cr, currentOutline(), 0);
            }
            cairo_new_path(cr);
            cairo_move_to(cr, 17.5, 12 + bob);
            cairo_curve_to(cr, 19.5, 14.5 + bob, 22.5, 14.5 + bob, 24.5, 12 + bob);
            setColor(cr, currentOutline());
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
            cairo_new_path(cr);
            cairo_move_to(cr, 19, 13.2 + bob);
            cairo_line_to(cr, 19.8, 15 + bob);
            cairo_line_to(cr, 20.6, 13.6 + bob);
            cairo_close_path(cr);
            fillFlat(cr, hex(0xFFFFFF), 0);
        } else {
            pathEllipse(cr, 20, 19 + bob, 3.5, 4);
            fillFlat(cr, dark, 1.2);
        }
    }
    cairo_restore(cr);
}

// ---- Stalker ----

Color stalkerColor(int look)
{
    // One shadow-red family, the looks lighter or darker: red says "Stalker" on every theme.
    static const std::uint32_t colors[] = {0xD04848, 0xF07860, 0xB03048, 0xE89090};
    return hex(colors[look < 0 || look > 3 ? 0 : look]);
}

void drawStalker(cairo_t* cr, int look, bool faceRight, double phase)
{
    const Color body = stalkerColor(look), dark = darker(body, 0.6), glowEdge = lighter(body, 0.25);
    const double hover = std::sin(phase * kTau) * 1.8;
    cairo_save(cr);
    if (!faceRight) {
        cairo_translate(cr, 40, 0);
        cairo_scale(cr, -1, 1);
    }
    // A hooded shadow lit from within: dark at the heart, glowing towards its ragged hem.
    auto shroud = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, 20, 4 + hover);
        cairo_curve_to(cr, 32, 4 + hover, 34, 18 + hover, 33, 30 + hover);
        for (int i = 0; i <= 5; ++i) {
            const double x = 33 - i * 5;
            const double y = 31 + hover + std::sin(phase * kTau + i * 1.3) * 2.5 + (i % 2 ? 5 : 0);
            cairo_line_to(cr, x, y);
        }
        cairo_curve_to(cr, 6, 18 + hover, 8, 4 + hover, 20, 4 + hover);
        cairo_close_path(cr);
    };
    // Wisps trailing behind.
    for (int i = 0; i < 3; ++i) {
        const double t = std::fmod(phase + i / 3.0, 1.0);
        pathEllipse(cr, 7 - t * 5, 20 + i * 5 + hover - t * 5, 2.8 - t * 1.2, 1.9 - t * 0.7);
        fillFlat(cr, glowEdge, 1);
    }
    shroud();
    cairo_pattern_t* g = cairo_pattern_create_radial(22, 16 + hover, 3, 20, 20 + hover, 19);
    cairo_pattern_add_color_stop_rgb(g, 0, dark.r, dark.g, dark.b);
    cairo_pattern_add_color_stop_rgb(g, 0.55, mix(dark, body, 0.5).r, mix(dark, body, 0.5).g, mix(dark, body, 0.5).b);
    cairo_pattern_add_color_stop_rgb(g, 1, glowEdge.r, glowEdge.g, glowEdge.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    setColor(cr, currentOutline());
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // The hood's opening: a pit of shadow with two burning eyes.
    pathEllipse(cr, 22.5, 15 + hover, 8, 7);
    fillFlat(cr, darker(dark, 0.5), 0);
    for (double ex : {20.5, 26.5}) {
        pathEllipse(cr, ex, 15 + hover, 3, 2.2);
        fillFlat(cr, lighter(body, 0.55), 0);
        pathEllipse(cr, ex + 0.4, 15 + hover, 1.5, 1.2);
        fillFlat(cr, hex(0xFFFFFF), 0);
    }
    cairo_restore(cr);
}

} // namespace burrowix::mkdata
