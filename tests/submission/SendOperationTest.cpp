#include "submission/SendOperation.h"
#include "fax/FaxCommand.h"
#include "mail/CMailItem.h"
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"
#include "support/CaptureSmtpServer.h"
#include "support/ScriptedSmtpServer.h"
#include "support/TempDir.h"
#include "support/TestAuthority.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

using namespace desklet;
using Icon = SendOperation::Icon;
using Failure = SendOperation::Failure;
using TransferResult = SendOperation::TransferResult;

namespace {

// Records what the user would have seen, in order.
struct Screen {
    std::vector<std::string> events;
    std::vector<std::string> details;
    std::vector<std::string> kept;

    SendOperation::Ui ui() {
        SendOperation::Ui ui;
        ui.hide = [this] { events.push_back("hide"); };
        ui.show = [this] { events.push_back("show"); };
        ui.message = [this](const std::string& text, const std::string& caption, Icon icon,
                            const std::string& details) {
            events.push_back("message " + caption + " | " + text + (icon == Icon::Exclamation ? " | !" : ""));
            this->details.push_back(details);
        };
        ui.runAccountSettings = [this] { events.push_back("settings"); };
        ui.runMailServerSettings = [this] { events.push_back("mail server settings"); };
        ui.keepRecipients = [this](const std::vector<std::string>& remaining) { kept = remaining; };
        return ui;
    }
};

const SendOperation::Config kConfig{"fax.quillmark.example", "-desklet@fax.quillmark.example"};

class SendOperationTest : public testing::Test {
protected:
    desklet::test::TempDir files;
    Screen screen;
    CMapStringToString settings;
    FaxJob job;
    std::string document;
    int transfers = 0;
    std::string server;
    unsigned port = 0;
    std::string header;
    std::vector<std::string> subjects;

    void SetUp() override {
        settings["logon"] = "acme";
        job.recipients = {"2125551212"};
        document = files.WriteFile("a.pdf", "%PDF").string();
    }

    SendOperation::Transfer transfer(TransferResult result) {
        return [this, result](const std::vector<CMailItem*>& mails, const std::string& s, unsigned p) {
            ++transfers;
            server = s;
            port = p;
            for (CMailItem* item : mails) {
                EXPECT_TRUE(item->ComposeMessage());
                header = item->m_strHeader;
                subjects.push_back(item->m_strSubject);
            }
            return result;
        };
    }

    Failure run(TransferResult result = {}) {
        return SendOperation::Run(job, document, settings, kConfig, screen.ui(), transfer(result));
    }
};

TEST_F(SendOperationTest, ASuccessfulSendHidesTheDialogAndSaysNothing) {
    EXPECT_EQ(run(), Failure::None);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"hide"}));
    EXPECT_EQ(transfers, 1);
    EXPECT_EQ(server, "fax.quillmark.example");
    EXPECT_EQ(port, 25u);
    EXPECT_NE(header.find("To: <acme-config@fax.quillmark.example>\r\n"), std::string::npos);
    EXPECT_NE(header.find("From: acme-desklet@fax.quillmark.example\r\n"), std::string::npos);
    EXPECT_NE(header.find("Subject: fax  -lowres -plain -cover -code  -doca 2125551212 \r\n"), std::string::npos);
}

TEST_F(SendOperationTest, TheServerSettingsReplaceTheDefaults) {
    settings["smtp"] = "127.0.0.1";
    settings["smtp_port"] = "2525";
    run();
    EXPECT_EQ(server, "127.0.0.1");
    EXPECT_EQ(port, 2525u);
}

TEST_F(SendOperationTest, AMissingAccountShowsTheDialogBeforeItsMessageThenTheSheet) {
    settings.RemoveKey("logon");
    EXPECT_EQ(run(), Failure::NoAccount);
    EXPECT_EQ(screen.events,
              (std::vector<std::string>{"hide", "show",
                                        "message Error sending fax - Check Password | Please verify your account name "
                                        "and password",
                                        "settings"}));
    EXPECT_EQ(transfers, 0);
    EXPECT_FALSE(settings.Lookup("logon", server)) << "the lookup does not add the key";
}

// What a transfer met, as the client would describe it, at mx.example.
TransferResult Met(Failure failure, bool connected, CSmtpClient::FailureKind kind, unsigned port,
                   std::string details = {}, std::string reply = {}, std::string reason = {}) {
    TransferResult result(failure, connected, 0, std::move(details));
    result.server = "mx.example";
    result.port = port;
    result.kind = kind;
    result.reply = std::move(reply);
    result.reason = std::move(reason);
    return result;
}

TEST_F(SendOperationTest, TransferFailuresEachShowTheirMessageWithTheWarningIconAndDetailsInSentences) {
    using Kind = CSmtpClient::FailureKind;
    struct Row {
        const char* name;
        TransferResult result;
        std::string text;
        std::string details;
    };
    const std::string server25 = "Mail server mx.example, port 25.\n";
    const Row rows[] = {
        {"a refusal for now says to try again later and shows the reply as it was said",
         Met(Failure::Temporary, true, Kind::Temporary, 25, "", "451 4.3.0 try later"), SendOperation::kTemporaryText,
         server25 + "The server's last reply: 451 4.3.0 try later"},
        {"no answer to the end of data is no refusal",
         Met(Failure::Temporary, true, Kind::Timeout, 25, "Timed out waiting for the server", "354 go"),
         SendOperation::kSendFailedText,
         server25 + "Timed out waiting for the server.\nThe server's last reply: 354 go"},
        {"a name that cannot be found",
         Met(Failure::Connect, false, Kind::NameNotFound, 25, "Unable to connect to server", "",
             "Name or service not known"),
         "The mail server mx.example could not be found.  Please check the server's name in your mail server "
         "settings and your Internet connection, or see the online help.",
         server25 + "Unable to connect to server.\nThe system's reason: Name or service not known."},
        {"a port where the server refuses the connection",
         Met(Failure::Connect, false, Kind::ConnectionRefused, 2525, "Unable to connect to server", "",
             "Connection refused"),
         "The mail server mx.example refused the connection on port 2525.  Please check the port in your mail "
         "server settings, or see the online help.",
         "Mail server mx.example, port 2525.\nUnable to connect to server.\nThe system's reason: Connection refused."},
        {"a server that does not answer in time",
         Met(Failure::Connect, false, Kind::Timeout, 25, "Unable to connect to server"),
         "The mail server mx.example did not answer in time.  Please check your Internet connection and mail server "
         "settings, or try again later.",
         server25 + "Unable to connect to server."},
        {"a port out of range keeps the connect text and says what a port must be",
         Met(Failure::Connect, false, Kind::Connect, 0, "Unable to connect to server"),
         SendOperation::kConnectFailedText,
         "Mail server mx.example, port 0.\nThe port must be a number from 1 to 65535.\nUnable to connect to server."},
        {"SSL/TLS asked of a port that greets in plain text names the choice to make",
         Met(Failure::EncryptionUnavailable, false, Kind::PlainTextServer, 587, "Unable to start TLS", "",
             "wrong version number"),
         "The mail server answers in plain text on port 587, where SSL/TLS was asked for.  Please choose STARTTLS "
         "as the connection security in your mail server settings, or port 465 for SSL/TLS.",
         "Mail server mx.example, port 587.\nUnable to start TLS.\nThe system's reason: wrong version number."},
        {"a result without a server gives only its own words",
         TransferResult(Failure::DocumentUnreadable, true, 0, "Unable to read /tmp/gone.pdf"),
         SendOperation::kSendFailedText, "Unable to read /tmp/gone.pdf."},
    };
    for (const Row& row : rows) {
        screen.events.clear();
        screen.details.clear();
        EXPECT_EQ(run(row.result), row.result.failure) << row.name;
        EXPECT_EQ(screen.events,
                  (std::vector<std::string>{"hide", "message Error sending Fax | " + row.text + " | !", "show"}))
            << row.name;
        EXPECT_EQ(screen.details, std::vector<std::string>{row.details}) << row.name;
    }
    screen.events.clear();
    EXPECT_EQ(run({Failure::Cancelled, true, 0, ""}), Failure::Cancelled);
    EXPECT_EQ(screen.events, (std::vector<std::string>{"hide", "show"})) << "a cancel needs no message";
}

TEST_F(SendOperationTest, TheSecureRoadsRefusalsNameTheirReasonAndARefusedLoginOpensTheMailServerPage) {
    using Problem = CSmtpClient::CertificateProblem;
    struct Row {
        Failure failure;
        Problem problem;
        std::string text;
        bool opensMailServerPage;
    };
    const std::string prefix = "The mail server's certificate cannot be trusted: ";
    const std::string suffix =
        ".  Server: mx.example.  Please check your mail server settings, or see the online help.";
    const Row rows[] = {
        {Failure::CertificateRefused, Problem::Expired, prefix + "it has expired" + suffix, false},
        {Failure::CertificateRefused, Problem::NameMismatch, prefix + "it is not valid for this server's name" + suffix,
         false},
        {Failure::CertificateRefused, Problem::Untrusted,
         prefix + "it was issued by an authority this computer does not trust" + suffix, false},
        {Failure::EncryptionUnavailable, Problem::None, SendOperation::kEncryptionUnavailableText, false},
        {Failure::LoginUnavailable, Problem::None, SendOperation::kLoginUnavailableText, false},
        {Failure::LoginRefused, Problem::None, SendOperation::kLoginRefusedText, true},
        {Failure::TooLarge, Problem::None,
         "The fax is too large for the mail server: the message has 2000000 bytes and the server takes at most "
         "1000000.  Please send a smaller document, or use another mail server.",
         false},
    };
    for (const Row& row : rows) {
        screen.events.clear();
        TransferResult result(row.failure, false, 0, "Server mx.example, port 587: details");
        result.server = "mx.example";
        result.certificate = row.problem;
        result.messageSize = 2000000;
        result.sizeLimit = 1000000;
        EXPECT_EQ(run(result), row.failure);
        std::vector<std::string> expected = {"hide", "message Error sending Fax | " + row.text + " | !", "show"};
        if (row.opensMailServerPage) {
            expected.push_back("mail server settings");
        }
        EXPECT_EQ(screen.events, expected);
    }
}

TEST_F(SendOperationTest, ALongJobGoesAsSeveralMailsAndAPartialSendKeepsOnlyTheNumbersNotSent) {
    job.recipients.clear();
    for (int i = 0; i < 300; ++i) {
        job.recipients.push_back("212555" + std::to_string(1000 + i));
    }
    const auto groups = SendOperation::GroupRecipients(job, settings, kConfig);
    ASSERT_GT(groups.size(), 1u);
    std::vector<std::string> joined;
    for (const auto& group : groups) {
        joined.insert(joined.end(), group.begin(), group.end());
    }
    EXPECT_EQ(joined, job.recipients) << "every number once, in order";

    EXPECT_EQ(run({Failure::Temporary, true, 1, "Server x, port 25: 451:SMTP server error"}), Failure::Temporary);
    EXPECT_EQ(subjects.size(), groups.size());
    const std::vector<std::string> rest(job.recipients.begin() + static_cast<long>(groups[0].size()),
                                        job.recipients.end());
    EXPECT_EQ(screen.kept, rest);
    ASSERT_EQ(screen.events.size(), 3u);
    EXPECT_NE(screen.events[1].find("The fax went to " + std::to_string(groups[0].size()) + " of the 300 numbers."),
              std::string::npos)
        << screen.events[1];
}

TEST_F(SendOperationTest, ALongCommandReachesARealServerAsTheSameText) {
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
        for (const auto& group : SendOperation::GroupRecipients(job, settings, kConfig)) {
            FaxJob part = job;
            part.recipients = group;
            expected.push_back(FaxCommand::Compose(part, settings, kConfig.gatewayDomain, kConfig.senderTag).command);
        }
        ASSERT_EQ(SendOperation::Run(job, document, settings, kConfig, screen.ui(),
                                     [](const std::vector<CMailItem*>& mails, const std::string& s, unsigned p) {
                                         return SendOperation::TransferOverSmtp(mails, s, p);
                                     }),
                  Failure::None)
            << row.name;
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

TEST(SmtpTransfer, AMailRefusedMidJobEndsTheSessionWithTheReplyInTheDetails) {
    using S = desklet::test::ScriptedSmtpServer;
    std::vector<S::Step> script = {S::Send("220 ready\r\n"), S::ReadLine(), S::Send("250 hi\r\n")};
    for (const char* end : {"250 queued\r\n", "554 5.7.1 number barred\r\n"}) {
        for (const char* reply : {"250 ok\r\n", "250 ok\r\n", "354 go\r\n"}) {
            script.push_back(S::ReadLine());
            script.push_back(S::Send(reply));
        }
        script.push_back(S::ReadUntil("\r\n.\r\n"));
        script.push_back(S::Send(end));
    }
    script.push_back(S::ReadLine());
    script.push_back(S::Send("221 bye\r\n"));
    S server(script);
    ASSERT_TRUE(server.listening());

    std::vector<std::unique_ptr<CMailItem>> items;
    std::vector<CMailItem*> mails;
    for (int i = 0; i < 3; ++i) {
        items.push_back(std::make_unique<CMailItem>());
        items.back()->m_strSender = "a@b.example";
        items.back()->AddRecipient("c@d.example", "");
        mails.push_back(items.back().get());
    }
    const TransferResult result = SendOperation::TransferOverSmtp(mails, server.host(), server.port());
    EXPECT_TRUE(server.Finish());
    EXPECT_EQ(result.failure, Failure::Permanent);
    EXPECT_EQ(result.mailsSent, 1u);
    EXPECT_EQ(result.server, "127.0.0.1");
    EXPECT_EQ(result.port, server.port());
    EXPECT_EQ(result.reply, "554 5.7.1 number barred");
    EXPECT_EQ(result.details, "") << "the reply speaks for itself";
    const std::string sent = server.Received();
    std::size_t mailCommands = 0;
    for (std::size_t at = 0; (at = sent.find("MAIL From:", at)) != std::string::npos; ++at) {
        ++mailCommands;
    }
    EXPECT_EQ(mailCommands, 2u) << "the third mail is never offered";
    EXPECT_NE(sent.find("QUIT\r\n"), std::string::npos);
}

TEST(SmtpTransfer, EachWayASessionEndsGetsItsCategory) {
    using S = desklet::test::ScriptedSmtpServer;
    using namespace std::chrono_literals;
    // Up to the message's end: greeting, HELO, MAIL, RCPT, DATA, the message.
    auto upToEnd = [] {
        std::vector<S::Step> steps = {S::Send("220 ready\r\n")};
        for (const char* reply : {"250 hi\r\n", "250 ok\r\n", "250 ok\r\n", "354 go\r\n"}) {
            steps.push_back(S::ReadLine());
            steps.push_back(S::Send(reply));
        }
        steps.push_back(S::ReadUntil("\r\n.\r\n"));
        return steps;
    };
    using Kind = CSmtpClient::FailureKind;
    struct Row {
        const char* name;
        std::vector<S::Step> script;
        Failure failure;
        bool connected;
        Kind kind; // what the messages choose their words by
    };
    std::vector<Row> rows = {
        {"busy at the greeting", {S::Send("421 busy\r\n"), S::Hold(2s)}, Failure::Temporary, false, Kind::Temporary},
        {"turned away at the greeting",
         {S::Send("554 go away\r\n"), S::Hold(2s)},
         Failure::Connect,
         false,
         Kind::Permanent},
        {"a reply that makes no sense",
         {S::Send("220 ready\r\n"), S::ReadLine(), S::Send("250 hi\r\n"), S::ReadLine(), S::Send("354 what\r\n"),
          S::Hold(2s)},
         Failure::Protocol,
         true,
         Kind::Protocol},
        {"closed before the end of data was answered", upToEnd(), Failure::Protocol, true, Kind::ConnectionLost},
        {"no answer to the end of data", upToEnd(), Failure::Temporary, true, Kind::Timeout},
    };
    rows[3].script.push_back(S::Close());
    rows[4].script.push_back(S::Hold(2s));
    for (const Row& row : rows) {
        S server(row.script);
        ASSERT_TRUE(server.listening());
        CSmtpClient client("", 25);
        client.SetTimeouts(SmtpTimeouts::Uniform(500ms));
        CMailItem item;
        item.m_strSender = "a@b.example";
        item.AddRecipient("c@d.example", "");
        const TransferResult result = SendOperation::TransferOverSmtp(client, {&item}, server.host(), server.port());
        EXPECT_EQ(result.failure, row.failure) << row.name << ": " << result.details;
        EXPECT_EQ(result.connected, row.connected) << row.name;
        EXPECT_EQ(result.kind, row.kind) << row.name;
        EXPECT_EQ(result.mailsSent, 0u) << row.name;
        (void)server.Finish();
    }
}

// The document is read as it is sent: one cut short on the way is unreadable,
// never a fax sent, nor a refusal by the server.
TEST(SmtpTransfer, ADocumentCutShortWhileSentIsUnreadable) {
    using S = desklet::test::ScriptedSmtpServer;
    S server({S::Send("220 ready\r\n"), S::ReadLine(), S::Send("250 hi\r\n"), S::ReadLine(), S::Send("250 ok\r\n"),
              S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("354 go\r\n"),
              S::Hold(std::chrono::seconds(5))});
    ASSERT_TRUE(server.listening());
    desklet::test::TempDir files;
    const auto document = files.WriteFile("scan.pdf", std::string(3u << 20, 'x'));
    CMimeMailItem item;
    item.m_strSender = "a@b.example";
    item.AddRecipient("c@d.example", "");
    item.AddMimePart(document.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
    CSmtpClient client("", 25);
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(5)));
    client.SetProgressCallback([&document](std::uint64_t sent, std::uint64_t) {
        if (sent > 0) {
            std::filesystem::resize_file(document, 10);
        }
    });
    const TransferResult result = SendOperation::TransferOverSmtp(client, {&item}, server.host(), server.port());
    EXPECT_EQ(result.failure, Failure::DocumentUnreadable) << result.details;
    EXPECT_EQ(result.mailsSent, 0u);
    EXPECT_NE(result.details.find("scan.pdf changed while it was being read"), std::string::npos) << result.details;
    EXPECT_TRUE(server.Finish());
}

TEST(SmtpTransfer, SecureRefusalsGetTheirCategoryAndTheirDetailsNeverTheSecret) {
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
        CSmtpClient client("", 25);
        client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(20)));
        client.SetSecurity(CSmtpClient::Security::StartTls);
        client.SetCredentials("ann", row.password);
        CMailItem item;
        item.m_strSender = "a@b.example";
        item.AddRecipient("c@d.example", "");
        const TransferResult result = SendOperation::TransferOverSmtp(client, {&item}, "127.0.0.1", server.port());
        const std::string said = result.details + "\n" + result.reply + "\n" + result.reason;
        EXPECT_EQ(result.failure, row.failure) << row.name << ": " << said;
        EXPECT_NE(said.find(row.detail), std::string::npos) << row.name << ": " << said;
        EXPECT_EQ(said.find(row.password), std::string::npos) << row.name;
    }
}

TEST_F(SendOperationTest, ANumberRuleStopsAtTheFirstBadEntryOverTheDialogStillInSight) {
    job.recipients = {"0114420712345", "12345", "99"};
    run();
    EXPECT_EQ(screen.events, (std::vector<std::string>{"message Please verify fax telephone number 12345 | A fax "
                                                       "number that begins with 1 must be followed by exactly 10 "
                                                       "digits | !",
                                                       "show"}))
        << "not hidden first";
    EXPECT_EQ(transfers, 0);
}

TEST_F(SendOperationTest, ADocumentThatIsNoReadableFileIsNotFound) {
    for (const std::string& path :
         {std::string(), (files.path() / "missing.pdf").string(), files.path().string(), std::string("/dev/null")}) {
        screen.events.clear();
        screen.details.clear();
        document = path;
        run();
        ASSERT_EQ(screen.events.size(), 3u) << path;
        EXPECT_FALSE(screen.details.at(0).empty()) << "the details say why";
        EXPECT_EQ(screen.events[1], "message Error: File not found! | Please verify the path to the file you want to "
                                    "fax. | !");
    }
    EXPECT_EQ(transfers, 0);
}

TEST_F(SendOperationTest, TheDocumentPathNamesTheFileThatWasFoundAlsoBehindALink) {
    std::filesystem::create_directories(files.path() / "real" / "inner");
    const auto document = files.WriteFile("real/doc.pdf", "%PDF");
    std::filesystem::create_directory_symlink(files.path() / "real" / "inner", files.path() / "link");
    // link/.. is real/, not the folder that holds the link.
    const std::string resolved = SendOperation::ResolveDocument((files.path() / "link" / ".." / "doc.pdf").string());
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
    EXPECT_EQ(SendOperation::ParsePort(GetParam().text), GetParam().port);
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
