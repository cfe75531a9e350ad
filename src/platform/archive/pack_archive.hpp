#pragma once
// PackArchive: reads a pack archive's directory once, finds members by name and copies a member out
// into a temporary file whose path the caller opens with the ordinary routines; afterwards the
// caller asks the archive to delete its temporary copies. Reading never writes to the archive and
// never creates it: a missing or unreadable file is an archive without members. The writing side
// (addFile, removeMember) builds the complete new archive beside the old one and renames it over,
// so a failure leaves the old archive as it was. The layout is described in pack_writer.hpp.

#include "platform/archive/pack_member.hpp"
#include "platform/system/mapped_file.hpp"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace burrowix {

class PackArchive {
public:
    // Directory entries beyond this many are ignored, and addFile refuses to go past it.
    static constexpr int kMaxMembers = 10000;

    // Reads the directory of the archive at `path`. With `holdOpen` the file stays open for reading
    // until the archive is destroyed; otherwise each operation opens and closes it.
    explicit PackArchive(std::string path, bool holdOpen = false);
    // Removes every temporary copy (as removeTempFiles) and closes the file.
    ~PackArchive();
    PackArchive(const PackArchive&) = delete;
    PackArchive& operator=(const PackArchive&) = delete;

    const std::string& path() const { return path_; }
    // The folder temporary copies go to, with its trailing '/'.
    const std::string& tempDir() const { return tempDir_; }
    bool heldOpen() const { return heldOpen_; }
    int memberCount() const { return static_cast<int>(members_.size()); }
    // Member i, or null outside 0..memberCount()-1; valid until the next addFile or removeMember.
    const PackMember* member(int i) const;
    // The header's size of the data area (0 for an archive without members).
    std::uint32_t dataSize() const { return dataSize_; }
    // True when the file is exactly a complete archive: an empty file, or a header whose count matches
    // the directory, members contiguous from offset 8 filling the data area, and a directory that runs
    // exactly to the end of the file. The tool refuses to rewrite anything else.
    bool isWellFormed() const { return wellFormed_; }

    // Index of the first member whose name equals `name` without regard to case, or -1.
    int findMember(std::string_view name) const;

    // Copies a member into a temporary file and returns its path: a new "ruXXXXXX.tmp" in tempDir()
    // when `uniqueTempName` is set, otherwise tempDir() + the member's name (refused for names that
    // are not safe bare file names). A member already copied returns its existing copy (unless the
    // copy has vanished, when it is copied again). Only the bytes present in the archive are copied.
    // nullopt for an unknown member or when the copy cannot be made completely.
    std::optional<std::string> extractByName(std::string_view name, bool uniqueTempName = true);
    std::optional<std::string> extractByIndex(int index, bool uniqueTempName = true);
    // Extracts every member in order; returns the member count.
    int extractAll(bool uniqueTempName = true);

    // Deletes a member's temporary copy; the member stays marked as extracted only when the copy
    // still opens afterwards.
    void removeTempFile(int index);
    void removeTempFileByName(std::string_view name);
    void removeTempFiles();

    // Reads a member's bytes that are present in the file into `out`; false for a bad index or an
    // archive that cannot be opened.
    bool readMember(int index, std::vector<std::uint8_t>& out);

    // A member's bytes present in the file, seen through one read-only mapping of the whole archive
    // that every view shares: no copy and no temporary file. The mapping is made at the first view
    // and outlives the archive and its later rewrites. Null `file` for a bad index or an archive
    // that cannot be mapped.
    struct MemberView {
        std::shared_ptr<const MappedFile> file;
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
    };
    MemberView viewMember(int index);

    // Appends the file at `filePath` as a new member named after the part of the path behind its
    // last '/' or '\\'. Creates the archive when it does not exist. Returns the new member's index,
    // or -1 (archive unchanged) when the name is already a member or unusable, the file cannot be
    // read, or the archive cannot be rewritten.
    int addFile(const std::string& filePath);
    // Appends several files in one rewrite; all or nothing. The index of the first new member, or -1.
    int addFiles(const std::vector<std::string>& filePaths);

    // Removes a member (and its temporary copy); returns the member count afterwards, unchanged when
    // the index is out of range or the rewrite fails. Removing every member that holds bytes while
    // empty members remain is refused, since such an archive would read back as having no members.
    int removeMember(int index);
    int removeMemberByName(std::string_view name);
    // Removes several members in one rewrite; false (nothing changed) for any bad index or a failure.
    bool removeMembers(const std::vector<int>& indices);

private:
    using FilePtr = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

    struct Directory {
        std::vector<PackMember> members;
        std::uint32_t dataSize = 0;
        bool wellFormed = false;
    };

    // A planned member of a rewritten archive: an old member (oldIndex >= 0) or a new file.
    struct Planned {
        std::string name;
        int oldIndex = -1;
        std::FILE* file = nullptr;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
    };

    static FilePtr openForReading(const std::string& path);
    static Directory readDirectory(std::FILE* f);
    // The held handle, or a new one stored in `local`; null when the archive cannot be opened.
    std::FILE* acquire(FilePtr& local);
    bool matchesFile(std::FILE* f) const;
    bool rewrite(const std::vector<Planned>& plan);

    std::string path_;
    std::string tempDir_;
    bool heldOpen_ = false;
    FilePtr handle_{nullptr, &std::fclose};
    std::vector<PackMember> members_;
    std::uint32_t dataSize_ = 0;
    bool wellFormed_ = false;
    std::shared_ptr<const MappedFile> mapping_;
};

} // namespace burrowix
