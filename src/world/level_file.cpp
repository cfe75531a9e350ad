#include "world/level_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "common/le_io.hpp"
#include "world/cell_kind.hpp"

namespace burrowix {

std::string levelSizeProblem(std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0)
        return "the size " + std::to_string(width) + " x " + std::to_string(height) + " is not positive";
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > kMaxLevelCells)
        return "the size " + std::to_string(width) + " x " + std::to_string(height) + " is more than " +
               std::to_string(kMaxLevelCells) + " cells";
    return "";
}

std::string cellParamProblem(std::int32_t kind, std::int32_t param, std::int64_t x, std::int64_t y)
{
    if (!kindHasParam(kind) || (param >= -kMaxCellParam && param <= kMaxCellParam))
        return "";
    return "the parameter " + std::to_string(param) + " of the cell (" + std::to_string(x) + ", " +
           std::to_string(y) + ") of kind " + std::to_string(kind) + " is outside -" + std::to_string(kMaxCellParam) + ".." + std::to_string(kMaxCellParam);
}

std::optional<LevelFile> parseLevelFile(std::span<const std::uint8_t> bytes, std::string* error)
{
    auto fail = [error](const std::string& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    ByteReader in(bytes);
    LevelFile level;
    if (!in.i32(level.width) || !in.i32(level.height))
        return fail("the file ends before the level's width and height");
    if (std::string problem = levelSizeProblem(level.width, level.height); !problem.empty())
        return fail(problem);
    const std::uint64_t cellCount = std::uint64_t(level.width) * std::uint64_t(level.height);
    // Every cell takes at least one value, so a grid bigger than that cannot be in the file.
    const std::string cutShort = "the file ends inside the " + std::to_string(level.width) + " x " +
                                 std::to_string(level.height) + " cells";
    if (cellCount > in.remaining() / 4)
        return fail(cutShort);
    level.kinds.resize(cellCount);
    level.params.resize(cellCount);
    for (std::uint64_t i = 0; i < cellCount; ++i) {
        if (!in.i32(level.kinds[i]))
            return fail(cutShort);
        if (kindHasParam(level.kinds[i]) && !in.i32(level.params[i]))
            return fail(cutShort);
        if (std::string problem = cellParamProblem(level.kinds[i], level.params[i], std::int64_t(i % std::uint64_t(level.width)),
                                                   std::int64_t(i / std::uint64_t(level.width)));
            !problem.empty())
            return fail(problem);
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

std::optional<LevelFile> readLevelFile(const std::string& path, std::string* error)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), std::fclose);
    if (!f) {
        if (error)
            *error = std::string("cannot be read: ") + std::strerror(errno);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t buffer[65536];
    for (;;) {
        const std::size_t n = std::fread(buffer, 1, sizeof buffer, f.get());
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (n < sizeof buffer)
            break;
    }
    if (std::ferror(f.get())) {
        if (error)
            *error = std::string("cannot be read: ") + std::strerror(errno);
        return std::nullopt;
    }
    return parseLevelFile(bytes, error);
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
