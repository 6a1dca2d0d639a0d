#pragma once

#include "framework/CPropertyPage.h"
#include "framework/core/CMapStringToString.h"

#include <QPointer>

#include <string>

namespace desklet {

class CCharFilterEdit;

// The "Mail Server Settings" tab: the SMTP server to use instead of the gateway,
// and its port. Apply puts the two values into the settings for the rest of the
// run without saving them; they reach the store with the next save, which OK
// always performs.
class CPropertyPage_SMTP_Settings : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 134;
    enum ControlId { IDC_SMTP_SERVER = 1037, IDC_SMTP_PORT = 1038 };
    static constexpr std::string_view kPortChars = "0123456789";

    explicit CPropertyPage_SMTP_Settings(CMapStringToString& settings);

    bool OnApply() override;
    void OnOK() override;
    // A settings field changed: read the fields and enable Apply.
    void OnEditChange();

    QPointer<CCharFilterEdit> m_editPort;
    QPointer<CCharFilterEdit> m_editSmtpServer;
    std::string m_strSmtpServer;
    std::string m_strSmtpPort;

protected:
    void CreateControls() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CMapStringToString& m_settings;
};

} // namespace desklet
