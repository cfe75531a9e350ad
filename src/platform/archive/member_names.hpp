#pragma once
// Rules for pack member names: lookups ignore case, names are bare file names, and a name taken from
// a file path is what follows its last separator ('/' or '\\').

#include <string>
#include <string_view>

namespace burrowix {

// The name with a..z turned into A..Z; other bytes stay as they are.
std::string upperCaseName(std::string_view name);

// True when both names are equal without regard to case.
bool sameMemberName(std::string_view a, std::string_view b);

// The part of `path` after its last '/' or '\\' (all of it when it has neither).
std::string_view memberNameOfPath(std::string_view path);

// True when `name` can serve as a file name inside a folder without leaving it: not empty, not "."
// or "..", and free of '/', '\\' and zero bytes.
bool isSafeMemberName(std::string_view name);

} // namespace burrowix
