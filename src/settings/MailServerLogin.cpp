#include "settings/MailServerLogin.h"

#include "settings/ConnectionSecurity.h"
#include "settings/SettingsKeys.h"

namespace desklet {

MailServerLogin MailServerLogin::Read(const CMapStringToString& settings, PasswordVault& vault) {
    MailServerLogin login;
    login.securityText = SettingValue(settings, SettingKey::SmtpSecurity);
    const std::optional<ConnectionSecurity> security = ParseConnectionSecurity(login.securityText);
    login.known = security.has_value();
    switch (security.value_or(ConnectionSecurity::None)) {
    case ConnectionSecurity::None:
        login.security = CSmtpClient::Security::None;
        break;
    case ConnectionSecurity::StartTls:
        login.security = CSmtpClient::Security::StartTls;
        break;
    case ConnectionSecurity::Tls:
        login.security = CSmtpClient::Security::Tls;
        break;
    }
    login.user = SettingValue(settings, SettingKey::SmtpUser);
    if (!login.user.empty()) {
        login.password = vault.PasswordFor(settings);
    }
    return login;
}

bool MailServerLogin::ApplyTo(CSmtpClient& client) const {
    if (!known) {
        return false;
    }
    client.SetSecurity(security);
    client.SetCredentials(user, password);
    return true;
}

std::string MailServerLogin::UnknownText() const {
    return "unknown connection security \"" + securityText + "\" (smtp_security): none, starttls or tls";
}

} // namespace desklet
