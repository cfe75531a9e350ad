#pragma once
// Milliseconds for every timer of the game. Ticks are unsigned 32-bit and wrap around after about
// 49.7 days; every "more than d milliseconds since" test goes through elapsedMoreThan, which compares
// the signed difference, so wrap-around and negative intervals behave.

#include <cstdint>

namespace burrowix {

using Ticks = std::uint32_t;

constexpr bool elapsedMoreThan(Ticks now, Ticks then, std::int32_t d)
{
    return static_cast<std::int32_t>(now - then) > d;
}

class Clock {
public:
    virtual ~Clock() = default;
    virtual Ticks ticks() = 0;
    virtual void sleep(std::uint32_t ms) = 0;
};

// The system's millisecond tick count.
class SdlClock : public Clock {
public:
    Ticks ticks() override;
    void sleep(std::uint32_t ms) override;
};

// A clock that moves only when told to (or when slept on): for tests and scripted runs.
class ManualClock : public Clock {
public:
    explicit ManualClock(Ticks start = 0) : now_(start) {}
    Ticks ticks() override { return now_; }
    void sleep(std::uint32_t ms) override { now_ += ms; }
    void set(Ticks t) { now_ = t; }
    void advance(std::uint32_t ms) { now_ += ms; }

private:
    Ticks now_;
};

} // namespace burrowix
