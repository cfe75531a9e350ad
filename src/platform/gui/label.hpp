#pragma once
// A line of text on a transparent buffer: `text` at the top-left corner, in `textColor`, lifted when
// `state` is 1. It takes no input of its own.

#include "platform/gui/widget.hpp"

namespace burrowix {

class Label : public Widget {
public:
    // `length` characters of the font's "W" wide (0: as wide as the text and one character more),
    // one line of the font high.
    Label(Display& display, int x, int y, int length, const char* name, const char* text, int fontIndex);

    void draw(Surface* target) override;
    void render() override;

protected:
    // Fills the buffer with the key and draws `line` at (0, 0).
    void renderLine(const char* line);
};

} // namespace burrowix
