#pragma once
// Where the properties panel's pieces lie on the 800 x 600 screen, for its drawing and for the
// mouse alike: one row per field, and each row's parts (the field itself, its check box, its
// less and more buttons).

#include <optional>

#include "menus/editor_props_panel.hpp"
#include "platform/display/display_result.hpp"

namespace burrowix {

enum class PropsPart { None, Body, Toggle, Less, More };

struct PropsHit {
    PropsField field = PropsField::Title;
    PropsPart part = PropsPart::None;

    bool operator==(const PropsHit&) const = default;
};

inline constexpr Rect kPropsBoard{150, 62, 650, 528};
inline constexpr int kPropsCaptionY = 95;
inline constexpr int kPropsLabelX = 172;
// Room between a text box's edge and its text.
inline constexpr int kPropsTextPad = 6;

// The row's caption ("Title", "Gold goal", ...); the buttons' own captions for OK and Cancel.
const char* propsCaption(PropsField field);
// The top of a field's row; its parts are 40 pixels high from there.
int propsRowTop(PropsField field);
// The rectangle of a part of a field; empty for a part the field does not have.
Rect propsPartRect(PropsField field, PropsPart part);
// What lies under (x, y): a part of a field, the rest of a field's row (PropsPart::None), or
// nothing.
std::optional<PropsHit> propsHitAt(int x, int y);

} // namespace burrowix
