// Reads arbitrary bytes as a replay file; a replay that parses must read back the same through its
// own encoding (never longer than what was read), with its changes in order and before its last frame.
#include "world/replay_file.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_replay: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    const std::optional<Replay> replay = parseReplay({data, size});
    if (!replay)
        return 0;
    std::uint32_t last = 0;
    for (const ReplayChange& c : replay->changes) {
        check(c.frame >= last && c.frame < replay->header.frames, "a change out of order or after the end");
        last = c.frame;
    }
    check(replay->header.player.size() <= kMaxReplayName, "a name longer than a replay holds");
    const std::vector<std::uint8_t> bytes = encodeReplay(*replay);
    const std::optional<Replay> back = parseReplay(bytes, replay->header.levelHash);
    check(back && *back == *replay, "a parsed replay does not read back the same");
    check(bytes.size() <= size, "a parsed replay grows when written");
    return 0;
}
