#include "world/level_source.hpp"

#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <sstream>

#include "world/cell_kind.hpp"

namespace burrowix {

namespace {

struct Symbol {
    std::int32_t kind;
    std::int32_t param;
};

// The kind and parameter of a map symbol; '@' (Empty with the digger's start on it) and '?' (given by
// a "cell" line) are the map's own marks.
std::optional<Symbol> symbolFor(char ch)
{
    if (ch == ' ')
        return std::nullopt;
    for (const KindTraits& t : kKinds)
        if (const std::size_t p = t.symbols.find(ch); p != std::string_view::npos)
            return Symbol{t.kind, std::int32_t(p)};
    return std::nullopt;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// Splits a header line into words, dropping a ';' comment.
std::vector<std::string_view> words(std::string_view line)
{
    if (const std::size_t c = line.find(';'); c != std::string_view::npos)
        line = line.substr(0, c);
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

bool toInt(std::string_view s, std::int32_t& v)
{
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool hexBytes(std::string_view s, std::vector<std::uint8_t>& out)
{
    if (s.size() % 2)
        return false;
    for (std::size_t i = 0; i < s.size(); i += 2) {
        unsigned v = 0;
        const auto r = std::from_chars(s.data() + i, s.data() + i + 2, v, 16);
        if (r.ec != std::errc() || r.ptr != s.data() + i + 2)
            return false;
        out.push_back(std::uint8_t(v));
    }
    return true;
}

// "title" or "hint" when the line starts with that word, "" otherwise.
std::string_view noteKey(std::string_view line)
{
    for (std::string_view key : {std::string_view("title"), std::string_view("hint")})
        if (line.starts_with(key) && (line.size() == key.size() || line[key.size()] == ' ' || line[key.size()] == '\t'))
            return key;
    return {};
}

// A note as one source line: control characters become spaces, outer blanks go, and it is cut to
// kMaxNoteLength bytes, so the text reads back as written.
std::string oneLine(std::string_view note)
{
    std::string out(trim(note.substr(0, kMaxNoteLength)));
    for (char& ch : out)
        if (std::uint8_t(ch) < 32 || ch == 127)
            ch = ' ';
    return std::string(trim(out));
}

struct Parser {
    std::string& error;
    int lineNo = 0;

    bool fail(const std::string& message)
    {
        error = "line " + std::to_string(lineNo) + ": " + message;
        return false;
    }
};

} // namespace

char levelSymbol(std::int32_t kind, std::int32_t param)
{
    return kindSymbol(kind, param);
}

std::optional<LevelFile> parseLevelSource(std::string_view text, std::string& error, LevelNotes* notes)
{
    Parser p{error};
    LevelFile level;
    LevelNotes noted;
    bool haveTitle = false, haveHint = false, haveTheme = false;
    std::vector<std::string> mapRows;
    std::vector<int> mapLines;
    std::vector<std::vector<std::int32_t>> blockRows;
    struct Given {
        std::int32_t kind, param;
        int line;
    };
    std::map<std::pair<std::int32_t, std::int32_t>, Given> given;
    bool haveGold = false, haveKill = false, haveStart = false, haveMap = false, haveBlocks = false;
    enum class Section { Header, Map, Blocks } section = Section::Header;

    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++p.lineNo;
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        const std::string_view line = trim(raw);
        if (line.empty() || line.front() == ';')
            continue;
        if (section == Section::Map) {
            if (line == "end") {
                section = Section::Header;
                continue;
            }
            mapRows.emplace_back(line);
            mapLines.push_back(p.lineNo);
            continue;
        }
        // A title or hint is the rest of its line, ';' included.
        if (const std::string_view key = noteKey(line); section == Section::Header && !key.empty()) {
            bool& seen = key == "title" ? haveTitle : haveHint;
            if (seen)
                return p.fail("second \"" + std::string(key) + "\" line"), std::nullopt;
            seen = true;
            const std::string_view value = trim(line.substr(key.size()));
            if (value.size() > kMaxNoteLength)
                return p.fail("the " + std::string(key) + " is longer than " + std::to_string(kMaxNoteLength) +
                              " bytes"),
                       std::nullopt;
            for (char ch : value)
                if (std::uint8_t(ch) < 32 || ch == 127)
                    return p.fail("the " + std::string(key) + " holds a control character"), std::nullopt;
            (key == "title" ? noted.title : noted.hint) = std::string(value);
            continue;
        }
        const std::vector<std::string_view> w = words(line);
        if (section == Section::Blocks) {
            if (w.size() == 1 && w[0] == "end") {
                section = Section::Header;
                continue;
            }
            std::vector<std::int32_t> row;
            for (std::string_view s : w) {
                std::int32_t v;
                if (!toInt(s, v))
                    return p.fail("block picture \"" + std::string(s) + "\" is not a number"), std::nullopt;
                row.push_back(v);
            }
            blockRows.push_back(std::move(row));
            continue;
        }
        auto ints = [&](std::size_t count, std::initializer_list<std::int32_t*> out) {
            if (w.size() != count + 1)
                return p.fail("\"" + std::string(w[0]) + "\" takes " + std::to_string(count) + " numbers");
            std::size_t k = 1;
            for (std::int32_t* o : out)
                if (!toInt(w[k++], *o))
                    return p.fail("\"" + std::string(w[k - 1]) + "\" is not a number");
            return true;
        };
        const std::string_view key = w[0];
        if (key == "gold") {
            if (haveGold || !ints(2, {&level.goldGoalOn, &level.goldGoal}))
                return haveGold ? (p.fail("second \"gold\" line"), std::nullopt) : std::nullopt;
            haveGold = true;
        } else if (key == "kill") {
            if (haveKill || !ints(2, {&level.killGoalOn, &level.killGoal}))
                return haveKill ? (p.fail("second \"kill\" line"), std::nullopt) : std::nullopt;
            haveKill = true;
        } else if (key == "reserved") {
            if (!ints(3, {&level.reserved1, &level.reserved2, &level.reserved3}))
                return std::nullopt;
        } else if (key == "start") {
            if (haveStart || !ints(2, {&level.startX, &level.startY}))
                return haveStart ? (p.fail("second \"start\" line"), std::nullopt) : std::nullopt;
            haveStart = true;
        } else if (key == "theme") {
            if (haveTheme || !ints(1, {&noted.theme}))
                return haveTheme ? (p.fail("second \"theme\" line"), std::nullopt) : std::nullopt;
            if (noted.theme < 0 || noted.theme > kMaxThemeNumber)
                return p.fail("theme " + std::to_string(noted.theme) + " is not 0.." + std::to_string(kMaxThemeNumber)),
                       std::nullopt;
            haveTheme = true;
        } else if (key == "cell") {
            std::int32_t x = 0, y = 0, kind = 0, param = 0;
            if (w.size() == 4) {
                if (!ints(3, {&x, &y, &kind}))
                    return std::nullopt;
            } else if (!ints(4, {&x, &y, &kind, &param})) {
                return std::nullopt;
            }
            if (w.size() == 5 && !kindHasParam(kind) && param != 0)
                return p.fail("kind " + std::to_string(kind) + " has no parameter"), std::nullopt;
            if (std::string problem = cellParamProblem(kind, param, x, y); !problem.empty())
                return p.fail(problem), std::nullopt;
            if (!given.emplace(std::make_pair(x, y), Given{kind, param, p.lineNo}).second)
                return p.fail("second \"cell\" line for " + std::to_string(x) + " " + std::to_string(y)),
                       std::nullopt;
        } else if (key == "tail") {
            if (w.size() != 2 || !hexBytes(w[1], level.trailing))
                return p.fail("\"tail\" takes one string of hexadecimal byte values"), std::nullopt;
        } else if (key == "map" && w.size() == 1) {
            if (haveMap)
                return p.fail("second map"), std::nullopt;
            haveMap = true;
            section = Section::Map;
        } else if (key == "blocks" && w.size() == 1) {
            if (haveBlocks)
                return p.fail("second block map"), std::nullopt;
            haveBlocks = true;
            section = Section::Blocks;
        } else {
            return p.fail("unknown line \"" + std::string(line) + "\""), std::nullopt;
        }
    }
    if (section != Section::Header)
        return p.fail("the last section has no \"end\" line"), std::nullopt;
    if (!haveMap || mapRows.empty())
        return p.fail("no map"), std::nullopt;
    if (!haveGold || !haveKill)
        return p.fail("the goals need a \"gold\" and a \"kill\" line"), std::nullopt;

    if (std::string problem = levelSizeProblem(std::int64_t(mapRows.front().size()), std::int64_t(mapRows.size()));
        !problem.empty()) {
        p.lineNo = mapLines.front();
        return p.fail("the map is too large: " + problem), std::nullopt;
    }
    level.width = std::int32_t(mapRows.front().size());
    level.height = std::int32_t(mapRows.size());
    bool startMarked = false;
    for (std::size_t y = 0; y < mapRows.size(); ++y) {
        p.lineNo = mapLines[y];
        if (std::int32_t(mapRows[y].size()) != level.width)
            return p.fail("map row " + std::to_string(y) + " is " + std::to_string(mapRows[y].size()) +
                          " cells wide, the first row " + std::to_string(level.width)),
                   std::nullopt;
        for (std::size_t x = 0; x < mapRows[y].size(); ++x) {
            const char ch = mapRows[y][x];
            std::int32_t kind = KindEmpty, param = 0;
            const auto it = given.find({std::int32_t(x), std::int32_t(y)});
            if (ch == '?') {
                if (it == given.end())
                    return p.fail("map cell " + std::to_string(x) + " " + std::to_string(y) +
                                  " is '?' but has no \"cell\" line"),
                           std::nullopt;
                kind = it->second.kind;
                param = it->second.param;
                given.erase(it);
            } else if (ch == '@') {
                if (startMarked || haveStart)
                    return p.fail("the start is given twice"), std::nullopt;
                startMarked = true;
                level.startX = std::int32_t(x);
                level.startY = std::int32_t(y);
            } else if (const std::optional<Symbol> s = symbolFor(ch)) {
                kind = s->kind;
                param = s->param;
            } else {
                return p.fail(std::string("unknown map symbol '") + ch + "' at " + std::to_string(x) + " " +
                              std::to_string(y)),
                       std::nullopt;
            }
            level.kinds.push_back(kind);
            level.params.push_back(kindHasParam(kind) ? param : 0);
        }
    }
    if (!given.empty()) {
        p.lineNo = given.begin()->second.line;
        return p.fail("\"cell\" line for a map cell that is not '?'"), std::nullopt;
    }
    if (!startMarked && !haveStart)
        return p.fail("no start: mark it with '@' or give a \"start\" line"), std::nullopt;

    const std::size_t across = std::size_t(level.blocksAcross());
    const std::size_t down = std::size_t(level.blocksDown());
    if (!haveBlocks) {
        level.blocks.assign(across * down, 0);
    } else {
        if (blockRows.size() != down)
            return p.fail("the block map needs " + std::to_string(down) + " rows"), std::nullopt;
        for (const auto& row : blockRows) {
            if (row.size() != across)
                return p.fail("every block row needs " + std::to_string(across) + " numbers"), std::nullopt;
            level.blocks.insert(level.blocks.end(), row.begin(), row.end());
        }
    }
    if (notes)
        *notes = std::move(noted);
    return level;
}

std::optional<std::vector<std::uint8_t>> compileLevelSource(std::string_view text, std::string& error)
{
    const std::optional<LevelFile> level = parseLevelSource(text, error);
    if (!level)
        return std::nullopt;
    return encodeLevelFile(*level);
}

std::string decompileLevel(const LevelFile& level, const LevelNotes& notes)
{
    std::ostringstream out;
    if (!notes.title.empty())
        out << "title " << oneLine(notes.title) << '\n';
    if (!notes.hint.empty())
        out << "hint " << oneLine(notes.hint) << '\n';
    if (notes.theme >= 0)
        out << "theme " << notes.theme << '\n';
    out << "gold " << level.goldGoalOn << ' ' << level.goldGoal << '\n';
    out << "kill " << level.killGoalOn << ' ' << level.killGoal << '\n';
    if (level.reserved1 || level.reserved2 || level.reserved3)
        out << "reserved " << level.reserved1 << ' ' << level.reserved2 << ' ' << level.reserved3 << '\n';
    const bool startInside = level.startX >= 0 && level.startY >= 0 && level.startX < level.width &&
                             level.startY < level.height;
    const std::size_t startIndex = std::size_t(level.startY) * std::size_t(level.width) + std::size_t(level.startX);
    const bool markStart = startInside && level.kinds[startIndex] == KindEmpty;
    if (!markStart)
        out << "start " << level.startX << ' ' << level.startY << '\n';

    std::ostringstream extra;
    out << "map\n";
    for (std::int32_t y = 0; y < level.height; ++y) {
        std::string row(std::size_t(level.width), '?');
        for (std::int32_t x = 0; x < level.width; ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(level.width) + std::size_t(x);
            char ch = levelSymbol(level.kinds[i], level.params[i]);
            if (markStart && i == startIndex)
                ch = '@';
            if (ch == '?') {
                extra << "cell " << x << ' ' << y << ' ' << level.kinds[i];
                if (kindHasParam(level.kinds[i]))
                    extra << ' ' << level.params[i];
                extra << '\n';
            }
            row[std::size_t(x)] = ch;
        }
        out << row << '\n';
    }
    out << "end\n";
    out << extra.str();
    out << "blocks\n";
    const std::int32_t across = level.blocksAcross();
    for (std::int32_t by = 0; by < level.blocksDown(); ++by) {
        for (std::int32_t bx = 0; bx < across; ++bx) {
            const std::size_t b = std::size_t(by) * std::size_t(across) + std::size_t(bx);
            out << (bx ? " " : "") << (b < level.blocks.size() ? level.blocks[b] : 0);
        }
        out << '\n';
    }
    out << "end\n";
    if (!level.trailing.empty()) {
        out << "tail ";
        char hex[3];
        for (std::uint8_t b : level.trailing) {
            std::snprintf(hex, sizeof hex, "%02x", b);
            out << hex;
        }
        out << '\n';
    }
    return out.str();
}

} // namespace burrowix
