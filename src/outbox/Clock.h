#pragma once

#include <chrono>

namespace desklet {

// Milliseconds since the epoch, UTC: what the outbox stores and compares.
using TimePoint = std::chrono::sys_time<std::chrono::milliseconds>;

// The outbox's only way to the time of day, so that retries and leases can be
// tested at any moment without waiting for it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimePoint Now() const = 0;
};

class SystemClock : public Clock {
public:
    // One that lives as long as the program, for a default argument: a temporary
    // would be gone before the outbox that keeps a reference to it first asks.
    static const SystemClock& Shared() {
        static const SystemClock clock;
        return clock;
    }
    TimePoint Now() const override {
        return std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
    }
};

} // namespace desklet
