#pragma once
// Which part of a long title or hint its box shows: as much as fits the box, always with the caret
// in it, so a text of 200 characters can be read and edited in a box a third as wide. The drawing
// and the mouse ask the same question.

#include <cstddef>
#include <string>

#include "menus/editor_props_panel.hpp"
#include "platform/display/display_result.hpp"
#include "platform/text/game_fonts.hpp"

namespace burrowix {

inline constexpr int kPropsTextFont = kFontSmall;

struct TextWindow {
    std::size_t first = 0, last = 0; ///< the characters [first, last) show
};

// The part of `text` that shows in `box` with the caret before character `caret`.
TextWindow propsTextWindow(const std::string& text, std::size_t caret, const Rect& box);
// The caret place nearest to x when the box shows the window of `caret`.
std::size_t propsCaretAt(const std::string& text, std::size_t caret, const Rect& box, int x);
// Where the box of the title or hint is shown from: its caret while it has the focus, its start
// otherwise.
std::size_t propsShownCaret(const EditorPropsPanel& panel, PropsField field);
// The width of text[from, to) in the box's font.
int propsTextWidth(const std::string& text, std::size_t from, std::size_t to);

} // namespace burrowix
