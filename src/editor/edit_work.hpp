#pragma once
// The editor's work in progress, "editor.wip" in the player folder beside the saves: the level being
// edited, the own level it came from (or none) and where the view stood. It is kept when the editor
// is left, when the program closes and every so often while the level changes, and read back when
// the editor opens, so nothing made is lost before it is saved; it never touches the own levels.
//
// The file is a level source (`burrowix-level compile` takes it as it is) whose first three lines
// are comments that only this reader looks at:
//   ; burrowix editor work 1
//   ; own N          (N: the own level's 1-based number) or  ; own none
//   ; view C X Y     (C: the cell size 40, 20 or 10; X Y: the top-left cell shown)
// A file that does not read so is damaged: reported with its reason, set aside as editor.wip.bad
// (.bad2, ... when that is taken) and never written over; the editor then starts a new level.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/edit_level.hpp"
#include "editor/level_editor.hpp"
#include "platform/system/clock.hpp"

namespace burrowix {

// Where the editor's view stands: the cell size it shows the level at and its top-left cell.
struct EditView {
    std::int32_t cellSize = 40;
    std::int32_t left = 0, top = 0;

    bool operator==(const EditView&) const = default;
};

// What the work holds beside the level.
struct EditWorkPlace {
    std::optional<std::size_t> ownLevel; ///< 0-based in the own levels; none for a level never saved there
    EditView view;

    bool operator==(const EditWorkPlace&) const = default;
};

struct EditWork {
    EditLevel level;
    EditWorkPlace place;

    bool operator==(const EditWork&) const = default;
};

std::string encodeEditWork(const EditLevel& level, const EditWorkPlace& place);
// The work in a file's text, or nullopt with the reason ("the second line is not ...").
std::optional<EditWork> parseEditWork(std::string_view text, std::string& reason);

inline constexpr const char* kEditWorkFileName = "editor.wip";
// How long a change waits at most before it is kept while editing goes on.
inline constexpr std::int32_t kEditWorkInterval = 20000;

// Reads and keeps the work for one editor. Failures go to standard error (each reason once in a
// row) and stay in problem() for the screen to show.
class EditWorkKeeper {
public:
    EditWorkKeeper() : path_(kEditWorkFileName) {}
    explicit EditWorkKeeper(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    // When the editor opens: the kept work is loaded into `editor` and its place returned. Without
    // a file, or with a damaged one (set aside), `editor` gets a new level. `message` is what the
    // screen should show: "" or what was wrong with the file and where it went.
    EditWorkPlace open(LevelEditor& editor, std::string& message);

    // When the editor is left and when the program closes: the work is written when the level or
    // its place changed since it was read or last kept. False with the reason (the old file kept).
    bool keep(const LevelEditor& editor, const EditWorkPlace& place, std::string& error);

    // Every frame while editing: once the level has changed, it is kept kEditWorkInterval later
    // (the place with it). True when it was written now.
    bool keepFromTimeToTime(const LevelEditor& editor, const EditWorkPlace& place, Ticks now);

    // Why the work could not be kept the last time it was tried; "" after it was.
    const std::string& problem() const { return problem_; }

private:
    bool write(const LevelEditor& editor, const EditWorkPlace& place, std::string& error);
    void report(const std::string& why);

    std::string path_;
    std::uint64_t keptRevision_ = 0;
    EditWorkPlace keptPlace_;
    // Set while a damaged file that could not be set aside still lies at the path.
    std::string stuck_;
    std::string problem_;
    std::string reported_;
    std::optional<Ticks> changeSeen_;
};

} // namespace burrowix
