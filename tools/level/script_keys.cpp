#include "script_keys.hpp"

#include "platform/system/key_names.hpp"

namespace burrowix {

// Scripts name keys as settings.ini does, so a recording of remapped keys plays back too.
std::uint32_t scriptKeyCode(const std::string& name)
{
    return keyFromName(name);
}

std::string scriptKeyName(std::uint32_t code)
{
    return keyName(code);
}

} // namespace burrowix
