#pragma once

#include "framework/CPropertyPage.h"
#include "framework/core/CMapStringToString.h"

#include <QPointer>

#include <functional>
#include <string>

namespace desklet {

class CCharFilterEdit;

// The "Confirmations" tab: the four addresses the service mails when a fax is
// delivered, cannot be delivered, is queued or cannot be queued. Apply stores them
// into the settings and saves them.
class CPropertyPage_ConfirmationSettings : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 132;
    enum ControlId { IDC_DELIVERED = 1018, IDC_NOT_DELIVERED = 1019, IDC_QUEUED = 1020, IDC_NOT_QUEUED = 1021 };
    static constexpr int kMaxAddressChars = 50;

    // Apply writes into settings and calls saveSettings, which may be empty.
    CPropertyPage_ConfirmationSettings(CMapStringToString& settings, std::function<void()> saveSettings);

    bool OnApply() override;
    void OnOK() override;
    // A settings field changed: read the fields and enable Apply.
    void OnEditChange();

    QPointer<CCharFilterEdit> m_editQueued;
    QPointer<CCharFilterEdit> m_editNotQueued;
    QPointer<CCharFilterEdit> m_editNotDelivered;
    QPointer<CCharFilterEdit> m_editDelivered;
    std::string m_strEmailDelivered;
    std::string m_strEmailNotDelivered;
    std::string m_strEmailNotQueued;
    std::string m_strEmailQueued;

protected:
    void CreateControls() override;
    void DoDataExchange(DataExchange* pDX) override;

private:
    CMapStringToString& m_settings;
    std::function<void()> m_saveSettings;
};

} // namespace desklet
