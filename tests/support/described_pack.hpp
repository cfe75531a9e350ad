#pragma once
// A pack archive as the catalogue finds them: its "pak.dsc" description first, then its members.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/pack_info.hpp"
#include "platform/archive/pack_writer.hpp"

namespace burrowix::test {

// The description of level pack `number` (its difficulty) with `levels` levels.
inline PackInfo levelPackInfo(std::int32_t number = 0, std::int32_t levels = 30)
{
    PackInfo info;
    info.packType = PackInfo::kLevelPack;
    info.packNumber = number;
    info.levelCount = levels;
    return info;
}

// Writes the pack at `path`; false when it cannot be written.
inline bool writeDescribedPack(const std::string& path, const PackInfo& info, std::vector<PackEntry> members = {})
{
    members.insert(members.begin(), PackEntry{"pak.dsc", encodePackDescription(info)});
    return writePackArchive(path, members);
}

} // namespace burrowix::test
