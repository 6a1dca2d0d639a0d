#include "settings/ui/CConfigSheet.h"

#include "settings/SettingsKeys.h"

namespace desklet {

CConfigSheet::CConfigSheet(const std::string& caption, QWidget* parent, int startPage, CMapStringToString& settings,
                           std::function<void()> saveSettings, PasswordVault vault)
    : CPropertySheet(caption, parent, startPage), m_pageAccount(settings, saveSettings),
      m_pageConfirmations(settings, saveSettings), m_pageMailServer(settings, vault),
      m_pageDirectory(settings, vault.ForAccount(PasswordVault::Account::Directory)), m_settings(settings),
      m_saveSettings(std::move(saveSettings)) {
    AddPage(&m_pageAccount);
    AddPage(&m_pageConfirmations);
    AddPage(&m_pageMailServer);
    AddPage(&m_pageDirectory);
}

// The pages are members and go before the sheet's own parts do.
CConfigSheet::~CConfigSheet() {
    while (GetPageCount() != 0) {
        RemovePage(0);
    }
}

std::array<std::pair<SettingKey, std::string*>, 14> CConfigSheet::Fields() {
    return {{{SettingKey::Logon, &m_pageAccount.m_strLogon},
             {SettingKey::Password, &m_pageAccount.m_strPassword},
             {SettingKey::StationId, &m_pageAccount.m_strStationID},
             {SettingKey::EmailOnDelivered, &m_pageConfirmations.m_strEmailDelivered},
             {SettingKey::EmailOnNotDelivered, &m_pageConfirmations.m_strEmailNotDelivered},
             {SettingKey::EmailOnQueued, &m_pageConfirmations.m_strEmailQueued},
             {SettingKey::EmailOnNotQueued, &m_pageConfirmations.m_strEmailNotQueued},
             {SettingKey::Smtp, &m_pageMailServer.m_strSmtpServer},
             {SettingKey::SmtpPort, &m_pageMailServer.m_strSmtpPort},
             {SettingKey::SmtpSecurity, &m_pageMailServer.m_strSmtpSecurity},
             {SettingKey::SmtpUser, &m_pageMailServer.m_strSmtpUser},
             {SettingKey::LdapUrl, &m_pageDirectory.m_strUrl},
             {SettingKey::LdapBase, &m_pageDirectory.m_strBase},
             {SettingKey::LdapBindDn, &m_pageDirectory.m_strBindDn}}};
}

int CConfigSheet::DoModal() {
    for (const auto& [key, field] : Fields()) {
        LookupSetting(m_settings, key, *field);
    }
    // Both password fields open alike, so that an untouched password passes the check.
    m_pageAccount.m_strConfirmPassword = m_pageAccount.m_strPassword;
    m_pageMailServer.LoadPassword();
    m_pageDirectory.LoadPassword();
    return CPropertySheet::DoModal();
}

bool CConfigSheet::OnInitDialog() {
    CPropertySheet::OnInitDialog();
    SetTitle(tr(kTitle).toStdString());
    return true;
}

bool CConfigSheet::OnCommand(unsigned command, QWidget* control) {
    if (command == IDOK) {
        for (const auto& [key, field] : Fields()) {
            SetSetting(m_settings, key, *field);
        }
        // Before the save, so that a password left in the settings map reaches the file.
        m_pageMailServer.StorePassword();
        m_pageDirectory.StorePassword();
        if (m_saveSettings) {
            m_saveSettings();
        }
    }
    return CPropertySheet::OnCommand(command, control);
}

} // namespace desklet
