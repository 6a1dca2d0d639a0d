#pragma once

#include "framework/CPropertyPage.h"
#include "framework/core/CMapStringToString.h"
#include "settings/PasswordVault.h"

#include <QPointer>

#include <optional>

#include <string>
#include <string_view>

class QComboBox;
class QLabel;

namespace desklet {

class CCharFilterEdit;

// The "Mail Server Settings" tab: the SMTP server to use instead of the gateway,
// its port, how the connection is protected and the login. Apply puts the values
// into the settings for the rest of the run without saving them; they reach the
// store with the next save, which OK always performs.
//
// The password is no field of the settings file like the others: the page hands
// it to the password vault, which keeps it in the desktop keyring, or in the
// settings map when no keyring takes it, and a line on the page says which.
class CPropertyPage_SMTP_Settings : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;
    enum ControlId {
        IDC_SMTP_SERVER = 1037,
        IDC_SMTP_PORT = 1038,
        IDC_SMTP_SECURITY = 1039,
        IDC_SMTP_USER = 1040,
        IDC_SMTP_PASSWORD = 1041,
        IDC_PASSWORD_PLACE = 1042,
    };
    static constexpr std::string_view kPortChars = "0123456789";
    // The settings file loads no longer value (SettingsStore::kMaxValueChars); a
    // longer login would be saved and silently lost at the next start.
    static constexpr int kMaxLoginChars = 259;

    static constexpr const char* kPasswordInKeyringText =
        QT_TRANSLATE_NOOP("desklet::CPropertyPage_SMTP_Settings", "The password is kept in the desktop keyring.");
    // %1: the settings file's path.
    static constexpr const char* kPasswordInFileText = QT_TRANSLATE_NOOP(
        "desklet::CPropertyPage_SMTP_Settings",
        "The password is kept as plain text in the settings file %1, as no desktop keyring takes it.");

    explicit CPropertyPage_SMTP_Settings(CMapStringToString& settings, PasswordVault vault = PasswordVault());

    bool OnApply() override;
    void OnOK() override;
    // A settings field changed: read the fields and enable Apply.
    void OnEditChange();
    // The user picked a connection security: moves a usual port along with it.
    void OnSecurityChosen(int index);

    // For the sheet: fills the password field from the vault for the user and
    // server in the settings, when the settings name a user.
    void LoadPassword();
    // For the sheet and Apply: hands the password to the vault for the user and
    // server now in the settings, if the page was displayed in this showing and the
    // password, user or server changed since it was loaded or kept.
    void StorePassword();

    QPointer<CCharFilterEdit> m_editPort;
    QPointer<CCharFilterEdit> m_editSmtpServer;
    QPointer<QComboBox> m_comboSecurity;
    std::string m_strSmtpServer;
    std::string m_strSmtpPort;
    std::string m_strSmtpSecurity;
    std::string m_strSmtpUser;
    std::string m_strSmtpPassword;

protected:
    void CreateControls() override;
    void DoDataExchange(DataExchange* pDX) override;

private:
    void ShowPasswordPlace(PasswordVault::Place place);

    CMapStringToString& m_settings;
    PasswordVault m_vault;
    QPointer<QLabel> m_labelPasswordPlace;
    // The choice the combo box showed before the user's latest pick.
    int m_nShownSecurity = -1;
    // What the vault last gave or took, so that an unchanged password is not
    // written to the keyring again at every OK and Apply.
    std::string m_strKeptKey;
    std::string m_strKeptPassword;
    PasswordVault::Place m_keptPlace = PasswordVault::Place::None;
    // Where the vault would keep a password, asked once a showing: the question
    // may wait for the session bus.
    std::optional<PasswordVault::Place> m_storagePlace;
    // Whether this showing has handed a password to the vault yet.
    bool m_bHandedOver = false;
};

} // namespace desklet
