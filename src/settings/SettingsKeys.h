#pragma once

#include <array>
#include <string_view>

namespace desklet {

// Every persisted setting's name, in the order in which the store loads and saves
// them, and the defaults that the map's users apply. No default is ever stored.
struct SettingsKeys {
    static constexpr std::string_view Logon = "logon";
    static constexpr std::string_view Password = "password";
    static constexpr std::string_view StationId = "stationid";
    static constexpr std::string_view EmailOnDelivered = "email_on_delivered";
    static constexpr std::string_view EmailOnNotDelivered = "email_on_not_delivered";
    static constexpr std::string_view EmailOnQueued = "email_on_queued";
    static constexpr std::string_view EmailOnNotQueued = "email_on_not_queued";
    static constexpr std::string_view Smtp = "smtp";
    static constexpr std::string_view SmtpPort = "smtp_port";
    // Empty or "none", "starttls" or "tls" (ConnectionSecurity.h reads them).
    static constexpr std::string_view SmtpSecurity = "smtp_security";
    // The mail server's login; empty means no login.
    static constexpr std::string_view SmtpUser = "smtp_user";
    // The mail server's password, only when no desktop keyring holds it
    // (PasswordVault), or as a script wrote it.
    static constexpr std::string_view SmtpPassword = "smtp_password";
    // The company directory: ldap://server or ldaps://server, the subtree searched,
    // and the name it is logged in to with; empty means no directory, and no login.
    static constexpr std::string_view LdapUrl = "ldap_url";
    static constexpr std::string_view LdapBase = "ldap_base";
    static constexpr std::string_view LdapBindDn = "ldap_bind_dn";
    // The directory's password, only when no desktop keyring holds it (PasswordVault).
    static constexpr std::string_view LdapBindPassword = "ldap_bind_password";

    // Keys that the command line hands over and the main dialog reads.
    static constexpr std::string_view File = "file";
    static constexpr std::string_view Fax = "fax";
    // The job's other fields, for a launching program and the send without a window.
    static constexpr std::string_view Font = "font";
    static constexpr std::string_view Resolution = "resolution";
    static constexpr std::string_view Cover = "cover";
    static constexpr std::string_view Comment = "comment";
    static constexpr std::string_view From = "from";
    static constexpr std::string_view Attention = "attention";

    static constexpr std::array<std::string_view, 16> Persisted = {
        Logon,           Password,         StationId, EmailOnDelivered, EmailOnNotDelivered,
        EmailOnQueued,   EmailOnNotQueued, Smtp,      SmtpPort,         SmtpSecurity,
        SmtpUser,        SmtpPassword,     LdapUrl,   LdapBase,         LdapBindDn,
        LdapBindPassword};

    // The port used, and shown, while none is configured.
    static constexpr std::string_view DefaultSmtpPort = "25";
};

} // namespace desklet
