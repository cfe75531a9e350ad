#include "menus/editor_props_layout.hpp"

namespace burrowix {

namespace {

constexpr int kRowTop = 128, kRowStep = 46, kButtonsTop = 464;
constexpr const char* kCaptions[kPropsFieldCount] = {"Title",     "Hint",  "Theme",  "Gold goal", "Kill goal",
                                                     "Width",     "Height", "OK",    "Cancel"};

bool inside(const Rect& r, int x, int y)
{
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The parts of a row, left to right, in x only: 40-pixel check box and arrows, the menus' 60 x 40
// minus and plus buttons round a value box.
struct RowParts {
    int toggleX = -1, lessX = -1, lessWidth = 0, bodyLeft = 0, bodyRight = 0, moreX = -1, moreWidth = 0;
};

RowParts rowParts(PropsField field)
{
    switch (field) {
    case PropsField::Title:
    case PropsField::Hint: return {-1, -1, 0, 296, 630, -1, 0};
    case PropsField::Theme: return {-1, 296, 40, 342, 486, 492, 40};
    case PropsField::GoldGoal:
    case PropsField::KillGoal: return {296, 350, 60, 416, 470, 476, 60};
    case PropsField::Width:
    case PropsField::Height: return {-1, 350, 60, 416, 470, 476, 60};
    case PropsField::Ok: return {-1, -1, 0, 220, 380, -1, 0};
    case PropsField::Cancel: return {-1, -1, 0, 420, 580, -1, 0};
    }
    return {};
}

} // namespace

const char* propsCaption(PropsField field)
{
    return kCaptions[static_cast<int>(field)];
}

int propsRowTop(PropsField field)
{
    const int row = static_cast<int>(field);
    return field >= PropsField::Ok ? kButtonsTop : kRowTop + kRowStep * row;
}

Rect propsPartRect(PropsField field, PropsPart part)
{
    const RowParts p = rowParts(field);
    const int top = propsRowTop(field);
    const bool button = field >= PropsField::Ok;
    switch (part) {
    case PropsPart::None: return {};
    // Value and text boxes sit 5 pixels inside the row; the buttons take the whole of it.
    case PropsPart::Body: return button ? Rect{p.bodyLeft, top, p.bodyRight, top + 42}
                                        : Rect{p.bodyLeft, top + 5, p.bodyRight, top + 35};
    case PropsPart::Toggle: return p.toggleX < 0 ? Rect{} : Rect{p.toggleX, top, p.toggleX + 40, top + 40};
    case PropsPart::Less: return p.lessX < 0 ? Rect{} : Rect{p.lessX, top, p.lessX + p.lessWidth, top + 40};
    case PropsPart::More: return p.moreX < 0 ? Rect{} : Rect{p.moreX, top, p.moreX + p.moreWidth, top + 40};
    }
    return {};
}

std::optional<PropsHit> propsHitAt(int x, int y)
{
    for (int f = 0; f < kPropsFieldCount; ++f) {
        const auto field = static_cast<PropsField>(f);
        for (PropsPart part : {PropsPart::Toggle, PropsPart::Less, PropsPart::More, PropsPart::Body})
            if (inside(propsPartRect(field, part), x, y))
                return PropsHit{field, part};
        // The rest of a field's row, its caption included, is the field too.
        const int top = propsRowTop(field);
        if (field < PropsField::Ok && y >= top && y < top + 40 && x >= kPropsBoard.left && x < kPropsBoard.right)
            return PropsHit{field, PropsPart::None};
    }
    return std::nullopt;
}

} // namespace burrowix
