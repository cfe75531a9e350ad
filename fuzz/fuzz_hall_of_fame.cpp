// Reads arbitrary bytes as a hall-of-fame file; a table that parses must come back unchanged
// through its own bytes.
#include "records/hall_of_fame.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    HallOfFame table;
    if (!parseHallOfFame({data, size}, table))
        return 0;
    const std::vector<std::uint8_t> bytes = encodeHallOfFame(table);
    HallOfFame back;
    if (!parseHallOfFame(bytes, back) || encodeHallOfFame(back) != bytes) {
        std::fprintf(stderr, "fuzz_hall_of_fame: a parsed table does not read back the same\n");
        std::abort();
    }
    for (const HallEntry& e : table.entries)
        if (e.name.size() > HallOfFame::kMaxNameLength) {
            std::fprintf(stderr, "fuzz_hall_of_fame: a name longer than 99 bytes\n");
            std::abort();
        }
    return 0;
}
