#pragma once

#include "outbox/Clock.h"

#include <chrono>
#include <optional>

namespace desklet {

// When a job whose send failed for a reason that may pass is tried again: a minute
// after the first failure, then twice as long each time up to an hour between
// tries, for two days from the moment the job was queued; after that it fails.
struct RetryPolicy {
    static constexpr std::chrono::milliseconds kFirstDelay = std::chrono::minutes(1);
    static constexpr std::chrono::milliseconds kLongestDelay = std::chrono::hours(1);
    static constexpr std::chrono::milliseconds kGiveUpAfter = std::chrono::hours(48);

    // attempts: the tries made so far, the one that just failed included (1 after
    // the first). The time of the next try, never past the two days (the last try
    // falls on their end); nothing when the two days are over and the job fails.
    static std::optional<TimePoint> Next(int attempts, TimePoint firstQueuedAt, TimePoint now);
};

} // namespace desklet
