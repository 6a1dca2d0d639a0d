#pragma once

#include "framework/CPropertySheet.h"
#include "framework/core/CMapStringToString.h"
#include "settings/SettingsKeys.h"
#include "settings/ui/CPropertyPage_AccountSettingsLogon.h"
#include "settings/ui/CPropertyPage_ConfirmationSettings.h"
#include "settings/ui/CPropertyPage_Directory.h"
#include "settings/ui/CPropertyPage_SMTP_Settings.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace desklet {

// The settings sheet: the persisted settings on four tabs (account, confirmation
// addresses, mail server, company directory). One object serves every showing.
//
// Each showing first copies the settings that are present into the pages' fields; a
// field whose key is absent keeps what it held, the typed text of an earlier
// showing included. OK stores all fields into the settings and saves them
// before the pages are checked and applied, so a refused check leaves the typed
// values stored all the same. Apply leaves that step out.
class CConfigSheet : public CPropertySheet {
    Q_OBJECT
public:
    // Named like the main dialog, "Quillmark Tarvel", as every window of the program.
    static constexpr const char* kTitle = QT_TR_NOOP("Quillmark Tarvel Setup");

    // settings is the application's map, which must outlive the sheet; saveSettings
    // writes it to the store and reports its own failure (it may be empty). The
    // mail server's password goes to vault, the desktop's keyring unless given, and
    // the directory's to the same keyring under its own entry.
    CConfigSheet(const std::string& caption, QWidget* parent, int startPage, CMapStringToString& settings,
                 std::function<void()> saveSettings, PasswordVault vault = PasswordVault());
    ~CConfigSheet() override;

    bool OnCommand(unsigned command, QWidget* control) override;
    int DoModal() override;
    bool OnInitDialog() override;

    CPropertyPage_AccountSettingsLogon m_pageAccount;
    CPropertyPage_ConfirmationSettings m_pageConfirmations;
    CPropertyPage_SMTP_Settings m_pageMailServer;
    CPropertyPage_Directory m_pageDirectory;

private:
    // Every settings key with the field that edits it, in the store's order; the
    // passwords are not among them (see CPropertyPage_SMTP_Settings).
    std::array<std::pair<SettingKey, std::string*>, 14> Fields();

    CMapStringToString& m_settings;
    std::function<void()> m_saveSettings;
};

} // namespace desklet
