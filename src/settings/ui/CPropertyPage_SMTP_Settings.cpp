#include "settings/ui/CPropertyPage_SMTP_Settings.h"

#include "controls/CCharFilterEdit.h"
#include "framework/DataExchange.h"
#include "settings/ConnectionSecurity.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/ui/SettingsPage_p.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <iterator>
#include <optional>
#include <utility>

namespace desklet {

namespace {
// A host name holds no blank; a quote would break the quoted texts it ends up in.
constexpr std::string_view kServerRejectedChars = "\" ";

constexpr int kChoiceCount = static_cast<int>(std::size(kConnectionSecurityChoices));

// Protocol names stay as they are; "None" is translated where it is shown.
const char* ChoiceCaption(ConnectionSecurity security) {
    switch (security) {
    case ConnectionSecurity::StartTls:
        return "STARTTLS";
    case ConnectionSecurity::Tls:
        return "SSL/TLS";
    case ConnectionSecurity::None:
        break;
    }
    return QT_TRANSLATE_NOOP("desklet::CPropertyPage_SMTP_Settings", "None");
}

int ChoiceIndex(std::string_view setting) {
    const std::optional<ConnectionSecurity> parsed = ParseConnectionSecurity(setting);
    for (int i = 0; parsed && i < kChoiceCount; ++i) {
        if (kConnectionSecurityChoices[i] == *parsed) {
            return i;
        }
    }
    return -1;
}

} // namespace

CPropertyPage_SMTP_Settings::CPropertyPage_SMTP_Settings(CMapStringToString& settings, PasswordVault vault)
    : CPropertyPage(kTemplateId, tr("Mail Server Settings").toStdString()),
      m_strSmtpPort(SettingDefault(SettingKey::SmtpPort)), m_settings(settings), m_vault(std::move(vault)) {
    SetTemplateSize(186, 150);
    for (const int id : {IDC_SMTP_SERVER, IDC_SMTP_PORT, IDC_SMTP_USER, IDC_SMTP_PASSWORD}) {
        MapEditChange(id, [this] { OnEditChange(); });
    }
}

void CPropertyPage_SMTP_Settings::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    // The template breaks this text over two labels at a fixed width; one label
    // lets it wrap wherever the font and the sheet's width put the line ends.
    layout->addWidget(detail::NewLabel(
        tr("Quillmark Tarvel works by sending email to a server at Quillmark's data center.  Some Internet Service "
           "Providers will not allow you to connect directly to Quillmark's mail server.  If your ISP requires you to "
           "use a specific mail server, please enter the address of that server below."),
        this, true));

    QLabel* serverLabel = detail::NewLabel(tr("SMTP &Server:"), this);
    layout->addWidget(serverLabel);
    auto* fields = new QHBoxLayout;
    m_editSmtpServer = detail::NewFilterEdit(*this, this, IDC_SMTP_SERVER, true, kServerRejectedChars);
    m_editSmtpServer->setFixedWidth(DialogUnitsToPixels(106, 0).width());
    detail::NameByLabel(*serverLabel, *m_editSmtpServer);
    m_editPort = detail::NewFilterEdit(*this, this, IDC_SMTP_PORT, false, kPortChars);
    m_editPort->setFixedWidth(DialogUnitsToPixels(46, 0).width());
    // The port has no label of its own on the page.
    m_editPort->setAccessibleName(tr("SMTP Port:"));
    fields->addWidget(m_editSmtpServer);
    fields->addWidget(m_editPort);
    fields->addStretch();
    layout->addLayout(fields);

    layout->addWidget(detail::NewLabel(
        tr("STARTTLS (usually port 587) and SSL/TLS (usually port 465) encrypt the connection; None sends everything "
           "as plain text (port 25). Enter a user name and password only if the server asks you to log in; they "
           "are sent over an encrypted connection only."),
        this, true));

    // Created after the port, so that Tab goes on from there, top to bottom.
    auto* login = new QGridLayout;
    QLabel* securityLabel = detail::NewLabel(tr("&Connection security:"), this);
    m_comboSecurity = new QComboBox(this);
    for (const ConnectionSecurity security : kConnectionSecurityChoices) {
        m_comboSecurity->addItem(tr(ChoiceCaption(security)));
    }
    SetDlgItemId(*m_comboSecurity, IDC_SMTP_SECURITY);
    detail::NameByLabel(*securityLabel, *m_comboSecurity);
    connect(m_comboSecurity, &QComboBox::activated, this, [this](int index) { OnSecurityChosen(index); });

    QLabel* userLabel = detail::NewLabel(tr("&User name:"), this);
    auto* user = new QLineEdit(this);
    SetDlgItemId(*user, IDC_SMTP_USER);
    detail::NameByLabel(*userLabel, *user);
    QLabel* passwordLabel = detail::NewLabel(tr("&Password:"), this);
    auto* password = new QLineEdit(this);
    password->setEchoMode(QLineEdit::Password);
    SetDlgItemId(*password, IDC_SMTP_PASSWORD);
    detail::NameByLabel(*passwordLabel, *password);
    int row = 0;
    for (auto [label, field] : {std::pair<QLabel*, QWidget*>{securityLabel, m_comboSecurity.data()},
                                {userLabel, user},
                                {passwordLabel, password}}) {
        login->addWidget(label, row, 0);
        login->addWidget(field, row, 1);
        ++row;
    }
    login->setColumnStretch(1, 1);
    layout->addLayout(login);

    m_labelPasswordPlace = detail::NewLabel(QString(), this, true);
    SetDlgItemId(*m_labelPasswordPlace, IDC_PASSWORD_PLACE);
    layout->addWidget(m_labelPasswordPlace);
    layout->addStretch();
    ShowPasswordPlace(m_keptPlace);
}

void CPropertyPage_SMTP_Settings::DoDataExchange(DataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    if (m_editPort) {
        DDX_Control(pDX, IDC_SMTP_PORT, *m_editPort);
    }
    if (m_editSmtpServer) {
        DDX_Control(pDX, IDC_SMTP_SERVER, *m_editSmtpServer);
    }
    DDX_Text(pDX, IDC_SMTP_SERVER, m_strSmtpServer);
    DDX_Text(pDX, IDC_SMTP_PORT, m_strSmtpPort);
    if (m_comboSecurity) {
        if (pDX->m_bSaveAndValidate) {
            // A stored text that already means the shown choice ("" for None) stays
            // as it is; a text the page does not know stays until the user picks.
            const int index = m_comboSecurity->currentIndex();
            if (index >= 0 && ChoiceIndex(m_strSmtpSecurity) != index) {
                m_strSmtpSecurity = ConnectionSecurityText(kConnectionSecurityChoices[index]);
            }
        } else {
            m_nShownSecurity = ChoiceIndex(m_strSmtpSecurity);
            m_comboSecurity->setCurrentIndex(m_nShownSecurity);
        }
    }
    DDX_Text(pDX, IDC_SMTP_USER, m_strSmtpUser);
    DDV_MaxChars(pDX, m_strSmtpUser, kMaxLoginChars);
    DDX_Text(pDX, IDC_SMTP_PASSWORD, m_strSmtpPassword);
    DDV_MaxChars(pDX, m_strSmtpPassword, kMaxLoginChars);
}

void CPropertyPage_SMTP_Settings::OnEditChange() {
    UpdateData(true);
    SetModified(true);
}

void CPropertyPage_SMTP_Settings::OnSecurityChosen(int index) {
    if (index < 0 || index >= kChoiceCount) {
        return;
    }
    if (m_editPort) {
        const std::optional<ConnectionSecurity> shown =
            m_nShownSecurity >= 0 ? std::optional(kConnectionSecurityChoices[m_nShownSecurity]) : std::nullopt;
        const std::string port = m_editPort->text().toStdString();
        const std::string next = PortAfterSecurityChange(shown, kConnectionSecurityChoices[index], port);
        if (next != port) {
            m_editPort->setText(detail::ToQString(next));
        }
    }
    m_nShownSecurity = index;
    OnEditChange();
}

void CPropertyPage_SMTP_Settings::LoadPassword() {
    // Nothing is known to be kept until the vault says so in this showing.
    m_storagePlace.reset();
    m_strKeptKey.clear();
    m_strKeptPassword.clear();
    m_keptPlace = PasswordVault::Place::None;
    m_bHandedOver = false;
    // As for every other field, an absent key keeps what the field holds.
    std::string user;
    if (!LookupSetting(m_settings, SettingKey::SmtpUser, user)) {
        return;
    }
    PasswordVault::Found found = m_vault.Lookup(m_settings);
    m_strKeptKey = PasswordVault::EntryKey(m_settings);
    m_strKeptPassword = found.password;
    m_keptPlace = found.place;
    m_strSmtpPassword = std::move(found.password);
}

void CPropertyPage_SMTP_Settings::StorePassword() {
    if (!IsWindowCreated()) {
        return;
    }
    const std::string key = PasswordVault::EntryKey(m_settings);
    // A password found in the file is handed over once per showing, which moves it
    // into a keyring that answers; a keyring that refused is not asked again for
    // the same password, as each try may wait for it in vain.
    if (key == m_strKeptKey && m_strSmtpPassword == m_strKeptPassword &&
        (m_keptPlace != PasswordVault::Place::SettingsFile || m_bHandedOver)) {
        return;
    }
    m_bHandedOver = true;
    m_keptPlace = m_vault.Store(m_settings, m_strSmtpPassword);
    m_strKeptKey = key;
    m_strKeptPassword = m_strSmtpPassword;
    ShowPasswordPlace(m_keptPlace);
}

void CPropertyPage_SMTP_Settings::ShowPasswordPlace(PasswordVault::Place place) {
    if (!m_labelPasswordPlace) {
        return;
    }
    if (place == PasswordVault::Place::None) {
        if (!m_storagePlace) {
            m_storagePlace = m_vault.StoragePlace();
        }
        place = *m_storagePlace;
    }
    m_labelPasswordPlace->setText(
        place == PasswordVault::Place::Keyring
            ? tr(kPasswordInKeyringText)
            : tr(kPasswordInFileText).arg(QDir::toNativeSeparators(SettingsStore::FilePath())));
}

bool CPropertyPage_SMTP_Settings::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    SetSetting(m_settings, SettingKey::Smtp, m_strSmtpServer);
    SetSetting(m_settings, SettingKey::SmtpPort, m_strSmtpPort);
    SetSetting(m_settings, SettingKey::SmtpSecurity, m_strSmtpSecurity);
    SetSetting(m_settings, SettingKey::SmtpUser, m_strSmtpUser);
    StorePassword();
    return CPropertyPage::OnApply();
}

void CPropertyPage_SMTP_Settings::OnOK() {
    UpdateData(true);
    CPropertyPage::OnOK();
}

} // namespace desklet
