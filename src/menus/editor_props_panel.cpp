#include "menus/editor_props_panel.hpp"

#include <algorithm>

#include "app/pack_catalogue.hpp"
#include "app/screen_flow.hpp"
#include "menus/editor_props_layout.hpp"
#include "menus/editor_props_text.hpp"

namespace burrowix {

namespace {

struct Range {
    std::int32_t least, most;
};

bool isText(PropsField f)
{
    return f == PropsField::Title || f == PropsField::Hint;
}

bool isAmount(PropsField f)
{
    return f == PropsField::GoldGoal || f == PropsField::KillGoal || f == PropsField::Width ||
           f == PropsField::Height;
}

std::string& textOf(EditorPropsPanel& panel, PropsField f)
{
    return f == PropsField::Title ? panel.props.title : panel.props.hint;
}

std::size_t& caretOf(EditorPropsPanel& panel, PropsField f)
{
    return panel.caret[f == PropsField::Title ? 0 : 1];
}

std::int32_t& amountOf(EditorPropsPanel& panel, PropsField f)
{
    switch (f) {
    case PropsField::GoldGoal: return panel.props.goldGoal;
    case PropsField::KillGoal: return panel.props.killGoal;
    case PropsField::Width: return panel.width;
    default: return panel.height;
    }
}

Range rangeOf(PropsField f)
{
    switch (f) {
    case PropsField::Width: return {kMinEditWidth, kMaxEditWidth};
    case PropsField::Height: return {kMinEditHeight, kMaxEditHeight};
    default: return {0, kMaxGoal};
    }
}

// Digits typed into an amount become its value (within its range) when the focus moves on.
void settleTyped(EditorPropsPanel& panel)
{
    if (panel.typed.empty())
        return;
    if (isAmount(panel.focus)) {
        const Range r = rangeOf(panel.focus);
        amountOf(panel, panel.focus) = std::clamp(std::stoi(panel.typed), r.least, r.most);
    }
    panel.typed.clear();
}

void focusOn(EditorPropsPanel& panel, PropsField f)
{
    if (f == panel.focus)
        return;
    settleTyped(panel);
    panel.focus = f;
}

void moveFocus(EditorPropsPanel& panel, int step)
{
    const int next = (static_cast<int>(panel.focus) + step + kPropsFieldCount) % kPropsFieldCount;
    focusOn(panel, static_cast<PropsField>(next));
}

void stepValue(EditorPropsPanel& panel, PropsField f, int by)
{
    if (f == PropsField::Theme) {
        panel.props.theme = ((panel.props.theme + by) % kEditThemes + kEditThemes) % kEditThemes;
        playMenuClick();
        return;
    }
    if (!isAmount(f))
        return;
    focusOn(panel, f);
    settleTyped(panel);
    const Range r = rangeOf(f);
    std::int32_t& v = amountOf(panel, f);
    v = std::clamp(v + by, r.least, r.most);
    playMenuClick();
}

void toggleGoal(EditorPropsPanel& panel, PropsField f)
{
    bool& on = f == PropsField::GoldGoal ? panel.props.goldGoalOn : panel.props.killGoalOn;
    on = !on;
    playMenuClick();
}

// OK: the new size first (so the props are checked against it), then the props, each one undo
// step and only when something changed.
void apply(EditorPropsPanel& panel, LevelEditor& editor)
{
    settleTyped(panel);
    playMenuClick();
    if (panel.width != editor.level().width || panel.height != editor.level().height)
        editor.resize(panel.width, panel.height);
    LevelProps props = panel.props;
    const LevelProps& now = editor.level().props;
    props.startX = now.startX;
    props.startY = now.startY;
    editor.setProps(props);
    panel.open = false;
}

void cancel(EditorPropsPanel& panel)
{
    playMenuClick();
    panel.open = false;
}

void editText(EditorPropsPanel& panel, std::uint32_t key)
{
    std::string& text = textOf(panel, panel.focus);
    std::size_t& caret = caretOf(panel, panel.focus);
    caret = std::min(caret, text.size());
    switch (key) {
    case Key::Left: caret -= caret > 0 ? 1 : 0; return;
    case Key::Right: caret += caret < text.size() ? 1 : 0; return;
    case Key::Home: caret = 0; return;
    case Key::End: caret = text.size(); return;
    case Key::Backspace:
        if (caret > 0)
            text.erase(--caret, 1);
        return;
    case Key::Delete:
        if (caret < text.size())
            text.erase(caret, 1);
        return;
    default: return;
    }
}

void keyDown(EditorPropsPanel& panel, std::uint32_t key, LevelEditor& editor)
{
    const PropsField f = panel.focus;
    switch (key) {
    case Key::Escape: cancel(panel); return;
    case Key::Enter: apply(panel, editor); return;
    case Key::Tab:
    case Key::Down: moveFocus(panel, +1); return;
    case Key::Up: moveFocus(panel, -1); return;
    case Key::Space:
        if (f == PropsField::GoldGoal || f == PropsField::KillGoal)
            toggleGoal(panel, f);
        else if (f == PropsField::Theme)
            stepValue(panel, f, +1);
        else if (f == PropsField::Ok)
            apply(panel, editor);
        else if (f == PropsField::Cancel)
            cancel(panel);
        return;
    case Key::Left:
    case Key::Right: {
        const int by = key == Key::Left ? -1 : +1;
        if (isText(f))
            editText(panel, key);
        else if (f == PropsField::Ok || f == PropsField::Cancel)
            focusOn(panel, by < 0 ? PropsField::Ok : PropsField::Cancel);
        else
            stepValue(panel, f, by);
        return;
    }
    case Key::PageUp:
    case Key::PageDown:
        if (isAmount(f))
            stepValue(panel, f, key == Key::PageUp ? +10 : -10);
        return;
    case Key::Backspace:
        if (isAmount(f) && !panel.typed.empty()) {
            panel.typed.pop_back();
            return;
        }
        [[fallthrough]];
    default:
        if (isText(f))
            editText(panel, key);
        return;
    }
}

// Printable characters go into a text at the caret, digits into an amount; the rest (the
// characters of Enter, Tab, Backspace and Esc) came as keys already.
void character(EditorPropsPanel& panel, std::uint32_t ch)
{
    if (ch < 32 || ch > 126)
        return;
    const PropsField f = panel.focus;
    if (isText(f)) {
        std::string& text = textOf(panel, f);
        std::size_t& caret = caretOf(panel, f);
        if (text.size() >= kMaxNoteLength)
            return;
        caret = std::min(caret, text.size());
        text.insert(caret++, 1, static_cast<char>(ch));
    } else if (isAmount(f) && ch >= '0' && ch <= '9' && panel.typed.size() < 3) {
        panel.typed.push_back(static_cast<char>(ch));
    }
}

void leftButtonDown(EditorPropsPanel& panel, int x, int y, LevelEditor& editor)
{
    const std::optional<PropsHit> hit = propsHitAt(x, y);
    if (!hit)
        return;
    // The caret goes where the box showed the clicked character, before the focus moved.
    const std::size_t shownCaret = isText(hit->field) ? propsShownCaret(panel, hit->field) : 0;
    focusOn(panel, hit->field);
    switch (hit->part) {
    case PropsPart::Toggle: toggleGoal(panel, hit->field); return;
    case PropsPart::Less: stepValue(panel, hit->field, -1); return;
    case PropsPart::More: stepValue(panel, hit->field, +1); return;
    case PropsPart::Body:
        if (hit->field == PropsField::Ok)
            apply(panel, editor);
        else if (hit->field == PropsField::Cancel)
            cancel(panel);
        else if (hit->field == PropsField::Theme)
            stepValue(panel, hit->field, +1);
        else if (isText(hit->field))
            caretOf(panel, hit->field) =
                propsCaretAt(textOf(panel, hit->field), shownCaret, propsPartRect(hit->field, PropsPart::Body), x);
        return;
    case PropsPart::None: return;
    }
}

void wheel(EditorPropsPanel& panel, int notches)
{
    const std::optional<PropsHit> hit = propsHitAt(panel.pointerX, panel.pointerY);
    if (hit && (hit->field == PropsField::Theme || isAmount(hit->field)))
        stepValue(panel, hit->field, notches);
}

std::string themeName(int theme)
{
    for (int i = 0; i < theCatalogue.themeCount; ++i) {
        const PackCatalogue::ThemeEntry& t = theCatalogue.themeTable[std::size_t(i)];
        if (t.themeNumber != theme || t.index < 0 || std::size_t(t.index) >= theCatalogue.packCatalogue.size())
            continue;
        if (const auto& title = theCatalogue.packCatalogue[std::size_t(t.index)].title; title && !title->empty())
            return *title;
    }
    return "Theme " + std::to_string(theme + 1);
}

} // namespace

void openEditorProps(EditorPropsPanel& panel, const LevelEditor& editor)
{
    const EditLevel& level = editor.level();
    panel.open = true;
    panel.props = level.props;
    panel.width = level.width;
    panel.height = level.height;
    panel.focus = PropsField::Title;
    panel.caret = {panel.props.title.size(), panel.props.hint.size()};
    panel.typed.clear();
    panel.keyDownSeen = false;
    for (int t = 0; t < kEditThemes; ++t)
        panel.themeNames[std::size_t(t)] = themeName(t);
}

bool editorPropsEvent(EditorPropsPanel& panel, const Message& message, LevelEditor& editor)
{
    if (!panel.open)
        return false;
    switch (message.type) {
    case MessageType::KeyDown:
        panel.keyDownSeen = true;
        keyDown(panel, message.wParam, editor);
        return true;
    case MessageType::Char:
        if (panel.keyDownSeen)
            character(panel, message.wParam);
        return true;
    case MessageType::MouseMove:
        panel.pointerX = message.mouseX();
        panel.pointerY = message.mouseY();
        return true;
    case MessageType::LeftButtonDown:
        panel.pointerX = message.mouseX();
        panel.pointerY = message.mouseY();
        leftButtonDown(panel, panel.pointerX, panel.pointerY, editor);
        return true;
    case MessageType::MouseWheel: wheel(panel, static_cast<std::int32_t>(message.wParam)); return true;
    case MessageType::KeyUp:
    case MessageType::LeftButtonUp:
    case MessageType::RightButtonDown:
    case MessageType::RightButtonUp: return true;
    default: return false;
    }
}

} // namespace burrowix
