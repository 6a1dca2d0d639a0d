#include "submission/SmtpClientTransport.h"
#include "mail/CMailItem.h"
#include "mail/CMimeMailItem.h"
#include "support/CaptureSmtpServer.h"
#include "support/ScriptedSmtpServer.h"
#include "support/TempDir.h"
#include "support/TestAuthority.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace desklet;
using S = desklet::test::ScriptedSmtpServer;
using State = MailOutcome::State;
using namespace std::chrono_literals;

namespace {

struct Mails {
    std::vector<std::unique_ptr<CMailItem>> items;
    std::vector<CMailItem*> pointers;

    explicit Mails(int count) {
        for (int i = 0; i < count; ++i) {
            items.push_back(std::make_unique<CMailItem>());
            items.back()->m_strSender = "a@b.example";
            items.back()->AddRecipient("c@d.example", "");
            pointers.push_back(items.back().get());
        }
    }
};

Outcome Deliver(SmtpClientTransport& transport, const std::vector<CMailItem*>& mails, const std::string& host,
                unsigned port) {
    SubmissionProgress progress;
    Outcome outcome;
    transport.Deliver(mails, MailServer{host, port, {}}, progress, outcome);
    return outcome;
}

TEST(SmtpClientTransport, AMailRefusedMidJobEndsTheSessionWithEachMailsReplyAndTheLastInTheDetails) {
    std::vector<S::Step> script = S::Greeting(S::Message("250 2.0.0 Ok: queued as 4F2A1\r\n"));
    for (S::Step step : S::Message("554 5.7.1 number barred\r\n")) {
        script.push_back(std::move(step));
    }
    script.push_back(S::ReadLine());
    script.push_back(S::Send("221 bye\r\n"));
    S server(script);
    ASSERT_TRUE(server.listening());

    Mails mails(3);
    SmtpClientTransport transport;
    const Outcome outcome = Deliver(transport, mails.pointers, server.host(), server.port());
    EXPECT_TRUE(server.Finish());
    EXPECT_EQ(outcome.failure, Failure::Permanent);
    ASSERT_EQ(outcome.mails.size(), 3u);
    EXPECT_EQ(outcome.mails[0].state, State::Accepted);
    EXPECT_EQ(outcome.mails[0].finalReply, "250 2.0.0 Ok: queued as 4F2A1");
    EXPECT_EQ(outcome.mails[1].state, State::Refused);
    EXPECT_EQ(outcome.mails[1].finalReply, "554 5.7.1 number barred");
    EXPECT_EQ(outcome.mails[2].state, State::NotTried);
    EXPECT_EQ(outcome.server, "127.0.0.1");
    EXPECT_EQ(outcome.port, server.port());
    EXPECT_EQ(outcome.lastReply, "554 5.7.1 number barred");
    EXPECT_EQ(outcome.details, "") << "the reply speaks for itself";
    EXPECT_FALSE(outcome.MayPass());
    const std::string sent = server.Received();
    std::size_t mailCommands = 0;
    for (std::size_t at = 0; (at = sent.find("MAIL From:", at)) != std::string::npos; ++at) {
        ++mailCommands;
    }
    EXPECT_EQ(mailCommands, 2u) << "the third mail is never offered";
    EXPECT_NE(sent.find("QUIT\r\n"), std::string::npos);
}

TEST(SmtpClientTransport, EachWayASessionEndsGetsItsCategory) {
    // Up to the message's end, whose reply is the last step's doing.
    auto upToEnd = [](S::Step then) {
        std::vector<S::Step> steps = S::Greeting(S::Message(""));
        steps.back() = std::move(then);
        return steps;
    };
    struct Row {
        const char* name;
        std::vector<S::Step> script;
        Failure failure;
        bool connected;
        State state; // of the one mail
        bool mayPass;
    };
    std::vector<S::Step> closedAtMail = S::Greeting();
    closedAtMail.push_back(S::ReadLine());
    closedAtMail.push_back(S::Close());
    const Row rows[] = {
        {"busy at the greeting",
         {S::Send("421 busy\r\n"), S::Hold(2s)},
         Failure::Temporary,
         false,
         State::NotTried,
         true},
        {"turned away at the greeting",
         {S::Send("554 go away\r\n"), S::Hold(2s)},
         Failure::TurnedAway,
         false,
         State::NotTried,
         false},
        {"a reply that makes no sense",
         {S::Send("220 ready\r\n"), S::ReadLine(), S::Send("250 hi\r\n"), S::ReadLine(), S::Send("354 what\r\n"),
          S::Hold(2s)},
         Failure::Protocol,
         true,
         State::Refused,
         true},
        {"closed before the message went", closedAtMail, Failure::ConnectionLost, true, State::Refused, true},
        {"a refusal for now of the message", upToEnd(S::Send("451 4.3.0 later\r\n")), Failure::Temporary, true,
         State::Refused, true},
        {"closed before the end of data was answered", upToEnd(S::Close()), Failure::AnswerMissing, true,
         State::Unknown, false},
        {"no answer to the end of data", upToEnd(S::Hold(2s)), Failure::AnswerMissing, true, State::Unknown, false},
    };
    for (const Row& row : rows) {
        S server(row.script);
        ASSERT_TRUE(server.listening());
        SmtpClientTransport transport;
        transport.Client().SetTimeouts(SmtpTimeouts::Uniform(500ms));
        Mails mails(1);
        const Outcome outcome = Deliver(transport, mails.pointers, server.host(), server.port());
        EXPECT_EQ(outcome.failure, row.failure) << row.name << ": " << outcome.details;
        EXPECT_EQ(outcome.connected, row.connected) << row.name;
        ASSERT_EQ(outcome.mails.size(), 1u);
        EXPECT_EQ(outcome.mails[0].state, row.state) << row.name;
        EXPECT_EQ(outcome.MayPass(), row.mayPass) << row.name;
        EXPECT_EQ(outcome.Unknown(), row.state == State::Unknown) << row.name;
        (void)server.Finish();
    }
}

// The document is read as it is sent: one cut short on the way is unreadable,
// never a fax sent, nor a refusal by the server.
TEST(SmtpClientTransport, ADocumentCutShortWhileSentIsUnreadable) {
    std::vector<S::Step> script = S::Greeting(S::Message(""));
    script.resize(script.size() - 2);
    script.push_back(S::Hold(5s));
    S server(script);
    ASSERT_TRUE(server.listening());
    desklet::test::TempDir files;
    const auto document = files.WriteFile("scan.pdf", std::string(3u << 20, 'x'));
    CMimeMailItem item;
    item.m_strSender = "a@b.example";
    item.AddRecipient("c@d.example", "");
    item.AddMimePart(document.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    SmtpClientTransport transport;
    transport.Client().SetTimeouts(SmtpTimeouts::Uniform(5s));
    struct Cutter : SubmissionProgress {
        std::filesystem::path document;
        void BytesSent(std::uint64_t sent, std::uint64_t) override {
            if (sent > 0) {
                std::filesystem::resize_file(document, 10);
            }
        }
    } cutter;
    cutter.document = document;
    Outcome outcome;
    transport.Deliver({&item}, MailServer{server.host(), server.port(), {}}, cutter, outcome);
    EXPECT_EQ(outcome.failure, Failure::DocumentUnreadable) << outcome.details;
    EXPECT_EQ(outcome.mails.at(0).state, State::Refused);
    EXPECT_NE(outcome.details.find("scan.pdf changed while it was being read"), std::string::npos) << outcome.details;
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpClientTransport, SecureRefusalsGetTheirCategoryAndTheirDetailsNeverTheSecret) {
    static const desklet::test::TestAuthority authority;
    ASSERT_TRUE(authority.ok()) << authority.error();
    struct Row {
        const char* name;
        const desklet::test::TestAuthority::Identity& identity;
        const char* password;
        Failure failure;
        const char* detail;
    };
    const Row rows[] = {
        {"wrong password", authority.loopback(), "guess-1234", Failure::LoginRefused, "535 "},
        {"expired certificate", authority.expired(), "s3cret pass", Failure::CertificateRefused,
         "certificate has expired"},
    };
    for (const Row& row : rows) {
        desklet::test::CaptureSmtpServer::Options options;
        options.security = "starttls";
        options.certificate = row.identity.certificate;
        options.key = row.identity.key;
        options.user = "ann";
        options.password = "s3cret pass";
        desklet::test::CaptureSmtpServer server(options);
        ASSERT_TRUE(server.running());
        SmtpClientTransport transport;
        transport.Client().SetTimeouts(SmtpTimeouts::Uniform(20s));
        MailServerLogin login;
        login.security = CSmtpClient::Security::StartTls;
        login.user = "ann";
        login.password = row.password;
        Mails mails(1);
        SubmissionProgress progress;
        Outcome outcome;
        transport.Deliver(mails.pointers, MailServer{"127.0.0.1", server.port(), login}, progress, outcome);
        const std::string said = outcome.details + "\n" + outcome.lastReply + "\n" + outcome.systemReason;
        EXPECT_EQ(outcome.failure, row.failure) << row.name << ": " << said;
        EXPECT_NE(said.find(row.detail), std::string::npos) << row.name << ": " << said;
        EXPECT_EQ(said.find(row.password), std::string::npos) << row.name;
    }
}

} // namespace

// Whoever keeps the job hears of each mail right before its end of data goes and
// when its answer comes; a false from the first holds that mail back unsent.
TEST(SmtpClientTransport, TheProgressHearsEachEndOfDataAndAnswerAndMayHoldAMailBack) {
    struct Recorder : SubmissionProgress {
        std::size_t holdBack = 99;
        std::vector<std::string> heard;
        std::vector<std::string> messageIds; // as each end of data was announced
        bool EndOfDataNext(const Outcome& outcome, std::size_t index) override {
            heard.push_back("end " + std::to_string(index) + " " + outcome.server);
            messageIds.push_back(outcome.mails[index].messageId);
            return index != holdBack;
        }
        void MailAnswered(const Outcome& outcome, std::size_t index) override {
            heard.push_back("answer " + std::to_string(index) + " " + outcome.mails[index].finalReply);
        }
    };
    const struct {
        const char* name;
        std::size_t holdBack;
        std::vector<std::string> heard;
        Failure failure;
    } rows[] = {
        {"every mail goes",
         99,
         {"end 0 127.0.0.1", "answer 0 250 first", "end 1 127.0.0.1", "answer 1 250 second"},
         Failure::None},
        {"the second is held back",
         1,
         {"end 0 127.0.0.1", "answer 0 250 first", "end 1 127.0.0.1", "answer 1 "},
         Failure::Cancelled},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<S::Step> script = S::Greeting(S::Message("250 first\r\n"));
        for (S::Step step : S::Message("250 second\r\n")) {
            script.push_back(std::move(step));
        }
        if (row.holdBack == 99) {
            script.push_back(S::ReadLine());
            script.push_back(S::Send("221 bye\r\n"));
        }
        S server(script);
        ASSERT_TRUE(server.listening());
        Mails mails(2);
        SmtpClientTransport transport;
        transport.Client().SetTimeouts(SmtpTimeouts::Uniform(5s));
        Recorder recorder;
        recorder.holdBack = row.holdBack;
        Outcome outcome;
        transport.Deliver(mails.pointers, MailServer{server.host(), server.port(), {}}, recorder, outcome);
        EXPECT_EQ(recorder.heard, row.heard);
        EXPECT_EQ(outcome.failure, row.failure);
        (void)server.Finish(1s);
        const std::string sent = server.Received();
        std::size_t ends = 0;
        for (std::size_t at = 0; (at = sent.find("\r\n.\r\n", at)) != std::string::npos; ++at) {
            ++ends;
        }
        EXPECT_EQ(ends, row.holdBack == 99 ? 2u : 1u);
        // The record of a mail whose answer never comes names it as the service knows it.
        for (const std::string& id : recorder.messageIds) {
            EXPECT_FALSE(id.empty());
            EXPECT_NE(sent.find("Message-ID: " + id + "\r\n"), std::string::npos) << id;
        }
    }
}
