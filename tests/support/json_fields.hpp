#pragma once
// Fields of the one-line JSON the simulator prints, read by name (first occurrence).

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace burrowix::test {

// The integer named `name` (-9999 when absent).
inline int jsonInt(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\":");
    return at == std::string::npos ? -9999 : std::atoi(json.c_str() + at + name.size() + 3);
}

// The string named `name` ("?" when absent).
inline std::string jsonText(const std::string& json, const std::string& name)
{
    const std::size_t at = json.find("\"" + name + "\":\"");
    if (at == std::string::npos)
        return "?";
    const std::size_t from = at + name.size() + 4;
    return json.substr(from, json.find('"', from) - from);
}

// The numbers of the array named `name`.
inline std::vector<int> jsonArray(const std::string& json, const std::string& name)
{
    std::vector<int> v;
    const std::size_t at = json.find("\"" + name + "\":[");
    if (at == std::string::npos)
        return v;
    std::istringstream s(json.substr(at + name.size() + 4));
    int n = 0;
    char sep = ',';
    while (sep == ',' && s >> n) {
        v.push_back(n);
        s >> sep;
    }
    return v;
}

} // namespace burrowix::test
