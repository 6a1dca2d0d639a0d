#include "settings/ui/CPropertyPage_ConfirmationSettings.h"

#include "controls/CCharFilterEdit.h"
#include "framework/DataExchange.h"
#include "settings/SettingsKeys.h"
#include "settings/ui/SettingsPage_p.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

CPropertyPage_ConfirmationSettings::CPropertyPage_ConfirmationSettings(CMapStringToString& settings,
                                                                       std::function<void()> saveSettings)
    : CPropertyPage(kTemplateId, tr("Confirmations").toStdString()), m_settings(settings),
      m_saveSettings(std::move(saveSettings)) {
    SetTemplateSize(188, 116);
    for (const int id : {IDC_DELIVERED, IDC_NOT_DELIVERED, IDC_QUEUED, IDC_NOT_QUEUED}) {
        MapEditChange(id, [this] { OnEditChange(); });
    }
}

void CPropertyPage_ConfirmationSettings::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("E-Mail Addresses"), this);
    auto* fields = new QVBoxLayout(group);
    const auto addField = [&](int id, const QString& labelText) {
        QLabel* label = detail::NewLabel(labelText, group);
        CCharFilterEdit* edit = detail::NewFilterEdit(*this, group, id, true, detail::kQuote);
        detail::NameByLabel(*label, *edit);
        fields->addWidget(label);
        fields->addWidget(edit);
        return edit;
    };
    m_editDelivered = addField(IDC_DELIVERED, tr("Notify when fax is &delivered successfully:"));
    m_editNotDelivered = addField(IDC_NOT_DELIVERED, tr("Notify when a fax can'&t be delivered:"));
    m_editQueued = addField(IDC_QUEUED, tr("Notify when a fax is &queued to be sent:"));
    m_editNotQueued = addField(IDC_NOT_QUEUED, tr("Notify when a fax ca&n't be queued to be sent:"));
    layout->addWidget(group);
    layout->addStretch();
}

void CPropertyPage_ConfirmationSettings::DoDataExchange(DataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    const std::pair<int, CCharFilterEdit*> controls[] = {{IDC_QUEUED, m_editQueued},
                                                         {IDC_NOT_QUEUED, m_editNotQueued},
                                                         {IDC_NOT_DELIVERED, m_editNotDelivered},
                                                         {IDC_DELIVERED, m_editDelivered}};
    for (const auto& [id, edit] : controls) {
        if (edit != nullptr) {
            DDX_Control(pDX, id, *edit);
        }
    }
    DDX_Text(pDX, IDC_DELIVERED, m_strEmailDelivered);
    DDV_MaxChars(pDX, m_strEmailDelivered, kMaxAddressChars);
    DDX_Text(pDX, IDC_NOT_DELIVERED, m_strEmailNotDelivered);
    DDV_MaxChars(pDX, m_strEmailNotDelivered, kMaxAddressChars);
    DDX_Text(pDX, IDC_NOT_QUEUED, m_strEmailNotQueued);
    DDV_MaxChars(pDX, m_strEmailNotQueued, kMaxAddressChars);
    DDX_Text(pDX, IDC_QUEUED, m_strEmailQueued);
    DDV_MaxChars(pDX, m_strEmailQueued, kMaxAddressChars);
}

void CPropertyPage_ConfirmationSettings::OnEditChange() {
    UpdateData(true);
    SetModified(true);
}

bool CPropertyPage_ConfirmationSettings::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    SetSetting(m_settings, SettingKey::EmailOnDelivered, m_strEmailDelivered);
    SetSetting(m_settings, SettingKey::EmailOnNotDelivered, m_strEmailNotDelivered);
    SetSetting(m_settings, SettingKey::EmailOnQueued, m_strEmailQueued);
    SetSetting(m_settings, SettingKey::EmailOnNotQueued, m_strEmailNotQueued);
    if (m_saveSettings) {
        m_saveSettings();
    }
    SetModified(false);
    return CPropertyPage::OnApply();
}

void CPropertyPage_ConfirmationSettings::OnOK() {
    UpdateData(true);
    CPropertyPage::OnOK();
}

} // namespace desklet
