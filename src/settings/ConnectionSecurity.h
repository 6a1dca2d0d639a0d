#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace desklet {

// How the connection to the mail server is protected, as the smtp_security
// setting names it.
enum class ConnectionSecurity {
    None,     // plain text, as the gateway has always been reached
    StartTls, // plain greeting, then STARTTLS (RFC 3207)
    Tls,      // TLS from the first byte (RFC 8314)
};

// The three choices in the order the Mail Server page lists them.
inline constexpr ConnectionSecurity kConnectionSecurityChoices[] = {
    ConnectionSecurity::None, ConnectionSecurity::StartTls, ConnectionSecurity::Tls};

// The setting's text: empty or "none", "starttls", "tls", in any ASCII case.
// Nothing for any other text, which must not be taken for "none": a mistyped
// "STARTLS" would otherwise send the password in plain text.
std::optional<ConnectionSecurity> ParseConnectionSecurity(std::string_view text);
std::string_view ConnectionSecurityText(ConnectionSecurity security);

// The port a server usually listens on for each choice: 25 for plain SMTP
// (RFC 5321), 587 for submission with STARTTLS (RFC 6409), 465 for submission over
// TLS (RFC 8314).
std::string_view UsualPort(ConnectionSecurity security);

// The port to show after the user picks another choice (from: the one shown
// before, none when the setting named none): the new choice's usual port while
// the field is empty, holds the old choice's usual port, or holds the usual port
// of the other encrypted choice (587 is never right for TLS from the first byte,
// nor 465 for STARTTLS). Any other port was the user's pick and stays.
std::string PortAfterSecurityChange(std::optional<ConnectionSecurity> from, ConnectionSecurity to,
                                    const std::string& port);

} // namespace desklet
