#include "records/hall_of_fame.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"
#include "platform/system/regular_file.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <vector>

namespace burrowix {
namespace {

struct DefaultEntry {
    const char* name;
    std::int32_t score;
};

constexpr DefaultEntry kDefaultTable[HallOfFame::kShownRows] = {
    {"McBrannok", 20000},  {"de Brannok", 15734},  {"O'Brannok", 10550},       {"Brannokski", 8294},
    {"Brannokberg", 6726}, {"Chi Ngi Brannok", 5302}, {"Brannoksha", 4220},    {"Brannokano", 3046},
    {"Van Brannok", 1970}, {"Brannok in da House", 10},
};

// The largest file the game writes: the level slots, twenty entries with names of up to 99 bytes,
// the highlight. Anything beyond is never part of the table.
constexpr std::size_t kLargestFile =
    HallOfFame::kLevelSlots * 12 + HallOfFame::kEntries * (8 + HallOfFame::kMaxNameLength) + 4;

} // namespace

bool parseHallOfFame(std::span<const std::uint8_t> bytes, HallOfFame& r)
{
    ByteReader in(bytes);
    for (int i = 0; i < HallOfFame::kLevelSlots; ++i)
        if (!in.i32(r.levelValueC[i]) || !in.i32(r.levelValueA[i]) || !in.i32(r.levelValueB[i]))
            return false;
    for (HallEntry& e : r.entries) {
        std::int32_t length = 0;
        std::span<const std::uint8_t> name;
        if (!in.i32(e.score) || !in.i32(length) || length < 0 ||
            length > static_cast<std::int32_t>(HallOfFame::kMaxNameLength) ||
            !in.bytes(static_cast<std::size_t>(length), name))
            return false;
        e.name.assign(name.begin(), name.end());
        e.name.resize(std::min(e.name.size(), e.name.find('\0')));
    }
    return in.i32(r.highlight);
}

std::vector<std::uint8_t> encodeHallOfFame(const HallOfFame& record)
{
    ByteWriter out;
    for (int i = 0; i < HallOfFame::kLevelSlots; ++i) {
        out.i32(record.levelValueC[i]);
        out.i32(record.levelValueA[i]);
        out.i32(record.levelValueB[i]);
    }
    for (const HallEntry& e : record.entries) {
        out.i32(e.score);
        const std::string name = e.name.substr(0, HallOfFame::kMaxNameLength);
        out.i32(static_cast<std::int32_t>(name.size()));
        out.bytes(name);
    }
    out.i32(record.highlight);
    return out.data();
}

namespace {

// Moves a damaged file out of the way so that the defaults saved at close do not replace it.
void setAside(const std::string& path)
{
    const std::string aside = path + ".bad";
    if (std::rename(path.c_str(), aside.c_str()) == 0)
        std::fprintf(stderr, "burrowix: %s is damaged; kept as %s, the hall of fame starts afresh\n",
                     path.c_str(), aside.c_str());
    else
        std::fprintf(stderr, "burrowix: %s is damaged and cannot be set aside as %s: %s\n", path.c_str(),
                     aside.c_str(), std::strerror(errno));
}

} // namespace

void HallOfFame::setDefaults()
{
    levelValueA.fill(10);
    levelValueB.fill(10);
    levelValueC.fill(1);
    for (int i = 0; i < kEntries; ++i) {
        if (i < kShownRows)
            entries[i] = {kDefaultTable[i].score, kDefaultTable[i].name};
        else
            entries[i] = {0, "A13"};
    }
    entries[kPromptEntry].score = 1;
    highlight = 0;
}

int HallOfFame::findRank(std::int32_t newScore)
{
    for (int i = 0; i < kShownRows; ++i) {
        if (entries[i].score < newScore) {
            highlight = i;
            return i;
        }
    }
    return -1;
}

std::int32_t HallOfFameFile::read(HallOfFame& record) const
{
    std::uint64_t size = 0;
    FilePtr f = openRegularFile(path, &size);
    if (!f)
        reportIfNotRegularFile(path);
    std::vector<std::uint8_t> bytes(std::min<std::uint64_t>(size, kLargestFile));
    if (f && std::fread(bytes.data(), 1, bytes.size(), f.get()) == bytes.size()) {
        HallOfFame parsed = record;
        if (parseHallOfFame(bytes, parsed)) {
            record = parsed;
        } else {
            f.reset();
            setAside(path);
            record.setDefaults();
        }
    } else {
        record.setDefaults();
    }
    if (record.entries[13].name.size() != 3)
        record.setDefaults();
    const std::int32_t pending = record.entries[HallOfFame::kPromptEntry].score;
    return pending > 2 || pending < 0 ? 2 : pending;
}

bool HallOfFameFile::write(HallOfFame& record, std::int32_t difficultyPromptPending) const
{
    record.entries[HallOfFame::kPromptEntry].score = difficultyPromptPending;
    for (int i = HallOfFame::kPromptEntry + 1; i < HallOfFame::kEntries; ++i)
        record.entries[i].score = 0;
    return writeFileAtomically(path, encodeHallOfFame(record));
}

std::int32_t HallOfFameFile::insertEntry(HallOfFame& record, std::int32_t newScore, const std::string& name,
                                         std::int32_t difficultyPromptPending) const
{
    const int row = record.findRank(newScore);
    if (row < 0)
        return difficultyPromptPending;
    for (int i = 11; i > row; --i)
        record.entries[i] = record.entries[i - 1];
    record.entries[row] = {newScore, name.substr(0, HallOfFame::kMaxNameLength)};
    if (!write(record, difficultyPromptPending))
        return difficultyPromptPending;
    return read(record);
}

} // namespace burrowix
