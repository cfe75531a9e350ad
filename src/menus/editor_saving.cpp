#include "menus/editor_saving.hpp"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "app/own_level_pack.hpp"
#include "editor/edit_files.hpp"
#include "menus/editor_state.hpp"
#include "menus/editor_view.hpp"

namespace burrowix {

namespace {

constexpr const char* kExportFolder = "levels";

void startOver(EditorScreenState& s, EditLevel level, int ownIndex)
{
    s.editor.load(std::move(level));
    s.savedRevision = s.editor.revision();
    s.ownIndex = ownIndex;
    s.shaping = false;
    s.hoverX = s.hoverY = -1;
    s.scrollX = s.scrollY = 0;
    clampEditorScroll(s);
}

} // namespace

std::string exportFileStem(const std::string& title)
{
    std::string stem;
    bool gap = false;
    for (unsigned char ch : title) {
        if (std::isalnum(ch) && ch < 0x80) {
            if (gap && !stem.empty())
                stem += '-';
            stem += char(std::tolower(ch));
            gap = false;
        } else {
            gap = true;
        }
        if (stem.size() >= 40)
            break;
    }
    return stem.empty() ? "level" : stem;
}

bool saveEditedLevel(EditorScreenState& s)
{
    const std::size_t count = ownLevelPack.load();
    const std::size_t index = s.ownIndex >= 0 && std::size_t(s.ownIndex) < count ? std::size_t(s.ownIndex) : count;
    std::string error;
    if (!ownLevelPack.store(s.editor.level(), index, error)) {
        s.message = "not saved: " + error;
        return false;
    }
    s.ownIndex = int(index);
    s.savedRevision = s.editor.revision();
    s.message = "saved as own level " + std::to_string(index + 1);
    return true;
}

bool exportEditedLevel(EditorScreenState& s)
{
    std::error_code ec;
    std::filesystem::create_directories(kExportFolder, ec);
    const std::filesystem::path path =
        std::filesystem::path(kExportFolder) / (exportFileStem(s.editor.level().props.title) + ".txt");
    std::string error;
    if (ec || !writeEditLevelSource(path.string(), s.editor.level(), error)) {
        s.message = "not exported: " + (ec ? ec.message() : error);
        return false;
    }
    s.message = "exported to " + std::filesystem::absolute(path, ec).string();
    return true;
}

bool openNextOwnLevel(EditorScreenState& s)
{
    const std::size_t count = ownLevelPack.load();
    if (count == 0) {
        s.message = "no own levels yet";
        return false;
    }
    const std::size_t index = s.ownIndex >= 0 ? (std::size_t(s.ownIndex) + 1) % count : 0;
    const OwnLevel& own = ownLevelPack.levels[index];
    std::string error;
    std::optional<EditLevel> level = fromLevelFile(own.file, own.notes, error);
    if (!level) {
        s.message = "own level " + std::to_string(index + 1) + " does not open: " + error;
        return false;
    }
    startOver(s, std::move(*level), int(index));
    s.message = "opened own level " + std::to_string(index + 1);
    return true;
}

bool unsavedChanges(const EditorScreenState& s)
{
    return s.editor.revision() != s.savedRevision;
}

void newBlankLevel(EditorScreenState& s)
{
    startOver(s, blankLevel(s.newWidth, s.newHeight), -1);
    s.message = "new level, " + std::to_string(s.newWidth) + " x " + std::to_string(s.newHeight);
}

} // namespace burrowix
