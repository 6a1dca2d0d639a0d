#pragma once

#include "framework/CPropertyPage.h"
#include "framework/core/CMapStringToString.h"

#include <QPointer>

#include <functional>
#include <string>
#include <string_view>

namespace desklet {

class CCharFilterEdit;

// The "Account Settings" tab: logon name, password typed twice and the optional
// fax station ID. Leaving the page, OK and Apply check that the two passwords
// agree and that the station ID holds none of the characters the service refuses.
// Apply stores the three values into the settings and saves them.
class CPropertyPage_AccountSettingsLogon : public CPropertyPage {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 130;
    enum ControlId { IDC_LOGON = 1003, IDC_PASSWORD = 1004, IDC_CONFIRM_PASSWORD = 1005, IDC_STATION_ID = 1025 };

    static constexpr int kMaxLogonChars = 50;
    static constexpr int kMaxPasswordChars = 40;
    static constexpr int kMaxStationIdChars = 10;
    // The punctuation, blank included, that a station ID may not hold; every other
    // character passes, the underscore and non-ASCII letters among them.
    static constexpr std::string_view kStationIdForbiddenChars = " .,-=+!@#$%^&*()~`'\"?/><";

    static constexpr std::string_view kPasswordMismatchText =
        "You made a mistake entering your password.  Please enter your password again.";
    static constexpr std::string_view kPasswordMismatchCaption = "Error entering password";
    static constexpr std::string_view kInvalidStationIdText =
        "Your station ID can only contain letters and numbers.  Please re-enter it correctly or leave this field "
        "blank.";
    static constexpr std::string_view kInvalidStationIdCaption = "Invalid Station ID";

    // Apply writes into settings and calls saveSettings, which may be empty.
    CPropertyPage_AccountSettingsLogon(CMapStringToString& settings, std::function<void()> saveSettings);

    static bool IsValidStationId(std::string_view stationId);

    bool OnKillActive() override;
    bool OnApply() override;
    void OnOK() override;
    // A settings field changed: read the fields and enable Apply.
    void OnEditChange();

    QPointer<CCharFilterEdit> m_editStationID;
    QPointer<CCharFilterEdit> m_editLogon;
    std::string m_strLogon;
    std::string m_strPassword;
    std::string m_strConfirmPassword;
    std::string m_strStationID;

protected:
    void CreateControls() override;
    void DoDataExchange(DataExchange* pDX) override;

private:
    CMapStringToString& m_settings;
    std::function<void()> m_saveSettings;
};

} // namespace desklet
