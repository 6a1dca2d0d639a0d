#pragma once

#include "outbox/AttemptResult.h"
#include "outbox/Clock.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// Where a job stands. Waiting and Unknown are the outbox; the others are history.
enum class JobState {
    Waiting,   // to be tried at its next attempt time
    Sending,   // claimed by one sender (pid and lease beside it)
    Sent,      // every number went
    Failed,    // a failure that will not pass, or two days of ones that did not
    Cancelled, // the person stopped it
    Unknown,   // a mail's end of data went and its answer never came: the person decides
};

// Where one mail of one try stands. The state is committed before the step it
// names is taken, so that a sender killed at any moment leaves the truth behind.
enum class MailState {
    Sending,    // composed and being handed over; its end of data has not gone
    DataSent,   // the end-of-data line is about to go, or went: the fax may be on its way
    Accepted,   // the server took it
    Refused,    // the server turned it down, or the session broke before its end of data
    NotTried,   // the try stopped before it
    Unknown,    // DataSent and no answer ever came
    SendAgain,  // Unknown, and the person chose to send its numbers again
    MarkedSent, // Unknown, and the person said it went
};

std::string_view Name(JobState state);
std::string_view Name(MailState state);
std::optional<JobState> JobStateNamed(std::string_view name);
std::optional<MailState> MailStateNamed(std::string_view name);

// A mail whose numbers count as gone (or possibly gone): they are never sent again by themselves.
bool NumbersGone(MailState state);

// What becomes of a job after a try. attempts counts the try just made.
struct AfterAttempt {
    JobState state = JobState::Failed;
    std::optional<TimePoint> nextAttempt; // only for Waiting
    bool keepCopy = false;                // the document copy stays while the job may still go
};
// keepIfMayPass: false for a sender that does not queue (the terminal's --send
// without --queue), which makes a failure that may pass final.
AfterAttempt DecideAfterAttempt(const AttemptResult& result, bool keepIfMayPass, int attempts, TimePoint firstQueuedAt,
                                TimePoint now);

// The state of a mail after its try's answer.
MailState MailStateAfter(AttemptResult::Mail::State state);

// A job found Sending whose sender is gone (its process is dead, or its lease
// ran out). Mails that may have reached their end of data become Unknown and are
// never retried by themselves; the rest go back to waiting, due at once.
struct Recovery {
    JobState state = JobState::Waiting;
    std::vector<MailState> mails; // the new states of the interrupted try's mails, in order
    std::optional<TimePoint> nextAttempt;
    bool keepCopy = true;
};
// anyUnsentNumbers: whether numbers of the job are left once the mails that went
// (in this try or before) are taken out.
Recovery RecoverInterrupted(const std::vector<MailState>& tryMails, bool anyUnsentNumbers, TimePoint firstQueuedAt,
                            TimePoint now);

// The job's numbers that still have to go: those of no mail whose numbers are gone,
// in the job's order; none when a mail that may have gone does not name its numbers.
std::vector<std::string> UnsentNumbers(const std::vector<std::string>& jobNumbers,
                                       const std::vector<std::pair<std::vector<std::string>, MailState>>& mails);

} // namespace desklet
