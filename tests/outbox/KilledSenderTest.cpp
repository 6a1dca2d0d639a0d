#include "support/OutboxFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace desklet;
using M = AttemptResult::Mail::State;

namespace {

// The steps of a two-mail send as a sender records them; the child is killed
// with SIGKILL right after step `killAt` (none at the last).
enum Step {
    Claimed,
    Mail0Starting,
    Mail0EndOfData,
    Mail0Answered,
    Mail1Starting,
    Mail1EndOfData,
    Mail1Answered,
    Finished
};

const std::vector<std::string> kMail0 = {"2125551212", "2125551213"};
const std::vector<std::string> kMail1 = {"3125550000"};

[[noreturn]] void sendAndDie(const QString& databasePath, int killAt) {
    auto stepDone = [killAt](int step) {
        if (step == killAt) {
            ::kill(::getpid(), SIGKILL);
        }
    };
    Database database;
    SystemClock clock;
    if (!database.Open(databasePath)) {
        ::_exit(2);
    }
    Outbox outbox(database, clock);
    const auto claim = outbox.ClaimDue();
    if (!claim) {
        ::_exit(3);
    }
    stepDone(Claimed);
    bool ok = outbox.MailStarting(*claim, 0, kMail0, "<0@x>", "mx");
    stepDone(Mail0Starting);
    ok = ok && outbox.EndOfDataNext(*claim, 0);
    stepDone(Mail0EndOfData);
    ok = ok && outbox.MailAnswered(*claim, 0, M::Accepted, "250 Ok");
    stepDone(Mail0Answered);
    ok = ok && outbox.MailStarting(*claim, 1, kMail1, "<1@x>", "mx");
    stepDone(Mail1Starting);
    ok = ok && outbox.EndOfDataNext(*claim, 1);
    stepDone(Mail1EndOfData);
    ok = ok && outbox.MailAnswered(*claim, 1, M::Accepted, "250 Ok");
    stepDone(Mail1Answered);
    AttemptResult result;
    result.kind = AttemptResult::Kind::Sent;
    ok = ok && outbox.Finish(*claim, result).has_value();
    ::_exit(ok ? 0 : 4);
}

class KilledSenderTest : public test::OutboxFixture {};

TEST_F(KilledSenderTest, ASenderKilledAtAnyStepLosesNoNumberAndSendsNoneTwice) {
    struct Row {
        Step killAt;
        JobState state; // after recovery
    };
    const Row rows[] = {
        {Claimed, JobState::Waiting},       {Mail0Starting, JobState::Waiting}, {Mail0EndOfData, JobState::Unknown},
        {Mail0Answered, JobState::Waiting}, {Mail1Starting, JobState::Waiting}, {Mail1EndOfData, JobState::Unknown},
        {Mail1Answered, JobState::Sent},    {Finished, JobState::Sent},
    };
    for (const Row& row : rows) {
        Fresh();
        std::vector<std::string> numbers = kMail0;
        numbers.insert(numbers.end(), kMail1.begin(), kMail1.end());
        ASSERT_TRUE(outbox().Queue(JobTo(numbers), m_document.string(), CMapStringToString()));
        Close(); // no connection crosses the fork
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            sendAndDie(m_databasePath, row.killAt);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        if (row.killAt == Finished) {
            ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "step " << row.killAt;
        } else {
            ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "step " << row.killAt;
        }

        Reopen();
        m_clock.Set(SystemClock().Now());
        ASSERT_GE(outbox().RecoverAbandoned(), 0);
        const auto pending = outbox().Pending();
        const JobState state = pending.empty() ? JobState::Sent : pending.front().state;
        EXPECT_EQ(state, row.state) << "step " << row.killAt;

        // The person says the unknown mail went: then every number is exactly once
        // either sent or in the next automatic try.
        if (state == JobState::Unknown) {
            ASSERT_TRUE(outbox().MarkSent(pending.front().id)) << "step " << row.killAt;
        }
        std::map<std::string, int> times;
        for (const SentLogLine& line : outbox().SentLog(1)) {
            if (line.outcome == "sent") {
                for (const std::string& number : line.numbers) {
                    ++times[number];
                }
            }
        }
        const auto next = outbox().ClaimDue();
        EXPECT_EQ(outbox().LastFailure().kind, OutboxFailure::Kind::None)
            << outbox().LastFailure().Text().toStdString();
        if (next) {
            for (const std::string& number : next->job.recipients) {
                ++times[number];
            }
        }
        for (const std::string& number : numbers) {
            EXPECT_EQ(times[number], 1) << "step " << row.killAt << ", number " << number;
        }
    }
}

} // namespace
