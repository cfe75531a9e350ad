#include "gui_test_support.hpp"

#include "platform/gui/hover_button.hpp"
#include "platform/gui/picture_button.hpp"
#include "platform/gui/widget.hpp"

namespace burrowix {
namespace {

using test::GuiTest;

constexpr std::uint32_t kRed = packRgb(200, 0, 0), kBlue = packRgb(0, 0, 200), kYellow = packRgb(200, 200, 0);
constexpr std::uint32_t kDarkRed = packRgb(100, 0, 0), kDarkBlue = packRgb(0, 0, 100), kGrey = packRgb(90, 90, 90);

struct Calls {
    int presses = 0;
    int clicks = 0;
    Widget* last = nullptr;
};
Calls calls;
void countPress(Widget* w)
{
    ++calls.presses;
    calls.last = w;
}
void countClick(Widget* w)
{
    ++calls.clicks;
    calls.last = w;
}

class WidgetCoreTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        calls = {};
        redPicture = buttonPicture("red.bmp", 100, 40, kRed, kDarkRed, kYellow, 10);
        bluePicture = buttonPicture("blue.bmp", 100, 40, kBlue, kDarkBlue, kGrey);
    }
    PictureButton* addButton(const std::string& pic, int x, int y, const char* name)
    {
        auto* b = new PictureButton(theDisplay, x, y, name, nullptr, 0, pic.c_str(), countPress, countClick);
        theGui.rootList.append(b);
        return b;
    }
    std::string redPicture, bluePicture;
};

TEST_F(WidgetCoreTest, TheFirstOfOverlappingWidgetsIsOnTopAndTakesTheClick)
{
    PictureButton* top = addButton(redPicture, 100, 100, "Top");
    PictureButton* under = addButton(bluePicture, 150, 120, "Under");
    EXPECT_EQ(top->width, 100);
    EXPECT_EQ(top->height, 40);

    theGui.rootList.drawAll(&back());
    EXPECT_EQ(backRgb(160, 130), kRed);   // the overlap shows the first widget
    EXPECT_EQ(backRgb(220, 150), kBlue);  // only the second
    EXPECT_EQ(backRgb(105, 110), 0u);     // transparent columns of the first show what is below

    click(160, 130);
    EXPECT_EQ(calls.clicks, 1);
    EXPECT_EQ(calls.last, top);
    click(220, 150);
    EXPECT_EQ(calls.last, under);
}

TEST_F(WidgetCoreTest, TransparentPartsAreNotHit)
{
    PictureButton* b = addButton(redPicture, 100, 100, "B");
    click(105, 110);
    EXPECT_EQ(calls.presses, 0);
    EXPECT_FALSE(b->hitTest(109, 110));
    EXPECT_TRUE(b->hitTest(110, 110));
    EXPECT_FALSE(b->hitTest(110, 140)); // below the first frame
}

TEST_F(WidgetCoreTest, APressDraggedOffHoldsTheMouseUntilReleaseAndDoesNotClick)
{
    PictureButton* a = addButton(redPicture, 100, 100, "A");
    PictureButton* b = addButton(bluePicture, 300, 100, "B");
    theGui.pointer.shapes.resize(2); // two shapes without pictures: selection only
    send(MessageType::LeftButtonDown, 150, 120);
    EXPECT_EQ(calls.presses, 1);
    EXPECT_TRUE(a->pressed);
    EXPECT_EQ(a->state, 1);
    EXPECT_EQ(theGui.pointer.current, kPointerHeld);
    a->draw(&back());
    EXPECT_EQ(backRgb(150, 120), kDarkRed); // the down frame

    send(MessageType::MouseMove, 350, 120); // over B while A holds the mouse
    EXPECT_TRUE(a->pressed);
    EXPECT_FALSE(b->hover);
    EXPECT_EQ(theGui.pointer.current, kPointerHeld);

    // The release away from A lets go without a click, and B takes the hover at once.
    send(MessageType::LeftButtonUp, 350, 120);
    EXPECT_EQ(calls.clicks, 0);
    EXPECT_FALSE(a->pressed);
    EXPECT_EQ(a->state, 0);
    EXPECT_TRUE(b->hover);
    b->draw(&back());
    EXPECT_EQ(backRgb(350, 120), kGrey);
}

TEST_F(WidgetCoreTest, AReleaseAwayFromTheButtonReportsOneAndOverItTwo)
{
    PictureButton* a = addButton(redPicture, 100, 100, "A");
    EXPECT_EQ(a->mouseDown(150, 120, kLeftButton), 1);
    EXPECT_EQ(a->mouseUp(350, 120, kLeftButton), kReleased);
    EXPECT_EQ(calls.presses, 1);
    EXPECT_EQ(calls.clicks, 0);
    EXPECT_EQ(a->mouseUp(150, 120, kLeftButton), 0); // nothing held any more
    EXPECT_EQ(a->mouseDown(150, 120, kRightButton), 0);
    EXPECT_EQ(a->mouseDown(150, 120, kLeftButton), 1);
    EXPECT_EQ(a->mouseUp(150, 120, kLeftButton), kClicked);
    EXPECT_EQ(calls.clicks, 1);
}

TEST_F(WidgetCoreTest, HoverAndDisabledUseTheThirdFrame)
{
    PictureButton* a = addButton(redPicture, 100, 100, "A");
    send(MessageType::MouseMove, 150, 120);
    EXPECT_TRUE(a->hover);
    a->draw(&back());
    EXPECT_EQ(backRgb(150, 120), kYellow);
    send(MessageType::MouseMove, 50, 50);
    EXPECT_FALSE(a->hover);
    a->draw(&back());
    EXPECT_EQ(backRgb(150, 120), kRed);
    a->setEnabled(false);
    a->draw(&back());
    EXPECT_EQ(backRgb(150, 120), kYellow);
    click(150, 120);
    EXPECT_EQ(calls.presses, 0);
}

TEST_F(WidgetCoreTest, ParentsRuleTheirChildrensVisibilityAndEnabling)
{
    auto* panel = new Widget(theDisplay, 0, 0, 200, 200, "Panel", nullptr, 0);
    theGui.rootList.append(panel);
    auto* child = new PictureButton(theDisplay, 10, 10, "Child", nullptr, 0, redPicture.c_str(), nullptr, nullptr);
    panel->addChild(child);
    EXPECT_EQ(child->parent, panel);

    panel->setVisible(false);
    EXPECT_FALSE(child->visible);
    EXPECT_FALSE(theGui.pictures.isLoaded(child->picture)); // hiding releases the picture
    child->setVisible(true);
    EXPECT_FALSE(child->visible);
    panel->setVisible(true);
    EXPECT_TRUE(child->visible);
    EXPECT_TRUE(theGui.pictures.isLoaded(child->picture));

    child->setHot(true);
    panel->setEnabled(false);
    EXPECT_FALSE(child->enabled);
    EXPECT_FALSE(child->hot);
    child->setEnabled(true);
    EXPECT_FALSE(child->enabled);
    panel->setEnabled(true);
    EXPECT_TRUE(child->enabled);

    panel->moveTo(50, 60);
    EXPECT_EQ(child->x, 60);
    EXPECT_EQ(child->y, 70);
    child->pressed = true;
    EXPECT_TRUE(panel->isPressed());
    EXPECT_TRUE(theGui.rootList.anyPressed());
}

TEST_F(WidgetCoreTest, LookupIsDepthFirstAndExact)
{
    auto* first = new Widget(theDisplay, 0, 0, 10, 10, "First", nullptr, 0);
    auto* inner = new Widget(theDisplay, 0, 0, 10, 10, "Twin", nullptr, 0);
    first->addChild(inner);
    auto* deep = new Widget(theDisplay, 0, 0, 10, 10, "Deep", nullptr, 0);
    inner->addChild(deep);
    auto* second = new Widget(theDisplay, 0, 0, 10, 10, "Twin", nullptr, 0);
    theGui.rootList.append(first);
    theGui.rootList.append(second);

    EXPECT_EQ(theGui.rootList.findByName("Twin"), inner);
    EXPECT_EQ(theGui.rootList.findByName("Deep"), deep);
    EXPECT_EQ(theGui.rootList.findByName("twin"), nullptr);
    EXPECT_EQ(theGui.rootList.findByName(nullptr), nullptr);
    EXPECT_EQ(theGui.rootList.findById(second->id), second);
    EXPECT_EQ(theGui.rootList.findById(deep->id), deep);
    EXPECT_NE(first->id, second->id);
    EXPECT_EQ(theGui.rootList.findById(-1), nullptr);

    theGui.rootList.destroyAll();
    EXPECT_EQ(theGui.rootList.count(), 0);
    EXPECT_EQ(theDisplay.surfaces.size(), 1u); // only the back buffer is left
}

TEST_F(WidgetCoreTest, BuffersFollowVisibilityAndComeBackAfterADisplayLoss)
{
    PictureButton* a = addButton(redPicture, 100, 100, "A");
    a->setVisible(false);
    a->setVisible(true);
    ASSERT_NE(a->buffer, nullptr);
    EXPECT_EQ(a->colorKey, a->buffer->mapRgb(test::kGreenRgb));

    loseAllSurfaces(theDisplay);
    restoreAllSurfaces(theDisplay); // surfaces come back black
    theGui.rootList.setVisibleAll(false);
    theGui.rootList.setVisibleAll(true);
    fillRect(&back(), nullptr, 0);
    theGui.rootList.drawAll(&back());
    EXPECT_EQ(backRgb(150, 120), kRed);
}

TEST_F(WidgetCoreTest, HoverButtonSwapsPicturesAndHitsOnlyOpaquePixels)
{
    const std::string plain = picture("plain.bmp", 80, 30, [](int x, int) { return x < 20 ? test::kGreenRgb : kBlue; });
    const std::string lit = picture("lit.bmp", 80, 30, [](int x, int) { return x < 20 ? test::kGreenRgb : kYellow; });
    auto* exact = new HoverButton(theDisplay, 0, 0, "Exact", plain.c_str(), lit.c_str(), true, countPress, countClick);
    auto* loose = new HoverButton(theDisplay, 0, 100, "Loose", plain.c_str(), lit.c_str(), false, countPress, countClick);
    theGui.rootList.append(exact);
    theGui.rootList.append(loose);
    EXPECT_EQ(exact->width, 80);
    EXPECT_EQ(exact->buffer, nullptr);

    click(5, 5);
    EXPECT_EQ(calls.presses, 0);
    click(5, 105);
    EXPECT_EQ(calls.clicks, 1);
    EXPECT_TRUE(loose->hover);

    // A move is handled by the first widget that takes it: the pointer leaves the lower button over
    // empty space before it meets the upper one.
    send(MessageType::MouseMove, 400, 400);
    send(MessageType::MouseMove, 40, 10);
    EXPECT_TRUE(exact->hover);
    EXPECT_FALSE(loose->hover);
    theGui.rootList.drawAll(&back());
    EXPECT_EQ(backRgb(40, 10), kYellow);
    EXPECT_EQ(backRgb(40, 110), kBlue);
    EXPECT_EQ(backRgb(5, 10), 0u);

    // Additive drawing ORs the picture onto what is there.
    fillRect(&back(), nullptr, rgbToPixel32(packRgb(0, 0x40, 0x01)));
    loose->setAdditive(true);
    loose->draw(&back());
    EXPECT_EQ(backRgb(40, 110), packRgb(0, 0x40, 0xC9));

    exact->setVisible(false);
    EXPECT_FALSE(theGui.pictures.isLoaded(exact->hoverPicture));
}

TEST_F(WidgetCoreTest, PictureStoreLoadsOnDemandWithTheGreenKey)
{
    PictureStore& store = theGui.pictures;
    const int index = store.addPictureUnloaded(redPicture.c_str(), 0);
    EXPECT_FALSE(store.isLoaded(index));
    EXPECT_EQ(store.findPicture(redPicture.c_str()), index);
    EXPECT_EQ(store.findPicture("RED.BMP"), -1);
    Surface* s = store.pictureSurface(index);
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(s->hasColorKey());
    EXPECT_EQ(s->colorKey(), s->mapRgb(test::kGreenRgb));
    EXPECT_EQ(store.surfaceByName(redPicture.c_str()), s);

    const int missing = store.addPicture(theDisplay, "no-such-picture.bmp", 0);
    EXPECT_EQ(store.pictureSurface(missing), nullptr);
    EXPECT_EQ(store.pictureSurface(99), nullptr);
    store.releaseAllPictures();
    EXPECT_FALSE(store.isLoaded(index));
    store.clearPictures();
    EXPECT_EQ(store.count(), 0);
}

} // namespace
} // namespace burrowix
