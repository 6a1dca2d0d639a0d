#include "settings/MailServerLogin.h"

#include "support/FakeKeyring.h"

#include <gtest/gtest.h>

namespace desklet {
namespace {

using Security = CSmtpClient::Security;

TEST(MailServerLogin, ReadsTheSecurityAndTheLoginAndRefusesAnUnknownSecurity) {
    struct Row {
        const char* security;
        const char* user;
        bool known;
        Security expected;
        const char* password;
    };
    const Row rows[] = {
        {"", "", true, Security::None, ""},
        {"none", "", true, Security::None, ""},
        {"STARTTLS", "ann", true, Security::StartTls, "from the keyring"},
        {"tls", "ann", true, Security::Tls, "from the keyring"},
        // A typo must stop the send, not fall back to plain text.
        {"startls", "ann", false, Security::None, "from the keyring"},
    };
    for (const Row& row : rows) {
        auto keyring = std::make_shared<test::FakeKeyring>();
        PasswordVault vault(keyring);
        CMapStringToString settings;
        settings["smtp"] = "mail.example.org";
        settings["smtp_security"] = row.security;
        settings["smtp_user"] = row.user;
        keyring->entries[PasswordVault::EntryKey(settings)] = "from the keyring";
        const MailServerLogin login = MailServerLogin::Read(settings, vault);
        EXPECT_EQ(login.known, row.known) << row.security;
        EXPECT_EQ(login.security, row.expected) << row.security;
        EXPECT_EQ(login.password, row.password) << row.security;
        CSmtpClient client("", 25);
        EXPECT_EQ(login.ApplyTo(client), row.known) << row.security;
        EXPECT_EQ(client.GetSecurity(), row.known ? row.expected : Security::None) << row.security;
        if (!row.known) {
            EXPECT_NE(login.UnknownText().find("\"startls\""), std::string::npos) << login.UnknownText();
        }
    }
}

} // namespace
} // namespace desklet
