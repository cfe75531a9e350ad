#include "platform/gui/label.hpp"

#include <cstring>

#include "platform/display/blit.hpp"
#include "platform/text/fonts.hpp"

namespace burrowix {

namespace {

int labelWidth(int length, const char* text, const FontEntry* font)
{
    if (!font)
        return 0;
    const int characters = length > 0 ? length : static_cast<int>(text ? std::strlen(text) : 0) + 1;
    return characters * font->cellWidth;
}

} // namespace

Label::Label(Display& display, int x_, int y_, int length, const char* name_, const char* text_,
             int fontIndex_)
    : Widget(display, x_, y_, labelWidth(length, text_, theFonts.font(fontIndex_)),
             theFonts.font(fontIndex_) ? theFonts.font(fontIndex_)->cellHeight : 0, name_, text_,
             fontIndex_)
{
    recreateBuffer();
    render();
}

void Label::draw(Surface* target)
{
    if (visible)
        drawBuffer(target);
    Widget::draw(target);
}

void Label::render()
{
    renderLine(text);
}

void Label::renderLine(const char* line)
{
    if (!visible || !buffer)
        return;
    fillRect(buffer.get(), nullptr, colorKey);
    drawText(fontIndex, state, enabled, kAlignStart, kAlignStart, buffer.get(), 0, 0, line, textColor);
}

} // namespace burrowix
