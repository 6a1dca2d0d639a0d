#include "settings/PasswordVault.h"

#include "DeskletConfig.h"
#include "settings/SecretServiceKeyring.h"
#include "settings/SettingsKeys.h"

#include <optional>
#include <utility>

namespace desklet {
namespace {

SettingKey FileKey(PasswordVault::Account account) {
    return account == PasswordVault::Account::Directory ? SettingKey::LdapBindPassword : SettingKey::SmtpPassword;
}

} // namespace

PasswordVault::PasswordVault(Account account)
    : m_keyring(std::make_shared<SecretServiceKeyring>()), m_account(account) {}

PasswordVault::PasswordVault(std::shared_ptr<Keyring> keyring, Account account)
    : m_keyring(std::move(keyring)), m_account(account) {}

std::string PasswordVault::EntryKey(const CMapStringToString& settings, Account account) {
    const bool bDirectory = account == Account::Directory;
    const std::string user = SettingValue(settings, bDirectory ? SettingKey::LdapBindDn : SettingKey::SmtpUser);
    if (user.empty()) {
        return {};
    }
    std::string server = SettingValue(settings, bDirectory ? SettingKey::LdapUrl : SettingKey::Smtp);
    if (server.empty() && !bDirectory) {
        server = config::GatewayDomain;
    }
    for (char& c : server) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return user + "@" + server;
}

PasswordVault::Place PasswordVault::StoragePlace() {
    return m_keyring && m_keyring->IsAvailable() ? Place::Keyring : Place::SettingsFile;
}

PasswordVault::Found PasswordVault::Lookup(const CMapStringToString& settings) {
    m_strLastError.clear();
    const std::string key = EntryKey(settings, m_account);
    if (key.empty()) {
        return {};
    }
    std::string inFile = SettingValue(settings, FileKey(m_account));
    if (!inFile.empty()) {
        return {std::move(inFile), Place::SettingsFile};
    }
    if (StoragePlace() != Place::Keyring) {
        return {};
    }
    std::optional<std::string> secret;
    if (!m_keyring->Read(key, secret)) {
        m_strLastError = m_keyring->GetLastError();
        return {};
    }
    if (!secret || secret->empty()) {
        return {};
    }
    return {std::move(*secret), Place::Keyring};
}

PasswordVault::Place PasswordVault::Store(CMapStringToString& settings, const std::string& password) {
    m_strLastError.clear();
    const std::string key = EntryKey(settings, m_account);
    if (key.empty()) {
        return Place::None;
    }
    const bool keyring = StoragePlace() == Place::Keyring;
    if (password.empty()) {
        if (keyring && !m_keyring->Remove(key)) {
            m_strLastError = m_keyring->GetLastError();
        }
        SetSetting(settings, FileKey(m_account), "");
        return Place::None;
    }
    if (keyring) {
        if (m_keyring->Write(key, password)) {
            SetSetting(settings, FileKey(m_account), "");
            return Place::Keyring;
        }
        m_strLastError = m_keyring->GetLastError();
    }
    SetSetting(settings, FileKey(m_account), password);
    return Place::SettingsFile;
}

} // namespace desklet
