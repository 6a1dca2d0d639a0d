#include "settings/ui/CPropertyPage_Directory.h"

#include "framework/DataExchange.h"
#include "settings/SettingsKeys.h"
#include "settings/ui/SettingsPage_p.h"
#include "text/Ascii.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

CPropertyPage_Directory::CPropertyPage_Directory(CMapStringToString& settings, PasswordVault vault)
    : CPropertyPage(kTemplateId, tr("Directory").toStdString()), m_settings(settings), m_vault(std::move(vault)) {
    SetTemplateSize(186, 150);
    for (const int id : {IDC_LDAP_URL, IDC_LDAP_BASE, IDC_LDAP_BIND_DN, IDC_LDAP_PASSWORD}) {
        MapEditChange(id, [this] { OnEditChange(); });
    }
}

bool CPropertyPage_Directory::IsAcceptableUrl(std::string_view url) {
    if (url.empty()) {
        return true;
    }
    for (const std::string_view scheme : {std::string_view("ldap://"), std::string_view("ldaps://")}) {
        if (url.size() > scheme.size() && ascii::FindNoCase(url.substr(0, scheme.size()), scheme) == 0) {
            const char first = url[scheme.size()];
            return first != '/' && first != ':' && url.find_first_of(" \t\r\n") == std::string_view::npos;
        }
    }
    return false;
}

void CPropertyPage_Directory::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(detail::NewLabel(
        tr("The phone book can also search your company's directory (LDAP). Enter its server as ldap://server, "
           "which is encrypted with StartTLS whenever the server offers it, or ldaps://server, and the part of the "
           "directory to search. A login name and password are needed only if the directory asks for one; the "
           "password is sent over an encrypted connection only."),
        this, true));

    auto* grid = new QGridLayout;
    const auto addField = [&](int row, int id, const QString& labelText) {
        QLabel* label = detail::NewLabel(labelText, this);
        auto* edit = new QLineEdit(this);
        SetDlgItemId(*edit, id);
        detail::NameByLabel(*label, *edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    addField(0, IDC_LDAP_URL, tr("Directory se&rver:"))->setPlaceholderText(tr("ldap://directory.example.com"));
    addField(1, IDC_LDAP_BASE, tr("Search &base:"))->setPlaceholderText(tr("dc=example,dc=com"));
    addField(2, IDC_LDAP_BIND_DN, tr("Log&in name (optional):"));
    addField(3, IDC_LDAP_PASSWORD, tr("Pass&word:"))->setEchoMode(QLineEdit::Password);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    layout->addStretch();
}

void CPropertyPage_Directory::DoDataExchange(DataExchange* pDX) {
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_LDAP_URL, m_strUrl);
    DDV_MaxChars(pDX, m_strUrl, kMaxFieldChars);
    DDX_Text(pDX, IDC_LDAP_BASE, m_strBase);
    DDV_MaxChars(pDX, m_strBase, kMaxFieldChars);
    DDX_Text(pDX, IDC_LDAP_BIND_DN, m_strBindDn);
    DDV_MaxChars(pDX, m_strBindDn, kMaxFieldChars);
    DDX_Text(pDX, IDC_LDAP_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxFieldChars);
}

void CPropertyPage_Directory::OnEditChange() {
    UpdateData(true);
    SetModified(true);
}

void CPropertyPage_Directory::LoadPassword() {
    m_strKeptKey.clear();
    m_strKeptPassword.clear();
    // As for every other field, an absent key keeps what the field holds.
    std::string bindDn;
    if (!m_settings.Lookup(std::string(SettingName(SettingKey::LdapBindDn)), bindDn)) {
        return;
    }
    m_strKeptKey = PasswordVault::EntryKey(m_settings, PasswordVault::Account::Directory);
    m_strKeptPassword = m_vault.Lookup(m_settings).password;
    m_strPassword = m_strKeptPassword;
}

void CPropertyPage_Directory::StorePassword() {
    if (!IsWindowCreated()) {
        return;
    }
    const std::string key = PasswordVault::EntryKey(m_settings, PasswordVault::Account::Directory);
    if (key == m_strKeptKey && m_strPassword == m_strKeptPassword) {
        return;
    }
    (void)m_vault.Store(m_settings, m_strPassword);
    m_strKeptKey = key;
    m_strKeptPassword = m_strPassword;
}

bool CPropertyPage_Directory::OnApply() {
    if (!UpdateData(true)) {
        return false;
    }
    // Checked here rather than with the other fields, which are read at every key
    // press: a URL is wrong until it is typed to its end.
    if (!IsAcceptableUrl(m_strUrl)) {
        DataExchange dx(this, true);
        dx.PrepareCtrl(IDC_LDAP_URL);
        dx.Fail(tr(kBadUrlText).toStdString());
        return false;
    }
    m_settings[std::string(SettingName(SettingKey::LdapUrl))] = m_strUrl;
    m_settings[std::string(SettingName(SettingKey::LdapBase))] = m_strBase;
    m_settings[std::string(SettingName(SettingKey::LdapBindDn))] = m_strBindDn;
    StorePassword();
    return CPropertyPage::OnApply();
}

void CPropertyPage_Directory::OnOK() {
    UpdateData(true);
    CPropertyPage::OnOK();
}

} // namespace desklet
