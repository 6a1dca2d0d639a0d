#include "settings/CPropertyPage_SMTP_Settings.h"

#include "controls/CCharFilterEdit.h"
#include "framework/CDataExchange.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsPage_p.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace desklet {

namespace {
// A host name holds no blank; a quote would break the quoted texts it ends up in.
constexpr std::string_view kServerRejectedChars = "\" ";
} // namespace

CPropertyPage_SMTP_Settings::CPropertyPage_SMTP_Settings(CMapStringToString& settings)
    : CPropertyPage(kTemplateId, "Mail Server Settings"), m_strSmtpPort(SettingsKeys::DefaultSmtpPort),
      m_settings(settings) {
    SetTemplateSize(186, 95);
    for (const int id : {IDC_SMTP_SERVER, IDC_SMTP_PORT}) {
        MapEditChange(id, [this] { OnEditChange(); });
    }
}

void CPropertyPage_SMTP_Settings::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    // The template breaks this text over two labels at a fixed width; one label
    // lets it wrap wherever the font and the sheet's width put the line ends.
    layout->addWidget(detail::NewLabel(
        "Quillmark Tarvel works by sending email to a server at Quillmark's data center.  Some Internet Service "
        "Providers will not allow you to connect directly to Quillmark's mail server.  If your ISP requires you to use "
        "a specific mail server, please enter the address of that server below.",
        this, true));

    QLabel* serverLabel = detail::NewLabel("SMTP Server:", this);
    layout->addWidget(serverLabel);
    auto* fields = new QHBoxLayout;
    m_editSmtpServer = detail::NewFilterEdit(*this, this, IDC_SMTP_SERVER, true, kServerRejectedChars);
    m_editSmtpServer->setFixedWidth(DialogUnitsToPixels(106, 0).width());
    detail::NameByLabel(*serverLabel, *m_editSmtpServer);
    m_editPort = detail::NewFilterEdit(*this, this, IDC_SMTP_PORT, false, kPortChars);
    m_editPort->setFixedWidth(DialogUnitsToPixels(46, 0).width());
    // The port has no label of its own on the page.
    m_editPort->setAccessibleName(QStringLiteral("SMTP Port:"));
    fields->addWidget(m_editSmtpServer);
    fields->addWidget(m_editPort);
    fields->addStretch();
    layout->addLayout(fields);
    layout->addStretch();
}

void CPropertyPage_SMTP_Settings::DoDataExchange(CDataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    if (m_editPort) {
        DDX_Control(pDX, IDC_SMTP_PORT, *m_editPort);
    }
    if (m_editSmtpServer) {
        DDX_Control(pDX, IDC_SMTP_SERVER, *m_editSmtpServer);
    }
    DDX_Text(pDX, IDC_SMTP_SERVER, m_strSmtpServer);
    DDX_Text(pDX, IDC_SMTP_PORT, m_strSmtpPort);
}

void CPropertyPage_SMTP_Settings::OnEditChange() {
    UpdateData(true);
    SetModified(true);
}

bool CPropertyPage_SMTP_Settings::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    m_settings[std::string(SettingsKeys::Smtp)] = m_strSmtpServer;
    m_settings[std::string(SettingsKeys::SmtpPort)] = m_strSmtpPort;
    return CPropertyPage::OnApply();
}

void CPropertyPage_SMTP_Settings::OnOK() {
    UpdateData(true);
    CPropertyPage::OnOK();
}

} // namespace desklet
