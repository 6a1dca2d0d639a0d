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
    TimePoint Now() const override {
        return std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
    }
};

} // namespace desklet
