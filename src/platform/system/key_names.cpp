#include "platform/system/key_names.hpp"

#include "platform/system/messages.hpp"

namespace burrowix {

namespace {

struct NamedKey {
    const char* name;
    std::uint32_t key;
};

// Keys outside the runs of letters, digits, keypad digits and function keys.
constexpr NamedKey kNamed[] = {
    {"Backspace", Key::Backspace}, {"Tab", Key::Tab},           {"Enter", Key::Enter},
    {"Shift", Key::Shift},         {"Control", Key::Control},   {"Alt", Key::Alt},
    {"Pause", Key::Pause},         {"CapsLock", Key::CapsLock}, {"Esc", Key::Escape},
    {"Space", Key::Space},         {"PageUp", Key::PageUp},     {"PageDown", Key::PageDown},
    {"End", Key::End},             {"Home", Key::Home},         {"Left", Key::Left},
    {"Up", Key::Up},               {"Right", Key::Right},       {"Down", Key::Down},
    {"Insert", Key::Insert},       {"Delete", Key::Delete},     {"Multiply", Key::Multiply},
    {"Add", Key::Add},             {"Subtract", Key::Subtract}, {"Decimal", Key::Decimal},
    {"Divide", Key::Divide},       {"Semicolon", Key::Semicolon}, {"Plus", Key::Plus},
    {"Comma", Key::Comma},         {"Minus", Key::Minus},       {"Period", Key::Period},
    {"Slash", Key::Slash},         {"Backquote", Key::Backquote}, {"LeftBracket", Key::LeftBracket},
    {"Backslash", Key::Backslash}, {"RightBracket", Key::RightBracket}, {"Quote", Key::Quote},
};

// A run of keys named by a prefix and a number: "F1".."F12", "Numpad0".."Numpad9".
struct NumberedRun {
    const char* prefix;
    std::uint32_t first;
    int firstNumber, lastNumber;
};
constexpr NumberedRun kRuns[] = {{"F", Key::F1, 1, 12}, {"Numpad", Key::Numpad0, 0, 9}};

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The number that follows `prefix` in `name`, -1 when there is none.
int numberAfter(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 2 ||
        !equalIgnoringCase(name.substr(0, prefix.size()), prefix))
        return -1;
    int n = 0;
    for (char c : name.substr(prefix.size())) {
        if (c < '0' || c > '9')
            return -1;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

std::string keyName(std::uint32_t key)
{
    if (key >= Key::A && key <= Key::A + 25)
        return std::string(1, char('A' + (key - Key::A)));
    if (key >= Key::Digit0 && key <= Key::Digit0 + 9)
        return std::string(1, char('0' + (key - Key::Digit0)));
    for (const NumberedRun& run : kRuns)
        if (key >= run.first && key <= run.first + std::uint32_t(run.lastNumber - run.firstNumber))
            return run.prefix + std::to_string(run.firstNumber + int(key - run.first));
    for (const NamedKey& k : kNamed)
        if (k.key == key)
            return k.name;
    return {};
}

std::uint32_t keyFromName(std::string_view name)
{
    if (name.size() == 1) {
        const char c = name[0];
        if (c >= 'A' && c <= 'Z')
            return Key::A + std::uint32_t(c - 'A');
        if (c >= 'a' && c <= 'z')
            return Key::A + std::uint32_t(c - 'a');
        if (c >= '0' && c <= '9')
            return Key::Digit0 + std::uint32_t(c - '0');
    }
    for (const NamedKey& k : kNamed)
        if (equalIgnoringCase(name, k.name))
            return k.key;
    for (const NumberedRun& run : kRuns) {
        const int n = numberAfter(name, run.prefix);
        if (n >= run.firstNumber && n <= run.lastNumber)
            return run.first + std::uint32_t(n - run.firstNumber);
    }
    return 0;
}

} // namespace burrowix
