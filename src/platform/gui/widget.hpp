#pragma once
// The widget base: a rectangle on the screen with its own buffer (its look, rebuilt by render only
// when its state changes, so drawing a frame is one blit per widget), children, and the input and
// drawing operations every widget family overrides.
//
// Text and name strings are kept by pointer: the caller passes strings that outlive the widget.

#include <cstdint>
#include <memory>

#include "platform/display/surface.hpp"
#include "platform/gui/widget_list.hpp"

namespace burrowix {

struct Display;
class Widget;

// A user action reported by a widget; null callbacks are skipped.
using WidgetCallback = void (*)(Widget*);

// Mouse buttons of mouseDown and mouseUp.
constexpr int kLeftButton = 0, kRightButton = 1;

// Results of mouseUp: the mouse was released by a widget that held it (1), over it (2: a click).
constexpr int kReleased = 1, kClicked = 2;

class Widget {
public:
    Widget(Display& display, int x, int y, int width, int height, const char* name, const char* text,
           int fontIndex);
    // Releases the buffer and destroys the children.
    virtual ~Widget();
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;

    // Base: draws the children only. Widgets with a look copy their buffer first.
    virtual void draw(Surface* target);
    // Redraws the buffer from the current state. Base: nothing.
    virtual void render() {}
    virtual int mouseDown(int x, int y, int button);
    virtual int mouseUp(int x, int y, int button);
    // `free` is non-zero when no widget holds the mouse.
    virtual int mouseMove(int x, int y, int free);
    virtual int keyDown(int key);
    virtual int keyUp(int key);
    virtual int charInput(int character);
    // (Re)creates the buffer of a visible widget with a size, then the children's; then render.
    virtual void createSurfaces(Display& display);
    virtual void releaseSurfaces();
    virtual bool hitTest(int x, int y) const;
    // A child can be shown only while its parent is shown. Showing (re)creates the buffer and loads
    // the picture; hiding clears `hot` and releases the picture.
    virtual void setVisible(bool flag);
    // Keyboard focus: shows or clears the look a widget has under the pointer. Base: nothing.
    virtual void showFocus(bool) {}
    // What a click does, for the keyboard and the gamepad. Base: nothing.
    virtual void activate() {}

    void setAdditive(bool flag);
    void setFontIndex(int index);
    void setState(int value);
    void setTextColor(std::uint32_t rgb);
    void setColor2(std::uint32_t rgb);
    void setColor3(std::uint32_t rgb);
    void setText(const char* value);
    void setHot(bool flag);
    // A child can be enabled only while its parent is enabled; disabling clears `hot` here and in
    // every child.
    void setEnabled(bool flag);
    void moveBy(int dx, int dy);
    void moveTo(int newX, int newY);
    // Takes ownership of `child`.
    void addChild(Widget* child);
    // This widget or any child holds the mouse.
    bool isPressed() const;

    Display& display() const { return *display_; }

    bool additive = false;
    int fontIndex = 0;
    int state = 0;
    std::uint32_t textColor = 0x969696; // (150, 150, 150)
    std::uint32_t color2 = 0x969696;    // (150, 150, 150)
    std::uint32_t color3 = 0x96C8C8;    // (200, 200, 150)
    const char* text = nullptr;
    bool enabled = true;
    bool visible = true;
    bool hot = false;
    const char* name = nullptr;
    int id = 0;
    int picture = -1;
    int y = 0;
    int x = 0;
    int width = 0;
    int height = 0;
    std::uint32_t colorKey = 0;
    std::unique_ptr<Surface> buffer;
    bool pressed = false;
    int pointerShape = 0;
    Widget* parent = nullptr;
    WidgetList children;

protected:
    // Widgets that draw their pictures straight to the target keep no buffer.
    bool ownsBuffer = true;

    // Copies the buffer to the widget's place: keyed, or ORed onto the target when additive.
    void drawBuffer(Surface* target);
    // A fresh buffer of the widget's size with the green key; none for an empty size.
    void recreateBuffer();
    // Children first; then a left press on a hit of this visible, enabled widget makes it hold the
    // mouse and calls onPress. Whether the press was taken.
    int holdOnLeftPress(int x, int y, int button, WidgetCallback onPress);
    // A picture besides `picture` that follows the widget's visibility: loaded while shown.
    void followVisibility(int secondPicture);
    // Draws a picture of the store at (left, top): keyed, or ORed onto the target when additive.
    void drawPicture(Surface* target, int index, int left, int top);

private:
    void clearHotTree();

    Display* display_;
};

} // namespace burrowix
