// Parses arbitrary text as a level source; an accepted one must survive compiling, reading back,
// decompiling and compiling again unchanged, with its title, hint and theme.
#include "world/level_file.hpp"
#include "world/level_source.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_level_source: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LevelNotes notes;
    const auto level = parseLevelSource(text, error, &notes);
    if (!level) {
        check(!error.empty(), "a refusal without a message");
        return 0;
    }
    const auto bytes = encodeLevelFile(*level);
    const auto back = parseLevelFile(bytes);
    check(back.has_value(), "compiled bytes do not read back");
    const auto again = compileLevelSource(decompileLevel(*back), error);
    check(again.has_value(), error.c_str());
    check(*again == bytes, "source round trip changed the level");
    LevelNotes notesBack;
    check(parseLevelSource(decompileLevel(*back, notes), error, &notesBack).has_value(), error.c_str());
    check(notesBack == notes, "source round trip changed the notes");
    return 0;
}
