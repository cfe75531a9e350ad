// The properties panel's picture: the screen dimmed, a dark board framed in the menus' gold as the
// pause plate is, the captions in the game's fonts, the menus' own check boxes and -/+ buttons,
// parchment boxes for the texts and dark insets for the values. The focused row is lit and its
// caption glows; a button under the pointer shows its hover look.

#include <cstdio>

#include "app/message_panels.hpp"
#include "common/asset_manifest.hpp"
#include "menus/editor_props_layout.hpp"
#include "menus/editor_props_panel.hpp"
#include "menus/editor_props_text.hpp"
#include "platform/display/blit.hpp"
#include "platform/display/pixel_format.hpp"
#include "platform/gui/gui_state.hpp"
#include "platform/text/fonts.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix {

namespace {

constexpr std::uint32_t kGold = packRgb(210, 175, 60); // the menus' label colour
constexpr std::uint32_t kGlow = packRgb(255, 214, 90);
constexpr std::uint32_t kBoard = packRgb(32, 24, 16);
constexpr std::uint32_t kLitRow = packRgb(58, 42, 24);
constexpr std::uint32_t kInset = packRgb(16, 11, 7);
constexpr std::uint32_t kWood = packRgb(122, 78, 45);
constexpr std::uint32_t kLightText = packRgb(255, 244, 208);
constexpr std::uint32_t kParchment = packRgb(234, 217, 176);
constexpr std::uint32_t kInk = packRgb(42, 27, 18);
constexpr std::uint32_t kGrey = packRgb(150, 150, 150);
constexpr int kFrame = 3;

// The menus' widget pictures: the check box's frames (off, on, hover over off) stacked, and the
// minus and plus buttons' normal and hover looks.
using P = assets::PictureId;
constexpr const char* kCheckBox = assets::pictureFile(P::Switch);
constexpr int kCheckFrame = assets::frameHeight(P::Switch);
constexpr const char* kMinus[] = {assets::pictureFile(P::Minus), assets::pictureFile(P::MinusHover)};
constexpr const char* kPlus[] = {assets::pictureFile(P::Plus), assets::pictureFile(P::PlusHover)};

struct Painter {
    Surface& target;
    const EditorPropsPanel& panel;

    void fill(const Rect& r, std::uint32_t rgb) const { fillRect(&target, &r, target.mapRgb(rgb)); }

    // A rectangle with a border of `width` pixels in `edge`.
    void box(const Rect& r, std::uint32_t inside, std::uint32_t edge, int width) const
    {
        fill(r, edge);
        fill(Rect{r.left + width, r.top + width, r.right - width, r.bottom - width}, inside);
    }

    void text(int font, int align, int x, int y, const std::string& s, std::uint32_t colour) const
    {
        drawText(font, 0, 1, align, kAlignCentre, &target, x, y, s.c_str(), colour);
    }

    bool hovered(const Rect& r) const
    {
        return panel.pointerX >= r.left && panel.pointerX < r.right && panel.pointerY >= r.top &&
               panel.pointerY < r.bottom;
    }

    // A picture of the menus; false when it is not there (no display: the tests), so the caller
    // draws a plain stand-in.
    bool picture(const char* name, int x, int y, const Rect* part = nullptr) const
    {
        PictureStore& store = theGui.pictures;
        const Surface* s = store.pictureSurface(store.findOrAddPicture(name));
        if (!s)
            return false;
        blitFast(&target, x, y, s, part, true);
        return true;
    }

    // A plate with a caption: the buttons the menus have no picture for.
    void plate(const Rect& r, const char* caption, int font, bool lit) const
    {
        box(r, lit ? kLitRow : kBoard, lit ? kGlow : kGold, 2);
        text(font, kAlignCentre, (r.left + r.right) / 2, (r.top + r.bottom) / 2, caption, lit ? kLightText : kGold);
    }

    void lessMore(PropsField f, const char* const (&pictures)[2], PropsPart part, const char* stand) const
    {
        const Rect r = propsPartRect(f, part);
        const bool lit = hovered(r);
        if (!picture(pictures[lit ? 1 : 0], r.left, r.top))
            plate(r, stand, kFontLarge, lit);
    }
};

void drawBoard(const Painter& p)
{
    drawDimming(&p.target);
    p.box(Rect{kPropsBoard.left - kFrame, kPropsBoard.top - kFrame, kPropsBoard.right + kFrame,
               kPropsBoard.bottom + kFrame},
          kBoard, kGold, kFrame);
    p.fill(Rect{kPropsBoard.left + 4, kPropsBoard.top + 4, kPropsBoard.right - 4, kPropsBoard.top + 5}, kWood);
    p.text(kFontLarge, kAlignCentre, (kPropsBoard.left + kPropsBoard.right) / 2, kPropsCaptionY, "Level properties",
           kGold);
    p.fill(Rect{kPropsBoard.left + 30, 118, kPropsBoard.right - 30, 120}, kGold);
}

void drawTextField(const Painter& p, PropsField f, const std::string& s)
{
    const Rect r = propsPartRect(f, PropsPart::Body);
    const bool focused = p.panel.focus == f;
    const std::size_t caret = propsShownCaret(p.panel, f);
    p.box(r, kParchment, focused ? kGlow : kWood, 2);
    const TextWindow w = propsTextWindow(s, caret, r);
    const int x = r.left + kPropsTextPad;
    const int y = (r.top + r.bottom) / 2;
    p.text(kFontSmall, kAlignStart, x, y, s.substr(w.first, w.last - w.first), kInk);
    if (focused) {
        const int cx = x + propsTextWidth(s, w.first, std::min(caret, s.size()));
        p.fill(Rect{cx, r.top + 5, cx + 2, r.bottom - 5}, kInk);
    }
}

void drawValue(const Painter& p, PropsField f, const std::string& shown, bool dim)
{
    const Rect r = propsPartRect(f, PropsPart::Body);
    const bool typing = p.panel.focus == f && !p.panel.typed.empty();
    p.box(r, kInset, p.panel.focus == f ? kGlow : kWood, 2);
    const std::string s = typing ? p.panel.typed : shown;
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    p.text(kFontSmall, kAlignCentre, cx, cy, s, dim && !typing ? kGrey : kLightText);
    if (typing) {
        const int after = cx + textWidth(kFontSmall, s.c_str()) / 2 + 1;
        p.fill(Rect{after, r.top + 6, after + 2, r.bottom - 6}, kLightText);
    }
}

void drawCheckBox(const Painter& p, PropsField f, bool on)
{
    const Rect r = propsPartRect(f, PropsPart::Toggle);
    const int frame = on ? 1 : p.hovered(r) ? 2 : 0;
    const Rect part{0, frame * kCheckFrame, kCheckFrame, (frame + 1) * kCheckFrame};
    if (p.picture(kCheckBox, r.left, r.top, &part))
        return;
    p.box(r, kInset, p.hovered(r) ? kGlow : kGold, 2);
    if (on)
        p.fill(Rect{r.left + 10, r.top + 10, r.right - 10, r.bottom - 10}, kGlow);
}

void drawRow(const Painter& p, PropsField f)
{
    const EditorPropsPanel& panel = p.panel;
    const int top = propsRowTop(f);
    const bool focused = panel.focus == f;
    if (focused)
        p.fill(Rect{kPropsBoard.left + 10, top - 3, kPropsBoard.right - 10, top + 43}, kLitRow);
    if (f < PropsField::Ok)
        p.text(kFontSmall, kAlignStart, kPropsLabelX, top + 20, propsCaption(f), focused ? kGlow : kGold);
    switch (f) {
    case PropsField::Title: drawTextField(p, f, panel.props.title); return;
    case PropsField::Hint: drawTextField(p, f, panel.props.hint); return;
    case PropsField::Theme: {
        const Rect less = propsPartRect(f, PropsPart::Less), more = propsPartRect(f, PropsPart::More);
        p.plate(less, "<", kFontLarge, p.hovered(less));
        p.plate(more, ">", kFontLarge, p.hovered(more));
        const Rect name = propsPartRect(f, PropsPart::Body);
        p.box(name, kInset, focused ? kGlow : kWood, 2);
        const int theme = std::clamp(panel.props.theme, 0, kEditThemes - 1);
        p.text(kFontSmall, kAlignCentre, (name.left + name.right) / 2, (name.top + name.bottom) / 2,
               panel.themeNames[std::size_t(theme)], kLightText);
        return;
    }
    case PropsField::GoldGoal:
    case PropsField::KillGoal: {
        const bool on = f == PropsField::GoldGoal ? panel.props.goldGoalOn : panel.props.killGoalOn;
        const std::int32_t amount = f == PropsField::GoldGoal ? panel.props.goldGoal : panel.props.killGoal;
        drawCheckBox(p, f, on);
        p.lessMore(f, kMinus, PropsPart::Less, "-");
        drawValue(p, f, std::to_string(amount), !on);
        p.lessMore(f, kPlus, PropsPart::More, "+");
        p.text(kFontSmall, kAlignStart, 548, top + 20, on ? "on" : "off", on ? kLightText : kGrey);
        return;
    }
    case PropsField::Width:
    case PropsField::Height: {
        const bool across = f == PropsField::Width;
        p.lessMore(f, kMinus, PropsPart::Less, "-");
        drawValue(p, f, std::to_string(across ? panel.width : panel.height), false);
        p.lessMore(f, kPlus, PropsPart::More, "+");
        char range[16];
        std::snprintf(range, sizeof range, "%d..%d", across ? kMinEditWidth : kMinEditHeight,
                      across ? kMaxEditWidth : kMaxEditHeight);
        p.text(kFontSmall, kAlignStart, 548, top + 20, range, kGrey);
        return;
    }
    case PropsField::Ok:
    case PropsField::Cancel: {
        const Rect r = propsPartRect(f, PropsPart::Body);
        p.plate(r, propsCaption(f), kFontLarge, focused || p.hovered(r));
        return;
    }
    }
}

} // namespace

void drawEditorProps(const EditorPropsPanel& panel, Surface& target)
{
    if (!panel.open)
        return;
    const Painter p{target, panel};
    drawBoard(p);
    for (int f = 0; f < kPropsFieldCount; ++f)
        drawRow(p, static_cast<PropsField>(f));
}

} // namespace burrowix
