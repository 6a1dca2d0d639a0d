#pragma once

#include "framework/core/CMapStringToString.h"
#include "settings/Keyring.h"

#include <memory>
#include <string>

namespace desklet {

// Keeps the mail server's password: in the desktop keyring when one answers, one
// entry per user name and server ("user@server"), else as smtp_password in the
// settings file (which only its owner can read).
//
// A password in the settings file is read first: it is there either because no
// keyring answered when it was saved or because a script wrote it since, and in
// both cases it is the newer word. Storing into the keyring therefore empties the
// file's copy, but only once the keyring has taken the password, so that it is
// never in neither place.
//
// The vault keeps no secret of its own between calls, and no text it reports ever
// holds one.
//
// The company directory's bind password is kept alike, under an entry of its own
// ("bind name@directory URL") with ldap_bind_password as the file's copy.
class PasswordVault {
public:
    enum class Account { MailServer, Directory };
    enum class Place {
        None,         // no user name, or no password
        Keyring,      // the desktop keyring's entry for user and server
        SettingsFile, // smtp_password
    };

    // The desktop's keyring.
    explicit PasswordVault(Account account = Account::MailServer);
    explicit PasswordVault(std::shared_ptr<Keyring> keyring, Account account = Account::MailServer);

    // The keyring entry's name for the settings' user and mail server (the gateway
    // when none is set; host names compared without ASCII case); empty when no user
    // name is set.
    // A vault over the same keyring for the other account.
    PasswordVault ForAccount(Account account) const { return PasswordVault(m_keyring, account); }

    // For the directory: the bind name and the URL, the URL without ASCII case.
    static std::string EntryKey(const CMapStringToString& settings, Account account = Account::MailServer);

    // Where Store() would keep a password now.
    Place StoragePlace();

    struct Found {
        std::string password;
        Place place = Place::None;
    };
    // The password for the settings' user and server, and where it was found. An
    // unreadable keyring counts as holding nothing (GetLastError() says why).
    Found Lookup(const CMapStringToString& settings);

    // What the sending side logs in with: Lookup()'s password, empty for none.
    std::string PasswordFor(const CMapStringToString& settings) { return Lookup(settings).password; }

    // Keeps password for the settings' user and server and returns where it went.
    // Without a user name nothing changes. An empty password removes the keyring's
    // entry and the file's copy. A keyring that does not take the password leaves
    // it in smtp_password (GetLastError() says why). Only the map is written: the
    // caller saves it as usual.
    Place Store(CMapStringToString& settings, const std::string& password);

    const std::string& GetLastError() const { return m_strLastError; }

private:
    std::shared_ptr<Keyring> m_keyring;
    Account m_account = Account::MailServer;
    std::string m_strLastError;
};

} // namespace desklet
