#include "platform/system/process_time.hpp"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace burrowix {

long millisecondsSinceProcessStart()
{
    // Field 22 of /proc/self/stat is the start time in clock ticks since boot; the command name
    // (field 2) may hold spaces, so counting starts after its closing parenthesis.
    std::FILE* f = std::fopen("/proc/self/stat", "r");
    if (!f)
        return -1;
    char line[1024] = {};
    const bool read = std::fgets(line, sizeof line, f) != nullptr;
    std::fclose(f);
    const char* p = read ? std::strrchr(line, ')') : nullptr;
    if (!p)
        return -1;
    unsigned long long startTicks = 0;
    // After ")": state (field 3) ... starttime (field 22), so 19 fields are skipped.
    if (std::sscanf(p + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu",
                    &startTicks) != 1)
        return -1;
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    timespec now{};
    if (ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return -1;
    const long long nowMs = static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    const long long startMs = static_cast<long long>(startTicks) * 1000 / ticksPerSecond;
    return nowMs >= startMs ? static_cast<long>(nowMs - startMs) : 0;
}

} // namespace burrowix
