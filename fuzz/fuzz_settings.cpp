// Reads arbitrary bytes as a settings file and its key lines. The settings written back must read
// back the same without a warning; the bindings made from the key lines must give every key to at
// most one action, never Esc, and must come back unchanged through their own lines; no warning may
// echo more than a cut line.
#include "app/key_settings.hpp"
#include "platform/system/key_names.hpp"
#include "platform/system/window_settings.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

void fail(const char* why)
{
    std::fprintf(stderr, "fuzz_settings: %s\n", why);
    std::abort();
}

// A warning names a line number or a key line's action and key, each cut as a shown line is, and
// what was wrong: far below this however long the line was.
constexpr std::size_t kLongestWarning = 4 * burrowix::kLongestShownLine + 200;

void checkWarnings(const std::vector<std::string>& warnings)
{
    for (const std::string& w : warnings)
        if (w.size() > kLongestWarning)
            fail("a warning echoes a whole long line");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    const WindowSettings settings = parseWindowSettings(text, warnings);
    checkWarnings(warnings);

    std::vector<std::string> again;
    if (parseWindowSettings(formatWindowSettings(settings), again) != settings || !again.empty())
        fail("written settings do not read back the same");

    warnings.clear();
    const KeyBindings bindings = bindingsFromEntries(settings.keys, warnings);
    checkWarnings(warnings);
    for (std::size_t a = 0; a < bindings.keys.size(); ++a) {
        const std::uint32_t key = bindings.keys[a];
        if (key == Key::Escape)
            fail("Esc bound to an action");
        if (key != 0 && keyFromName(keyName(key)) != key)
            fail("a bound key's name does not name it");
        for (std::size_t b = 0; b < a; ++b)
            if (key != 0 && bindings.keys[b] == key)
                fail("one key bound to two actions");
    }
    again.clear();
    if (bindingsFromEntries(entriesOf(bindings), again).keys != bindings.keys || !again.empty())
        fail("bindings do not read back the same through their own lines");
    return 0;
}
