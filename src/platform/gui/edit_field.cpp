#include "platform/gui/edit_field.hpp"

#include "platform/gui/gui_state.hpp"
#include "platform/system/messages.hpp"

namespace burrowix {

namespace {

Ticks now()
{
    return theGui.clock ? theGui.clock->ticks() : 0;
}

} // namespace

EditField::EditField(Display& display, int x_, int y_, int maxLength_, const char* name_,
                     const char* initialText, int fontIndex_, WidgetCallback onChange_)
    : Label(display, x_, y_, maxLength_ + 1, name_, nullptr, fontIndex_), onChange(onChange_),
      maxLength(maxLength_ < 0 ? 0 : maxLength_)
{
    content_.reserve(static_cast<std::size_t>(maxLength) + 1);
    setText(initialText);
}

void EditField::setText(const char* value)
{
    content_.assign(value ? value : "");
    if (content_.size() > static_cast<std::size_t>(maxLength))
        content_.resize(static_cast<std::size_t>(maxLength));
    text = content_.c_str();
    render();
}

void EditField::draw(Surface* target)
{
    if (visible && hot && elapsedMoreThan(now(), caretTime, kCaretBlinkTime)) {
        caretVisible = !caretVisible;
        caretTime = now();
        render();
    }
    Label::draw(target);
}

void EditField::render()
{
    text = content_.c_str();
    if (hot && caretVisible)
        renderLine((content_ + "|").c_str());
    else
        renderLine(text);
}

int EditField::mouseDown(int mx, int my, int button)
{
    if (const int byChildren = Widget::mouseDown(mx, my, button))
        return byChildren;
    if (button != kLeftButton || !visible || !enabled || !hitTest(mx, my))
        return 0;
    focus();
    return 1;
}

void EditField::focus()
{
    hot = true;
    caretVisible = true;
    caretTime = now();
    render();
}

void EditField::changed()
{
    render();
    if (onChange)
        onChange(this);
}

int EditField::charInput(int character)
{
    if (!focused() || character < kFirstTypable || character > kLastTypable)
        return Widget::charInput(character);
    if (content_.size() < static_cast<std::size_t>(maxLength))
        content_.push_back(static_cast<char>(character));
    changed();
    return 1;
}

int EditField::keyDown(int key)
{
    if (!focused() || key != static_cast<int>(Key::Backspace))
        return Widget::keyDown(key);
    if (!content_.empty()) {
        content_.pop_back();
        changed();
    }
    return 1;
}

bool EditField::hitTest(int mx, int my) const
{
    return mx >= x && mx < x + width * 3 / 4 && my >= y && my < y + height;
}

} // namespace burrowix
