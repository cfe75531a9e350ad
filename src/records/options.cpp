#include "records/options.hpp"

#include "common/atomic_file.hpp"
#include "common/le_io.hpp"

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
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> f(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!f)
        return false;
    for (std::int32_t* field : fieldsOf(stored))
        if (!readLE32(f.get(), *field))
            break;
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
