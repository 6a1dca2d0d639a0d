#include "outbox/JobStates.h"
#include "outbox/RetryPolicy.h"

#include "support/PinnedClock.h"

#include <gtest/gtest.h>

using namespace desklet;
using namespace std::chrono_literals;

namespace {

const TimePoint kQueued = test::PinnedClock().Now();

TEST(RetryPolicy, WaitsAMinuteThenDoublesUpToAnHourForTwoDays) {
    struct Row {
        const char* name;
        int attempts;
        std::chrono::milliseconds since; // now - queued
        std::optional<std::chrono::milliseconds> delay;
    };
    const Row rows[] = {
        {"the first failure waits a minute", 1, 0ms, 1min},
        {"the second waits two", 2, 1min, 2min},
        {"the sixth waits 32 minutes", 6, 1h, 32min},
        {"the seventh stops at the hour", 7, 2h, 1h},
        {"a thousandth try neither overflows nor waits longer", 1000, 10h, 1h},
        {"the last try falls on the end of the two days", 40, 47h + 30min, 30min},
        {"at the end of the two days the job fails", 41, 48h, std::nullopt},
        {"past them too", 41, 49h, std::nullopt},
    };
    for (const Row& row : rows) {
        const TimePoint now = kQueued + row.since;
        const auto next = RetryPolicy::Next(row.attempts, kQueued, now);
        ASSERT_EQ(next.has_value(), row.delay.has_value()) << row.name;
        if (next) {
            EXPECT_EQ(*next - now, *row.delay) << row.name;
        }
    }
}

AttemptResult resultOf(AttemptResult::Kind kind, std::vector<AttemptResult::Mail::State> mails = {}) {
    AttemptResult result;
    result.kind = kind;
    for (const auto state : mails) {
        AttemptResult::Mail mail;
        mail.state = state;
        result.mails.push_back(mail);
    }
    return result;
}

TEST(JobStates, AfterATry) {
    using K = AttemptResult::Kind;
    using M = AttemptResult::Mail::State;
    struct Row {
        const char* name;
        AttemptResult result;
        bool keep;
        JobState state;
        bool keepCopy;
    };
    const Row rows[] = {
        {"every mail accepted: sent", resultOf(K::Sent, {M::Accepted}), true, JobState::Sent, false},
        {"a failure that may pass waits", resultOf(K::MayPass), true, JobState::Waiting, true},
        {"a sender that does not queue fails it", resultOf(K::MayPass), false, JobState::Failed, false},
        {"a 5xx fails", resultOf(K::Final, {M::Refused}), true, JobState::Failed, false},
        {"a missing answer is unknown", resultOf(K::Unknown, {M::Unknown}), true, JobState::Unknown, true},
        {"an unknown mail outweighs a later 4xx", resultOf(K::MayPass, {M::Unknown, M::NotTried}), true,
         JobState::Unknown, true},
        {"an unknown mail outweighs a cancel", resultOf(K::Cancelled, {M::Unknown}), true, JobState::Unknown, true},
        {"unknown even for a sender that does not queue", resultOf(K::Unknown), false, JobState::Unknown, true},
        {"cancelled", resultOf(K::Cancelled, {M::NotTried}), true, JobState::Cancelled, false},
    };
    for (const Row& row : rows) {
        const AfterAttempt after = DecideAfterAttempt(row.result, row.keep, 1, kQueued, kQueued);
        EXPECT_EQ(after.state, row.state) << row.name;
        EXPECT_EQ(after.keepCopy, row.keepCopy) << row.name;
        EXPECT_EQ(after.nextAttempt.has_value(), row.state == JobState::Waiting) << row.name;
    }
    EXPECT_EQ(DecideAfterAttempt(resultOf(K::MayPass), true, 41, kQueued, kQueued + 48h).state, JobState::Failed)
        << "two days of failures that may pass fail the job";
}

TEST(JobStates, RecoveringFromADeadSender) {
    using S = MailState;
    struct Row {
        const char* name;
        std::vector<S> mails;
        bool unsentLeft;
        std::chrono::milliseconds since;
        JobState state;
        std::vector<S> after;
    };
    const Row rows[] = {
        {"died before any mail: waits", {}, true, 1min, JobState::Waiting, {}},
        {"died before the end of data: waits", {S::Sending}, true, 1min, JobState::Waiting, {S::Refused}},
        {"died after the end-of-data mark: unknown", {S::DataSent}, true, 1min, JobState::Unknown, {S::Unknown}},
        {"the first mail went, the second had not: waits for the rest",
         {S::Accepted, S::Sending},
         true,
         1min,
         JobState::Waiting,
         {S::Accepted, S::Refused}},
        {"the first mail went, the second may have: unknown",
         {S::Accepted, S::DataSent},
         true,
         1min,
         JobState::Unknown,
         {S::Accepted, S::Unknown}},
        {"every mail answered before it died: sent", {S::Accepted}, false, 1min, JobState::Sent, {S::Accepted}},
        {"died after two days: fails", {S::Sending}, true, 48h, JobState::Failed, {S::Refused}},
        {"an unknown mail is unknown even after two days", {S::DataSent}, true, 48h, JobState::Unknown, {S::Unknown}},
    };
    for (const Row& row : rows) {
        const Recovery recovery = RecoverInterrupted(row.mails, row.unsentLeft, kQueued, kQueued + row.since);
        EXPECT_EQ(recovery.state, row.state) << row.name;
        EXPECT_EQ(recovery.mails, row.after) << row.name;
        EXPECT_EQ(recovery.nextAttempt.has_value(), row.state == JobState::Waiting) << row.name;
    }
}

TEST(JobStates, UnsentNumbersLeaveOutEveryMailThatWentOrMayHave) {
    using S = MailState;
    const std::vector<std::string> job = {"1", "2", "3", "4", "5"};
    const std::vector<std::pair<std::vector<std::string>, S>> mails = {
        {{"1"}, S::Accepted}, {{"2"}, S::Unknown},    {{"3"}, S::SendAgain},
        {{"4"}, S::Refused},  {{"5"}, S::MarkedSent}, {{"4"}, S::NotTried},
    };
    EXPECT_EQ(UnsentNumbers(job, mails), (std::vector<std::string>{"3", "4"}));
    EXPECT_TRUE(UnsentNumbers(job, {{{}, S::Unknown}}).empty()) << "a possibly sent mail that names no number";
    EXPECT_EQ(UnsentNumbers(job, {{{}, S::Refused}}), job);
}

TEST(JobStates, EveryStoredNameReadsBack) {
    for (const JobState state : {JobState::Waiting, JobState::Sending, JobState::Sent, JobState::Failed,
                                 JobState::Cancelled, JobState::Unknown}) {
        EXPECT_EQ(JobStateNamed(Name(state)), state) << Name(state);
    }
    for (const MailState state :
         {MailState::Sending, MailState::DataSent, MailState::Accepted, MailState::Refused, MailState::NotTried,
          MailState::Unknown, MailState::SendAgain, MailState::MarkedSent}) {
        EXPECT_EQ(MailStateNamed(Name(state)), state) << Name(state);
    }
}

} // namespace
