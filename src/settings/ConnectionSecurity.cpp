#include "settings/ConnectionSecurity.h"

#include "settings/SettingsKeys.h"

namespace desklet {
namespace {

// ASCII only: the setting's text means the same under every locale.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (fold(a[i]) != fold(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<ConnectionSecurity> ParseConnectionSecurity(std::string_view text) {
    if (text.empty()) {
        return ConnectionSecurity::None;
    }
    for (const ConnectionSecurity security : kConnectionSecurityChoices) {
        if (EqualsIgnoringAsciiCase(text, ConnectionSecurityText(security))) {
            return security;
        }
    }
    return std::nullopt;
}

std::string_view ConnectionSecurityText(ConnectionSecurity security) {
    switch (security) {
    case ConnectionSecurity::StartTls:
        return "starttls";
    case ConnectionSecurity::Tls:
        return "tls";
    case ConnectionSecurity::None:
        break;
    }
    return "none";
}

std::string_view UsualPort(ConnectionSecurity security) {
    switch (security) {
    case ConnectionSecurity::StartTls:
        return "587";
    case ConnectionSecurity::Tls:
        return "465";
    case ConnectionSecurity::None:
        break;
    }
    // Plain SMTP's port is the setting's default, as plain text is the default security.
    return SettingDefault(SettingKey::SmtpPort);
}

std::string PortAfterSecurityChange(std::optional<ConnectionSecurity> from, ConnectionSecurity to,
                                    const std::string& port) {
    if (from == to) {
        return port;
    }
    const auto otherEncrypted = [](ConnectionSecurity security) -> std::optional<ConnectionSecurity> {
        switch (security) {
        case ConnectionSecurity::StartTls:
            return ConnectionSecurity::Tls;
        case ConnectionSecurity::Tls:
            return ConnectionSecurity::StartTls;
        case ConnectionSecurity::None:
            break;
        }
        return std::nullopt;
    };
    const std::optional<ConnectionSecurity> other = otherEncrypted(to);
    if (port.empty() || (from && port == UsualPort(*from)) || (other && port == UsualPort(*other))) {
        return std::string(UsualPort(to));
    }
    return port;
}

} // namespace desklet
