#pragma once

#include "framework/CPropertyPage.h"
#include "framework/core/CMapStringToString.h"
#include "settings/PasswordVault.h"

#include <QPointer>

#include <string>
#include <string_view>

class QLineEdit;

namespace desklet {

// The "Directory" tab: the company directory that the phone book searches beside
// its own entries: the server's URL, the subtree searched, and an optional login
// whose password goes to the password vault (the desktop keyring when one answers)
// rather than into the settings file. Apply puts the values into the settings for
// the rest of the run; OK saves them.
class CPropertyPage_Directory : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;
    enum ControlId {
        IDC_LDAP_URL = 1050,
        IDC_LDAP_BASE = 1051,
        IDC_LDAP_BIND_DN = 1052,
        IDC_LDAP_PASSWORD = 1053,
    };
    // The settings file loads no longer value (SettingsStore::kMaxValueChars).
    static constexpr int kMaxFieldChars = 259;
    static constexpr const char* kBadUrlText =
        QT_TR_NOOP("Enter the directory server as ldap://server or ldaps://server, or leave the field empty.");

    // vault: one for PasswordVault::Account::Directory.
    CPropertyPage_Directory(CMapStringToString& settings, PasswordVault vault);

    bool OnApply() override;
    void OnOK() override;
    // A settings field changed: read the fields and enable Apply.
    void OnEditChange();

    // For the sheet: fills the password field from the vault when the settings name
    // a bind name, and hands a changed password to the vault.
    void LoadPassword();
    void StorePassword();

    // Empty, or ldap:// or ldaps:// (in any case) and a server.
    static bool IsAcceptableUrl(std::string_view url);

    std::string m_strUrl;
    std::string m_strBase;
    std::string m_strBindDn;
    std::string m_strPassword;

protected:
    void CreateControls() override;
    void DoDataExchange(DataExchange* pDX) override;

private:
    CMapStringToString& m_settings;
    PasswordVault m_vault;
    // What the vault last gave or took, so that an unchanged password is not
    // written to the keyring again at every OK and Apply.
    std::string m_strKeptKey;
    std::string m_strKeptPassword;
};

} // namespace desklet
