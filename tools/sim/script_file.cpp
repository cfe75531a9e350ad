#include "script_file.hpp"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace burrowix {

bool openScriptFile(const std::string& path, std::ifstream& file, std::ostream& err)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        err << path << ": cannot be read: " << std::strerror(errno) << '\n';
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        err << path << ": not a script file: " << (S_ISDIR(st.st_mode) ? "a folder" : "not a regular file") << '\n';
        return false;
    }
    file.open(path);
    if (!file) {
        err << path << ": cannot be read: " << std::strerror(errno) << '\n';
        return false;
    }
    return true;
}

} // namespace burrowix
