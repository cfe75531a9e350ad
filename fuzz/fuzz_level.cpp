// Reads arbitrary bytes as a level file; a loadable one is set up as a world and must come back
// byte for byte through its source text.
#include "world/level_file.hpp"
#include "world/level_loader.hpp"
#include "world/level_source.hpp"
#include "world/digger.hpp"
#include "world/world.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_level: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    const auto level = parseLevelFile({data, size});
    if (!level)
        return 0;
    World w;
    // Every difficulty: the digger's hits and the enemies' set-up depend on it.
    setUpLevel(w, *level, int(size % 7), size % 2 ? 40 : 20, std::int32_t(size % 3));
    check(w.loaded, "a parsed level did not load");
    check(w.cellCount() == level->width * level->height, "cell count");
    check(world.theDigger && world.theDigger->x >= 0 && world.theDigger->x < w.width, "digger inside");
    recount(w);
    world.reset();

    if (!level->shortFile) {
        std::string error;
        const auto bytes = compileLevelSource(decompileLevel(*level), error);
        check(bytes.has_value(), error.c_str());
        check(*bytes == std::vector<std::uint8_t>(data, data + size), "round trip changed the bytes");
    }
    return 0;
}
