#include "cli/OutboxCommands.h"
#include "submission/ExitStatus.h"
#include "support/FakeTransport.h"
#include "support/OutboxFixture.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace desklet;
using M = AttemptResult::Mail::State;

namespace {

class OutboxFlush : public test::OutboxFixture {};

// A job kept a moment ago waits for its minute; one queued now is due at once.
TEST_F(OutboxFlush, ADueOnlyFlushLeavesAJobNotYetDueAlone) {
    struct Row {
        const char* name;
        OutboxCommands::Jobs jobs;
        int tries;
        int status;
        std::vector<std::string> left; // the numbers still waiting
    };
    const Row rows[] = {
        {"the timed flush tries the due job alone",
         OutboxCommands::Jobs::Due,
         1,
         ExitStatus::kTempFail,
         {"2125551212"}},
        {"the person's flush tries every waiting job", OutboxCommands::Jobs::Waiting, 2, ExitStatus::kOk, {}},
    };
    CMapStringToString settings;
    settings.SetAt("logon", "acme");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Fresh();
        const auto kept = outbox().Record(JobTo({"2125551212"}), m_document.string(), settings);
        ASSERT_TRUE(kept);
        ASSERT_EQ(
            outbox().Finish(
                *kept,
                {AttemptResult::Kind::MayPass, {MailOf({"2125551212"}, M::NotTried)}, {}, 0, "connection refused"}),
            JobState::Waiting);
        ASSERT_TRUE(outbox().Queue(JobTo({"3125550000"}), m_document.string(), settings));

        int tries = 0;
        std::vector<std::string> noticed;
        OutboxCommands::Notices notices;
        notices.sent = [&noticed](const ClaimedJob& claim) { noticed.push_back(claim.job.recipients.at(0)); };
        notices.failed = [&noticed](const ClaimedJob&, const std::string& reason) { noticed.push_back(reason); };
        std::ostringstream out, err;
        const int status = OutboxCommands::Flush(
            outbox(), m_clock, row.jobs, settings,
            [&tries] {
                ++tries;
                return std::make_unique<test::FakeTransport>();
            },
            {out, err}, notices);
        EXPECT_EQ(status, row.status) << err.str();
        EXPECT_EQ(tries, row.tries);
        EXPECT_EQ(noticed.size(), static_cast<std::size_t>(row.tries)) << "each fax that went, and nothing else";
        std::vector<std::string> left;
        for (const OutboxEntry& entry : outbox().Pending()) {
            EXPECT_EQ(entry.attempts, 1) << "a job left alone keeps its count and its time";
            left.insert(left.end(), entry.numbers.begin(), entry.numbers.end());
        }
        EXPECT_EQ(left, row.left);
    }
}

} // namespace
