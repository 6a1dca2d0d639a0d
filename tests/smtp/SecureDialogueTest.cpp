// The secure roads' refusals, the cancel of a handshake and the race of a
// server's addresses, against scripted peers on loopback.
#include "smtp/CSmtpClient.h"
#include "smtp/CSocket.h"
#include "support/ScriptedSmtpServer.h"

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

struct RefusalCase {
    const char* name;
    std::vector<ScriptedSmtpServer::Step> script;
    Kind kind;
    const char* error;
};

class NoEncryption : public ::testing::TestWithParam<RefusalCase> {};

// Once encryption was asked for, a server that does not give it never sees the
// login, and the session does not go on in plain text.
TEST_P(NoEncryption, StopsBeforeTheLogin) {
    ScriptedSmtpServer server(GetParam().script);
    CSmtpClient client("", 25);
    Aim(client, server);
    client.SetSecurity(Security::StartTls);
    client.SetCredentials("ann", "s3cret");
    EXPECT_FALSE(client.Connect());
    EXPECT_EQ(client.GetFailureKind(), GetParam().kind);
    EXPECT_EQ(client.GetLastError(), GetParam().error);
    ASSERT_TRUE(server.Finish());
    const std::string received = server.Received();
    EXPECT_EQ(received.rfind("EHLO desk.example\r\n", 0), 0u) << received;
    EXPECT_EQ(received.find("AUTH"), std::string::npos) << received;
    EXPECT_EQ(received.find("MAIL"), std::string::npos) << received;
}

const char* const kOffersLoginOnly = "250-mx.example\r\n250-AUTH PLAIN LOGIN\r\n250 SIZE 1000000\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, NoEncryption,
    ::testing::Values(RefusalCase{"starttls_not_offered",
                                  {S::Send("220 mx\r\n"), S::ReadLine(), S::Send(kOffersLoginOnly)},
                                  Kind::EncryptionUnavailable,
                                  "Server does not offer STARTTLS"},
                      RefusalCase{"starttls_refused",
                                  {S::Send("220 mx\r\n"), S::ReadLine(), S::Send("250-mx.example\r\n250 starttls\r\n"),
                                   S::ReadLine(), S::Send("454 TLS not available due to temporary reason\r\n")},
                                  Kind::EncryptionUnavailable,
                                  "454:SMTP server refused STARTTLS"},
                      RefusalCase{"go_ahead_answered_in_plain_text",
                                  {S::Send("220 mx\r\n"), S::ReadLine(), S::Send("250-mx.example\r\n250 STARTTLS\r\n"),
                                   S::ReadLine(), S::Send("220 go ahead\r\n"), S::Delay(milliseconds(50)),
                                   S::Send("250-mx.example\r\n250 AUTH PLAIN\r\n")},
                                  Kind::EncryptionUnavailable,
                                  "Unable to start TLS"}),
    [](const auto& info) { return std::string(info.param.name); });

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

// A loopback port that swallows connection attempts: a listener whose queue of
// one is full drops every further SYN unanswered, like a broken path would.
class BlackHole {
public:
    BlackHole() {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(m_listen, 0) != 0 ||
            ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        m_address = address;
        // Fill the queue until an attempt stays unanswered.
        for (int i = 0; i < 16 && !m_holding; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            m_fillers.push_back(fd);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0) {
                continue;
            }
            pollfd p{fd, POLLOUT, 0};
            m_holding = ::poll(&p, 1, 300) == 0;
        }
    }
    ~BlackHole() {
        for (const int fd : m_fillers) {
            ::close(fd);
        }
        if (m_listen >= 0) {
            ::close(m_listen);
        }
    }
    bool holding() const { return m_holding; }
    CSocket::Address address() const {
        CSocket::Address result;
        std::memcpy(&result.storage, &m_address, sizeof m_address);
        result.length = sizeof m_address;
        return result;
    }

private:
    int m_listen = -1;
    sockaddr_in m_address{};
    std::vector<int> m_fillers;
    bool m_holding = false;
};

TEST(HappyEyeballs, AnAddressThatNeverAnswersDoesNotKeepTheNextFromItsTurn) {
    BlackHole hole;
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
