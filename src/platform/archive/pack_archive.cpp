#include "platform/archive/pack_archive.hpp"

#include "common/le_io.hpp"
#include "platform/archive/file_range_copy.hpp"
#include "platform/archive/member_names.hpp"
#include "platform/archive/pack_writer.hpp"
#include "platform/system/regular_file.hpp"
#include "platform/system/temp_files.hpp"

#include <cerrno>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {
namespace {

constexpr std::uint64_t kHeaderSize = 8;
// nameLength, offset and size around an entry's name.
constexpr std::uint64_t kEntryFixedSize = 12;

std::uint64_t sizeOfOpenFile(std::FILE* f)
{
    struct stat st {};
    if (::fstat(::fileno(f), &st) != 0 || st.st_size < 0)
        return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

bool readU32(std::FILE* f, std::uint32_t& value)
{
    std::uint8_t b[4];
    if (std::fread(b, 1, 4, f) != 4)
        return false;
    value = loadLE32(b);
    return true;
}

bool writeFully(int fd, const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, bytes, count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

// Opens (creating or truncating) tempDir + name for a copy. Symbolic links and anything but a
// regular file are refused, so a planted link or pipe cannot redirect or block the copy.
int openNamedCopy(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                          0600);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool regularFileExists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool opensForReading(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}

} // namespace

PackArchive::FilePtr PackArchive::openForReading(const std::string& path)
{
    return openRegularFile(path);
}

PackArchive::Directory PackArchive::readDirectory(std::FILE* f)
{
    Directory dir;
    const std::uint64_t fileSize = sizeOfOpenFile(f);
    if (fileSize == 0) {
        dir.wellFormed = true; // an empty file stands for the empty archive
        return dir;
    }
    std::uint8_t header[8] = {};
    if (std::fseek(f, 0, SEEK_SET) != 0)
        return dir;
    const std::size_t got = std::fread(header, 1, sizeof header, f);
    // Missing header fields read as 0.
    const std::int32_t count = got >= 4 ? static_cast<std::int32_t>(loadLE32(header)) : 0;
    dir.dataSize = got >= 8 ? loadLE32(header + 4) : 0;
    if (dir.dataSize == 0) {
        dir.wellFormed = got == 8 && fileSize == kHeaderSize && count == 0;
        return dir;
    }

    const std::uint64_t directoryStart = kHeaderSize + dir.dataSize;
    if (directoryStart > fileSize || ::fseeko(f, static_cast<off_t>(directoryStart), SEEK_SET) != 0)
        return dir;
    std::uint64_t left = fileSize - directoryStart;
    // Each entry must fit whole in what is left of the file; the first that does not ends the list.
    for (std::int32_t i = 0; i < count && i < kMaxMembers; ++i) {
        std::uint32_t nameLength = 0;
        if (left < kEntryFixedSize || !readU32(f, nameLength))
            break;
        if (nameLength < 1 || nameLength > left - kEntryFixedSize)
            break;
        std::string raw(nameLength, '\0');
        PackMember m;
        if (std::fread(raw.data(), 1, nameLength, f) != nameLength || !readU32(f, m.offset) ||
            !readU32(f, m.size))
            break;
        // The name ends at its first zero byte, wherever the terminator was meant to be.
        m.name = raw.substr(0, raw.find('\0'));
        dir.members.push_back(std::move(m));
        left -= kEntryFixedSize + nameLength;
    }

    bool contiguous = true;
    std::uint64_t end = kHeaderSize;
    for (const PackMember& m : dir.members) {
        contiguous = contiguous && m.offset == end;
        end += m.size;
    }
    dir.wellFormed = got == 8 && left == 0 && count == static_cast<std::int32_t>(dir.members.size()) &&
                     contiguous && end == directoryStart;
    return dir;
}

PackArchive::PackArchive(std::string path, bool holdOpen) : path_(std::move(path)), tempDir_(temporaryFolder())
{
    if (holdOpen) {
        heldOpen_ = true;
        handle_ = openForReading(path_);
    }
    FilePtr local(nullptr, &std::fclose);
    if (std::FILE* f = acquire(local)) {
        Directory dir = readDirectory(f);
        members_ = std::move(dir.members);
        dataSize_ = dir.dataSize;
        wellFormed_ = dir.wellFormed;
    }
}

PackArchive::~PackArchive()
{
    removeTempFiles();
}

const PackMember* PackArchive::member(int i) const
{
    return i >= 0 && i < memberCount() ? &members_[static_cast<std::size_t>(i)] : nullptr;
}

std::FILE* PackArchive::acquire(FilePtr& local)
{
    if (heldOpen_)
        return handle_.get();
    local = openForReading(path_);
    return local.get();
}

int PackArchive::findMember(std::string_view name) const
{
    for (int i = 0; i < memberCount(); ++i)
        if (sameMemberName(members_[static_cast<std::size_t>(i)].name, name))
            return i;
    return -1;
}

std::optional<std::string> PackArchive::extractByName(std::string_view name, bool uniqueTempName)
{
    const int index = findMember(name);
    if (index < 0)
        return std::nullopt;
    return extractByIndex(index, uniqueTempName);
}

std::optional<std::string> PackArchive::extractByIndex(int index, bool uniqueTempName)
{
    if (index < 0 || index >= memberCount())
        return std::nullopt;
    PackMember& m = members_[static_cast<std::size_t>(index)];
    if (m.extracted) {
        if (regularFileExists(m.tempPath))
            return m.tempPath;
        // The copy was deleted behind our back: make a new one.
        m.extracted = false;
        m.tempPath.clear();
    }

    FilePtr local(nullptr, &std::fclose);
    std::FILE* source = acquire(local);
    if (!source)
        return std::nullopt;

    std::string copyPath;
    int fd = -1;
    if (uniqueTempName) {
        fd = createTemporaryFile(copyPath);
    } else if (isSafeMemberName(m.name)) {
        copyPath = tempDir_ + m.name;
        fd = openNamedCopy(copyPath);
    }
    if (fd < 0) {
        handle_.reset();
        heldOpen_ = false;
        return std::nullopt;
    }

    const std::uint64_t present = bytesPresent(m.offset, m.size, sizeOfOpenFile(source));
    const RangeCopyResult r = copyFileRange(source, m.offset, present, [fd](const std::uint8_t* b, std::size_t n) {
        return writeFully(fd, b, n);
    });
    const bool closed = ::close(fd) == 0;
    if (r.sinkFailed || !closed) {
        ::unlink(copyPath.c_str());
        return std::nullopt;
    }
    m.extracted = true;
    m.tempPath = std::move(copyPath);
    return m.tempPath;
}

int PackArchive::extractAll(bool uniqueTempName)
{
    // One open for the whole run instead of one per member.
    const bool opened = !heldOpen_;
    if (opened) {
        heldOpen_ = true;
        handle_ = openForReading(path_);
    }
    for (int i = 0; i < memberCount(); ++i)
        extractByIndex(i, uniqueTempName);
    if (opened) {
        handle_.reset();
        heldOpen_ = false;
    }
    return memberCount();
}

void PackArchive::removeTempFile(int index)
{
    if (index < 0 || index >= memberCount())
        return;
    PackMember& m = members_[static_cast<std::size_t>(index)];
    if (!m.extracted)
        return;
    ::unlink(m.tempPath.c_str());
    if (!opensForReading(m.tempPath)) {
        m.extracted = false;
        m.tempPath.clear();
    }
}

void PackArchive::removeTempFileByName(std::string_view name)
{
    const int index = findMember(name);
    if (index >= 0)
        removeTempFile(index);
}

void PackArchive::removeTempFiles()
{
    for (int i = 0; i < memberCount(); ++i)
        removeTempFile(i);
}

bool PackArchive::readMember(int index, std::vector<std::uint8_t>& out)
{
    out.clear();
    const PackMember* m = member(index);
    if (!m)
        return false;
    FilePtr local(nullptr, &std::fclose);
    std::FILE* source = acquire(local);
    if (!source)
        return false;
    const std::uint64_t present = bytesPresent(m->offset, m->size, sizeOfOpenFile(source));
    out.reserve(static_cast<std::size_t>(present));
    copyFileRange(source, m->offset, present, [&out](const std::uint8_t* b, std::size_t n) {
        out.insert(out.end(), b, b + n);
        return true;
    });
    return true;
}

PackArchive::MemberView PackArchive::viewMember(int index)
{
    const PackMember* m = member(index);
    if (!m)
        return {};
    if (!mapping_) {
        FilePtr local(nullptr, &std::fclose);
        std::FILE* source = acquire(local);
        auto file = std::make_shared<MappedFile>();
        if (!source || !file->mapDescriptor(::fileno(source)))
            return {};
        mapping_ = std::move(file);
    }
    const std::uint64_t present = bytesPresent(m->offset, m->size, mapping_->size());
    return {mapping_, mapping_->data() + (present ? m->offset : 0), static_cast<std::size_t>(present)};
}

bool PackArchive::matchesFile(std::FILE* f) const
{
    const Directory now = readDirectory(f);
    if (now.dataSize != dataSize_ || now.members.size() != members_.size())
        return false;
    for (std::size_t i = 0; i < members_.size(); ++i) {
        const PackMember& a = members_[i];
        const PackMember& b = now.members[i];
        if (a.name != b.name || a.offset != b.offset || a.size != b.size)
            return false;
    }
    return true;
}

bool PackArchive::rewrite(const std::vector<Planned>& plan)
{
    std::vector<PackSource> sources;
    for (const Planned& p : plan) {
        if (p.size > 0xFFFFFFFFu)
            return false;
        sources.push_back({p.name, p.file, p.offset, static_cast<std::uint32_t>(p.size)});
    }
    // Names the old directory already holds twice stay as they are (lookups find the first).
    if (!writePackArchiveFrom(path_, sources, false))
        return false;

    // Take the new directory from the file just written, keeping the copies of members that stayed.
    FilePtr fresh = openForReading(path_);
    Directory dir = fresh ? readDirectory(fresh.get()) : Directory{};
    std::vector<bool> carried(members_.size(), false);
    for (std::size_t j = 0; j < plan.size() && j < dir.members.size(); ++j) {
        const int old = plan[j].oldIndex;
        if (old < 0 || dir.members[j].name != plan[j].name)
            continue;
        PackMember& from = members_[static_cast<std::size_t>(old)];
        dir.members[j].extracted = from.extracted;
        dir.members[j].tempPath = std::move(from.tempPath);
        carried[static_cast<std::size_t>(old)] = true;
    }
    for (std::size_t i = 0; i < members_.size(); ++i)
        if (!carried[i] && members_[i].extracted)
            ::unlink(members_[i].tempPath.c_str());

    members_ = std::move(dir.members);
    dataSize_ = dir.dataSize;
    wellFormed_ = dir.wellFormed;
    mapping_.reset(); // views made before keep the old file
    if (heldOpen_)
        handle_ = std::move(fresh);
    return true;
}

int PackArchive::addFile(const std::string& filePath)
{
    return addFiles({filePath});
}

int PackArchive::addFiles(const std::vector<std::string>& filePaths)
{
    if (filePaths.empty() || members_.size() + filePaths.size() > static_cast<std::size_t>(kMaxMembers))
        return -1;

    FilePtr current = openForReading(path_);
    if (current) {
        // Refuse to work from a directory that no longer matches the file.
        if (!matchesFile(current.get()))
            return -1;
    } else {
        // Only a missing archive may be created; an unreadable one is left alone.
        struct stat st {};
        if (!members_.empty() || ::lstat(path_.c_str(), &st) == 0 || errno != ENOENT)
            return -1;
    }

    std::vector<Planned> plan;
    const std::uint64_t archiveSize = current ? sizeOfOpenFile(current.get()) : 0;
    for (int i = 0; i < memberCount(); ++i) {
        const PackMember& m = members_[static_cast<std::size_t>(i)];
        plan.push_back({m.name, i, current.get(), m.offset, bytesPresent(m.offset, m.size, archiveSize)});
    }

    std::vector<FilePtr> newFiles;
    std::set<std::string> newNames;
    for (const std::string& filePath : filePaths) {
        const std::string name(memberNameOfPath(filePath));
        if (!isSafeMemberName(name) || findMember(name) >= 0 || !newNames.insert(upperCaseName(name)).second)
            return -1;
        newFiles.push_back(openForReading(filePath));
        std::FILE* f = newFiles.back().get();
        if (!f)
            return -1;
        plan.push_back({name, -1, f, 0, sizeOfOpenFile(f)});
    }

    const int firstNew = memberCount();
    if (!rewrite(plan))
        return -1;
    return firstNew < memberCount() ? firstNew : -1;
}

bool PackArchive::removeMembers(const std::vector<int>& indices)
{
    std::set<int> doomed;
    for (int index : indices) {
        if (index < 0 || index >= memberCount())
            return false;
        doomed.insert(index);
    }
    if (doomed.empty())
        return false;

    FilePtr current = openForReading(path_);
    if (!current || !matchesFile(current.get()))
        return false;
    const std::uint64_t archiveSize = sizeOfOpenFile(current.get());
    std::vector<Planned> plan;
    for (int i = 0; i < memberCount(); ++i) {
        if (doomed.count(i))
            continue;
        const PackMember& m = members_[static_cast<std::size_t>(i)];
        plan.push_back({m.name, i, current.get(), m.offset, bytesPresent(m.offset, m.size, archiveSize)});
    }
    return rewrite(plan);
}

int PackArchive::removeMember(int index)
{
    if (index >= 0 && index < memberCount())
        removeMembers({index});
    return memberCount();
}

int PackArchive::removeMemberByName(std::string_view name)
{
    return removeMember(findMember(name));
}

} // namespace burrowix
