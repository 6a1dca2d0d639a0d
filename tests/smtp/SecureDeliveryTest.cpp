// The secure roads against a real server (aiosmtpd on loopback with an authority
// the test makes), and a real MIME parser reading what arrived.
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"
#include "support/CaptureSmtpServer.h"
#include "support/TempDir.h"
#include "support/TestAuthority.h"

#include <gtest/gtest.h>

#include <random>

namespace desklet {
namespace {

using test::CaptureSmtpServer;
using test::TestAuthority;
using Kind = CSmtpClient::FailureKind;
using Problem = CSmtpClient::CertificateProblem;
using Security = CSmtpClient::Security;

const TestAuthority& Authority() {
    return TestAuthority::Shared();
}

enum class Cert { Loopback, OtherName, Expired, Stranger };

struct SecureCase {
    const char* name;
    const char* serverSecurity;
    Cert cert;
    bool forge;
    bool loginOnly;
    unsigned long sizeLimit;
    Security clientSecurity;
    const char* password; // the server takes "s3cret pass"
    Kind expected;        // None: delivered
    Problem problem;
};

class SecureRoad : public ::testing::TestWithParam<SecureCase> {};

TEST_P(SecureRoad, DeliversIntactOrNamesTheReason) {
    const SecureCase& c = GetParam();
    const TestAuthority& authority = Authority();
    ASSERT_TRUE(authority.ok()) << authority.error();
    const TestAuthority::Identity& identity = c.cert == Cert::Loopback    ? authority.loopback()
                                              : c.cert == Cert::OtherName ? authority.otherName()
                                              : c.cert == Cert::Expired   ? authority.expired()
                                                                          : authority.stranger();
    CaptureSmtpServer::Options options;
    options.security = c.serverSecurity;
    options.certificate = identity.certificate;
    options.key = identity.key;
    options.user = "ann@desk.example";
    options.password = "s3cret pass";
    options.sizeLimit = c.sizeLimit;
    options.forgeBeforeTls = c.forge;
    options.loginOnly = c.loginOnly;
    CaptureSmtpServer server(options);
    ASSERT_TRUE(server.running()) << "aiosmtpd did not start";

    test::TempDir dir;
    std::mt19937 random(17);
    std::string document(256 * 1024, '\0');
    for (char& byte : document) {
        byte = static_cast<char>(random());
    }
    const auto path = dir.WriteFile("Contract.pdf", document);
    CMimeMailItem item;
    item.m_strSender = "ann@desk.example";
    item.m_strSubject = "fax 2125551212";
    (void)item.AddRecipient("fax@gw.example", "");
    item.AddMimePart(path.string(), CMimeMailItem::PartTypeOctetStream, "", 4, true);

    CSmtpClient client("127.0.0.1", server.port());
    client.SetTimeouts(SmtpTimeouts::Uniform(std::chrono::seconds(20)));
    client.SetSecurity(c.clientSecurity);
    client.SetCredentials("ann@desk.example", c.password);
    const bool ok = client.Connect() && client.SendMessage(item);
    if (c.expected == Kind::None) {
        ASSERT_TRUE(ok) << client.GetLastError() << " / " << client.GetTransportError();
        EXPECT_TRUE(client.IsEncrypted());
        EXPECT_TRUE(client.Disconnect()) << client.GetLastError();
        const auto messages = server.Messages(1);
        ASSERT_EQ(messages.size(), 1u);
        const test::ParsedMail mail = test::ParseMail(messages[0]);
        ASSERT_TRUE(mail.ok) << mail.error;
        EXPECT_EQ(mail.mailFrom, "ann@desk.example");
        EXPECT_EQ(mail.rcptTo, "fax@gw.example");
        EXPECT_EQ(mail.subject, "fax 2125551212");
        ASSERT_EQ(mail.attachments.size(), 1u);
        EXPECT_TRUE(mail.attachments[0] == document);
        return;
    }
    ASSERT_FALSE(ok);
    EXPECT_EQ(client.GetFailureKind(), c.expected) << client.GetLastError() << " / " << client.GetTransportError();
    EXPECT_EQ(client.GetCertificateProblem(), c.problem) << client.GetTransportError();
    for (const std::string& text : {client.GetLastError(), client.GetLastReply(), client.GetTransportError()}) {
        EXPECT_EQ(text.find(c.password), std::string::npos) << text;
    }
    if (c.expected == Kind::TooLarge) {
        EXPECT_EQ(client.GetSizeLimit(), c.sizeLimit);
        EXPECT_GT(client.GetMessageSize(), document.size());
    }
    (void)client.Disconnect();
    EXPECT_TRUE(server.Messages(0, std::chrono::milliseconds(200)).empty());
}

const SecureCase kSecureCases[] = {
    {"starttls_and_login_deliver", "starttls", Cert::Loopback, false, false, 0, Security::StartTls, "s3cret pass",
     Kind::None, Problem::None},
    {"tls_from_the_first_byte_and_login_deliver", "tls", Cert::Loopback, false, false, 0, Security::Tls, "s3cret pass",
     Kind::None, Problem::None},
    {"reply_forged_before_the_handshake_is_ignored", "starttls", Cert::Loopback, true, false, 0, Security::StartTls,
     "s3cret pass", Kind::None, Problem::None},
    {"login_mechanism_where_plain_is_not_offered", "tls", Cert::Loopback, false, true, 0, Security::Tls, "s3cret pass",
     Kind::None, Problem::None},
    {"wrong_password_is_a_refused_login", "starttls", Cert::Loopback, false, false, 0, Security::StartTls, "guess-1234",
     Kind::LoginRefused, Problem::None},
    {"certificate_for_another_name", "tls", Cert::OtherName, false, false, 0, Security::Tls, "s3cret pass",
     Kind::Certificate, Problem::NameMismatch},
    {"expired_certificate", "starttls", Cert::Expired, false, false, 0, Security::StartTls, "s3cret pass",
     Kind::Certificate, Problem::Expired},
    {"certificate_from_an_untrusted_authority", "tls", Cert::Stranger, false, false, 0, Security::Tls, "s3cret pass",
     Kind::Certificate, Problem::Untrusted},
    {"starttls_asked_of_a_server_without_it", "none", Cert::Loopback, false, false, 0, Security::StartTls,
     "s3cret pass", Kind::EncryptionUnavailable, Problem::None},
    {"tls_asked_of_a_plain_server_is_told_from_a_broken_handshake", "none", Cert::Loopback, false, false, 0,
     Security::Tls, "s3cret pass", Kind::PlainTextServer, Problem::None},
    {"message_above_the_size_limit_is_not_sent", "starttls", Cert::Loopback, false, false, 100000, Security::StartTls,
     "s3cret pass", Kind::TooLarge, Problem::None},
};

INSTANTIATE_TEST_SUITE_P(Cases, SecureRoad, ::testing::ValuesIn(kSecureCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace desklet
