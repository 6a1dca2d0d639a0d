#include "smtp/CSmtpClient.h"

#include "mail/CMailItem.h"
#include "mail/CMimeMailItem.h"
#include "smtp/DataTransparency.h"
#include "support/BlackHole.h"
#include "support/ScriptedSmtpServer.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

using namespace desklet;
using desklet::test::ScriptedSmtpServer;
using Step = ScriptedSmtpServer::Step;
using std::chrono::milliseconds;

namespace {

const std::string kHelo = "HELO desk.example\r\n";
constexpr milliseconds kPatient{5000};
constexpr milliseconds kShort{200};

void Aim(CSmtpClient& client, const ScriptedSmtpServer& server, milliseconds limit = kPatient) {
    ASSERT_TRUE(server.listening());
    client.SetServer(server.host(), server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(limit));
    client.SetHostNameSource([] { return std::string("desk.example"); });
}

void Fill(CMailItem& item, std::vector<std::string> recipients = {"fax@gw.example"}) {
    item.m_strSender = "ann@desk.example";
    item.m_strSubject = "fax 123";
    item.m_strBody = "hello\r\n";
    item.SetClock([] { return std::time_t(0); });
    for (const std::string& address : recipients) {
        item.AddRecipient(address, "");
    }
}

std::string After(const std::string& received, const std::string& marker) {
    const std::size_t at = received.find(marker);
    return at == std::string::npos ? std::string() : received.substr(at + marker.size());
}

// ---- Connecting: how replies are read -------------------------------------

struct ConnectCase {
    const char* name;
    std::vector<Step> script;
    bool connected;
    std::string error;
    milliseconds limit = kPatient;
    // A refusal of a dialogue still in step is followed by QUIT (RFC 5321 section 4.1.1.10).
    bool quits = false;
    friend void PrintTo(const ConnectCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<ConnectCase> ConnectCases() {
    using S = ScriptedSmtpServer;
    const std::string longLine(70 * 1024, 'x');
    std::string manyLines;
    for (int i = 0; i < 1001; ++i) {
        manyLines += "250-more\r\n";
    }
    return {
        {"plain greeting and hello connect", {S::Send("220 hi\r\n"), S::ReadLine(), S::Send("250 ok\r\n")}, true, "OK"},
        {"multi line greeting in two segments is one reply",
         {S::Send("220-first\r\n"), S::Delay(milliseconds(50)), S::Send("220 last\r\n"), S::ReadLine(),
          S::Send("250 ok\r\n")},
         true,
         "OK"},
        {"reply split after 25 is read whole",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send("25"), S::Delay(milliseconds(50)), S::Send("0 ok\r\n")},
         true,
         "OK"},
        {"two replies in one segment are taken one by one",
         {S::Send("220 hi\r\n250 ok\r\n"), S::ReadLine()},
         true,
         "OK"},
        {"multi line hello reply with its code on every line",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send("250-a\r\n250-b\r\n250 c\r\n")},
         true,
         "OK"},
        {"greeting 421 is no greeting and the server is gone without a goodbye",
         {S::Send("421 busy\r\n")},
         false,
         "Server didn't respond."},
        {"greeting 554 turns us away and hears QUIT",
         {S::Send("554 not here\r\n"), S::ReadLine(), S::Send("221 bye\r\n")},
         false,
         "Server didn't respond.",
         kPatient,
         true},
        {"hello answered 501 fails with its code and says QUIT",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send("501 no\r\n"), S::ReadLine(), S::Send("221 bye\r\n")},
         false,
         "501:SMTP server error",
         kPatient,
         true},
        {"reply without a number shows code 0",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send("hello there\r\n"), S::ReadLine(), S::Send("221 bye\r\n")},
         false,
         "0:SMTP server error",
         kPatient,
         true},
        {"server closing instead of answering hello",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Close()},
         false,
         "Connection closed by server"},
        {"server that never greets", {S::Hold(milliseconds(2000))}, false, "Server didn't respond.", kShort},
        {"server that never answers hello",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Hold(milliseconds(2000))},
         false,
         "Timed out waiting for the server",
         kShort},
        {"reply of too many lines",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send(manyLines)},
         false,
         "Reply too long"},
        {"reply line that never ends",
         {S::Send("220 hi\r\n"), S::ReadLine(), S::Send(longLine)},
         false,
         "Reply too long"},
    };
}

class Connecting : public testing::TestWithParam<ConnectCase> {};

TEST_P(Connecting, JudgesTheWholeReply) {
    ScriptedSmtpServer server(GetParam().script);
    CSmtpClient client("", 25);
    Aim(client, server, GetParam().limit);
    EXPECT_EQ(client.Connect(), GetParam().connected);
    EXPECT_EQ(client.GetLastError(), GetParam().error);
    EXPECT_EQ(client.IsConnected(), GetParam().connected);
    // (When the server hangs up first there is nothing left for the client to close.)
    if (!GetParam().connected && GetParam().error != "Connection closed by server") {
        ASSERT_TRUE(server.Finish());
        EXPECT_TRUE(server.ClientHungUp()) << "a failed connect closes the socket";
        const std::string received = server.Received();
        EXPECT_EQ(received.size() >= 6 && received.compare(received.size() - 6, 6, "QUIT\r\n") == 0, GetParam().quits)
            << received;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Connecting, testing::ValuesIn(ConnectCases()), desklet::test::SentenceName{});

TEST(Connect, WritesOnlyTheHelloAndNothingWhenAlreadyConnected) {
    ScriptedSmtpServer server(ScriptedSmtpServer::Greeting({ScriptedSmtpServer::Hold(milliseconds(300))}));
    CSmtpClient client("", 25);
    Aim(client, server);
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.Received(), kHelo);
    EXPECT_EQ(client.GetLastReply(), "250 ok\r\n");
}

// Where no session begins, the kind says why and the system's reason is kept.
struct UnreachableCase {
    const char* name;
    std::string host;
    unsigned port; // 0 with a black hole: its port
    CSmtpClient::FailureKind kind;
    std::string reason;
    bool blackHole = false;
    friend void PrintTo(const UnreachableCase& c, std::ostream* os) { *os << c.name; }
};

class Unreachable : public testing::TestWithParam<UnreachableCase> {};

TEST_P(Unreachable, FailsToConnectAndSaysWhy) {
    const UnreachableCase& c = GetParam();
    desklet::test::BlackHole hole;
    unsigned port = c.port;
    if (c.blackHole) {
        ASSERT_TRUE(hole.holding()) << "the loopback listener did not hold a connection attempt";
        port = hole.port();
    }
    CSmtpClient client(c.host, port);
    client.SetTimeouts(SmtpTimeouts::Uniform(c.blackHole ? milliseconds(500) : kPatient));
    if (c.kind == CSmtpClient::FailureKind::NameNotFound) {
        // No name leaves the machine: the lookup answers as one without the name would.
        client.SetResolver([](const std::string&, unsigned, std::vector<CSocket::Address>&, std::string& error) {
            error = "Name or service not known";
            return false;
        });
    }
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetLastError(), "Unable to connect to server");
    EXPECT_EQ(client.GetFailureKind(), c.kind);
    EXPECT_EQ(client.GetSystemReason(), c.reason);
}

unsigned ClosedPort() {
    ScriptedSmtpServer probe({});
    return probe.port(); // nothing listens there once the probe is gone
}

using Kind = CSmtpClient::FailureKind;
INSTANTIATE_TEST_SUITE_P(
    Cases, Unreachable,
    testing::Values(UnreachableCase{"port zero", "127.0.0.1", 0, Kind::Connect, ""},
                    UnreachableCase{"port above 65535", "127.0.0.1", 65536, Kind::Connect, ""},
                    UnreachableCase{"port far above 65535", "127.0.0.1", 65536 + 25, Kind::Connect, ""},
                    UnreachableCase{"port where nothing listens", "127.0.0.1", ClosedPort(), Kind::ConnectionRefused,
                                    "Connection refused"},
                    UnreachableCase{"name that does not resolve", "nowhere.example", 25, Kind::NameNotFound,
                                    "Name or service not known"},
                    UnreachableCase{"address that never answers", "127.0.0.1", 0, Kind::Timeout, "", true}),
    desklet::test::SentenceName{});

// ---- The HELO name ----------------------------------------------------------

struct HeloCase {
    const char* name;
    std::string hostName;
    ScriptedSmtpServer::Family family;
    std::string helo;
    friend void PrintTo(const HeloCase& c, std::ostream* os) { *os << c.name; }
};

class HeloName : public testing::TestWithParam<HeloCase> {};

TEST_P(HeloName, IsTheHostNameOrOurAddress) {
    ScriptedSmtpServer server({ScriptedSmtpServer::Send("220 hi\r\n"), ScriptedSmtpServer::ReadLine(),
                               ScriptedSmtpServer::Send("250 ok\r\n")},
                              GetParam().family);
    if (!server.listening()) {
        GTEST_SKIP() << "no loopback for this address family";
    }
    CSmtpClient client("", 25);
    Aim(client, server);
    const std::string hostName = GetParam().hostName;
    client.SetHostNameSource([hostName] { return hostName; });
    ASSERT_TRUE(client.Connect()) << client.GetLastError();
    (void)client.Disconnect();
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.Received().substr(0, server.Received().find('\n') + 1), GetParam().helo);
}

using Family = ScriptedSmtpServer::Family;
INSTANTIATE_TEST_SUITE_P(
    Cases, HeloName,
    testing::Values(HeloCase{"plain host name", "desk", Family::IPv4, "HELO desk\r\n"},
                    HeloCase{"dotted host name", "desk.office.example", Family::IPv4, "HELO desk.office.example\r\n"},
                    HeloCase{"no host name over IPv4", "", Family::IPv4, "HELO [127.0.0.1]\r\n"},
                    HeloCase{"no host name over IPv6", "", Family::IPv6, "HELO [IPv6:::1]\r\n"},
                    HeloCase{"host name with a line break", "desk\r\nMAIL From: <x>", Family::IPv4,
                             "HELO [127.0.0.1]\r\n"},
                    HeloCase{"host name with a blank", "my desk", Family::IPv4, "HELO [127.0.0.1]\r\n"},
                    HeloCase{"host name with an underscore", "my_desk", Family::IPv4, "HELO [127.0.0.1]\r\n"},
                    HeloCase{"label of 64 characters", std::string(64, 'a'), Family::IPv4, "HELO [127.0.0.1]\r\n"},
                    HeloCase{"label starting with a hyphen", "-desk", Family::IPv4, "HELO [127.0.0.1]\r\n"}),
    desklet::test::SentenceName{});

// ---- Disconnecting -------------------------------------------------------

TEST(Disconnect, IdleClientWritesNothing) {
    CSmtpClient client("127.0.0.1", 25);
    EXPECT_TRUE(client.Disconnect());
    EXPECT_EQ(client.GetLastError(), "OK");
}

struct QuitCase {
    const char* name;
    std::string reply;
    bool result;
    std::string error;
    friend void PrintTo(const QuitCase& c, std::ostream* os) { *os << c.name; }
};

class Quit : public testing::TestWithParam<QuitCase> {};

TEST_P(Quit, ClosesWhateverTheAnswer) {
    ScriptedSmtpServer server(
        ScriptedSmtpServer::Greeting({ScriptedSmtpServer::ReadLine(), ScriptedSmtpServer::Send(GetParam().reply),
                                      ScriptedSmtpServer::Hold(kPatient)}));
    CSmtpClient client("", 25);
    Aim(client, server);
    ASSERT_TRUE(client.Connect());
    EXPECT_EQ(client.Disconnect(), GetParam().result);
    EXPECT_EQ(client.GetLastError(), GetParam().error);
    EXPECT_FALSE(client.IsConnected());
    ASSERT_TRUE(server.Finish());
    EXPECT_TRUE(server.ClientHungUp());
    EXPECT_EQ(server.Received(), kHelo + "QUIT\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, Quit,
                         testing::Values(QuitCase{"goodbye 221", "221 bye\r\n", true, "OK"},
                                         QuitCase{"QUIT answered with 250", "250 what\r\n", false,
                                                  "250:SMTP server didn't terminate session"}),
                         desklet::test::SentenceName{});

TEST(Disconnect, DestroyingAConnectedClientSaysQuit) {
    ScriptedSmtpServer server(
        ScriptedSmtpServer::Greeting({ScriptedSmtpServer::ReadLine(), ScriptedSmtpServer::Send("221 bye\r\n")}));
    {
        CSmtpClient client("", 25);
        Aim(client, server);
        ASSERT_TRUE(client.Connect());
    }
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.Received(), kHelo + "QUIT\r\n");
    EXPECT_TRUE(server.Failures().empty());
}

// ---- Sending: what is refused before anything goes out ----------------------

TEST(SendMessage, IdleClientMustBeConnected) {
    CSmtpClient client("127.0.0.1", 25);
    CMailItem item;
    Fill(item);
    EXPECT_FALSE(client.SendMessage(item));
    EXPECT_EQ(client.GetLastError(), "Must be connected");
}

class ComposeFails : public CMailItem {
protected:
    bool PrepareBody() override {
        SetComposeError("Unable to read /tmp/gone.pdf");
        return false;
    }
};

struct RefusalCase {
    const char* name;
    std::string sender;
    std::vector<std::string> recipients;
    bool composeFails;
    std::string error;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }
};

class Refusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(Refusal, SendsNothing) {
    ScriptedSmtpServer server(
        ScriptedSmtpServer::Greeting({ScriptedSmtpServer::ReadLine(), ScriptedSmtpServer::Send("221 bye\r\n")}));
    CSmtpClient client("", 25);
    Aim(client, server);
    ASSERT_TRUE(client.Connect());
    std::unique_ptr<CMailItem> item =
        GetParam().composeFails ? std::make_unique<ComposeFails>() : std::make_unique<CMailItem>();
    Fill(*item, GetParam().recipients);
    item->m_strSender = GetParam().sender;
    EXPECT_FALSE(client.SendMessage(*item));
    EXPECT_EQ(client.GetLastError(), GetParam().error);
    EXPECT_TRUE(client.IsConnected());
    EXPECT_TRUE(client.Disconnect());
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.Received(), kHelo + "QUIT\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusal,
    testing::Values(
        RefusalCase{"no recipients", "ann@desk.example", {}, false, "No Recipients"},
        RefusalCase{"sender with CR LF", "ann@x>\r\nRCPT TO: <evil@x", {"fax@gw.example"}, false, "Invalid address"},
        RefusalCase{"sender with a bare LF", "ann\n@x", {"fax@gw.example"}, false, "Invalid address"},
        RefusalCase{"sender with NUL", std::string("ann\0@x", 6), {"fax@gw.example"}, false, "Invalid address"},
        RefusalCase{"second recipient with an angle bracket", "ann@x", {"a@x", "b@x>"}, false, "Invalid address"},
        RefusalCase{"recipient with an opening bracket", "ann@x", {"<b@x"}, false, "Invalid address"},
        RefusalCase{"recipient with a bare CR", "ann@x", {"b@x\rDATA"}, false, "Invalid address"},
        RefusalCase{"composition that cannot read its file", "ann@x", {"a@x"}, true, "Unable to read /tmp/gone.pdf"}),
    desklet::test::SentenceName{});

// ---- Sending: the transfer ------------------------------------------------

TEST(SendMessage, WritesTheWholeDialogueByteForByte) {
    ScriptedSmtpServer server(ScriptedSmtpServer::Accepting(2));
    CSmtpClient client("", 25);
    Aim(client, server);
    CMailItem item;
    Fill(item, {"fax@gw.example", "copy@gw.example"});
    item.m_strBody = "a\r\n.\r\n.profile\r\nbare\nend";
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(client.SendMessage(item)) << client.GetLastError();
    ASSERT_TRUE(client.Disconnect());
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.Received(), kHelo +
                                     "MAIL From: <ann@desk.example>\r\n"
                                     "RCPT TO: <fax@gw.example>\r\n"
                                     "RCPT TO: <copy@gw.example>\r\n"
                                     "DATA\r\n" +
                                     item.m_strHeader + "a\r\n..\r\n..profile\r\nbare\r\nend\r\n" + "\r\n.\r\n" +
                                     "QUIT\r\n");
    EXPECT_EQ(client.GetLastError(), "OK");
    EXPECT_TRUE(server.Failures().empty());
}

struct TransferCase {
    const char* name;
    std::vector<Step> script;
    bool sent;
    std::string error;
    bool stillConnected;
    std::string notAfterData; // must not follow "DATA\r\n" in what the server got
    friend void PrintTo(const TransferCase& c, std::ostream* os) { *os << c.name; }
};

std::vector<TransferCase> TransferCases() {
    using S = ScriptedSmtpServer;
    return {
        {"550 on the first of two recipients still sends",
         S::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("550 no such user\r\n"),
                      S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("354 go\r\n"),
                      S::ReadUntil("\r\n.\r\n"), S::Send("250 queued\r\n")}),
         true, "550:SMTP server error", true, ""},
        {"451 on DATA sends neither header nor body",
         S::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(),
                      S::Send("250 ok\r\n"), S::ReadLine(), S::Send("451 later\r\n")}),
         false, "451:SMTP server not ready for data", true, "From:"},
        {"refused sender ends the transfer", S::Greeting({S::ReadLine(), S::Send("553 who\r\n")}), false,
         "553:SMTP server error", true, ""},
        {"refused message after the data",
         S::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(),
                      S::Send("250 ok\r\n"), S::ReadLine(), S::Send("354 go\r\n"), S::ReadUntil("\r\n.\r\n"),
                      S::Send("554 spam\r\n")}),
         false, "554:SMTP server error", true, ""},
        {"server hanging up at a recipient ends the transfer",
         S::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Close()}), false,
         "Connection closed by server", false, ""},
    };
}

class Transfer : public testing::TestWithParam<TransferCase> {};

TEST_P(Transfer, EndsAsTheServerSays) {
    ScriptedSmtpServer server(GetParam().script);
    CSmtpClient client("", 25);
    Aim(client, server);
    CMailItem item;
    Fill(item, {"a@gw.example", "b@gw.example"});
    ASSERT_TRUE(client.Connect());
    EXPECT_EQ(client.SendMessage(item), GetParam().sent);
    EXPECT_EQ(client.GetLastError(), GetParam().error);
    EXPECT_EQ(client.IsConnected(), GetParam().stillConnected);
    (void)client.Disconnect();
    ASSERT_TRUE(server.Finish());
    if (!GetParam().notAfterData.empty()) {
        EXPECT_EQ(After(server.Received(), "DATA\r\n").find(GetParam().notAfterData), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Transfer, testing::ValuesIn(TransferCases()), desklet::test::SentenceName{});

// A body larger than every socket buffer, so that sends really block.
std::string LargeBody() {
    std::string line(76, 'A');
    line += "\r\n";
    std::string body;
    body.reserve(32u << 20);
    while (body.size() < (32u << 20)) {
        body += line;
    }
    return body;
}

TEST(SendMessage, ServerHangingUpInTheBodyFailsWithoutSigpipe) {
    using S = ScriptedSmtpServer;
    ScriptedSmtpServer server(
        ScriptedSmtpServer::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"),
                                      S::ReadLine(), S::Send("354 go\r\n"), S::ReadUntil("AAAA"), S::Close()}));
    CSmtpClient client("", 25);
    Aim(client, server);
    CMailItem item;
    Fill(item);
    item.m_strBody = LargeBody();
    ASSERT_TRUE(client.Connect());
    EXPECT_FALSE(client.SendMessage(item));
    // The process is still here; the text depends on whether the reset came first.
    EXPECT_TRUE(client.GetLastError() == "Connection closed by server" || client.GetLastError() == "Socket Error")
        << client.GetLastError();
    EXPECT_FALSE(client.IsConnected());
}

TEST(SendMessage, StalledServerTimesTheSendOut) {
    using S = ScriptedSmtpServer;
    ScriptedSmtpServer server(
        ScriptedSmtpServer::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"),
                                      S::ReadLine(), S::Send("354 go\r\n"), S::Pause(milliseconds(3000))}));
    CSmtpClient client("", 25);
    Aim(client, server);
    SmtpTimeouts timeouts = SmtpTimeouts::Uniform(kPatient);
    timeouts.sendStall = kShort;
    client.SetTimeouts(timeouts);
    CMailItem item;
    Fill(item);
    item.m_strBody = LargeBody();
    ASSERT_TRUE(client.Connect());
    EXPECT_FALSE(client.SendMessage(item));
    EXPECT_EQ(client.GetLastError(), "Timed out sending to the server");
    EXPECT_FALSE(client.IsConnected());
}

TEST(SendMessage, ReportsProgressUpToTheTotal) {
    ScriptedSmtpServer server(ScriptedSmtpServer::Accepting());
    CSmtpClient client("", 25);
    Aim(client, server);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> reports;
    client.SetProgressCallback(
        [&reports](std::uint64_t sent, std::uint64_t total) { reports.emplace_back(sent, total); });
    CMailItem item;
    Fill(item);
    item.m_strBody = std::string(3u << 20, 'x') + "\r\n.\r\n";
    ASSERT_TRUE(client.Connect());
    ASSERT_TRUE(client.SendMessage(item)) << client.GetLastError();
    const std::uint64_t total = item.m_strHeader.size() + item.m_strBody.size() + 1; // one doubled dot
    ASSERT_GE(reports.size(), 4u);
    EXPECT_EQ(reports.front(), std::make_pair(std::uint64_t{0}, total));
    EXPECT_EQ(reports.back(), std::make_pair(total, total));
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_GT(reports[i].first, reports[i - 1].first);
        EXPECT_EQ(reports[i].second, total);
    }
}

// The message is read in buffers while it goes out, and only its text is
// scanned for line starts and line breaks: across every buffer the wire holds
// exactly the composed message made transparent.
TEST(SendMessage, FaxMailGoesOutAsItsCompositionMadeTransparent) {
    const struct {
        const char* name;
        std::string text;     // the body text part; empty for none
        std::size_t document; // bytes
    } cases[] = {
        {"document alone across buffers", "", (3u << 20) + 7},
        {"text with dots and bare breaks before the document", ".profile\r\n.\nbare\rend\r", 1000},
        {"text before a document that fills whole buffers", ".\r\n..", 1u << 21},
    };
    for (const auto& c : cases) {
        ScriptedSmtpServer server(ScriptedSmtpServer::Accepting());
        CSmtpClient client("", 25);
        Aim(client, server);
        test::TempDir dir;
        std::string bytes(c.document, '\0');
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            bytes[i] = static_cast<char>(i * 7 % 251);
        }
        const auto path = dir.WriteFile("scan.pdf", bytes);
        CMimeMailItem item;
        Fill(item);
        item.m_strBody = c.text;
        item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        ASSERT_TRUE(client.Connect());
        ASSERT_TRUE(client.SendMessage(item)) << c.name << ": " << client.GetLastError();
        ASSERT_TRUE(client.Disconnect());
        ASSERT_TRUE(server.Finish());
        // The same item composed whole: the same identifier, date and parts.
        ASSERT_TRUE(item.ComposeMessage());
        const std::string wire = DataTransparency::Apply(item.m_strHeader + item.m_strBody);
        EXPECT_EQ(client.GetMessageSize(), wire.size()) << c.name;
        const std::string data = After(server.Received(), "DATA\r\n");
        EXPECT_TRUE(data == wire + "\r\n.\r\nQUIT\r\n") << c.name << ": " << data.size() << " bytes";
    }
}

// The document is read while the message goes out: one that changes on the way
// must not arrive as a whole message. The read fails after the first megabyte
// has gone, and the server never sees the end of the data.
TEST(SendMessage, DocumentChangingWhileSentDropsTheConnectionBeforeTheEndOfData) {
    using S = ScriptedSmtpServer;
    const std::pair<const char*, std::function<void(const std::filesystem::path&)>> cases[] = {
        {"cut short", [](const std::filesystem::path& path) { std::filesystem::resize_file(path, 1000); }},
        {"grown", [](const std::filesystem::path& path) { std::ofstream(path, std::ios::app) << "more"; }},
    };
    for (const auto& [name, change] : cases) {
        ScriptedSmtpServer server(
            ScriptedSmtpServer::Greeting({S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"),
                                          S::ReadLine(), S::Send("354 go\r\n"), S::Hold(milliseconds(5000))}));
        CSmtpClient client("", 25);
        Aim(client, server);
        test::TempDir dir;
        const auto path = dir.WriteFile("scan.pdf", std::string(4u << 20, 'x'));
        CMimeMailItem item;
        Fill(item);
        item.m_strBody.clear();
        item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);
        bool changed = false;
        client.SetProgressCallback([&](std::uint64_t sent, std::uint64_t) {
            if (sent > 0 && !changed) {
                changed = true;
                change(path);
            }
        });
        ASSERT_TRUE(client.Connect());
        EXPECT_FALSE(client.SendMessage(item)) << name;
        const std::string error = "The file " + path.string() + " changed while it was being read";
        EXPECT_EQ(client.GetLastError(), error) << name;
        EXPECT_EQ(item.GetComposeError(), error) << name;
        EXPECT_FALSE(client.IsConnected()) << name;
        ASSERT_TRUE(server.Finish());
        EXPECT_TRUE(server.ClientHungUp()) << name;
        const std::string data = After(server.Received(), "DATA\r\n");
        EXPECT_GE(data.size(), 1u << 20) << name;
        EXPECT_EQ(data.find("\r\n.\r\n"), std::string::npos) << name;
    }
}

// ---- Cancelling from another thread ---------------------------------------

TEST(Abort, WhileWaitingForTheGreetingEndsTheConnect) {
    ScriptedSmtpServer server({ScriptedSmtpServer::Hold(milliseconds(5000))});
    CSmtpClient client("", 25);
    Aim(client, server, milliseconds(20000));
    std::thread canceller([&client] {
        std::this_thread::sleep_for(milliseconds(100));
        client.Abort();
    });
    EXPECT_FALSE(client.Connect());
    canceller.join();
    // A timeout would say something else: the abort woke the wait.
    EXPECT_EQ(client.GetLastError(), "Cancelled");
    ASSERT_TRUE(server.Finish());
    EXPECT_TRUE(server.ClientHungUp());
}

TEST(Abort, BeforeConnectingConnectsNowhere) {
    ScriptedSmtpServer server({ScriptedSmtpServer::Hold(milliseconds(300))});
    CSmtpClient client("", 25);
    Aim(client, server);
    client.Abort();
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetLastError(), "Cancelled");
}

TEST(Abort, InTheBodyNeverCompletesTheMessage) {
    using S = ScriptedSmtpServer;
    // The server reads the start of the data, then stops reading, so the client
    // blocks in a send; it reads again after the cancel to see what came.
    ScriptedSmtpServer server(ScriptedSmtpServer::Greeting(
        {S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(), S::Send("250 ok\r\n"), S::ReadLine(),
         S::Send("354 go\r\n"), S::ReadUntil("AAAA"), S::Pause(milliseconds(500)), S::Hold(milliseconds(5000))}));
    CSmtpClient client("", 25);
    Aim(client, server, milliseconds(20000));
    std::atomic<std::uint64_t> sent{0};
    client.SetProgressCallback([&sent](std::uint64_t bytes, std::uint64_t) { sent = bytes; });
    CMailItem item;
    Fill(item);
    item.m_strBody = LargeBody();
    ASSERT_TRUE(client.Connect());
    std::thread canceller([&client, &sent] {
        for (int i = 0; i < 500 && sent.load() == 0; ++i) {
            std::this_thread::sleep_for(milliseconds(10));
        }
        client.Abort();
    });
    EXPECT_FALSE(client.SendMessage(item));
    canceller.join();
    EXPECT_EQ(client.GetLastError(), "Cancelled");
    EXPECT_FALSE(client.IsConnected());
    EXPECT_FALSE(client.Disconnect()) << "no goodbye after a cancel";
    ASSERT_TRUE(server.Finish());
    EXPECT_TRUE(server.ClientHungUp());
    const std::string data = After(server.Received(), "DATA\r\n");
    EXPECT_LT(data.size(), item.m_strHeader.size() + item.m_strBody.size());
    EXPECT_EQ(data.find("\r\n.\r\n"), std::string::npos);
    EXPECT_EQ(data.find("QUIT"), std::string::npos);
}

} // namespace
