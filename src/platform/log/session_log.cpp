#include "platform/log/session_log.hpp"

#include <climits>
#include <string>
#include <unistd.h>

namespace burrowix {

SessionLog* currentLog = nullptr;
SessionLog theSessionLog;

namespace {

struct ErrorText {
    std::uint32_t code;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {0x80004001, "The function called is not supported at this time.]"},
    {0x80004002, "The requested COM interface is not available.]"},
    {0x80004005, "An undetermined error occurred inside the Direct3D subsystem.]"},
    {0x80040110, "The object does not support aggregation.]"},
    {0x80070005, "The request failed because access was denied.]"},
    {0x8007000E, "DirectX could not allocate sufficient memory to complete the call.]"},
    {0x80070057, "An invalid parameter was passed to the returning function.]"},
    {0x8878000A, "The request failed because resources, such as a priority level, were already in use by "
                 "another caller.]"},
    {0x8878001E, "The buffer control (volume, pan, and so on) requested by the caller is not available.]"},
    {0x88780046, "The caller does not have the priority level required for the function to succeed.]"},
    {0x88780064, "The specified wave format is not supported.]"},
    {0x88780078, "No sound driver is available for use, or the given GUID is not a valid DirectSound "
                 "device ID.]"},
    {0x88780082, "The object is already initialized.]"},
    {0x88780096, "The buffer memory has been lost and must be restored.]"},
    {0x887800A0, "Another application has a higher priority level, preventing this call from "
                 "succeeding.]"},
    {0x887800AA, "The IDirectSound8::Initialize method has not been called or has not been called "
                 "successfully before other methods were called.]"},
    {0x0878000A, "The buffer was created, but another 3-D algorithm was substituted.]"},
};

// "log.txt" in the folder that holds the running program.
std::string defaultLogPath()
{
    char exe[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0)
        return "log.txt";
    std::string path(exe, static_cast<std::size_t>(n));
    return path.substr(0, path.rfind('/') + 1) + "log.txt";
}

} // namespace

SessionLog::SessionLog()
{
    if (!currentLog)
        currentLog = this;
}

SessionLog::~SessionLog()
{
    if (currentLog == this)
        currentLog = nullptr;
    if (file_)
        std::fclose(file_);
}

int SessionLog::open(const char* path)
{
    if (file_)
        return 1;
    const std::string target = path ? std::string(path) : defaultLogPath();
    file_ = std::fopen(target.c_str(), "a");
    if (!file_)
        return 0;
    newLine();
    newLine();
    writeLine("Start new session");
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    writeDateLine(local);
    return 1;
}

int SessionLog::close()
{
    if (!file_)
        return 1;
    writeLine("Close session");
    const int result = std::fclose(file_);
    file_ = nullptr;
    return result == 0 ? 1 : 0;
}

int SessionLog::finish()
{
    std::fputc('\n', file_);
    std::fflush(file_);
    return 1;
}

int SessionLog::writeLine(const char* text)
{
    if (!file_ || !text)
        return 0;
    std::fputs(text, file_);
    return finish();
}

int SessionLog::writeIntLine(int n)
{
    if (!file_)
        return 0;
    std::fprintf(file_, "%i", n);
    return finish();
}

int SessionLog::writeFloatLine(double x)
{
    if (!file_)
        return 0;
    std::fprintf(file_, "%.2f", x);
    return finish();
}

int SessionLog::writeDateLine(const std::tm& t)
{
    if (!file_)
        return 0;
    std::fprintf(file_, "Date - %02i.%02i.%i     Time - %02i:%02i.%02i", t.tm_mday, t.tm_mon + 1,
                 t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return finish();
}

const char* SessionLog::errorText(std::uint32_t code)
{
    for (const ErrorText& e : kErrorTexts)
        if (e.code == code)
            return e.text;
    return nullptr;
}

int SessionLog::writeErrorLine(std::uint32_t code)
{
    if (!file_)
        return 0;
    std::fprintf(file_, "ErrorCode: 0x%x [", code);
    const char* text = errorText(code);
    if (text)
        std::fputs(text, file_);
    finish();
    return text ? 1 : 0;
}

int SessionLog::newLine()
{
    if (!file_)
        return 0;
    std::fputc('\n', file_);
    std::fflush(file_);
    return 1;
}

} // namespace burrowix
