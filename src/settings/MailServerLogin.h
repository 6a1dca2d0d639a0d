#pragma once

#include "framework/core/CMapStringToString.h"
#include "settings/PasswordVault.h"
#include "smtp/CSmtpClient.h"

#include <string>

namespace desklet {

// What the sending side reads from the settings to reach the mail server beyond
// its name and port: how the connection is secured and who logs in.
struct MailServerLogin {
    // False when smtp_security holds a text that names no choice: such a setting
    // must stop the send, not fall back to plain text.
    bool known = true;
    std::string securityText; // as stored
    CSmtpClient::Security security = CSmtpClient::Security::None;
    std::string user;
    std::string password;

    // Reads smtp_security and smtp_user, and the password from the vault when a
    // user name is set (so a send without a login never asks the keyring).
    static MailServerLogin Read(const CMapStringToString& settings, PasswordVault& vault);

    // Gives the client the security and the credentials. False, and the client
    // untouched, when the security is unknown; UnknownText() then says why.
    [[nodiscard]] bool ApplyTo(CSmtpClient& client) const;
    std::string UnknownText() const;
};

} // namespace desklet
