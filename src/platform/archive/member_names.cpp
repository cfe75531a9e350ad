#include "platform/archive/member_names.hpp"

namespace burrowix {
namespace {

char upperCase(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= 'a' && u <= 'z' ? static_cast<char>(u - 'a' + 'A') : c;
}

} // namespace

std::string upperCaseName(std::string_view name)
{
    std::string upper(name);
    for (char& c : upper)
        c = upperCase(c);
    return upper;
}

bool sameMemberName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperCase(a[i]) != upperCase(b[i]))
            return false;
    return true;
}

std::string_view memberNameOfPath(std::string_view path)
{
    const std::size_t sep = path.find_last_of("/\\");
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

bool isSafeMemberName(std::string_view name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

} // namespace burrowix
