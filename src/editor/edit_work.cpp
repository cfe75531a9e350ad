#include "editor/edit_work.hpp"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/atomic_file.hpp"
#include "common/set_aside.hpp"
#include "editor/edit_files.hpp"
#include "platform/system/regular_file.hpp"
#include "records/own_levels.hpp"

namespace burrowix {

namespace {

constexpr std::string_view kFirstLine = "; burrowix editor work 1";
constexpr std::string_view kOwnWord = "; own ";
constexpr std::string_view kViewWord = "; view ";
// A 200 x 200 level's source is about 41 KB; far more is no work the editor wrote.
constexpr std::uint64_t kLargestFile = 1 << 20;

bool isCellSize(std::int32_t size)
{
    return size == 40 || size == 20 || size == 10;
}

// The numbers of `text` separated by single spaces, exactly `count` of them, each as written:
// digits only, no sign, no leading zero.
std::optional<std::vector<std::int32_t>> numbers(std::string_view text, std::size_t count)
{
    std::vector<std::int32_t> out;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    while (out.size() < count) {
        if (out.size() > 0) {
            if (p == end || *p != ' ')
                return std::nullopt;
            ++p;
        }
        std::int32_t v = 0;
        const auto r = std::from_chars(p, end, v);
        if (r.ec != std::errc() || *p == '-' || (r.ptr - p > 1 && *p == '0'))
            return std::nullopt;
        out.push_back(v);
        p = r.ptr;
    }
    if (p != end)
        return std::nullopt;
    return out;
}

// Line `n` (0-based) of `text` without its line break; nullopt when the text has fewer lines.
std::optional<std::string_view> line(std::string_view text, int n, std::size_t& next)
{
    std::size_t pos = 0;
    for (int i = 0;; ++i) {
        const std::size_t eol = text.find('\n', pos);
        if (eol == std::string_view::npos)
            return std::nullopt;
        if (i == n) {
            next = eol + 1;
            return text.substr(pos, eol - pos);
        }
        pos = eol + 1;
    }
}

std::optional<EditWorkPlace> parsePlace(std::string_view text, std::string& reason)
{
    std::size_t next = 0;
    const auto first = line(text, 0, next), own = line(text, 1, next), view = line(text, 2, next);
    if (!first || *first != kFirstLine) {
        reason = "it does not start with \"" + std::string(kFirstLine) + "\"";
        return std::nullopt;
    }
    EditWorkPlace place;
    if (!own || !own->starts_with(kOwnWord)) {
        reason = "the second line is not \"; own\" and a level number or \"none\"";
        return std::nullopt;
    }
    if (const std::string_view n = own->substr(kOwnWord.size()); n != "none") {
        const auto v = numbers(n, 1);
        if (!v || (*v)[0] < 1 || std::size_t((*v)[0]) > OwnLevelPack::kMaxLevels) {
            reason = "the own level's number is not 1.." + std::to_string(OwnLevelPack::kMaxLevels);
            return std::nullopt;
        }
        place.ownLevel = std::size_t((*v)[0] - 1);
    }
    const auto v = view && view->starts_with(kViewWord) ? numbers(view->substr(kViewWord.size()), 3) : std::nullopt;
    if (!v) {
        reason = "the third line is not \"; view\" and three numbers";
        return std::nullopt;
    }
    place.view = {(*v)[0], (*v)[1], (*v)[2]};
    if (!isCellSize(place.view.cellSize)) {
        reason = "the view's cell size " + std::to_string(place.view.cellSize) + " is not 40, 20 or 10";
        return std::nullopt;
    }
    return place;
}

} // namespace

std::string encodeEditWork(const EditLevel& level, const EditWorkPlace& place)
{
    std::string out(kFirstLine);
    out += '\n';
    out += kOwnWord;
    out += place.ownLevel ? std::to_string(*place.ownLevel + 1) : "none";
    out += '\n';
    out += kViewWord;
    out += std::to_string(place.view.cellSize) + " " + std::to_string(place.view.left) + " " +
           std::to_string(place.view.top) + "\n";
    out += editLevelSource(level);
    return out;
}

std::optional<EditWork> parseEditWork(std::string_view text, std::string& reason)
{
    std::optional<EditWorkPlace> place = parsePlace(text, reason);
    if (!place)
        return std::nullopt;
    // The three lines are comments to the level source's reader.
    std::optional<EditLevel> level = editLevelFromSource(text, reason);
    if (!level) {
        reason = "its level does not read: " + reason;
        return std::nullopt;
    }
    // A view past the level (one made smaller elsewhere) shows its last cells.
    place->view.left = std::min(place->view.left, level->width - 1);
    place->view.top = std::min(place->view.top, level->height - 1);
    return EditWork{std::move(*level), *place};
}

namespace {

enum class Found { Missing, Read, Damaged };

Found readWork(const std::string& path, EditWork& work, std::string& reason)
{
    std::uint64_t size = 0;
    FilePtr f = openRegularFile(path, &size);
    if (!f) {
        const int why = errno;
        if (const std::string kind = nonRegularKind(path); !kind.empty()) {
            reason = "it is not a regular file but " + kind;
            return Found::Damaged;
        }
        // Nothing there, also when a folder on the way is missing or a file.
        if (why == ENOENT || why == ENOTDIR)
            return Found::Missing;
        reason = std::strerror(why);
        return Found::Damaged;
    }
    if (size > kLargestFile) {
        reason = "it is larger than any level";
        return Found::Damaged;
    }
    std::string text(std::size_t(size), '\0');
    if (std::fread(text.data(), 1, text.size(), f.get()) != text.size()) {
        reason = "it cannot be read whole";
        return Found::Damaged;
    }
    std::optional<EditWork> parsed = parseEditWork(text, reason);
    if (!parsed)
        return Found::Damaged;
    work = std::move(*parsed);
    return Found::Read;
}

} // namespace

void EditWorkKeeper::report(const std::string& why)
{
    problem_ = why;
    if (why == reported_)
        return;
    reported_ = why;
    std::fprintf(stderr, "burrowix: %s\n", why.c_str());
}

EditWorkPlace EditWorkKeeper::open(LevelEditor& editor, std::string& message)
{
    message.clear();
    stuck_.clear();
    changeSeen_.reset();
    EditWork work;
    std::string reason;
    switch (readWork(path_, work, reason)) {
    case Found::Read:
        editor.load(std::move(work.level));
        break;
    case Found::Missing:
        work = {};
        editor.load(blankLevel(kMinEditWidth, kMinEditHeight));
        break;
    case Found::Damaged: {
        std::string why;
        const std::string aside = setFileAside(path_, why);
        if (!aside.empty()) {
            message = path_ + " is damaged (" + reason + "); it is kept as " + aside + " and a new level is started";
        } else {
            message = path_ + " is damaged (" + reason + ") and cannot be set aside (" + why +
                      "); a new level is started and the file is not written over";
            stuck_ = path_ + " is damaged and cannot be set aside; it is not written over";
        }
        std::fprintf(stderr, "burrowix: %s\n", message.c_str());
        work = {};
        editor.load(blankLevel(kMinEditWidth, kMinEditHeight));
        break;
    }
    }
    keptRevision_ = editor.revision();
    keptPlace_ = work.place;
    return work.place;
}

bool EditWorkKeeper::write(const LevelEditor& editor, const EditWorkPlace& place, std::string& error)
{
    changeSeen_.reset();
    if (!stuck_.empty()) {
        error = stuck_;
        report(error);
        return false;
    }
    const std::string text = encodeEditWork(editor.level(), place);
    if (!writeFileAtomically(path_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()))) {
        error = "cannot keep the level being edited in " + path_ + ": " + std::strerror(errno);
        report(error);
        return false;
    }
    keptRevision_ = editor.revision();
    keptPlace_ = place;
    problem_.clear();
    reported_.clear();
    return true;
}

bool EditWorkKeeper::keep(const LevelEditor& editor, const EditWorkPlace& place, std::string& error)
{
    error.clear();
    if (editor.revision() == keptRevision_ && place == keptPlace_)
        return true;
    return write(editor, place, error);
}

bool EditWorkKeeper::keepFromTimeToTime(const LevelEditor& editor, const EditWorkPlace& place, Ticks now)
{
    if (editor.revision() == keptRevision_)
        return false;
    if (!changeSeen_) {
        changeSeen_ = now;
        return false;
    }
    if (!elapsedMoreThan(now, *changeSeen_, kEditWorkInterval - 1))
        return false;
    std::string error;
    return write(editor, place, error);
}

} // namespace burrowix
