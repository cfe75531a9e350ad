#pragma once
// Points $TMPDIR at a folder (or unsets it, for null) for the life of the object and then puts back
// what was there before, so a test sees every temporary file the code under test makes.

#include <cstdlib>
#include <optional>
#include <string>

namespace burrowix::test {

class TmpDirEnv {
public:
    explicit TmpDirEnv(const char* value)
    {
        if (const char* old = std::getenv("TMPDIR"))
            old_ = old;
        value ? ::setenv("TMPDIR", value, 1) : ::unsetenv("TMPDIR");
    }
    explicit TmpDirEnv(const std::string& value) : TmpDirEnv(value.c_str()) {}
    ~TmpDirEnv() { old_ ? ::setenv("TMPDIR", old_->c_str(), 1) : ::unsetenv("TMPDIR"); }
    TmpDirEnv(const TmpDirEnv&) = delete;
    TmpDirEnv& operator=(const TmpDirEnv&) = delete;

private:
    std::optional<std::string> old_;
};

} // namespace burrowix::test
