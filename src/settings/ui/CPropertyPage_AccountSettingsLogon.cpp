#include "settings/ui/CPropertyPage_AccountSettingsLogon.h"

#include "controls/CCharFilterEdit.h"
#include "framework/DataExchange.h"
#include "settings/SettingsKeys.h"
#include "settings/ui/SettingsPage_p.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

using detail::NameByLabel;
using detail::NewLabel;

CPropertyPage_AccountSettingsLogon::CPropertyPage_AccountSettingsLogon(CMapStringToString& settings,
                                                                       std::function<void()> saveSettings)
    : CPropertyPage(kTemplateId, tr("Account Settings").toStdString()), m_settings(settings),
      m_saveSettings(std::move(saveSettings)) {
    SetTemplateSize(187, 115);
    // Confirm Password is left out: typing it alone changes no setting.
    for (const int id : {IDC_LOGON, IDC_PASSWORD, IDC_STATION_ID}) {
        MapEditChange(id, [this] { OnEditChange(); });
    }
}

bool CPropertyPage_AccountSettingsLogon::IsValidStationId(std::string_view stationId) {
    return stationId.find_first_of(kStationIdForbiddenChars) == std::string_view::npos;
}

void CPropertyPage_AccountSettingsLogon::CreateControls() {
    auto* layout = new QVBoxLayout(this);

    auto* account = new QGroupBox(tr("Quillmark Account"), this);
    auto* grid = new QGridLayout(account);
    QLabel* logonLabel = NewLabel(tr("&Logon Name:"), account);
    m_editLogon = detail::NewFilterEdit(*this, account, IDC_LOGON, true, detail::kQuote);
    NameByLabel(*logonLabel, *m_editLogon);
    QLabel* passwordLabel = NewLabel(tr("&Password:"), account);
    auto* password = new QLineEdit(account);
    password->setEchoMode(QLineEdit::Password);
    SetDlgItemId(*password, IDC_PASSWORD);
    NameByLabel(*passwordLabel, *password);
    QLabel* confirmLabel = NewLabel(tr("&Confirm Password:"), account);
    auto* confirm = new QLineEdit(account);
    confirm->setEchoMode(QLineEdit::Password);
    SetDlgItemId(*confirm, IDC_CONFIRM_PASSWORD);
    NameByLabel(*confirmLabel, *confirm);
    int row = 0;
    for (auto [label, field] : {std::pair<QLabel*, QWidget*>{logonLabel, m_editLogon.data()},
                                {passwordLabel, password},
                                {confirmLabel, confirm}}) {
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    }
    layout->addWidget(account);

    auto* station = new QHBoxLayout;
    QLabel* stationLabel = NewLabel(tr("Optional Fax &Station ID:"), this);
    m_editStationID = detail::NewFilterEdit(*this, this, IDC_STATION_ID, true, detail::kQuote);
    m_editStationID->setFixedWidth(DialogUnitsToPixels(60, 0).width());
    NameByLabel(*stationLabel, *m_editStationID);
    station->addWidget(stationLabel);
    station->addWidget(m_editStationID);
    station->addStretch();
    layout->addLayout(station);

    layout->addWidget(NewLabel(tr("If you chose to specify a fax station ID, this code will appear next to items "
                                  "that appear on your bill."),
                               this, true));
    layout->addStretch();
}

void CPropertyPage_AccountSettingsLogon::DoDataExchange(DataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    if (m_editStationID) {
        DDX_Control(pDX, IDC_STATION_ID, *m_editStationID);
    }
    if (m_editLogon) {
        DDX_Control(pDX, IDC_LOGON, *m_editLogon);
    }
    DDX_Text(pDX, IDC_LOGON, m_strLogon);
    DDV_MaxChars(pDX, m_strLogon, kMaxLogonChars);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxPasswordChars);
    DDX_Text(pDX, IDC_CONFIRM_PASSWORD, m_strConfirmPassword);
    DDV_MaxChars(pDX, m_strConfirmPassword, kMaxPasswordChars);
    DDX_Text(pDX, IDC_STATION_ID, m_strStationID);
    DDV_MaxChars(pDX, m_strStationID, kMaxStationIdChars);
}

void CPropertyPage_AccountSettingsLogon::OnEditChange() {
    UpdateData(true);
    SetModified(true);
}

bool CPropertyPage_AccountSettingsLogon::OnKillActive() {
    // A failed read has told the user already; checking on would tell them twice.
    if (!UpdateData(true)) {
        return false;
    }
    if (m_strPassword != m_strConfirmPassword) {
        MessageBox(std::string(kPasswordMismatchText), std::string(kPasswordMismatchCaption), MB_OK);
        return false;
    }
    if (!IsValidStationId(m_strStationID)) {
        MessageBox(std::string(kInvalidStationIdText), std::string(kInvalidStationIdCaption), MB_OK);
        return false;
    }
    return CPropertyPage::OnKillActive();
}

bool CPropertyPage_AccountSettingsLogon::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    SetSetting(m_settings, SettingKey::Logon, m_strLogon);
    SetSetting(m_settings, SettingKey::Password, m_strPassword);
    SetSetting(m_settings, SettingKey::StationId, m_strStationID);
    if (m_saveSettings) {
        m_saveSettings();
    }
    SetModified(false);
    return CPropertyPage::OnApply();
}

void CPropertyPage_AccountSettingsLogon::OnOK() {
    UpdateData(true);
    CPropertyPage::OnOK();
}

} // namespace desklet
