#include "world/level_file.hpp"

#include <cstdio>
#include <memory>

#include "common/le_io.hpp"
#include "world/cell_kind.hpp"

namespace burrowix {

std::optional<LevelFile> parseLevelFile(std::span<const std::uint8_t> bytes)
{
    ByteReader in(bytes);
    LevelFile level;
    if (!in.i32(level.width) || !in.i32(level.height) || level.width <= 0 || level.height <= 0)
        return std::nullopt;
    const std::uint64_t cellCount = std::uint64_t(level.width) * std::uint64_t(level.height);
    // Every cell takes at least one value, so a grid bigger than that cannot be in the file.
    if (cellCount > kMaxLevelCells || cellCount > in.remaining() / 4)
        return std::nullopt;
    level.kinds.resize(cellCount);
    level.params.resize(cellCount);
    for (std::uint64_t i = 0; i < cellCount; ++i) {
        if (!in.i32(level.kinds[i]))
            return std::nullopt;
        if (kindHasParam(level.kinds[i]) && !in.i32(level.params[i]))
            return std::nullopt;
    }

    const std::uint64_t blockCount = std::uint64_t(level.blocksAcross()) * std::uint64_t(level.blocksDown());
    level.blocks.assign(blockCount, 0);
    std::int32_t* tail[] = {&level.startX,     &level.startY,    &level.goldGoalOn, &level.goldGoal,
                            &level.killGoalOn, &level.killGoal,  &level.reserved1,  &level.reserved2,
                            &level.reserved3};
    for (std::uint64_t b = 0; b < blockCount; ++b) {
        if (!in.i32(level.blocks[b])) {
            level.shortFile = true;
            return level;
        }
    }
    for (std::int32_t* v : tail) {
        if (!in.i32(*v)) {
            level.shortFile = true;
            return level;
        }
    }
    std::span<const std::uint8_t> rest;
    in.bytes(in.remaining(), rest);
    level.trailing.assign(rest.begin(), rest.end());
    return level;
}

std::optional<LevelFile> readLevelFile(const std::string& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer)
            break;
    }
    if (std::ferror(f.get()))
        return std::nullopt;
    return parseLevelFile(bytes);
}

std::vector<std::uint8_t> encodeLevelFile(const LevelFile& level)
{
    ByteWriter out;
    out.i32(level.width);
    out.i32(level.height);
    for (std::size_t i = 0; i < level.kinds.size(); ++i) {
        out.i32(level.kinds[i]);
        if (kindHasParam(level.kinds[i]))
            out.i32(i < level.params.size() ? level.params[i] : 0);
    }
    for (std::int32_t b : level.blocks)
        out.i32(b);
    for (std::int32_t v : {level.startX, level.startY, level.goldGoalOn, level.goldGoal, level.killGoalOn,
                           level.killGoal, level.reserved1, level.reserved2, level.reserved3})
        out.i32(v);
    out.bytes(level.trailing);
    return std::move(out.data());
}

} // namespace burrowix
