#pragma once

#include "framework/core/CMapStringToString.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace desklet {

// Every key of the settings map: the persisted settings, and the job's fields that
// the command line hands over and the main dialog and the terminal read.
enum class SettingKey {
    Logon,
    Password,
    StationId,
    EmailOnDelivered,
    EmailOnNotDelivered,
    EmailOnQueued,
    EmailOnNotQueued,
    Smtp,
    SmtpPort,
    // Empty or "none", "starttls" or "tls" (ConnectionSecurity.h reads them).
    SmtpSecurity,
    // The mail server's login; empty means no login.
    SmtpUser,
    // The mail server's password, only when no desktop keyring holds it
    // (PasswordVault), or as a script wrote it.
    SmtpPassword,
    // The company directory: ldap://server or ldaps://server, the subtree searched,
    // and the name it is logged in to with; empty means no directory, and no login.
    LdapUrl,
    LdapBase,
    LdapBindDn,
    // The directory's password, only when no desktop keyring holds it (PasswordVault).
    LdapBindPassword,

    File,
    Fax,
    // Names of contacts or groups of the phone book, separated by commas.
    To,
    Font,
    Resolution,
    Cover,
    Comment,
    From,
    Attention,
};

// What a save does with a persisted value that is empty (or absent from the map).
enum class WhenEmpty {
    Write,      // the empty value is written over the stored one
    KeepStored, // nothing is written, so that a stored value survives a form left blank
};

struct SettingEntry {
    SettingKey key;
    // The key in the map, in the store's file and on the command line (-name).
    std::string_view name;
    // What an absent or empty value means. Applied on reading, never stored.
    std::string_view defaultValue;
    // Saved by SettingsStore, and a stored value wins over the command line's.
    bool persisted;
    // A value never to be shown or logged.
    bool secret;
    WhenEmpty whenEmpty;
};

// The one list of the keys. A feature adds its setting here and the store loads
// and saves it; the names are those of files already on disk and never change.
inline constexpr std::array kSettings = {
    SettingEntry{SettingKey::Logon, "logon", "", true, false, WhenEmpty::KeepStored},
    SettingEntry{SettingKey::Password, "password", "", true, true, WhenEmpty::KeepStored},
    SettingEntry{SettingKey::StationId, "stationid", "", true, false, WhenEmpty::KeepStored},
    SettingEntry{SettingKey::EmailOnDelivered, "email_on_delivered", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::EmailOnNotDelivered, "email_on_not_delivered", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::EmailOnQueued, "email_on_queued", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::EmailOnNotQueued, "email_on_not_queued", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Smtp, "smtp", "", true, false, WhenEmpty::Write},
    // Plain SMTP's port, as the default security is none.
    SettingEntry{SettingKey::SmtpPort, "smtp_port", "25", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::SmtpSecurity, "smtp_security", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::SmtpUser, "smtp_user", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::SmtpPassword, "smtp_password", "", true, true, WhenEmpty::Write},
    SettingEntry{SettingKey::LdapUrl, "ldap_url", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::LdapBase, "ldap_base", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::LdapBindDn, "ldap_bind_dn", "", true, false, WhenEmpty::Write},
    SettingEntry{SettingKey::LdapBindPassword, "ldap_bind_password", "", true, true, WhenEmpty::Write},

    SettingEntry{SettingKey::File, "file", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Fax, "fax", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::To, "to", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Font, "font", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Resolution, "resolution", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Cover, "cover", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Comment, "comment", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::From, "from", "", false, false, WhenEmpty::Write},
    SettingEntry{SettingKey::Attention, "attention", "", false, false, WhenEmpty::Write},
};

namespace settings_detail {
constexpr bool TableIsWellFormed() {
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        if (static_cast<std::size_t>(kSettings[i].key) != i || kSettings[i].name.empty()) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (kSettings[j].name == kSettings[i].name) {
                return false;
            }
        }
    }
    return true;
}
} // namespace settings_detail

static_assert(settings_detail::TableIsWellFormed(),
              "kSettings lists every SettingKey once, in the enum's order, each under a name of its own");

constexpr const SettingEntry& EntryOf(SettingKey key) {
    return kSettings[static_cast<std::size_t>(key)];
}

constexpr std::string_view SettingName(SettingKey key) {
    return EntryOf(key).name;
}

constexpr std::string_view SettingDefault(SettingKey key) {
    return EntryOf(key).defaultValue;
}

// The value in the map, or the key's default when the entry is absent or empty.
std::string SettingValue(const CMapStringToString& settings, SettingKey key);

// True and the value when the map holds the key, even empty; false, value
// untouched, when not. No default: for callers that keep what they had.
bool LookupSetting(const CMapStringToString& settings, SettingKey key, std::string& value);

void SetSetting(CMapStringToString& settings, SettingKey key, const std::string& value);

// The names of the persisted keys, in the table's order.
inline constexpr auto kPersistedNames = [] {
    constexpr std::size_t count = [] {
        std::size_t n = 0;
        for (const SettingEntry& entry : kSettings) {
            n += entry.persisted ? 1 : 0;
        }
        return n;
    }();
    std::array<std::string_view, count> names{};
    std::size_t at = 0;
    for (const SettingEntry& entry : kSettings) {
        if (entry.persisted) {
            names[at++] = entry.name;
        }
    }
    return names;
}();

} // namespace desklet
