#pragma once

#include "outbox/Clock.h"

#include <chrono>

namespace desklet::test {

// A clock that stands where the test puts it and moves only when told.
class PinnedClock : public Clock {
public:
    explicit PinnedClock(TimePoint at = TimePoint(std::chrono::hours(24 * 20795))) : m_now(at) {}
    TimePoint Now() const override { return m_now; }
    void Set(TimePoint at) { m_now = at; }
    void Advance(std::chrono::milliseconds by) { m_now += by; }

private:
    TimePoint m_now;
};

} // namespace desklet::test
