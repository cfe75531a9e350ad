#include "pak_cli.hpp"

#include "common/atomic_file.hpp"
#include "platform/archive/member_names.hpp"
#include "platform/archive/pack_archive.hpp"
#include "platform/archive/pack_writer.hpp"
#include "platform/system/regular_file.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iomanip>
#include <memory>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {

std::string printableName(const std::string& name)
{
    static const char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 32 && c < 127 && c != '\\') {
            out += ch;
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

namespace {

// "cannot write PATH: reason", with the reason the system gave for the last failure.
std::string cannotWrite(const std::string& path)
{
    return "cannot write " + path + (errno ? std::string(": ") + std::strerror(errno) : std::string());
}

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

const char* const kUsage =
    "usage: burrowix-pak COMMAND ARCHIVE [ARGUMENTS]\n"
    "  list ARCHIVE                    one line per member: index, size, offset, name\n"
    "  extract ARCHIVE NAME [-o FILE]  write a member to FILE, or to standard output\n"
    "  add ARCHIVE FILE...             append files (creates the archive when missing)\n"
    "  remove ARCHIVE NAME...          remove members\n"
    "  create ARCHIVE FILE...          write a new archive holding exactly these files\n"
    "Member names are the files' names without their folders; lookups ignore case.\n";


class Tool {
public:
    Tool(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    int run(const std::vector<std::string>& args);

private:
    int fail(const std::string& message)
    {
        err_ << "burrowix-pak: " << message << '\n';
        return kFailed;
    }
    int badUsage(const std::string& message)
    {
        err_ << "burrowix-pak: " << message << '\n' << kUsage;
        return kBadUsage;
    }

    // Checks that `path` names an archive that may be read (and, with `forWriting`, rewritten);
    // an error message or "".
    std::string checkArchive(const std::string& path, bool mayBeMissing, bool forWriting);
    // Checks the files to be stored and gives their member names and total size; an error message
    // or "".
    std::string checkSources(const std::vector<std::string>& files, std::vector<std::string>& names,
                             std::uint64_t& totalSize);

    int list(const std::string& archive);
    int extract(const std::string& archive, const std::string& name, const std::string* outFile);
    int add(const std::string& archive, const std::vector<std::string>& files);
    int remove(const std::string& archive, const std::vector<std::string>& names);
    int create(const std::string& archive, const std::vector<std::string>& files);

    std::ostream& out_;
    std::ostream& err_;
};

bool isRegularFile(const std::string& path, bool& exists, std::uint64_t* size = nullptr)
{
    struct stat st {};
    exists = ::stat(path.c_str(), &st) == 0;
    if (size && exists)
        *size = static_cast<std::uint64_t>(st.st_size);
    return exists && S_ISREG(st.st_mode);
}

const char* const kOnlyEmpty = "an archive whose members are all empty reads back as empty; store some bytes";


std::string Tool::checkArchive(const std::string& path, bool mayBeMissing, bool forWriting)
{
    bool exists = false;
    if (!isRegularFile(path, exists)) {
        if (exists)
            return path + " is not a regular file";
        return mayBeMissing ? "" : "cannot open " + path + ": no such file";
    }
    if (::access(path.c_str(), R_OK) != 0)
        return "cannot read " + path;
    if (forWriting && !PackArchive(path).isWellFormed())
        return path + " is not a valid pack archive; leaving it unchanged";
    return "";
}

std::string Tool::checkSources(const std::vector<std::string>& files, std::vector<std::string>& names,
                               std::uint64_t& totalSize)
{
    std::set<std::string> seen;
    totalSize = 0;
    for (const std::string& file : files) {
        const std::string name(memberNameOfPath(file));
        if (!isSafeMemberName(name))
            return file + ": no usable member name (it must be a file name, not a folder)";
        bool exists = false;
        std::uint64_t size = 0;
        if (!isRegularFile(file, exists, &size))
            return exists ? file + " is not a regular file" : "cannot open " + file + ": no such file";
        if (size > 0xFFFFFFFFu)
            return file + " is too large for a pack archive";
        totalSize += size;
        if (::access(file.c_str(), R_OK) != 0)
            return "cannot read " + file;
        if (!seen.insert(upperCaseName(name)).second)
            return "member name " + name + " is given twice";
        names.push_back(name);
    }
    return "";
}

int Tool::list(const std::string& archive)
{
    if (const std::string problem = checkArchive(archive, false, false); !problem.empty())
        return fail(problem);
    PackArchive pak(archive);
    for (int i = 0; i < pak.memberCount(); ++i) {
        const PackMember* m = pak.member(i);
        out_ << std::setw(5) << i << ' ' << std::setw(10) << m->size << ' ' << std::setw(10) << m->offset << ' '
             << printableName(m->name) << '\n';
    }
    if (!pak.isWellFormed())
        return fail(archive + " is damaged; only the entries that could be read are listed");
    return kOk;
}

int Tool::extract(const std::string& archive, const std::string& name, const std::string* outFile)
{
    if (const std::string problem = checkArchive(archive, false, false); !problem.empty())
        return fail(problem);
    PackArchive pak(archive);
    const int index = pak.findMember(name);
    if (index < 0)
        return fail(name + " is not in " + archive);
    std::vector<std::uint8_t> bytes;
    if (!pak.readMember(index, bytes))
        return fail("cannot read " + archive);
    if (bytes.size() != pak.member(index)->size)
        return fail(name + " is cut short in " + archive + " (" + std::to_string(bytes.size()) + " of " +
                    std::to_string(pak.member(index)->size) + " bytes present)");
    // "-o -" means standard output, as leaving the option out does.
    if (outFile && *outFile != "-") {
        errno = 0;
        if (!writeFileAtomically(*outFile, bytes))
            return fail(cannotWrite(*outFile));
        return kOk;
    }
    out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out_.flush();
    return out_ ? kOk : fail("cannot write to standard output");
}

int Tool::add(const std::string& archive, const std::vector<std::string>& files)
{
    if (const std::string problem = checkArchive(archive, true, true); !problem.empty())
        return fail(problem);
    std::vector<std::string> names;
    std::uint64_t newBytes = 0;
    if (const std::string problem = checkSources(files, names, newBytes); !problem.empty())
        return fail(problem);
    PackArchive pak(archive);
    for (const std::string& name : names)
        if (pak.findMember(name) >= 0)
            return fail(name + " is already in " + archive);
    if (pak.memberCount() + static_cast<int>(files.size()) > PackArchive::kMaxMembers)
        return fail("an archive holds at most " + std::to_string(PackArchive::kMaxMembers) + " members");
    if (pak.dataSize() == 0 && newBytes == 0)
        return fail(kOnlyEmpty);
    errno = 0;
    if (pak.addFiles(files) < 0)
        return fail(cannotWrite(archive));
    return kOk;
}

int Tool::remove(const std::string& archive, const std::vector<std::string>& names)
{
    if (const std::string problem = checkArchive(archive, false, true); !problem.empty())
        return fail(problem);
    PackArchive pak(archive);
    std::set<int> doomed;
    for (const std::string& name : names) {
        const int index = pak.findMember(name);
        if (index < 0)
            return fail(name + " is not in " + archive);
        doomed.insert(index);
    }
    std::uint64_t keptBytes = 0;
    for (int i = 0; i < pak.memberCount(); ++i)
        if (!doomed.count(i))
            keptBytes += pak.member(i)->size;
    if (keptBytes == 0 && doomed.size() < static_cast<std::size_t>(pak.memberCount()))
        return fail(kOnlyEmpty);
    errno = 0;
    if (!pak.removeMembers(std::vector<int>(doomed.begin(), doomed.end())))
        return fail(cannotWrite(archive));
    return kOk;
}

int Tool::create(const std::string& archive, const std::vector<std::string>& files)
{
    bool exists = false;
    if (!isRegularFile(archive, exists) && exists)
        return fail(archive + " is not a regular file");
    std::vector<std::string> names;
    std::uint64_t total = 0;
    if (const std::string problem = checkSources(files, names, total); !problem.empty())
        return fail(problem);
    if (!files.empty() && total == 0)
        return fail(kOnlyEmpty);

    std::vector<FilePtr> open;
    std::vector<PackSource> sources;
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::uint64_t size = 0;
        open.push_back(openRegularFile(files[i], &size));
        if (!open.back())
            return fail("cannot read " + files[i]);
        if (size > 0xFFFFFFFFu)
            return fail(files[i] + " is too large for a pack archive");
        sources.push_back({names[i], open.back().get(), 0, static_cast<std::uint32_t>(size)});
    }
    errno = 0;
    if (!writePackArchiveFrom(archive, sources))
        return fail(cannotWrite(archive));
    return kOk;
}

int Tool::run(const std::vector<std::string>& args)
{
    if (args.empty())
        return badUsage("no command given");
    const std::string& command = args[0];
    if (command == "-h" || command == "--help" || command == "help") {
        out_ << kUsage;
        return kOk;
    }
    for (const std::string& a : args)
        if (a == "-h" || a == "--help") {
            out_ << kUsage;
            return kOk;
        }
    static const std::set<std::string> kCommands = {"list", "extract", "add", "remove", "create"};
    if (!kCommands.count(command))
        return badUsage("unknown command " + command);
    if (args.size() < 2)
        return badUsage(command + ": no archive given");
    const std::string& archive = args[1];
    const std::vector<std::string> rest(args.begin() + 2, args.end());

    if (command == "list") {
        if (!rest.empty())
            return badUsage("list takes only the archive");
        return list(archive);
    }
    if (command == "extract") {
        if (rest.size() == 1)
            return extract(archive, rest[0], nullptr);
        if (rest.size() == 3 && rest[1] == "-o")
            return extract(archive, rest[0], &rest[2]);
        return badUsage("extract takes the archive, one member name and optionally -o FILE");
    }
    if (command == "add" || command == "remove") {
        if (rest.empty())
            return badUsage(command + ": nothing to " + command);
        return command == "add" ? add(archive, rest) : remove(archive, rest);
    }
    return create(archive, rest);
}

} // namespace

int runPakTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    return Tool(out, err).run(args);
}

} // namespace burrowix
