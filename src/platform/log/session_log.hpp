#pragma once
// A small diagnostic text log. The program's single log is created closed and the game never opens
// it, so its writes cost nothing; a developer can open it to trace a session.

#include <cstdint>
#include <cstdio>
#include <ctime>

namespace burrowix {

class SessionLog {
public:
    SessionLog();
    virtual ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    // Opens `path` for appending, or "log.txt" beside the program when null, and writes the session
    // header. 1 when open (already or now), 0 when the file cannot be opened.
    int open(const char* path = nullptr);
    // Writes "Close session" and closes; 1 on success or when not open, 0 when closing fails.
    int close();
    bool isOpen() const { return file_ != nullptr; }

    // Each write returns 1, or 0 when the log is closed; every write is flushed at once.
    int writeLine(const char* text);
    int writeIntLine(int n);
    int writeFloatLine(double x);
    int writeDateLine(const std::tm& localTime);
    // "ErrorCode: 0x... [" and the code's text; 0 also for a code without a text.
    int writeErrorLine(std::uint32_t code);
    int newLine();

    // The text of a sound or general result code, or null when it has none.
    static const char* errorText(std::uint32_t code);

private:
    int finish();

    std::FILE* file_ = nullptr;
};

// The program's log, and the log registered as current (the first one constructed).
extern SessionLog theSessionLog;
extern SessionLog* currentLog;

} // namespace burrowix
