#include "world/replay_file.hpp"

#include <cerrno>
#include <cstring>

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "platform/system/regular_file.hpp"
#include "world/level_file.hpp"
#include "world/world.hpp"

namespace burrowix {

namespace {

constexpr std::uint8_t kMagic[4] = {'B', 'X', 'R', 'P'};
constexpr int kEndCode = 14;
constexpr int kStepCode = 15;
constexpr unsigned kReleaseBit = 0x10;
constexpr unsigned kRunShift = 5;
constexpr unsigned kLongRun = 7; // the run's field when the run follows as a count
// A replay longer than this is refused: it is days of play, and larger files are damage.
constexpr std::uint64_t kMaxFrames = 100'000'000;
constexpr std::uint64_t kMaxStep = 3'600'000;
constexpr std::size_t kMaxFileBytes = 16u << 20;

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void fnv(std::uint64_t& h, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        h ^= (v >> (8 * i)) & 0xFF;
        h *= kFnvPrime;
    }
}

class Writer {
public:
    void u8(unsigned v) { out.push_back(std::uint8_t(v)); }
    void u16(unsigned v)
    {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            u8((v >> (8 * i)) & 0xFF);
    }
    void u64(std::uint64_t v)
    {
        u32(std::uint32_t(v));
        u32(std::uint32_t(v >> 32));
    }
    void count(std::uint64_t v)
    {
        while (v >= 0x80) {
            u8(unsigned(v & 0x7F) | 0x80);
            v >>= 7;
        }
        u8(unsigned(v));
    }
    std::vector<std::uint8_t> out;
};

// The header's reads and the input's counts over one cursor; the first failure names itself.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : in(bytes) {}

    bool u64(std::uint64_t& v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (!in.u32(lo) || !in.u32(hi))
            return false;
        v = std::uint64_t(hi) << 32 | lo;
        return true;
    }
    bool count(std::uint64_t& v)
    {
        v = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            std::uint8_t b = 0;
            if (!in.u8(b))
                return false;
            v |= std::uint64_t(b & 0x7F) << shift;
            if (!(b & 0x80))
                return v <= 0xFFFFFFFFull;
        }
        return false;
    }
    ByteReader in;
};

bool fail(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
    return false;
}

bool readHeader(Reader& r, ReplayHeader& h, std::string* error)
{
    std::span<const std::uint8_t> magic;
    if (!r.in.bytes(4, magic) || std::memcmp(magic.data(), kMagic, 4) != 0)
        return fail(error, "not a replay file");
    std::uint16_t version = 0;
    if (!r.in.u16(version))
        return fail(error, "the file ends in its header");
    if (version != kReplayVersion)
        return fail(error, "replay version " + std::to_string(version) + " is not known (this game reads version " +
                               std::to_string(kReplayVersion) + ")");
    std::uint8_t pack = 0, level = 0, difficulty = 0, speed = 0, nameLength = 0, result = 0;
    std::uint32_t date[2] = {0, 0};
    std::span<const std::uint8_t> name;
    if (!r.u64(h.levelHash) || !r.in.u8(pack) || !r.in.u8(level) || !r.in.u8(difficulty) || !r.in.u8(speed) ||
        !r.in.u32(h.seed) || !r.in.u32(date[0]) || !r.in.u32(date[1]) || !r.in.u8(nameLength) ||
        !r.in.bytes(nameLength, name) || !r.in.u8(result) || !r.in.i32(h.score) || !r.in.u32(h.frames) ||
        !r.u64(h.gridHash) || !r.in.i32(h.startScore) || !r.in.i32(h.startLives))
        return fail(error, "the file ends in its header");
    for (std::int32_t& a : h.startAmmunition)
        if (!r.in.i32(a))
            return fail(error, "the file ends in its header");
    h.pack = pack;
    h.level = level;
    h.difficulty = difficulty;
    h.gameSpeed = speed;
    h.date = static_cast<std::int64_t>(std::uint64_t(date[1]) << 32 | date[0]);
    h.player.assign(name.begin(), name.end());
    h.result = static_cast<ReplayResult>(result);
    if (difficulty > 2)
        return fail(error, "difficulty " + std::to_string(difficulty) + " is outside 0..2");
    if (speed < 10 || speed > 19)
        return fail(error, "game speed " + std::to_string(speed) + " is outside 10..19");
    if (nameLength > kMaxReplayName)
        return fail(error, "the player's name is longer than " + std::to_string(kMaxReplayName) + " bytes");
    if (result > static_cast<std::uint8_t>(ReplayResult::Unfinished))
        return fail(error, "result " + std::to_string(result) + " is not known");
    if (h.frames > kMaxFrames)
        return fail(error, std::to_string(h.frames) + " frames are more than a replay holds");
    return true;
}

bool readChanges(std::span<const std::uint8_t> input, const ReplayHeader& h, std::vector<ReplayChange>& changes,
                 std::string* error)
{
    Reader r(input);
    const std::uint64_t minStep = std::uint64_t(nominalFrameStep(h.gameSpeed));
    std::uint64_t frame = 0;
    for (;;) {
        std::uint8_t b = 0;
        if (!r.in.u8(b))
            return fail(error, "the input ends before its end mark");
        std::uint64_t run = b >> kRunShift;
        if (run == kLongRun) {
            std::uint64_t more = 0;
            if (!r.count(more))
                return fail(error, "a run of frames is cut off or too long");
            run += more;
        }
        frame += run;
        if (frame > h.frames)
            return fail(error, "the runs of the input go past the replay's " + std::to_string(h.frames) + " frames");
        const unsigned code = b & 0x0F;
        const bool release = (b & kReleaseBit) != 0;
        if (code == kEndCode && !release) {
            if (frame != h.frames)
                return fail(error, "the runs of the input add up to " + std::to_string(frame) + " frames, not " +
                                       std::to_string(h.frames));
            if (r.in.remaining() != 0)
                return fail(error, "bytes follow the input's end mark");
            return true;
        }
        const bool step = code == kStepCode && !release;
        if (!step && code >= unsigned(kReplayActions))
            return fail(error, "an unknown input change (byte " + std::to_string(b) + ")");
        if (frame == h.frames)
            return fail(error, "a change after the last frame");
        if (step) {
            std::uint64_t ms = 0;
            if (!r.count(ms))
                return fail(error, "a frame step is cut off or too long");
            if (ms < minStep || ms > kMaxStep)
                return fail(error, "a frame step of " + std::to_string(ms) + " ms is impossible at game speed " +
                                       std::to_string(h.gameSpeed));
            changes.push_back({std::uint32_t(frame), ReplayChange::Step, std::uint32_t(ms)});
        } else {
            changes.push_back({std::uint32_t(frame), release ? ReplayChange::Release : ReplayChange::Press, code});
        }
    }
}

} // namespace

std::vector<std::uint8_t> encodeReplay(const Replay& replay)
{
    const ReplayHeader& h = replay.header;
    Writer w;
    for (std::uint8_t m : kMagic)
        w.u8(m);
    w.u16(kReplayVersion);
    w.u64(h.levelHash);
    w.u8(unsigned(h.pack));
    w.u8(unsigned(h.level));
    w.u8(unsigned(h.difficulty));
    w.u8(unsigned(h.gameSpeed));
    w.u32(h.seed);
    w.u64(static_cast<std::uint64_t>(h.date));
    const std::size_t nameLength = h.player.size() < kMaxReplayName ? h.player.size() : kMaxReplayName;
    w.u8(unsigned(nameLength));
    w.out.insert(w.out.end(), h.player.begin(), h.player.begin() + static_cast<std::ptrdiff_t>(nameLength));
    w.u8(static_cast<unsigned>(h.result));
    w.u32(static_cast<std::uint32_t>(h.score));
    w.u32(h.frames);
    w.u64(h.gridHash);
    w.u32(static_cast<std::uint32_t>(h.startScore));
    w.u32(static_cast<std::uint32_t>(h.startLives));
    for (std::int32_t a : h.startAmmunition)
        w.u32(static_cast<std::uint32_t>(a));

    Writer input;
    std::uint32_t at = 0;
    const auto change = [&](std::uint32_t frame, unsigned code) {
        const std::uint32_t run = frame > at ? frame - at : 0;
        at = frame > at ? frame : at;
        input.u8((run < kLongRun ? run : kLongRun) << kRunShift | code);
        if (run >= kLongRun)
            input.count(run - kLongRun);
    };
    for (const ReplayChange& c : replay.changes) {
        if (c.frame >= h.frames)
            break; // nothing runs after the last frame
        if (c.kind == ReplayChange::Step) {
            change(c.frame, kStepCode);
            input.count(c.value);
        } else {
            change(c.frame, c.value | (c.kind == ReplayChange::Release ? kReleaseBit : 0));
        }
    }
    change(h.frames, kEndCode);
    w.u32(std::uint32_t(input.out.size()));
    w.out.insert(w.out.end(), input.out.begin(), input.out.end());
    return w.out;
}

std::optional<Replay> parseReplay(std::span<const std::uint8_t> bytes, std::optional<std::uint64_t> levelHash,
                                  std::string* error)
{
    Replay replay;
    Reader r(bytes);
    if (!readHeader(r, replay.header, error))
        return std::nullopt;
    if (levelHash && *levelHash != replay.header.levelHash) {
        fail(error, "the replay is of another level (or of an earlier version of this one)");
        return std::nullopt;
    }
    std::uint32_t length = 0;
    std::span<const std::uint8_t> input;
    if (!r.in.u32(length)) {
        fail(error, "the file ends in its header");
        return std::nullopt;
    }
    if (!r.in.bytes(length, input)) {
        fail(error, "the input's length " + std::to_string(length) + " goes past the end of the file");
        return std::nullopt;
    }
    if (r.in.remaining() != 0) {
        fail(error, "bytes follow the input");
        return std::nullopt;
    }
    if (!readChanges(input, replay.header, replay.changes, error))
        return std::nullopt;
    return replay;
}

std::optional<Replay> readReplayFile(const std::string& path, std::optional<std::uint64_t> levelHash,
                                     std::string* error)
{
    std::uint64_t size = 0;
    FilePtr f = openRegularFile(path, &size);
    if (!f) {
        const std::string kind = nonRegularKind(path);
        fail(error, kind.empty() ? std::string("cannot be read: ") + std::strerror(errno) : "is " + kind);
        return std::nullopt;
    }
    if (size > kMaxFileBytes) {
        fail(error, "is larger than any replay");
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(size);
    if (size > 0 && std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) {
        fail(error, std::string("cannot be read: ") + std::strerror(errno));
        return std::nullopt;
    }
    return parseReplay(bytes, levelHash, error);
}

bool writeReplayFile(const std::string& path, const Replay& replay)
{
    return writeFileAtomically(path, encodeReplay(replay));
}

std::uint64_t levelContentHash(const LevelFile& level)
{
    std::uint64_t h = kFnvOffset;
    for (std::uint8_t b : encodeLevelFile(level)) {
        h ^= b;
        h *= kFnvPrime;
    }
    return h;
}

std::uint64_t gridHash(const World& w, int diggerCell)
{
    std::uint64_t h = kFnvOffset;
    fnv(h, std::uint32_t(w.width));
    fnv(h, std::uint32_t(w.height));
    for (const Cell& c : w.cells) {
        fnv(h, std::uint32_t(c.kind));
        fnv(h, std::uint32_t(c.param));
    }
    fnv(h, std::uint32_t(diggerCell));
    return h;
}

} // namespace burrowix
