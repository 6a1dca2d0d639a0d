#include "session/WakeSchedule.h"

#include <algorithm>

namespace desklet {

WakeDecision WakeSchedule::Decide(std::optional<WakeTime> due, std::optional<WakeTime> lastFlush, bool networkBack,
                                  WakeTime now) {
    if (!due) {
        return {false, false, kLookAgain};
    }
    if (networkBack) {
        return {true, true, kLookAgain};
    }
    WakeTime earliest = *due;
    // A last flush in the future means the clock went back: it says nothing about
    // how long ago the sender ran, and must not hold the retries up for as long.
    if (lastFlush && *lastFlush <= now) {
        earliest = std::max(earliest, *lastFlush + kRestAfterFlush);
    }
    if (earliest <= now) {
        return {true, false, kLookAgain};
    }
    return {false, false, std::min<std::chrono::milliseconds>(earliest - now, kLookAgain)};
}

} // namespace desklet
