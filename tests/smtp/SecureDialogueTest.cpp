// The secure roads' refusals, the cancel of a handshake and the race of a
// server's addresses, against scripted peers on loopback.
#include "smtp/CSmtpClient.h"
#include "smtp/CSocket.h"
#include "support/BlackHole.h"
#include "support/ScriptedSmtpServer.h"
#include "support/TestAuthority.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace desklet {
namespace {

using test::ScriptedSmtpServer;
using Kind = CSmtpClient::FailureKind;
using Security = CSmtpClient::Security;
using S = ScriptedSmtpServer;
using std::chrono::milliseconds;

constexpr milliseconds kPatient{10000};

void Aim(CSmtpClient& client, const ScriptedSmtpServer& server) {
    ASSERT_TRUE(server.listening());
    client.SetServer(server.host(), server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(kPatient));
    client.SetHostNameSource([] { return std::string("desk.example"); });
}

TEST(SecureDialogue, LoginWithoutEncryptionIsRefusedBeforeAnyConnection) {
    CSmtpClient client("mail.example", 587);
    bool looked = false;
    client.SetResolver([&looked](const std::string&, unsigned, std::vector<CSocket::Address>&, std::string&) {
        looked = true;
        return false;
    });
    client.SetCredentials("ann", "s3cret");
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetFailureKind(), Kind::LoginUnavailable);
    EXPECT_EQ(client.GetLastError(), "Encryption required for login");
    EXPECT_FALSE(looked);
}

const test::TestAuthority& Authority() {
    return test::TestAuthority::Shared();
}

struct RefusalCase {
    const char* name;
    Security security;
    std::vector<ScriptedSmtpServer::Step> script;
    Kind kind;
    const char* error;
    bool reachesLogin; // the AUTH command went out, under TLS
    bool quits;        // the dialogue was still in step, so QUIT ends it
};

class RefusedWhileConnecting : public ::testing::TestWithParam<RefusalCase> {};

// Once encryption was asked for, a server that does not give it never sees the
// login, and the session does not go on in plain text. Where the server's refusal
// leaves the dialogue in step, the client says QUIT before it closes; after a
// failed handshake there is no dialogue left to say it in.
TEST_P(RefusedWhileConnecting, StopsBeforeTheMailAndSaysGoodbyeWhereItCan) {
    const RefusalCase& c = GetParam();
    ASSERT_TRUE(Authority().ok()) << Authority().error();
    ScriptedSmtpServer server(c.script);
    CSmtpClient client("", 25);
    Aim(client, server);
    client.SetSecurity(c.security);
    client.SetCredentials("ann", "s3cret");
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetFailureKind(), c.kind) << client.GetTransportError();
    EXPECT_EQ(client.GetLastError(), c.error);
    ASSERT_TRUE(server.Finish());
    EXPECT_TRUE(server.Failures().empty()) << server.Failures().front();
    const std::string received = server.Received();
    if (c.security == Security::StartTls) {
        EXPECT_EQ(received.rfind("EHLO desk.example\r\n", 0), 0u) << received;
    }
    EXPECT_EQ(received.find("AUTH") != std::string::npos, c.reachesLogin) << received;
    EXPECT_EQ(received.find("MAIL"), std::string::npos) << received;
    // Once, and last; or not at all.
    const std::size_t quit = received.find("QUIT");
    EXPECT_EQ(quit == std::string::npos ? std::string() : received.substr(quit), c.quits ? "QUIT\r\n" : "") << received;
}

// A TLS record of the handshake, as the client's hello begins.
const std::string kTlsRecordStart("\x16\x03", 2);

const char* const kOffersLoginOnly = "250-mx.example\r\n250-AUTH PLAIN LOGIN\r\n250 SIZE 1000000\r\n";

// The plain-text start of a STARTTLS session up to the handshake.
std::vector<ScriptedSmtpServer::Step> UpToTls() {
    const test::TestAuthority::Identity& identity = Authority().loopback();
    return {S::Send("220 mx\r\n"),
            S::ReadLine(),
            S::Send("250-mx.example\r\n250 STARTTLS\r\n"),
            S::ReadLine(),
            S::Send("220 go ahead\r\n"),
            S::StartTls(identity.certificate, identity.key),
            S::ReadLine()};
}

std::vector<ScriptedSmtpServer::Step> Then(std::vector<ScriptedSmtpServer::Step> script,
                                           const std::vector<ScriptedSmtpServer::Step>& rest) {
    script.insert(script.end(), rest.begin(), rest.end());
    return script;
}

std::vector<RefusalCase> RefusalCases() {
    const std::vector<ScriptedSmtpServer::Step> goodbye = {S::ReadLine(), S::Send("221 bye\r\n")};
    return {
        {"starttls_not_offered", Security::StartTls,
         Then({S::Send("220 mx\r\n"), S::ReadLine(), S::Send(kOffersLoginOnly)}, goodbye), Kind::EncryptionUnavailable,
         "Server does not offer STARTTLS", false, true},
        {"starttls_refused", Security::StartTls,
         Then({S::Send("220 mx\r\n"), S::ReadLine(), S::Send("250-mx.example\r\n250 starttls\r\n"), S::ReadLine(),
               S::Send("454 TLS not available due to temporary reason\r\n")},
              goodbye),
         Kind::EncryptionUnavailable, "454:SMTP server refused STARTTLS", false, true},
        {"go_ahead_answered_in_plain_text",
         Security::StartTls,
         {S::Send("220 mx\r\n"), S::ReadLine(), S::Send("250-mx.example\r\n250 STARTTLS\r\n"), S::ReadLine(),
          S::Send("220 go ahead\r\n"), S::Delay(milliseconds(50)), S::Send("250-mx.example\r\n250 AUTH PLAIN\r\n")},
         Kind::EncryptionUnavailable,
         "Unable to start TLS",
         false,
         false},
        {"login_refused", Security::StartTls,
         Then(UpToTls(),
              {S::Send("250-mx.example\r\n250 AUTH PLAIN\r\n"), S::ReadLine(),
               S::Send("535 5.7.8 Authentication credentials invalid\r\n"), S::ReadLine(), S::Send("221 bye\r\n")}),
         Kind::LoginRefused, "535:Login refused", true, true},
        {"no_login_method_on_offer", Security::StartTls,
         Then(UpToTls(), Then({S::Send("250 mx.example\r\n")}, goodbye)), Kind::LoginUnavailable,
         "Server offers no supported login method", false, true},
        // The greeting comes after our hello, as it does over a network: the
        // handshake reads it where the server's hello should be.
        {"tls_from_the_first_byte_meets_a_plain_greeting",
         Security::Tls,
         {S::ReadUntil(kTlsRecordStart), S::Send("220 mx.example ESMTP ready\r\n"), S::Hold(milliseconds(2000))},
         Kind::PlainTextServer,
         "Unable to start TLS",
         false,
         false},
    };
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedWhileConnecting, ::testing::ValuesIn(RefusalCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SecureDialogue, AGreetingThereBeforeTheTlsHelloEndsTheHandshakeBeforeItStarts) {
    ScriptedSmtpServer server({S::Send("220 mx.example ESMTP ready\r\n"), S::Hold(milliseconds(2000))});
    ASSERT_TRUE(server.listening());
    CSocket socket;
    ASSERT_TRUE(socket.Connect(server.host(), server.port(), kPatient)) << socket.GetLastError();
    // Time for the greeting to arrive; the outcome does not depend on it, only the road.
    std::this_thread::sleep_for(milliseconds(200));
    EXPECT_FALSE(socket.StartTls("127.0.0.1", CSocket::Clock::now() + kPatient));
    EXPECT_EQ(socket.GetLastStatus(), CSocket::Status::PlainText) << socket.GetLastError();
    ASSERT_TRUE(server.Finish());
    EXPECT_EQ(server.ReceivedSize(), 0u) << "no hello went to a server that would not have answered it";
}

TEST(SecureDialogue, CancelEndsAHandshakeTheServerNeverAnswers) {
    // TLS from the first byte: the server reads the client's hello and says nothing.
    ScriptedSmtpServer server({S::Hold(kPatient)});
    CSmtpClient client("", 25);
    Aim(client, server);
    client.SetSecurity(Security::Tls);
    bool connected = true;
    std::thread worker([&] { connected = client.Connect(); });
    for (int i = 0; i < 500 && server.ReceivedSize() == 0; ++i) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    EXPECT_GT(server.ReceivedSize(), 0u) << "no client hello arrived";
    client.Abort();
    worker.join();
    EXPECT_FALSE(connected);
    EXPECT_EQ(client.GetFailureKind(), Kind::Cancelled);
    EXPECT_EQ(client.GetLastError(), "Cancelled");
}

TEST(HappyEyeballs, AnAddressThatNeverAnswersDoesNotKeepTheNextFromItsTurn) {
    test::BlackHole hole;
    ASSERT_TRUE(hole.holding()) << "the loopback listener did not hold a connection attempt";
    ScriptedSmtpServer server({S::Send("220 live\r\n")});
    ASSERT_TRUE(server.listening());
    sockaddr_in live{};
    live.sin_family = AF_INET;
    live.sin_port = htons(static_cast<std::uint16_t>(server.port()));
    live.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    CSocket::Address second;
    std::memcpy(&second.storage, &live, sizeof live);
    second.length = sizeof live;

    CSocket socket;
    socket.SetResolver([&](const std::string& host, unsigned, std::vector<CSocket::Address>& out, std::string&) {
        EXPECT_EQ(host, "dual.example");
        out = {hole.address(), second};
        return true;
    });
    // Without the race the black hole takes the whole limit and this fails.
    ASSERT_TRUE(socket.Connect("dual.example", 25, kPatient)) << socket.GetLastError();
    char buffer[64];
    std::size_t got = 0;
    ASSERT_TRUE(socket.Receive(buffer, sizeof buffer, got, CSocket::Clock::now() + kPatient)) << socket.GetLastError();
    EXPECT_EQ(std::string(buffer, got), "220 live\r\n");
}

} // namespace
} // namespace desklet
