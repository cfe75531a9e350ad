#include "platform/system/window_settings.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/atomic_file.hpp"
#include "platform/system/regular_file.hpp"

namespace burrowix {

namespace {

std::string_view trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

} // namespace

std::string shownLine(std::string_view line)
{
    if (line.size() <= kLongestShownLine)
        return std::string(line);
    return std::string(line.substr(0, kLongestShownLine)) + "... (" + std::to_string(line.size()) + " bytes)";
}

WindowSettings parseWindowSettings(std::string_view text, std::vector<std::string>& warnings)
{
    WindowSettings settings;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (const auto hash = line.find('#'); hash != std::string_view::npos)
            line = line.substr(0, hash);
        line = trim(line);
        if (line.empty())
            continue;
        const auto eq = line.find('=');
        const std::string_view name = eq == std::string_view::npos ? line : trim(line.substr(0, eq));
        const std::string_view value = eq == std::string_view::npos ? std::string_view{} : trim(line.substr(eq + 1));
        if (name.starts_with("key.") && name.size() > 4)
            settings.keys.emplace_back(std::string(name.substr(4)), std::string(value));
        else if (name == "display" && (value == "fullscreen" || value == "window"))
            settings.fullScreen = value == "fullscreen";
        else if (name == "scaling" && (value == "fit" || value == "integer"))
            settings.scaling = value == "integer" ? ScalingMode::Integer : ScalingMode::Fit;
        else
            warnings.push_back("line " + std::to_string(number) + " ignored: \"" + shownLine(line) +
                               "\" (known: display = fullscreen|window, scaling = fit|integer)");
    }
    return settings;
}

std::string formatWindowSettings(const WindowSettings& settings)
{
    std::string text = "# Burrowix window settings (Alt+Enter or F11 switches full screen and window)\n";
    text += std::string("display = ") + (settings.fullScreen ? "fullscreen" : "window") + "\n";
    text += std::string("scaling = ") + scalingModeName(settings.scaling) + "   # fit or integer\n";
    if (!settings.keys.empty())
        text += "# Keys of the game's actions (the Controls screen changes them)\n";
    for (const auto& [action, key] : settings.keys)
        text += "key." + action + " = " + key + "\n";
    return text;
}

namespace {

// The settings of the file, or the defaults when it is missing; the warnings of its lines in `warnings`.
WindowSettings parseFile(const std::string& path, std::vector<std::string>& warnings)
{
    // Only the start of a regular file is read: a link to an endless device or a huge file would
    // otherwise take memory without bound, and a pipe would block the start.
    std::string text;
    bool cut = false;
    if (!readRegularFilePrefix(path, kLargestSettingsFile, text, cut)) {
        reportIfNotRegularFile(path);
        return {};
    }
    if (cut) {
        // The last line read may be a part of a longer one.
        const auto lastBreak = text.rfind('\n');
        text.resize(lastBreak == std::string::npos ? 0 : lastBreak + 1);
        warnings.push_back("only the first " + std::to_string(kLargestSettingsFile / 1024) + " KB are read");
    }
    return parseWindowSettings(text, warnings);
}

} // namespace

std::vector<std::pair<std::string, std::string>> readKeySettings(const std::string& path)
{
    std::vector<std::string> warnings;
    return parseFile(path, warnings).keys;
}

bool writeKeySettings(const std::string& path, const std::vector<std::pair<std::string, std::string>>& keys)
{
    std::vector<std::string> warnings;
    WindowSettings settings = parseFile(path, warnings);
    settings.keys = keys;
    return writeWindowSettings(path, settings);
}

WindowSettings readWindowSettings(const std::string& path)
{
    std::vector<std::string> warnings;
    const WindowSettings settings = parseFile(path, warnings);
    for (const std::string& w : warnings)
        std::fprintf(stderr, "burrowix: %s: %s\n", path.c_str(), w.c_str());
    return settings;
}

bool writeWindowSettings(const std::string& path, const WindowSettings& settings)
{
    const std::string text = formatWindowSettings(settings);
    errno = 0;
    if (writeFileAtomically(path, {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}))
        return true;
    std::fprintf(stderr, "burrowix: cannot write %s: %s\n", path.c_str(),
                 errno ? std::strerror(errno) : "unknown error");
    return false;
}

} // namespace burrowix
