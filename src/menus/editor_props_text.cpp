#include "menus/editor_props_text.hpp"

#include <algorithm>
#include <cstdlib>

#include "menus/editor_props_layout.hpp"
#include "platform/text/fonts.hpp"

namespace burrowix {

std::size_t propsShownCaret(const EditorPropsPanel& panel, PropsField field)
{
    return panel.focus == field ? panel.caret[field == PropsField::Title ? 0 : 1] : 0;
}

int propsTextWidth(const std::string& text, std::size_t from, std::size_t to)
{
    if (to <= from)
        return 0;
    return textWidth(kPropsTextFont, text.substr(from, to - from).c_str());
}

TextWindow propsTextWindow(const std::string& text, std::size_t caret, const Rect& box)
{
    const int room = box.width() - 2 * kPropsTextPad;
    caret = std::min(caret, text.size());
    TextWindow w;
    // From the start when the caret's part fits, else as far back from the caret as fits.
    if (propsTextWidth(text, 0, caret) > room) {
        w.first = caret;
        while (w.first > 0 && propsTextWidth(text, w.first - 1, caret) <= room)
            --w.first;
    }
    w.last = caret;
    while (w.last < text.size() && propsTextWidth(text, w.first, w.last + 1) <= room)
        ++w.last;
    return w;
}

std::size_t propsCaretAt(const std::string& text, std::size_t caret, const Rect& box, int x)
{
    const TextWindow w = propsTextWindow(text, caret, box);
    const int left = box.left + kPropsTextPad;
    std::size_t best = w.first;
    for (std::size_t i = w.first; i <= w.last; ++i)
        if (std::abs(left + propsTextWidth(text, w.first, i) - x) < std::abs(left + propsTextWidth(text, w.first, best) - x))
            best = i;
    return best;
}

} // namespace burrowix
