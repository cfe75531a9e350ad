#pragma once
// A one-line text entry: a label holding its own text of up to `maxLength` characters. It has the
// input focus while `hot` is set (a click on it or `focus()` gives it; the screen takes it away), shows a
// blinking caret then, takes printable characters and Backspace.

#include <string>

#include "platform/gui/label.hpp"
#include "platform/system/clock.hpp"

namespace burrowix {

// The caret shows and hides for this long each.
constexpr int kCaretBlinkTime = 200;
// Characters an edit field takes.
constexpr int kFirstTypable = 32, kLastTypable = 126;

class EditField : public Label {
public:
    EditField(Display& display, int x, int y, int maxLength, const char* name, const char* initialText,
              int fontIndex, WidgetCallback onChange);

    void draw(Surface* target) override;
    void render() override;
    int mouseDown(int x, int y, int button) override;
    int keyDown(int key) override;
    int charInput(int character) override;
    // The left three quarters of the field.
    bool hitTest(int x, int y) const override;
    // Takes the input focus as a click on the field does, with the caret showing at once.
    void focus();

    // Replaces the content (cut to the maximum length); `text` keeps pointing at the field's own.
    void setText(const char* value);
    const std::string& content() const { return content_; }

    WidgetCallback onChange = nullptr;
    int maxLength;
    bool caretVisible = false;
    Ticks caretTime = 0;

private:
    bool focused() const { return visible && enabled && hot; }
    void changed();

    std::string content_;
};

} // namespace burrowix
