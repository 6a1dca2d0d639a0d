// The SMTP client's reply reader, fed by a server that says whatever the input
// says, cut into receives anywhere. On the plain road a model of the reply rules,
// written apart from the reader, predicts every result, last error and last reply
// of a whole session: connect, one message, goodbye. On the roads with TLS and a
// login, whatever the server says, nothing but EHLO and STARTTLS goes out in the
// clear, a login session never runs without TLS, and the password shows in no
// reply or error the client keeps.
//
// The input: a byte for the number of recipients (bits 0-1) and the road (the
// rest, modulo 3: plain, STARTTLS, TLS), a byte that seeds the cuts (0: every
// receive takes all it can), then the server's bytes.

#include "fuzz/smtp/ScriptedServer_p.h"
#include "fuzz/support/FuzzCheck.h"
#include "mail/CBase64Codec.h"
#include "mail/CMailItem.h"
#include "smtp/CSmtpClient.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace desklet;
using desklet::fuzz::ScriptedServer;

namespace {

// A reply is lines up to one whose fourth character is not a hyphen; its code is
// its first three characters when they are digits, else 0. A reply longer than
// the limits, or one the server never ends, ends the session.
class ReplyModel {
public:
    explicit ReplyModel(std::string_view said) : m_rest(said) {}

    bool Read(int expected, const char* failure) {
        std::size_t end = 0;
        for (std::size_t lines = 1;; ++lines) {
            const std::size_t lineEnd = m_rest.find('\n', end);
            if (lineEnd == std::string_view::npos) {
                return Drop(m_rest.size() > CSmtpClient::kMaxReplyBytes ? "Reply too long"
                                                                        : "Connection closed by server");
            }
            if (lineEnd + 1 > CSmtpClient::kMaxReplyBytes || lines > CSmtpClient::kMaxReplyLines) {
                return Drop("Reply too long");
            }
            const bool more = lineEnd - end >= 4 && m_rest[end + 3] == '-';
            end = lineEnd + 1;
            if (!more) {
                break;
            }
        }
        reply.assign(m_rest.substr(0, end));
        m_rest.remove_prefix(end);
        code = 0;
        for (std::size_t i = 0; i < 3 && reply.size() >= 3; ++i) {
            if (reply[i] < '0' || reply[i] > '9') {
                code = 0;
                break;
            }
            code = code * 10 + (reply[i] - '0');
        }
        if (code != expected) {
            error = std::to_string(code) + ":" + failure;
        }
        return code == expected;
    }

    bool Drop(const char* text) {
        error = text;
        connected = false;
        return false;
    }

    std::string error = "OK";
    std::string reply;
    int code = 0;
    bool connected = false;

private:
    std::string_view m_rest;
};

void CheckState(const CSmtpClient& client, const ReplyModel& model, bool result, bool expected) {
    FUZZ_CHECK(result == expected);
    FUZZ_CHECK(client.GetLastError() == model.error);
    FUZZ_CHECK(client.IsConnected() == model.connected);
    FUZZ_CHECK(client.GetLastReply() == model.reply);
    FUZZ_CHECK(client.GetLastReplyCode() == model.code);
}

void CheckSecureSession(CSmtpClient& client, CSmtpClient::Security security, CMailItem& item) {
    const std::string password = "s3cret-pw";
    client.SetSecurity(security);
    client.SetCredentials("user@example.org", password);
    const bool connected = client.Connect();
    const ScriptedServer& server = ScriptedServer::Current();
    std::string clear = server.heard.substr(0, server.heardBeforeTls);
    // A refusal before TLS is still answered with a goodbye, and nothing else.
    const std::string quit = "QUIT\r\n";
    if (!connected && server.heardBeforeTls == std::string::npos && clear.size() >= quit.size() &&
        clear.compare(clear.size() - quit.size(), quit.size(), quit) == 0) {
        clear.resize(clear.size() - quit.size());
    }
    const std::string allowed = security == CSmtpClient::Security::Tls ? "" : "EHLO client.example\r\nSTARTTLS\r\n";
    FUZZ_CHECK(allowed.compare(0, clear.size(), clear) == 0);
    FUZZ_CHECK(!connected || server.heardBeforeTls != std::string::npos);
    if (server.heard.find("AUTH ") != std::string::npos) {
        const std::string encoded =
            CBase64Codec().Encode(reinterpret_cast<const std::uint8_t*>(password.data()), password.size());
        for (const std::string& kept : {client.GetLastReply(), client.GetLastError()}) {
            FUZZ_CHECK(kept.find(password) == std::string::npos && kept.find(encoded) == std::string::npos);
        }
    }
    (void)client.SendMessage(item);
    (void)client.Disconnect();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    ScriptedServer& server = ScriptedServer::Current();
    server = ScriptedServer{};
    server.said = std::string_view(reinterpret_cast<const char*>(data) + 2, size - 2);
    server.cut = data[1];
    ReplyModel model(server.said);

    CSmtpClient client("server.example", 25);
    client.SetHostNameSource([] { return std::string("client.example"); });
    CMailItem item;
    item.SetClock([] { return std::time_t{0}; });
    item.m_strSender = "sender@example.org";
    for (int i = 0; i < (data[0] & 3); ++i) {
        item.AddRecipient("rcpt" + std::to_string(i) + "@example.org", "");
    }
    const int road = (data[0] >> 2) % 3;
    if (road != 0) {
        CheckSecureSession(client, road == 1 ? CSmtpClient::Security::StartTls : CSmtpClient::Security::Tls, item);
        return 0;
    }

    bool expected = model.Read(220, "SMTP server not available");
    if (!expected) {
        model.Drop("Server didn't respond.");
    } else {
        model.connected = true;
        expected = model.Read(250, "SMTP server error");
        model.connected = expected;
    }
    CheckState(client, model, client.Connect(), expected);

    if (!model.connected) {
        expected = false;
        model.error = "Must be connected";
    } else if (item.GetRecipientCount() == 0) {
        expected = false;
        model.error = "No Recipients";
    } else {
        expected = model.Read(250, "SMTP server error");
        for (int i = 0; expected && i < item.GetRecipientCount(); ++i) {
            expected = model.Read(250, "SMTP server error") || model.connected;
        }
        expected =
            expected && model.Read(354, "SMTP server not ready for data") && model.Read(250, "SMTP server error");
    }
    CheckState(client, model, client.SendMessage(item), expected);

    expected = !model.connected || model.Read(221, "SMTP server didn't terminate session");
    model.connected = false;
    CheckState(client, model, client.Disconnect(), expected);
    return 0;
}
