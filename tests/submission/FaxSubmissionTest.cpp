#include "submission/FaxSubmission.h"
#include "fax/FaxCommand.h"
#include "submission/ExitStatus.h"
#include "submission/OutcomeText.h"
#include "submission/SmtpClientTransport.h"
#include "support/CaptureSmtpServer.h"
#include "support/FakeTransport.h"
#include "support/SubmissionTexts.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

using namespace desklet;
using State = MailOutcome::State;
using Icon = OutcomeText::Icon;
using namespace desklet::test::texts;

namespace {

class Submission : public testing::Test {
protected:
    desklet::test::TempDir files;
    desklet::test::FakeTransport transport;
    SubmissionProgress progress;
    CMapStringToString settings;
    FaxJob job;
    std::string document;

    void SetUp() override {
        settings["logon"] = "acme";
        job.recipients = {"2125551212"};
        document = files.WriteFile("a.pdf", "%PDF").string();
    }

    Outcome submit() { return FaxSubmission::Submit(job, document, settings, transport, progress); }
};

TEST_F(Submission, ASuccessfulSendComposesOneMailForTheGatewayOfTheDefaultServer) {
    const Outcome outcome = submit();
    EXPECT_TRUE(outcome.Sent());
    EXPECT_EQ(transport.sessions, 1);
    EXPECT_EQ(transport.server.name, "fax.quillmark.example");
    EXPECT_EQ(transport.server.port, 25u);
    ASSERT_EQ(transport.headers.size(), 1u);
    const std::string& header = transport.headers[0];
    EXPECT_NE(header.find("To: <acme-config@fax.quillmark.example>\r\n"), std::string::npos);
    EXPECT_NE(header.find("From: acme-desklet@fax.quillmark.example\r\n"), std::string::npos);
    EXPECT_NE(header.find("Subject: fax  -lowres -plain -cover -code  -doca 2125551212 \r\n"), std::string::npos);
    ASSERT_EQ(outcome.mails.size(), 1u);
    EXPECT_EQ(outcome.mails[0].numbers, job.recipients);
    EXPECT_EQ(outcome.mails[0].state, State::Accepted);
    EXPECT_NE(header.find("Message-ID: " + outcome.mails[0].messageId + "\r\n"), std::string::npos)
        << "the outcome names the mail as its header does";
    EXPECT_EQ(outcome.mails[0].messageId.front(), '<');

    settings["smtp"] = "127.0.0.1";
    settings["smtp_port"] = "2525";
    (void)submit();
    EXPECT_EQ(transport.server.name, "127.0.0.1");
    EXPECT_EQ(transport.server.port, 2525u) << "the server settings replace the defaults";
}

TEST_F(Submission, EachCheckStopsTheJobBeforeTheTransport) {
    struct Row {
        const char* name;
        std::vector<std::string> recipients;
        bool account;
        std::string document;
        Failure failure;
    };
    const Row rows[] = {
        {"an empty list", {}, true, document, Failure::NoRecipients},
        {"the first entry that breaks a rule",
         {"0114420712345", "12345", "99"},
         true,
         document,
         Failure::NumberRefused},
        {"no account, before the document", {"2125551212"}, false, "/nonexistent.pdf", Failure::NoAccount},
        {"no document named", {"2125551212"}, true, "", Failure::DocumentMissing},
        {"a document that does not exist",
         {"2125551212"},
         true,
         files.path() / "missing.pdf",
         Failure::DocumentMissing},
        {"a folder for a document", {"2125551212"}, true, files.path(), Failure::DocumentMissing},
        {"a device for a document", {"2125551212"}, true, "/dev/null", Failure::DocumentMissing},
    };
    for (const Row& row : rows) {
        job.recipients = row.recipients;
        document = row.document;
        if (!row.account) {
            settings.RemoveKey("logon");
        }
        const Outcome outcome = submit();
        settings["logon"] = "acme";
        EXPECT_EQ(outcome.failure, row.failure) << row.name;
        EXPECT_TRUE(outcome.mails.empty()) << row.name;
        EXPECT_EQ(outcome.details.empty(), row.failure != Failure::DocumentMissing)
            << row.name << ": the details say why";
    }
    EXPECT_EQ(transport.sessions, 0);
    job.recipients = rows[1].recipients;
    const Outcome refused = submit();
    EXPECT_EQ(refused.refusedNumber, "12345");
    EXPECT_EQ(refused.numberRule, FaxNumberRules::Rule::LeadingOneNeedsElevenChars);
    std::string unused;
    settings.RemoveKey("logon");
    (void)submit();
    EXPECT_FALSE(settings.Lookup("logon", unused)) << "the lookup does not add the key";
}

TEST_F(Submission, ALongJobGoesAsSeveralMailsAndAPartialSendSaysWhichNumbersWentAndWhichDidNot) {
    job.recipients.clear();
    for (int i = 0; i < 300; ++i) {
        job.recipients.push_back("212555" + std::to_string(1000 + i));
    }
    const auto groups = FaxSubmission::GroupRecipients(job, settings);
    ASSERT_GT(groups.size(), 2u);
    std::vector<std::string> joined;
    for (const auto& group : groups) {
        joined.insert(joined.end(), group.begin(), group.end());
    }
    EXPECT_EQ(joined, job.recipients) << "every number once, in order";

    transport.accepted = 1;
    transport.ending.failure = Failure::Temporary;
    transport.ending.lastReply = "451 4.3.0 later";
    const Outcome outcome = submit();
    EXPECT_EQ(outcome.failure, Failure::Temporary);
    ASSERT_EQ(outcome.mails.size(), groups.size());
    EXPECT_EQ(transport.subjects.size(), 2u) << "the job stops at the first mail not accepted";
    EXPECT_EQ(outcome.mails[1].state, State::Refused);
    EXPECT_EQ(outcome.mails[2].state, State::NotTried);
    EXPECT_TRUE(outcome.PartlySent());
    EXPECT_TRUE(outcome.MayPass());
    EXPECT_EQ(outcome.SentNumbers(), groups[0]);
    const std::vector<std::string> rest(job.recipients.begin() + static_cast<long>(groups[0].size()),
                                        job.recipients.end());
    EXPECT_EQ(outcome.UnsentNumbers(), rest);
    const OutcomeText said = OutcomeText::For(outcome);
    EXPECT_EQ(said.text, std::string(kTemporary) + "\n\nThe fax went to " + std::to_string(groups[0].size()) +
                             " of the 300 numbers. Only the " + std::to_string(rest.size()) +
                             " numbers not yet sent are left in the list.");

    transport.ending.failure = Failure::Cancelled;
    EXPECT_EQ(OutcomeText::For(submit()).text.rfind("The fax went to ", 0), 0u) << "a cancel says only what went";
}

// What a session met, as the transport would describe it, at mx.example.
Outcome Met(Failure failure, bool connected, unsigned port, std::string details = {}, std::string reply = {},
            std::string reason = {}) {
    Outcome outcome;
    outcome.failure = failure;
    outcome.connected = connected;
    outcome.server = "mx.example";
    outcome.port = port;
    outcome.details = std::move(details);
    outcome.lastReply = std::move(reply);
    outcome.systemReason = std::move(reason);
    outcome.certificate = CSmtpClient::CertificateProblem::Expired;
    outcome.messageSize = 2000000;
    outcome.sizeLimit = 1000000;
    return outcome;
}

Outcome Checked(Failure failure, std::string details = {}) {
    Outcome outcome;
    outcome.failure = failure;
    outcome.details = std::move(details);
    if (failure == Failure::NumberRefused) {
        outcome.refusedNumber = "12345";
        outcome.numberRule = FaxNumberRules::Rule::LeadingOneNeedsElevenChars;
    }
    return outcome;
}

const std::string kSendError = kSendErrorCaption;

struct Told {
    const char* name;
    Outcome outcome;
    std::string text;
    std::string caption;
    Icon icon;
    std::string details;
    int exitStatus;
    friend void PrintTo(const Told& t, std::ostream* os) { *os << t.name; }
};

class EveryOutcome : public testing::TestWithParam<Told> {};

TEST_P(EveryOutcome, HasItsWordsAndItsExitStatus) {
    const Told& row = GetParam();
    const OutcomeText said = OutcomeText::For(row.outcome);
    EXPECT_EQ(said.text, row.text);
    EXPECT_EQ(said.caption, row.caption);
    EXPECT_EQ(said.icon, row.icon);
    EXPECT_EQ(said.details, row.details);
    EXPECT_EQ(said.captionNamesSubject, row.outcome.failure == Failure::NumberRefused);
    EXPECT_EQ(ExitStatus::For(row.outcome), row.exitStatus);
}

const std::string kServer25 = "Mail server mx.example, port 25.";
const std::string kCertificate = "The mail server's certificate cannot be trusted: it has expired.  Server: "
                                 "mx.example.  Please check your mail server settings, or see the online help.";

INSTANTIATE_TEST_SUITE_P(
    Cases, EveryOutcome,
    testing::Values(
        Told{"a sent fax says nothing", Outcome{}, "", "", Icon::None, "", ExitStatus::kOk},
        Told{"an empty list", Checked(Failure::NoRecipients), kNoRecipients, kNoRecipientsCaption, Icon::None, "",
             ExitStatus::kUsage},
        Told{"a number that breaks a rule names the entry in the caption", Checked(Failure::NumberRefused),
             "A fax number that begins with 1 must be followed by exactly 10 digits",
             "Please verify fax telephone number 12345", Icon::Exclamation, "", ExitStatus::kDataError},
        Told{"no account", Checked(Failure::NoAccount), kCheckPassword, kCheckPasswordCaption, Icon::None, "",
             ExitStatus::kConfig},
        Told{"a missing document gives why as it is", Checked(Failure::DocumentMissing, "/tmp/gone.pdf: No such file"),
             kFileNotFound, kFileNotFoundCaption, Icon::Exclamation, "/tmp/gone.pdf: No such file",
             ExitStatus::kNoInput},
        Told{"a result without a server gives only its own words",
             Checked(Failure::DocumentUnreadable, "Unable to read /tmp/gone.pdf"), kSendFailed, kSendError,
             Icon::Exclamation, "Unable to read /tmp/gone.pdf.", ExitStatus::kNoInput},
        Told{"a refusal for now shows the reply as it was said",
             Met(Failure::Temporary, true, 25, "", "451 4.3.0 try later"), kTemporary, kSendError, Icon::Exclamation,
             kServer25 + "\nThe server's last reply: 451 4.3.0 try later", ExitStatus::kTempFail},
        Told{"no answer to the end of data is no refusal",
             Met(Failure::AnswerMissing, true, 25, "Timed out waiting for the server", "354 go"), kSendFailed,
             kSendError, Icon::Exclamation,
             kServer25 + "\nTimed out waiting for the server.\nThe server's last reply: 354 go", ExitStatus::kTempFail},
        Told{"a name that cannot be found",
             Met(Failure::NameNotFound, false, 25, "Unable to connect to server", "", "Name or service not known"),
             "The mail server mx.example could not be found.  Please check the server's name in your mail server "
             "settings and your Internet connection, or see the online help.",
             kSendError, Icon::Exclamation,
             kServer25 + "\nUnable to connect to server.\nThe system's reason: Name or service not known.",
             ExitStatus::kUnavailable},
        Told{"a port where the server refuses the connection",
             Met(Failure::ConnectionRefused, false, 2525, "Unable to connect to server", "", "Connection refused"),
             "The mail server mx.example refused the connection on port 2525.  Please check the port in your mail "
             "server settings, or see the online help.",
             kSendError, Icon::Exclamation,
             "Mail server mx.example, port 2525.\nUnable to connect to server.\nThe system's reason: Connection "
             "refused.",
             ExitStatus::kUnavailable},
        Told{"a server that does not answer in time", Met(Failure::Timeout, false, 25, "Unable to connect to server"),
             "The mail server mx.example did not answer in time.  Please check your Internet connection and mail "
             "server settings, or try again later.",
             kSendError, Icon::Exclamation, kServer25 + "\nUnable to connect to server.", ExitStatus::kUnavailable},
        Told{"a server that stops answering mid-session", Met(Failure::Timeout, true, 25), kSendFailed, kSendError,
             Icon::Exclamation, kServer25, ExitStatus::kTempFail},
        Told{"a port out of range keeps the connect text and says what a port must be",
             Met(Failure::Connect, false, 0, "Unable to connect to server"), kConnectFailed, kSendError,
             Icon::Exclamation,
             "Mail server mx.example, port 0.\nThe port must be a number from 1 to 65535.\nUnable to connect to "
             "server.",
             ExitStatus::kUnavailable},
        Told{"a broken connection", Met(Failure::ConnectionLost, true, 25), kSendFailed, kSendError, Icon::Exclamation,
             kServer25, ExitStatus::kProtocol},
        Told{"a refusal for good", Met(Failure::Permanent, true, 25, "", "554 no"), kSendFailed, kSendError,
             Icon::Exclamation, kServer25 + "\nThe server's last reply: 554 no", ExitStatus::kUnavailable},
        Told{"SSL/TLS asked of a port that greets in plain text names the choice to make",
             Met(Failure::PlainTextServer, false, 587),
             "The mail server answers in plain text on port 587, where SSL/TLS was asked for.  Please choose "
             "STARTTLS as the connection security in your mail server settings, or port 465 for SSL/TLS.",
             kSendError, Icon::Exclamation, "Mail server mx.example, port 587.", ExitStatus::kUnavailable},
        Told{"a certificate that cannot be trusted says why", Met(Failure::CertificateRefused, false, 25), kCertificate,
             kSendError, Icon::Exclamation, kServer25, ExitStatus::kNoPermission},
        Told{"no encryption on offer", Met(Failure::EncryptionUnavailable, false, 25),
             "The mail server does not offer an encrypted connection.  Please check the connection security in your "
             "mail server settings, or see the online help.",
             kSendError, Icon::Exclamation, kServer25, ExitStatus::kUnavailable},
        Told{"no login possible", Met(Failure::LoginUnavailable, false, 25),
             "The mail server cannot take your login: a login needs an encrypted connection and a login method the "
             "server offers.  Please check your mail server settings, or see the online help.",
             kSendError, Icon::Exclamation, kServer25, ExitStatus::kConfig},
        Told{"a refused login", Met(Failure::LoginRefused, false, 25), kLoginRefused, kSendError, Icon::Exclamation,
             kServer25, ExitStatus::kNoPermission},
        Told{"a message too large", Met(Failure::TooLarge, true, 25),
             "The fax is too large for the mail server: the message has 2000000 bytes and the server takes at most "
             "1000000.  Please send a smaller document, or use another mail server.",
             kSendError, Icon::Exclamation, kServer25, ExitStatus::kUnavailable},
        Told{"an unknown security setting", Met(Failure::BadAddress, false, 25, "unknown connection security"),
             kConnectFailed, kSendError, Icon::Exclamation, kServer25 + "\nunknown connection security.",
             ExitStatus::kConfig},
        Told{"a cancel before anything went needs no message", Met(Failure::Cancelled, true, 25), "", "", Icon::None,
             "", ExitStatus::kTempFail}),
    desklet::test::SentenceName{});

TEST_F(Submission, ALongCommandReachesARealServerAsTheSameText) {
    desklet::test::CaptureSmtpServer capture;
    ASSERT_TRUE(capture.running());
    settings["smtp"] = "127.0.0.1";
    settings["smtp_port"] = std::to_string(capture.port());
    std::string comment;
    while (comment.size() < 3000) {
        comment += "line " + std::to_string(comment.size()) + " of the note\n";
    }
    std::vector<std::string> many;
    for (int i = 0; i < 300; ++i) {
        many.push_back("1212555" + std::to_string(1000 + i));
    }
    struct Row {
        const char* name;
        std::vector<std::string> recipients;
        std::string comment;
    };
    const Row rows[] = {{"300 recipients", many, ""}, {"a 3000-character comment", {"2125551212"}, comment}};
    std::size_t received = 0;
    for (const Row& row : rows) {
        job.recipients = row.recipients;
        job.comment = row.comment;
        std::vector<std::string> expected;
        for (const auto& group : FaxSubmission::GroupRecipients(job, settings)) {
            FaxJob part = job;
            part.recipients = group;
            expected.push_back(
                FaxCommand::Compose(part, settings, "fax.quillmark.example", "-desklet@fax.quillmark.example").command);
        }
        SmtpClientTransport smtp;
        const Outcome outcome = FaxSubmission::Submit(job, document, settings, smtp, progress);
        ASSERT_TRUE(outcome.Sent()) << row.name << ": " << outcome.details;
        ASSERT_EQ(outcome.mails.size(), expected.size());
        EXPECT_EQ(outcome.mails.back().finalReply.rfind("250", 0), 0u) << outcome.mails.back().finalReply;
        const auto messages = capture.Messages(received + expected.size());
        ASSERT_EQ(messages.size(), received + expected.size()) << row.name;
        std::vector<std::string> subjects;
        for (std::size_t i = received; i < messages.size(); ++i) {
            const auto mail = desklet::test::ParseMail(messages[i]);
            ASSERT_TRUE(mail.ok) << mail.error;
            subjects.push_back(mail.subject);
        }
        received = messages.size();
        std::sort(subjects.begin(), subjects.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(subjects, expected) << row.name;
    }
}

TEST(DocumentPath, NamesTheFileThatWasFoundAlsoBehindALink) {
    desklet::test::TempDir files;
    std::filesystem::create_directories(files.path() / "real" / "inner");
    const auto document = files.WriteFile("real/doc.pdf", "%PDF");
    std::filesystem::create_directory_symlink(files.path() / "real" / "inner", files.path() / "link");
    // link/.. is real/, not the folder that holds the link.
    const std::string resolved = FaxSubmission::ResolveDocument((files.path() / "link" / ".." / "doc.pdf").string());
    ASSERT_FALSE(resolved.empty());
    EXPECT_TRUE(std::filesystem::equivalent(resolved, document)) << resolved;
    EXPECT_EQ(resolved.front(), '/');
}

struct PortCase {
    const char* name;
    std::string text;
    unsigned port;
    friend void PrintTo(const PortCase& c, std::ostream* os) { *os << c.name; }
};

class PortText : public testing::TestWithParam<PortCase> {};

TEST_P(PortText, ReadsAsAtoiWould) {
    EXPECT_EQ(FaxSubmission::ParsePort(GetParam().text), GetParam().port);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortText,
    testing::Values(PortCase{"plain digits", "2525", 2525u}, PortCase{"letters give zero", "abc", 0u},
                    PortCase{"leading blanks and a sign", "  +587", 587u},
                    PortCase{"digits then letters", "25abc", 25u}, PortCase{"empty gives zero", "", 0u},
                    PortCase{"a negative port stays out of range", "-1", static_cast<unsigned>(-1)},
                    PortCase{"an overlong number is held at the limit", "99999999999999999999",
                             static_cast<unsigned>(INT_MAX)}),
    desklet::test::SentenceName{});

} // namespace
