// Opens arbitrary bytes as a pack archive, lists and looks up every member, extracts each one both
// ways, checks the copies against in-memory reads, removes them again and checks that no temporary
// file stays behind. Some inputs also get a member removed, which must leave a complete archive.
#include "platform/archive/member_names.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/system/temp_files.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string gFolder;
std::string gCopies;

void check(bool ok, const char* what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz_archive: %s\n", what);
        std::abort();
    }
}

int entriesIn(const std::string& folder)
{
    DIR* d = ::opendir(folder.c_str());
    check(d != nullptr, "copy folder vanished");
    int n = 0;
    while (const dirent* e = ::readdir(d))
        if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
            ++n;
    ::closedir(d);
    return n;
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void removeWorkFolder()
{
    ::unlink((gFolder + "/input.pak").c_str());
    ::rmdir(gCopies.c_str());
    ::rmdir(gFolder.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/fuzz_archive.XXXXXX";
    check(::mkdtemp(pattern) != nullptr, "cannot make a work folder");
    gFolder = pattern;
    gCopies = gFolder + "/copies";
    check(::mkdir(gCopies.c_str(), 0700) == 0, "cannot make the copy folder");
    ::setenv("TMPDIR", gCopies.c_str(), 1);
    std::atexit(removeWorkFolder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace burrowix;
    const std::string path = gFolder + "/input.pak";
    {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        check(f != nullptr, "cannot write the input");
        check(size == 0 || std::fwrite(data, 1, size, f) == size, "short input write");
        std::fclose(f);
    }

    {
        PackArchive pak(path, size % 2 == 1);
        check(pak.tempDir() == temporaryFolder(), "unexpected temporary folder");
        for (int i = 0; i < pak.memberCount(); ++i) {
            const PackMember* m = pak.member(i);
            const int found = pak.findMember(upperCaseName(m->name));
            check(found >= 0 && found <= i, "a listed member cannot be found");
            check(sameMemberName(pak.member(found)->name, m->name), "lookup found another name");
        }
        pak.findMember("pak.dsc");
        pak.findMember("");

        pak.extractAll(true);
        for (int i = 0; i < pak.memberCount(); ++i) {
            const auto copy = pak.extractByIndex(i, true);
            check(copy.has_value(), "extraction failed");
            std::vector<std::uint8_t> bytes;
            check(pak.readMember(i, bytes), "in-memory read failed");
            check(bytes.size() <= pak.member(i)->size, "read more than the member's size");
            check(fileBytes(*copy) == bytes, "copy differs from the member's bytes");
            const PackArchive::MemberView view = pak.viewMember(i);
            check(bytes.empty() || view.file, "a member with bytes has no view");
            check(std::vector<std::uint8_t>(view.data, view.data + view.size) == bytes,
                  "the view differs from the member's bytes");
        }
        pak.removeTempFiles();
        check(entriesIn(gCopies) == 0, "a unique copy was left behind");

        for (int i = 0; i < pak.memberCount(); ++i) {
            const auto copy = pak.extractByName(pak.member(i)->name, false);
            if (copy)
                check(copy->rfind(gCopies + "/", 0) == 0 && copy->find('/', gCopies.size() + 1) == std::string::npos,
                      "a named copy left the temporary folder");
        }
        pak.removeTempFiles();
        check(entriesIn(gCopies) == 0, "a named copy was left behind");

        // Rewrites cost a flush to disk, so only some inputs take this path.
        if (size % 16 == 0 && pak.memberCount() > 0) {
            const int before = pak.memberCount();
            const int after = pak.removeMember(0);
            if (after != before) {
                PackArchive reread(path);
                check(reread.isWellFormed(), "a rewrite produced a damaged archive");
                check(reread.memberCount() == after, "a rewrite lost members");
            }
        }
    }
    check(entriesIn(gCopies) == 0, "a temporary file stayed after destruction");
    check(entriesIn(gFolder) == 2, "a rewrite left a file behind");
    return 0;
}
