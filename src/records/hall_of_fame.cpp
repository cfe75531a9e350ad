#include "records/hall_of_fame.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"

#include <cstdio>
#include <memory>

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

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// Reads a stored name of `length` bytes: up to 99 are kept (up to the first zero byte), the rest of
// the stored bytes are skipped without reading them one by one.
bool readName(std::FILE* f, std::int32_t length, std::string& name)
{
    name.clear();
    if (length <= 0)
        return true;
    const std::size_t keep = std::min<std::size_t>(static_cast<std::size_t>(length), HallOfFame::kMaxNameLength);
    char buffer[HallOfFame::kMaxNameLength];
    const std::size_t got = std::fread(buffer, 1, keep, f);
    name.assign(buffer, got);
    name.resize(name.find('\0') == std::string::npos ? name.size() : name.find('\0'));
    if (got < keep)
        return false;
    const long rest = static_cast<long>(length) - static_cast<long>(keep);
    if (rest > 0) {
        // Skipping past the end would leave later fields unread anyway; stop there.
        const long here = std::ftell(f);
        if (std::fseek(f, 0, SEEK_END) != 0)
            return false;
        const long end = std::ftell(f);
        if (here < 0 || end - here < rest)
            return false;
        std::fseek(f, here + rest, SEEK_SET);
    }
    return true;
}

bool readTable(std::FILE* f, HallOfFame& r)
{
    for (int i = 0; i < HallOfFame::kLevelSlots; ++i)
        if (!readLE32(f, r.levelValueC[i]) || !readLE32(f, r.levelValueA[i]) ||
            !readLE32(f, r.levelValueB[i]))
            return false;
    for (HallEntry& e : r.entries) {
        std::int32_t length = 0;
        if (!readLE32(f, e.score) || !readLE32(f, length) || !readName(f, length, e.name))
            return false;
    }
    return readLE32(f, r.highlight);
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
    File f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (f)
        readTable(f.get(), record);
    else
        record.setDefaults();
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

    ByteWriter out;
    for (int i = 0; i < HallOfFame::kLevelSlots; ++i) {
        out.i32(record.levelValueC[i]);
        out.i32(record.levelValueA[i]);
        out.i32(record.levelValueB[i]);
    }
    for (const HallEntry& e : record.entries) {
        out.i32(e.score);
        out.i32(static_cast<std::int32_t>(e.name.size()));
        out.bytes(e.name);
    }
    out.i32(record.highlight);
    return writeFileAtomically(path, out.data());
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
