#pragma once
// The player's own level pack, "own.dat" in the player folder: the levels made in the editor, each
// kept as its level source text (the data/levels format; the shell parses them). The file is text:
// the line "burrowix own levels 1", then for every level a line "level N" (N: the source's length in
// bytes) followed by exactly those N bytes and a line break. A file that does not read this way is
// damaged: it is reported, set aside and never written over.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowix {

struct OwnLevelPack {
    // As many as a pack holds.
    static constexpr std::size_t kMaxLevels = 30;
    // A 200 x 200 level's source is about 41 KB; a level far larger is not one the editor wrote.
    static constexpr std::size_t kMaxSourceBytes = 1 << 20;

    std::vector<std::string> sources;

    bool operator==(const OwnLevelPack&) const = default;
};

// The pack in the file's bytes, or nullopt with the reason ("level 3 runs past the end of the file").
std::optional<OwnLevelPack> parseOwnLevelPack(std::string_view bytes, std::string& reason);
std::string encodeOwnLevelPack(const OwnLevelPack& pack);

inline constexpr const char* kOwnLevelsFileName = "own.dat";

struct OwnLevelsFile {
    enum class Read { Missing, Read, Damaged };

    std::string path = kOwnLevelsFileName;

    // Reads the pack. Missing (pack empty) when there is no regular file; Damaged with the reason
    // when it does not parse, the pack then empty and the file left as it is for setAside.
    Read read(OwnLevelPack& pack, std::string& reason) const;
    // Replaces the file atomically; false with the system's reason, the old file kept.
    bool write(const OwnLevelPack& pack, std::string& reason) const;
    // Renames the file to PATH.bad (PATH.bad2, PATH.bad3, ... when that is taken, so nothing set
    // aside earlier is lost); the new name, or "" with the reason.
    std::string setAside(std::string& reason) const;
};

} // namespace burrowix
