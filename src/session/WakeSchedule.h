#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace desklet {

// Milliseconds since the epoch, UTC, as the outbox stores its due times.
using WakeTime = std::chrono::sys_time<std::chrono::milliseconds>;

// What the session helper does about the outbox when it wakes.
struct WakeDecision {
    bool flush = false; // start a flush of the outbox now
    // The flush tries every waiting job (the network came back), not only the due
    // ones: a timed flush must leave the others to their own time.
    bool everyJob = false;
    std::chrono::milliseconds sleep{0}; // then look again after this long at most
};

// When the session helper starts a flush of the outbox. The retry times come
// from the outbox itself (the next due time of a waiting job); this only decides
// when to act on them.
struct WakeSchedule {
    // Another program (the window, the terminal) may queue a job or change a due
    // time at any moment without telling anyone: the due time is read again this
    // often. A read is one small query, so a minute costs nothing.
    static constexpr std::chrono::milliseconds kLookAgain = std::chrono::minutes(1);
    // A flush that could not take a due job (the sender crashed, the database was
    // locked) leaves it due: wait this long before starting another, so a broken
    // sender is not started in a loop.
    static constexpr std::chrono::milliseconds kRestAfterFlush = std::chrono::minutes(1);

    // due: the next due time, nothing when no job waits. lastFlush: when the last
    // flush started, nothing before the first. networkBack: the network has just
    // come back, which is worth a try at once.
    static WakeDecision Decide(std::optional<WakeTime> due, std::optional<WakeTime> lastFlush, bool networkBack,
                               WakeTime now);
};

// NetworkManager's overall state, as its StateChanged signal carries it; only
// "connected to the internet" is worth a try.
constexpr std::uint32_t kNetworkConnectedGlobal = 70;

// True when the state moved from anything short of connected to connected.
constexpr bool NetworkCameBack(std::uint32_t before, std::uint32_t now) {
    return before < kNetworkConnectedGlobal && now >= kNetworkConnectedGlobal;
}

} // namespace desklet
