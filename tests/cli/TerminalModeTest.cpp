#include "submission/ExitStatus.h"
#include "support/CaptureSmtpServer.h"
#include "support/ProgramRun.h"
#include "support/SubmissionTexts.h"
#include "support/TempDir.h"
#include "support/TestAuthority.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace desklet;
using namespace desklet::test;

namespace {

// The runs without a window need no display; none is offered to them.
const std::vector<std::string> kNoDisplay = {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

class NoWindow : public testing::Test {
protected:
    TempSettingsHome home;
    TempDataHome data; // the sent log and the outbox, never the real ones
    TempDir files;

    void Store(const std::map<std::string, std::string>& values) const { home.Store(values); }

    static ProgramResult Desklet(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), DESKLET_PROGRAM);
        return RunProgram(arguments, kNoDisplay);
    }
};

TEST_F(NoWindow, HelpAndVersionPrintAndEnd) {
    const ProgramResult help = Desklet({"--help"});
    EXPECT_EQ(help.exitCode, 0) << help.err;
    EXPECT_EQ(help.out.rfind("Usage: desklet", 0), 0u) << help.out;
    EXPECT_NE(help.out.find("78 no account is set up"), std::string::npos);
    // The exit statuses name every case the README's table names.
    for (const char* named :
         {"--password-file FILE", "encryption", "this large", "no display", "smtp_security", "password file"}) {
        EXPECT_NE(help.out.find(named), std::string::npos) << named;
    }
    const ProgramResult version = Desklet({"--version"});
    EXPECT_EQ(version.exitCode, 0) << version.err;
    EXPECT_EQ(version.out.rfind("desklet ", 0), 0u);
    EXPECT_EQ(Lines(version.out).size(), 1u);
}

TEST_F(NoWindow, PrintMessageWritesTheMailAsItWouldGoAndSendsNothing) {
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", "1"}});
    const auto document = files.WriteFile("a.pdf", "%PDF-1.4\n");
    const ProgramResult run = Desklet({"--print-message", "-file", document.string(), "-fax", "2125551212", "-cover",
                                       "no", "-resolution", "high", "-attention", "Bob"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("\r\nSubject: fax  -highres -plain -nocover -code  -doca 2125551212 Bob\r\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("JVBERi0xLjQK"), std::string::npos) << "the document, base64-encoded";
    for (std::size_t at = 0; (at = run.out.find('\n', at)) != std::string::npos; ++at) {
        ASSERT_TRUE(at > 0 && run.out[at - 1] == '\r') << "CR LF lines, as on the wire";
    }
}

// The fax numbers a Subject names: its runs of ten digits or more.
std::vector<std::string> Numbers(const std::string& subject) {
    std::vector<std::string> numbers;
    std::string run;
    for (const char c : subject + " ") {
        if (c >= '0' && c <= '9') {
            run += c;
            continue;
        }
        if (run.size() >= 10) {
            numbers.push_back(run);
        }
        run.clear();
    }
    return numbers;
}

TEST_F(NoWindow, PrintMessageOfASplitJobWritesAnMboxAMailReaderSplits) {
    Store({{"logon", "acme"}});
    const auto document = files.WriteFile("a.pdf", "%PDF-1.4\nFrom here on\n");
    std::vector<std::string> numbers;
    std::string list;
    for (int i = 0; i < 300; ++i) {
        numbers.push_back(std::to_string(2125550000 + i));
        list += (i > 0 ? "," : "") + numbers.back();
    }
    const ProgramResult run = Desklet({"--print-message", "-file", document.string(), "-fax", list});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    std::string error;
    const std::vector<ParsedMail> mails = ParseMbox(files.WriteFile("fax.mbox", run.out), error);
    ASSERT_GT(mails.size(), 1u) << error;
    EXPECT_EQ(run.err, "desklet: " + std::to_string(mails.size()) +
                           " fax mails, one for each share of the numbers, written as an mbox\n");
    std::vector<std::string> seen;
    std::set<std::string> ids;
    for (const ParsedMail& mail : mails) {
        EXPECT_TRUE(mail.ok) << mail.error;
        ids.insert(mail.messageId);
        EXPECT_EQ(mail.attachments, std::vector<std::string>{"%PDF-1.4\nFrom here on\n"});
        const std::vector<std::string> named = Numbers(mail.subject);
        seen.insert(seen.end(), named.begin(), named.end());
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, numbers) << "every number in exactly one message";
    EXPECT_EQ(ids.size(), mails.size()) << "each mail its own Message-ID";
}

TEST_F(NoWindow, SendLogsInWithThePasswordOfAPrivateFile) {
    static const TestAuthority authority;
    ASSERT_TRUE(authority.ok()) << authority.error();
    CaptureSmtpServer::Options options;
    options.security = "tls";
    options.certificate = authority.loopback().certificate;
    options.key = authority.loopback().key;
    options.user = "ann";
    options.password = "right one";
    CaptureSmtpServer server(options);
    ASSERT_TRUE(server.running());
    // The file's password is the stale one; the one handed over wins for this run.
    Store({{"logon", "acme"},
           {"smtp", "127.0.0.1"},
           {"smtp_port", std::to_string(server.port())},
           {"smtp_security", "tls"},
           {"smtp_user", "ann"},
           {"smtp_password", "wrong"}});
    const auto document = files.WriteFile("a.pdf", "%PDF-1.4\n");
    const auto secret = files.WriteFile("secret", "right one\n");
    std::filesystem::permissions(secret, std::filesystem::perms::owner_read);
    const ProgramResult run =
        Desklet({"--send", "-file", document.string(), "-fax", "2125551212", "--password-file", secret.string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(server.Messages(1).size(), 1u);
}

TEST_F(NoWindow, ARunThatMayHoldAPasswordCannotBeDumped) {
    // Waiting for its password on standard input, the run is held at a point where
    // it may have one. The kernel shows the files of a process that may not be
    // dumped as root's, whoever runs it.
    const StartedProgram started = StartProgram(
        {DESKLET_PROGRAM, "--send", "-file", "a.pdf", "-fax", "2125551212", "--password-file", "-"}, kNoDisplay);
    ASSERT_GT(started.pid, 0);
    const std::string proc = "/proc/" + std::to_string(started.pid);
    auto ownedByRoot = [&] {
        std::error_code error;
        struct stat info {};
        // Until the program itself runs, the process is the test's own copy.
        return std::filesystem::read_symlink(proc + "/exe", error) == DESKLET_PROGRAM &&
               ::stat((proc + "/environ").c_str(), &info) == 0 && info.st_uid == 0;
    };
    bool protectedRun = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!protectedRun && std::chrono::steady_clock::now() < deadline) {
        // Twice in a row: the moment inside exec before the new program is made
        // dumpable again does not count.
        if (ownedByRoot()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            protectedRun = ownedByRoot();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_NE(started.uid, 0u) << "nobody to tell root from";
    EXPECT_TRUE(protectedRun);
    ::close(started.input);
    int status = 0;
    ASSERT_TRUE(ReapWithin(started.pid, std::chrono::steady_clock::now() + std::chrono::seconds(60), status));
    EXPECT_EQ(WEXITSTATUS(status), ExitStatus::kConfig) << "no password before the end of standard input";
}

TEST_F(NoWindow, ServerKeysOverriddenByStoredValuesAreNamed) {
    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    // As a save from the window leaves them: every server key stored, empty ones too.
    Store({{"logon", "acme"},
           {"smtp", "127.0.0.1"},
           {"smtp_port", std::to_string(server.port())},
           {"smtp_user", ""},
           {"smtp_password", ""}});
    const auto document = files.WriteFile("a.pdf", "%PDF-1.4\n");
    const ProgramResult run =
        Desklet({"--send", "-file", document.string(), "-fax", "2125551212", "-smtp", "127.0.0.2", "-smtp_port", "2999",
                 "-smtp_user", "ann", "-smtp_password", "secret", "-logon", "acme", "-stationid", "x"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Lines(run.err),
              (std::vector<std::string>{
                  "desklet: every user of this computer can read the password given with -smtp_password; give it "
                  "with --password-file instead",
                  "desklet: -smtp is not used: the stored value of smtp is",
                  "desklet: -smtp_port is not used: the stored value of smtp_port is",
                  "desklet: -smtp_user is not used: the stored value of smtp_user, which is empty, is",
                  "desklet: -smtp_password is not used: the stored value of smtp_password, which is empty, is",
              }));
    EXPECT_EQ(run.err.find("secret"), std::string::npos);
    EXPECT_EQ(server.Messages(1).size(), 1u) << "through the stored server";
}

TEST_F(NoWindow, WindowRunsWithoutADisplaySaySoAndPointAtSend) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--print-jobs"}}) {
        std::vector<std::string> line = {DESKLET_PROGRAM};
        line.insert(line.end(), arguments.begin(), arguments.end());
        const ProgramResult run =
            RunProgram(line, {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"});
        EXPECT_EQ(run.exitCode, ExitStatus::kUnavailable) << run.err;
        EXPECT_EQ(run.err.rfind("desklet: there is no display", 0), 0u) << run.err;
        EXPECT_NE(run.err.find("desklet --send"), std::string::npos) << run.err;
        EXPECT_EQ(run.err.find("Reinstalling"), std::string::npos) << run.err;
    }
}

struct Road {
    const char* name;
    std::string dataReply; // the server's answer to the message; empty accepts it
    std::string fax;
    bool document;
    bool account;
    bool serverUp;
    int exitCode;
    std::string firstLine; // standard error's first line; empty for none
    std::string laterLine; // found in a line after the first
    friend void PrintTo(const Road& r, std::ostream* os) { *os << r.name; }
};

class Roads : public NoWindow, public testing::WithParamInterface<Road> {};

TEST_P(Roads, EndWithTheirStatusAndLine) {
    const Road& road = GetParam();
    CaptureSmtpServer server(road.dataReply);
    ASSERT_TRUE(server.running());
    std::map<std::string, std::string> stored = {{"smtp", "127.0.0.1"},
                                                 {"smtp_port", road.serverUp ? std::to_string(server.port()) : "1"}};
    if (road.account) {
        stored["logon"] = "acme";
    }
    Store(stored);
    const auto document = road.document ? files.WriteFile("a.pdf", "%PDF-1.4\n") : files.path() / "gone.pdf";

    const ProgramResult run = Desklet({"--send", "-file", document.string(), "-fax", road.fax});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, road.exitCode) << run.err;
    const auto lines = Lines(run.err);
    if (road.firstLine.empty()) {
        EXPECT_EQ(run.err, "");
    } else {
        ASSERT_GE(lines.size(), 1u);
        EXPECT_EQ(lines[0], "desklet: " + road.firstLine);
    }
    if (!road.laterLine.empty()) {
        ASSERT_GE(lines.size(), 2u) << run.err;
        EXPECT_TRUE(std::any_of(lines.begin() + 1, lines.end(), [&](const std::string& line) {
            return line.find(road.laterLine) != std::string::npos;
        })) << run.err;
    }
    const bool sent = road.exitCode == 0;
    EXPECT_EQ(server.Messages(sent ? 1 : 0, std::chrono::milliseconds(sent ? 10000 : 200)).size(), sent ? 1u : 0u);
}

const std::string kSendFailed = texts::kSendFailed;

INSTANTIATE_TEST_SUITE_P(
    Cases, Roads,
    testing::Values(
        Road{"sent", "", "2125551212", true, true, true, ExitStatus::kOk, "", ""},
        Road{"refused number", "", "2125551212,12345", true, true, true, ExitStatus::kDataError,
             "Please verify fax telephone number 12345: A fax number that begins with 1 must be followed by exactly "
             "10 digits",
             ""},
        Road{"missing document", "", "2125551212", false, true, true, ExitStatus::kNoInput, texts::kFileNotFound,
             "gone.pdf: No such file or directory"},
        Road{"no account", "", "2125551212", true, false, true, ExitStatus::kConfig, texts::kCheckPassword,
             "start desklet once with a window"},
        Road{"no fax number", "", "", true, true, true, ExitStatus::kUsage,
             "no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]", ""},
        Road{"server down", "", "2125551212", true, true, false, ExitStatus::kUnavailable,
             "The mail server 127.0.0.1 refused the connection on port 1.  Please check the port in your mail server "
             "settings, or see the online help.",
             "Mail server 127.0.0.1, port 1. Unable to connect to server. The system's reason: Connection refused."},
        Road{"refused for now", "451 4.3.0 try later", "2125551212", true, true, true, ExitStatus::kTempFail,
             texts::kTemporary, "The server's last reply: 451 4.3.0 try later"},
        Road{"refused for good", "554 5.7.1 no faxes", "2125551212", true, true, true, ExitStatus::kUnavailable,
             kSendFailed, "554 5.7.1 no faxes"}),
    SentenceName{});

} // namespace

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t end; (end = line.find('\t', start)) != std::string::npos; start = end + 1) {
        fields.push_back(line.substr(start, end - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

// A fax kept while the server is down goes exactly once when it is back.
TEST_F(NoWindow, AFaxQueuedWhileTheServerIsDownGoesOnceWhenTheOutboxIsFlushed) {
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", "1"}});
    const auto document = files.WriteFile("Quarterly report.pdf", "%PDF-1.4\n");
    const ProgramResult queued = Desklet({"--send", "--queue", "-file", document.string(), "-fax", "2125551212"});
    EXPECT_EQ(queued.exitCode, ExitStatus::kOk) << queued.err;
    ASSERT_FALSE(Lines(queued.err).empty());
    EXPECT_EQ(Lines(queued.err)[0].rfind("desklet: kept in the outbox: The mail server 127.0.0.1 refused", 0), 0u)
        << queued.err;

    CaptureSmtpServer server;
    ASSERT_TRUE(server.running());
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", std::to_string(server.port())}});
    const ProgramResult flushed = Desklet({"--flush-outbox"});
    EXPECT_EQ(flushed.exitCode, ExitStatus::kOk) << flushed.err;
    EXPECT_EQ(flushed.err, "desklet: fax job 1 sent\n");
    const ProgramResult again = Desklet({"--flush-outbox"});
    EXPECT_EQ(again.exitCode, ExitStatus::kOk) << again.err;
    EXPECT_EQ(server.Messages(1).size(), 1u);
    const auto messages = server.Messages(2, std::chrono::milliseconds(300));
    ASSERT_EQ(messages.size(), 1u) << "sent once only";
    EXPECT_EQ(ParseMail(messages[0]).attachmentNames, (std::vector<std::string>{"Quarterly report.pdf"}))
        << "the retry goes under the document's name, not its copy's";
    EXPECT_EQ(Desklet({"--outbox"}).out, "");
}

// What the outbox and the sent log print, and a job taken out of the outbox.
TEST_F(NoWindow, TheOutboxAndTheSentLogPrintALineAJobAndDiscardTakesOneOut) {
    Store({{"logon", "acme"}, {"smtp", "127.0.0.1"}, {"smtp_port", "1"}});
    const auto document = files.WriteFile("a.pdf", "%PDF-1.4\n");
    EXPECT_EQ(Desklet({"--send", "-file", document.string(), "-fax", "2125551212"}).exitCode, ExitStatus::kUnavailable);
    EXPECT_EQ(Desklet({"--send", "--queue", "-file", document.string(), "-fax", "2125551313"}).exitCode,
              ExitStatus::kOk);

    const ProgramResult outbox = Desklet({"--outbox"});
    EXPECT_EQ(outbox.exitCode, ExitStatus::kOk) << outbox.err;
    const auto waiting = Lines(outbox.out);
    ASSERT_EQ(waiting.size(), 1u) << "the send without --queue is not kept: " << outbox.out;
    const auto fields = Fields(waiting[0]);
    ASSERT_EQ(fields.size(), 8u) << waiting[0];
    EXPECT_EQ(fields[0], "2");
    EXPECT_EQ(fields[1], "waiting");
    EXPECT_EQ(fields[3], "2125551313");

    const ProgramResult sent = Desklet({"--sent"});
    EXPECT_EQ(sent.exitCode, ExitStatus::kOk) << sent.err;
    const auto log = Lines(sent.out);
    ASSERT_EQ(log.size(), 2u) << sent.out;
    EXPECT_EQ(Fields(log[0]).at(3), "failed");
    EXPECT_EQ(Fields(log[1]).at(3), "waiting");
    EXPECT_EQ(Lines(Desklet({"--sent", "1"}).out).size(), 1u);

    EXPECT_EQ(Desklet({"--discard", "2"}).exitCode, ExitStatus::kOk);
    EXPECT_EQ(Desklet({"--outbox"}).out, "");
    EXPECT_EQ(Desklet({"--discard", "2"}).exitCode, ExitStatus::kDataError);
    EXPECT_EQ(Desklet({"--discard", "x"}).exitCode, ExitStatus::kUsage);
}

} // namespace
