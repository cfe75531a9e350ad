#include "records/options.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "platform/system/regular_file.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace burrowix {
namespace {

// The file's fields in order.
std::array<std::int32_t*, 7> fieldsOf(StoredOptions& s)
{
    Options& o = s.options;
    return {&o.musicEnabled, &o.soundEnabled, &o.gameSpeed, &o.soundVolume, &o.musicVolume, &s.level,
            &s.difficulty};
}

} // namespace

bool readOptionsFile(const std::string& path, StoredOptions& stored)
{
    // Only a regular file is read: a pipe in its place would block the start.
    FilePtr f = openRegularFile(path);
    if (!f) {
        reportIfNotRegularFile(path);
        return false;
    }
    for (std::int32_t* field : fieldsOf(stored))
        if (!readLE32(f.get(), *field))
            break;
    // An out-of-range speed stalls or spins the frame loop, a stray difficulty multiplies scores.
    Options& o = stored.options;
    o.gameSpeed = std::clamp(o.gameSpeed, kMinGameSpeed, kMaxGameSpeed);
    o.soundVolume = std::clamp(o.soundVolume, 0, kMaxVolume);
    o.musicVolume = std::clamp(o.musicVolume, 0, kMaxVolume);
    stored.difficulty = std::clamp(stored.difficulty, 0, kMaxDifficulty);
    if (stored.level < 0 || stored.level >= kStoredLevelCount)
        stored.level = 0;
    return true;
}

bool writeOptionsFile(const std::string& path, const StoredOptions& stored)
{
    StoredOptions values = stored;
    ByteWriter out;
    for (std::int32_t* field : fieldsOf(values))
        out.i32(*field);
    return writeFileAtomically(path, out.data());
}

} // namespace burrowix
