// Widget pictures (buttons, toggles, scroll bar) and the two mouse-pointer sheets. Every one carries
// the green key; no widget draws text itself, so the captions are painted in.
#include "art.hpp"
#include "picture_groups.hpp"

#include <cmath>

namespace burrowix::mkdata {
namespace {

enum class Look { Wood, Stone, Gold, Caption };

// A hover button's normal and hover pictures, at the manifest's size.
void button(PictureList& out, P normal, P hovered, const std::string& caption, Look look = Look::Wood, double px = 30)
{
    const int w = assets::pictureAsset(normal).width, h = assets::pictureAsset(normal).height;
    for (int hover = 0; hover < 2; ++hover) {
        Canvas c(w, h);
        cairo_t* cr = c.cr();
        Color text = hover ? hex(0xFFFFFF) : hex(pal::glowText);
        switch (look) {
        case Look::Wood:
            drawWoodPlate(cr, 0, 0, w, h, hover, std::min(14.0, h / 3.0));
            break;
        case Look::Stone:
            if (hover) {
                pathRoundRect(cr, 1, 1, w - 2, h - 2, 12);
                setColor(cr, hex(0xFF7A5A));
                cairo_fill(cr);
            }
            pathRoundRect(cr, 4, 4, w - 8, h - 8, 12);
            fillShaded(cr, hover ? hex(0x8A96A2) : hex(pal::stone), 2, 0.3);
            break;
        case Look::Gold:
            if (hover) {
                pathRoundRect(cr, 1, 1, w - 2, h - 2, 12);
                setColor(cr, hex(0xFFFFFF));
                cairo_fill(cr);
            }
            pathRoundRect(cr, 4, 4, w - 8, h - 8, 12);
            fillShaded(cr, hover ? hex(pal::goldLight) : hex(pal::gold), 2, 0.3);
            text = hex(0x5A3A00);
            break;
        case Look::Caption:
            text = hover ? hex(pal::glow) : hex(pal::glowText);
            break;
        }
        // Switch captions leave room on the left for their check box, which lies on top there.
        const bool switchCaption = normal == P::SoundCaption || normal == P::MusicCaption ||
                                   normal == P::FullScreenCaption || normal == P::ScalingCaption;
        const double left = switchCaption ? 48 : 0;
        if (caption == "-" || caption == "+") {
            // Signs drawn as bars: a font's hyphen is too thin to read as "minus".
            const double cx = w / 2.0, cy = h / 2.0, a = 12, b = 3;
            cairo_new_path(cr);
            if (caption == "-") {
                pathRoundRect(cr, cx - a, cy - b, 2 * a, 2 * b, 2);
            } else {
                const double pts[12][2] = {{-b, -a}, {b, -a}, {b, -b}, {a, -b}, {a, b}, {b, b},
                                           {b, a},   {-b, a}, {-b, b}, {-a, b}, {-a, -b}, {-b, -b}};
                for (auto [px, py] : pts)
                    cairo_line_to(cr, cx + px, cy + py);
                cairo_close_path(cr);
            }
            fillFlat(cr, text, 1.8);
        } else if (look == Look::Caption && left > 0)
            drawText(cr, Face::Round, fitSize(cr, Face::Round, px, caption, w - left - 6), caption, left,
                     h / 2.0 + px * 0.33, Align::Left, text, hex(pal::outline), hover ? 2.5 : 2);
        else
            drawCaption(cr, Face::Round, px, caption, w / 2.0, h / 2.0, w - 24, text,
                        look == Look::Gold ? hex(0xFFF4D0) : hex(pal::outline), look == Look::Gold ? 1 : 2);
        addPicture(out, file(hover ? hovered : normal), c.keyed(kKeyGreen), kKeyGreen);
    }
}

// Three frames stacked vertically: up, down, hover (also the disabled look).
void threeFrame(PictureList& out, P id, const std::function<void(cairo_t*, int frame, int w, int h)>& paint)
{
    const int w = assets::frameWidth(id), h = assets::frameHeight(id);
    Canvas c(w, h * 3);
    for (int f = 0; f < 3; ++f) {
        cairo_save(c.cr());
        cairo_rectangle(c.cr(), 0, h * f, w, h);
        cairo_clip(c.cr());
        cairo_translate(c.cr(), 0, h * f);
        paint(c.cr(), f, w, h);
        cairo_restore(c.cr());
    }
    withGrid(addPicture(out, file(id), c.keyed(kKeyGreen), kKeyGreen), w, h);
}

void arrowButton(cairo_t* cr, int frame, double w, double h, double angle)
{
    const double press = frame == 1 ? 2 : 0;
    drawWoodPlate(cr, press, press, w - press, h - press, frame == 2, 12);
    cairo_save(cr);
    cairo_translate(cr, w / 2 + press / 2, h / 2 + press / 2);
    cairo_rotate(cr, angle);
    const double s = std::min(w, h) * 0.3;
    cairo_new_path(cr);
    cairo_move_to(cr, s, 0);
    cairo_line_to(cr, -s * 0.6, -s * 0.9);
    cairo_line_to(cr, -s * 0.6, s * 0.9);
    cairo_close_path(cr);
    cairo_restore(cr);
    fillShaded(cr, frame == 2 ? hex(pal::glow) : hex(pal::brass), 2, 0.35);
}

void pointerArrow(cairo_t* cr, Color fill)
{
    cairo_new_path(cr);
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 27);
    cairo_line_to(cr, 8, 20);
    cairo_line_to(cr, 14, 32);
    cairo_line_to(cr, 19, 30);
    cairo_line_to(cr, 13, 18);
    cairo_line_to(cr, 23, 18);
    cairo_close_path(cr);
    fillShaded(cr, fill, 2, 0.3);
}

} // namespace

void addWidgets(PictureList& out)
{
    button(out, P::NewGame, P::NewGameHover, "New Game");
    button(out, P::Options, P::OptionsHover, "Options");
    button(out, P::HallOfFameButton, P::HallOfFameButtonHover, "Hall of Fame");
    button(out, P::Help, P::HelpHover, "Help");
    button(out, P::Exit, P::ExitHover, "Exit");
    button(out, P::Editor, P::EditorHover, "Editor");
    button(out, P::MainMenuButton, P::MainMenuButtonHover, "Main Menu");
    button(out, P::Controls, P::ControlsHover, "Controls");
    button(out, P::Defaults, P::DefaultsHover, "Defaults");
    button(out, P::Start, P::StartHover, "Start");
    button(out, P::Watch, P::WatchHover, "Watch");
    button(out, P::Hard, P::HardHover, "Hard", Look::Wood, 52);
    button(out, P::Medium, P::MediumHover, "Medium", Look::Wood, 52);
    button(out, P::Easy, P::EasyHover, "Easy", Look::Wood, 52);
    button(out, P::GameSpeedCaption, P::GameSpeedCaptionHover, "Game Speed", Look::Caption, 26);
    button(out, P::Minus, P::MinusHover, "-", Look::Wood, 34);
    button(out, P::Plus, P::PlusHover, "+", Look::Wood, 34);
    button(out, P::SoundCaption, P::SoundCaptionHover, "Sound", Look::Caption, 28);
    button(out, P::SoundVolumeCaption, P::SoundVolumeCaptionHover, "Sound Volume", Look::Caption, 24);
    button(out, P::MusicCaption, P::MusicCaptionHover, "Music", Look::Caption, 28);
    button(out, P::MusicVolumeCaption, P::MusicVolumeCaptionHover, "Music Volume", Look::Caption, 24);
    button(out, P::FullScreenCaption, P::FullScreenCaptionHover, "Full Screen", Look::Caption, 28);
    button(out, P::ScalingCaption, P::ScalingCaptionHover, "Integer Scaling", Look::Caption, 28);
    button(out, P::ExitYes, P::ExitYesHover, "Yes", Look::Wood, 40);
    button(out, P::ExitNo, P::ExitNoHover, "No", Look::Wood, 40);
    button(out, P::GameOverMainMenu, P::GameOverMainMenuHover, "Main Menu", Look::Wood);
    button(out, P::GameWonMainMenu, P::GameWonMainMenuHover, "Main Menu", Look::Gold);
    button(out, P::PanelYes, P::PanelYesHover, "Yes", Look::Wood, 18);
    button(out, P::PanelNo, P::PanelNoHover, "No", Look::Wood, 18);

    {
        // The exit panel's wing: solid wood where the Yes/No buttons hide until the drawer opens.
        Canvas c(90, 160);
        cairo_t* cr = c.cr();
        pathRoundRect(cr, -10, 0, 98, 160, 10);
        fillShaded(cr, hex(pal::wood), 2, 0.25);
        drawScrew(cr, 76, 14, 3);
        drawScrew(cr, 76, 146, 3);
        cairo_save(cr);
        cairo_translate(cr, 18, 8);
        drawBrannok(cr, {Heading::Down, true, BrannokAction::Idle, 0, 0});
        cairo_restore(cr);
        drawCaption(cr, Face::Round, 22, "Exit?", 42, 135, 70, hex(pal::glowText), hex(pal::outline), 1.8);
        Picture& p = addPicture(out, file(P::ExitPanel), c.keyed(kKeyGreen), kKeyGreen);
        p.regions = {{"cover", 0, 53, 80, 66}};
    }

    threeFrame(out, P::Switch, [](cairo_t* cr, int f, int, int) {
        pathRoundRect(cr, 4, 4, 32, 32, 6);
        fillShaded(cr, f == 2 ? hex(0x9A6A3E) : hex(pal::wood), 2, 0.25);
        pathRoundRect(cr, 9, 9, 22, 22, 4);
        setColor(cr, hex(0x1A120C));
        cairo_fill(cr);
        if (f == 1) {
            cairo_new_path(cr);
            cairo_move_to(cr, 12, 20);
            cairo_line_to(cr, 18, 27);
            cairo_line_to(cr, 30, 10);
            setColor(cr, hex(pal::outline));
            cairo_set_line_width(cr, 6);
            cairo_stroke_preserve(cr);
            setColor(cr, hex(0x7CE07C));
            cairo_set_line_width(cr, 3.5);
            cairo_stroke(cr);
        }
    });
    threeFrame(out, P::ArrowLeft, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, M_PI); });
    threeFrame(out, P::ArrowRight, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, 0); });
    threeFrame(out, P::ArrowUp, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, -M_PI / 2); });
    threeFrame(out, P::ArrowDown, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, M_PI / 2); });
    threeFrame(out, P::ScrollUp, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, -M_PI / 2); });
    threeFrame(out, P::ScrollDown, [](cairo_t* cr, int f, int w, int h) { arrowButton(cr, f, w, h, M_PI / 2); });
    {
        Canvas c(30, 380);
        pathRoundRect(c.cr(), 3, 0, 24, 380, 8);
        fillShaded(c.cr(), hex(pal::woodDark), 2, 0.2);
        pathRoundRect(c.cr(), 12, 6, 6, 368, 3);
        setColor(c.cr(), hex(0x1A120C));
        cairo_fill(c.cr());
        addPicture(out, file(P::ScrollTrack), c.keyed(kKeyGreen), kKeyGreen);
    }
    {
        Canvas c(30, 40);
        pathRoundRect(c.cr(), 2, 2, 26, 36, 8);
        fillShaded(c.cr(), hex(pal::brass), 2, 0.35);
        for (int y : {14, 20, 26}) {
            cairo_move_to(c.cr(), 9, y);
            cairo_line_to(c.cr(), 21, y);
        }
        setColor(c.cr(), hex(pal::brassDark));
        cairo_set_line_width(c.cr(), 1.5);
        cairo_stroke(c.cr());
        addPicture(out, file(P::ScrollThumb), c.keyed(kKeyGreen), kKeyGreen);
    }
    {
        // Normal pointer: an arrow with a glint running along it.
        Canvas c(360, 40);
        for (int f = 0; f < 9; ++f)
            inCell(c.cr(), f, 0, [&] {
                pointerArrow(c.cr(), mix(hex(pal::helmet), hex(0xFFF3B0), 0.5 + 0.5 * std::sin(f * 2 * M_PI / 9)));
                sparkle(c.cr(), 3 + f * 1.8, 6 + f * 2.2, 3, hex(0xFFFFFF));
            });
        withGrid(addPicture(out, file(P::PointerNormal), c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
    {
        // Pressed pointer: a digging claw that closes, tip at the top-left pixel.
        Canvas c(160, 40);
        for (int f = 0; f < 4; ++f)
            inCell(c.cr(), f, 0, [&] {
                cairo_t* cr = c.cr();
                const double spread = 0.5 - f * 0.12;
                for (int k = -1; k <= 1; ++k) {
                    const double a = M_PI / 4 + k * spread;
                    cairo_new_path(cr);
                    cairo_move_to(cr, 1 + (k == 0 ? 0 : 6 + k * 3), 1 + (k == 0 ? 0 : 6 - k * 3));
                    cairo_line_to(cr, 22 * std::cos(a) + 4, 22 * std::sin(a) + 4);
                    setColor(cr, hex(pal::outline));
                    cairo_set_line_width(cr, 6);
                    cairo_stroke(cr);
                    cairo_move_to(cr, 1 + (k == 0 ? 0 : 6 + k * 3), 1 + (k == 0 ? 0 : 6 - k * 3));
                    cairo_line_to(cr, 22 * std::cos(a) + 4, 22 * std::sin(a) + 4);
                    setColor(cr, hex(pal::belly));
                    cairo_set_line_width(cr, 3);
                    cairo_stroke(cr);
                }
                pathEllipse(cr, 26, 26, 9, 9);
                fillShaded(cr, hex(pal::fur), 2);
            });
        withGrid(addPicture(out, file(P::PointerPressed), c.keyed(kKeyGreen), kKeyGreen), 40, 40);
    }
}

} // namespace burrowix::mkdata
