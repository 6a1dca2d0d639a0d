#include "app/core/ExitStatus.h"
#include "app/core/SendOperation.h"
#include "support/CaptureSmtpServer.h"
#include "support/ProgramRun.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

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
    TempDir files;

    void Store(const std::map<std::string, std::string>& values) {
        const auto folder = home.path() / "Quillmark";
        std::filesystem::create_directories(folder);
        std::ofstream out(folder / "Desklet.conf");
        out << "[Config]\n";
        for (const auto& [key, value] : values) {
            out << key << "=" << value << "\n";
        }
    }

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

struct Road {
    const char* name;
    std::string dataReply; // the server's answer to the message; empty accepts it
    std::string fax;
    bool document;
    bool account;
    bool serverUp;
    int exitCode;
    std::string firstLine;  // standard error's first line; empty for none
    std::string secondLine; // found in the second line
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
    if (!road.secondLine.empty()) {
        ASSERT_GE(lines.size(), 2u) << run.err;
        EXPECT_NE(lines[1].find(road.secondLine), std::string::npos) << lines[1];
    }
    const bool sent = road.exitCode == 0;
    EXPECT_EQ(server.Messages(sent ? 1 : 0, std::chrono::milliseconds(sent ? 10000 : 200)).size(), sent ? 1u : 0u);
}

const std::string kSendFailed = SendOperation::kSendFailedText;

INSTANTIATE_TEST_SUITE_P(
    Cases, Roads,
    testing::Values(
        Road{"sent", "", "2125551212", true, true, true, ExitStatus::kOk, "", ""},
        Road{"refused number", "", "2125551212,12345", true, true, true, ExitStatus::kDataError,
             "Please verify fax telephone number 12345: A fax number that begins with 1 must be followed by exactly "
             "10 digits",
             ""},
        Road{"missing document", "", "2125551212", false, true, true, ExitStatus::kNoInput,
             SendOperation::kFileNotFoundText, "gone.pdf: No such file or directory"},
        Road{"no account", "", "2125551212", true, false, true, ExitStatus::kConfig, SendOperation::kCheckPasswordText,
             ""},
        Road{"no fax number", "", "", true, true, true, ExitStatus::kUsage,
             "no fax number: give -fax NUMBER[,NUMBER...]", ""},
        Road{"server down", "", "2125551212", true, true, false, ExitStatus::kUnavailable,
             "The mail server 127.0.0.1 refused the connection on port 1.  Please check the port in your mail server "
             "settings, or see the online help.",
             "Mail server 127.0.0.1, port 1. Unable to connect to server. The system's reason: Connection refused."},
        Road{"refused for now", "451 4.3.0 try later", "2125551212", true, true, true, ExitStatus::kTempFail,
             SendOperation::kTemporaryText, "The server's last reply: 451 4.3.0 try later"},
        Road{"refused for good", "554 5.7.1 no faxes", "2125551212", true, true, true, ExitStatus::kUnavailable,
             kSendFailed, "554 5.7.1 no faxes"}),
    SentenceName{});

} // namespace
