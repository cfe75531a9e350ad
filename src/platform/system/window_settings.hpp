#pragma once
// The window's own settings, kept apart from the game's options in "settings.ini" beside the saves:
// full screen or a window, and how the 800 x 600 picture is scaled; the key bindings live there too
// (`key.ACTION = KEY` lines, kept as written for the game to read). The file is plain text,
// `name = value` a line, '#' starting a comment; it is read leniently (a line that is not
// understood is skipped with one warning) and rewritten whole when a setting changes.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/display/frame_scaling.hpp"

namespace burrowix {

inline constexpr const char* kWindowSettingsFile = "settings.ini";
// The file holds three short lines; only this much of it is read, and warnings show at most this
// much of a line.
inline constexpr std::size_t kLargestSettingsFile = 64 * 1024;
inline constexpr std::size_t kLongestShownLine = 80;

struct WindowSettings {
    bool fullScreen = true;
    ScalingMode scaling = ScalingMode::Fit;
    // The `key.` lines in file order: the action's name after "key." and the key's name.
    std::vector<std::pair<std::string, std::string>> keys;
    bool operator==(const WindowSettings&) const = default;
};

// A line, or a part of one, as a warning shows it: cut to kLongestShownLine characters with its
// length added, so that a huge line does not flood standard error.
std::string shownLine(std::string_view line);

// The settings in `text`; each line that is skipped adds one warning naming its line number.
WindowSettings parseWindowSettings(std::string_view text, std::vector<std::string>& warnings);
std::string formatWindowSettings(const WindowSettings& settings);

// Defaults when the file is missing or not a regular file; warnings go to standard error, prefixed with the path.
WindowSettings readWindowSettings(const std::string& path);
// Replaces the file atomically; false (with the reason on standard error) when it cannot.
bool writeWindowSettings(const std::string& path, const WindowSettings& settings);

// The `key.` lines of the file at `path` (none when it is missing); its other lines are not checked.
std::vector<std::pair<std::string, std::string>> readKeySettings(const std::string& path);
// Replaces the `key.` lines of the file and keeps its other settings; false (with the reason on
// standard error) when it cannot be written.
bool writeKeySettings(const std::string& path, const std::vector<std::pair<std::string, std::string>>& keys);

} // namespace burrowix
