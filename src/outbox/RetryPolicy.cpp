#include "outbox/RetryPolicy.h"

#include <algorithm>

namespace desklet {

std::optional<TimePoint> RetryPolicy::Next(int attempts, TimePoint firstQueuedAt, TimePoint now) {
    const TimePoint deadline = firstQueuedAt + kGiveUpAfter;
    if (now >= deadline) {
        return std::nullopt;
    }
    // Doubling stops at the hour long before the shift could overflow.
    std::chrono::milliseconds delay = kFirstDelay;
    for (int i = 1; i < attempts && delay < kLongestDelay; ++i) {
        delay *= 2;
    }
    delay = std::min(delay, kLongestDelay);
    return std::min(now + delay, deadline);
}

} // namespace desklet
