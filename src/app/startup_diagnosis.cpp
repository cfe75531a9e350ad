#include "app/startup_diagnosis.hpp"

#include "app/pack_catalogue.hpp"
#include "platform/archive/file_range_copy.hpp"
#include "platform/image/load_image.hpp"
#include "platform/system/temp_files.hpp"
#include "state/picture_tables.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace burrowix {

namespace {

std::string absoluteFolder(const std::string& folder)
{
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(folder.empty() ? "." : folder, ec);
    if (ec)
        return folder;
    std::string normal = full.lexically_normal().string();
    if (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Why `member` cannot be had from the archive at `packPath`; "" when nothing is found wrong there.
std::string describePackMember(const std::string& packPath, const std::string& member)
{
    struct stat st {};
    if (::stat(packPath.c_str(), &st) != 0)
        return "pack " + packPath + ": " + std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return "pack " + packPath + " is not a regular file";
    if (::access(packPath.c_str(), R_OK) != 0)
        return "pack " + packPath + ": " + std::strerror(errno);

    PackArchive archive(packPath);
    if (archive.memberCount() == 0)
        return "pack " + packPath + " holds no members: it is empty, cut short or not a pack archive (" +
               std::to_string(st.st_size) + " bytes)";
    const int index = archive.findMember(member);
    if (index < 0)
        return "pack " + packPath + " has no member " + quoted(member) +
               (archive.isWellFormed() ? "" : " (the archive is damaged or cut short)");
    const PackMember* m = archive.member(index);
    const std::uint64_t present = bytesPresent(m->offset, m->size, static_cast<std::uint64_t>(st.st_size));
    if (present < m->size)
        return "member " + quoted(member) + " of pack " + packPath + " is cut short (" + std::to_string(present) +
               " of " + std::to_string(m->size) + " bytes)";

    // The member is copied whole, as loading does: a full disk still lets an empty file be made.
    errno = 0;
    if (!archive.extractByIndex(index, true)) {
        const int why = errno;
        return "cannot copy " + quoted(member) + " out of pack " + packPath + " into the temporary folder " +
               temporaryFolder() + ": " + (why == ENOSPC ? "it has no space left" : why ? std::strerror(why) : "unknown error");
    }
    return "";
}

} // namespace

std::string describeMissingPacks(const std::string& folder)
{
    const std::string where = absoluteFolder(folder);
    if (DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str())) {
        ::closedir(dir);
        return "no pack archives (*.pak) in the folder " + where;
    }
    return "cannot read the folder " + where + " for pack archives: " + std::strerror(errno);
}

std::string describeMissingPicture(const PackCatalogue& catalogue, const std::string& picture)
{
    const bool fromLevelPack = picture == kInterfaceImageNames[kPackImage];
    const std::string folder = absoluteFolder(catalogue.folder);
    if (fromLevelPack && catalogue.levelPackCount == 0)
        return "picture " + quoted(picture) + ": no level pack among the pack archives in the folder " + folder;
    const PackInfo* levelPack = catalogue.selectedLevelPackInfo();
    const std::string packName = fromLevelPack && levelPack ? levelPack->fileName : catalogue.standardPackName;
    const std::string packPath = (std::filesystem::path(folder) / packName).string();
    std::string why = describePackMember(packPath, picture);
    if (why.empty()) {
        std::string error;
        if (!loadImage(picture, &error))
            why = "picture " + quoted(picture) + " in pack " + packPath + " does not decode: " + error;
        else
            why = "picture " + quoted(picture) + " in pack " + packPath + " could not be made a surface";
    }
    return why;
}

void reportStartupFailure(const std::string& why)
{
    std::fprintf(stderr, "burrowix: cannot start: %s\n", why.c_str());
}

} // namespace burrowix
