// Parses arbitrary bytes as the player's own level pack; an accepted pack must encode back to the
// same bytes, and every level in it that the editor reads must survive writing and reading its source.
#include "editor/edit_files.hpp"
#include "records/own_levels.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_own_levels: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    std::string reason;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto pack = parseOwnLevelPack(bytes, reason);
    if (!pack) {
        check(!reason.empty(), "a refusal without a reason");
        return 0;
    }
    check(encodeOwnLevelPack(*pack) == bytes, "the pack does not encode back to its bytes");
    for (const std::string& source : pack->sources) {
        std::string error;
        const auto level = editLevelFromSource(source, error);
        if (!level) {
            check(!error.empty(), "a level refused without a reason");
            continue;
        }
        const auto back = editLevelFromSource(editLevelSource(*level), error);
        check(back.has_value(), error.c_str());
        check(*back == *level, "a level changed through its source");
    }
    return 0;
}
