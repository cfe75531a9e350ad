#include "app/own_level_pack.hpp"

#include <cstdio>

#include "editor/edit_files.hpp"

namespace burrowix {

OwnLevelPackState ownLevelPack;

namespace {

// The reason nothing may be written when the damaged file stays where it is, "" when it was moved.
std::string setAsideDamaged(const OwnLevelsFile& file, const std::string& why)
{
    std::string reason;
    const std::string aside = file.setAside(reason);
    if (!aside.empty()) {
        std::fprintf(stderr, "burrowix: %s is damaged (%s); kept as %s, the own levels start empty\n",
                     file.path.c_str(), why.c_str(), aside.c_str());
        return "";
    }
    std::fprintf(stderr, "burrowix: %s is damaged (%s) and cannot be set aside: %s\n", file.path.c_str(),
                 why.c_str(), reason.c_str());
    return file.path + " is damaged and cannot be set aside (" + reason + "); it is not written over";
}

} // namespace

std::size_t OwnLevelPackState::load()
{
    if (read)
        return levels.size();
    read = true;
    levels.clear();
    OwnLevelPack pack;
    std::string reason;
    switch (file.read(pack, reason)) {
    case OwnLevelsFile::Read::Missing:
        return 0;
    case OwnLevelsFile::Read::Damaged:
        stuck = setAsideDamaged(file, reason);
        return 0;
    case OwnLevelsFile::Read::Read:
        break;
    }
    std::vector<OwnLevel> loaded;
    for (std::size_t i = 0; i < pack.sources.size(); ++i) {
        OwnLevel level;
        std::string error;
        const std::optional<LevelFile> parsed = parseLevelSource(pack.sources[i], error, &level.notes);
        if (!parsed) {
            stuck = setAsideDamaged(file, "level " + std::to_string(i + 1) + ", " + error);
            return 0;
        }
        level.file = *parsed;
        level.source = std::move(pack.sources[i]);
        loaded.push_back(std::move(level));
    }
    levels = std::move(loaded);
    return levels.size();
}

bool OwnLevelPackState::write(std::vector<OwnLevel> next, std::string& error)
{
    if (!stuck.empty()) {
        error = stuck;
        return false;
    }
    OwnLevelPack pack;
    for (const OwnLevel& l : next)
        pack.sources.push_back(l.source);
    if (!file.write(pack, error)) {
        error = file.path + ": " + error;
        return false;
    }
    levels = std::move(next);
    return true;
}

bool OwnLevelPackState::store(const EditLevel& level, std::size_t index, std::string& error)
{
    load();
    if (index > levels.size() || (index == levels.size() && levels.size() >= OwnLevelPack::kMaxLevels)) {
        error = "the own levels hold at most " + std::to_string(OwnLevelPack::kMaxLevels) + " levels";
        return false;
    }
    OwnLevel stored{toLevelFile(level), toLevelNotes(level), editLevelSource(level)};
    std::vector<OwnLevel> next = levels;
    if (index == next.size())
        next.push_back(std::move(stored));
    else
        next[index] = std::move(stored);
    return write(std::move(next), error);
}

bool OwnLevelPackState::remove(std::size_t index, std::string& error)
{
    load();
    if (index >= levels.size()) {
        error = "there is no own level " + std::to_string(index + 1);
        return false;
    }
    std::vector<OwnLevel> next = levels;
    next.erase(next.begin() + std::ptrdiff_t(index));
    return write(std::move(next), error);
}

} // namespace burrowix
