#include "records/level_progress.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "platform/system/regular_file.hpp"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace burrowix {

void LevelProgress::reset()
{
    for (int k = 0; k < kSets; ++k) {
        setIds[k] = k;
        unlocked[k] = 1;
    }
}

std::int32_t LevelProgress::unlockedLevels(int set) const
{
    return set >= 0 && set < kSets ? unlocked[set] : 1;
}

void LevelProgress::recordWin(int set, int level)
{
    if (set >= 0 && set < kSets && level == unlocked[set] - 1)
        unlocked[set] = level + 2;
}

bool LevelProgress::read(const std::string& path)
{
    // Only a regular file is read: a pipe in its place would block the start.
    FilePtr f = openRegularFile(path);
    if (!f) {
        reportIfNotRegularFile(path);
        return false;
    }
    for (int k = 0; k < kSets; ++k)
        if (!readLE32(f.get(), setIds[k]) || !readLE32(f.get(), unlocked[k]))
            break;
    for (std::int32_t& count : unlocked)
        count = std::clamp(count, 1, kMaxUnlocked);
    return true;
}

bool LevelProgress::write(const std::string& path) const
{
    ByteWriter out;
    for (int k = 0; k < kSets; ++k) {
        out.i32(setIds[k]);
        out.i32(unlocked[k]);
    }
    return writeFileAtomically(path, out.data());
}

} // namespace burrowix
