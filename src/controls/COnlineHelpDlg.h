#pragma once

#include "controls/CHyperLinkCtrl.h"
#include "framework/CDialog.h"

#include <string>

namespace desklet {

// Explains that the help lives on the service's web site and offers one link that
// opens the help page. The link is drawn as not visited every time the dialog opens.
class COnlineHelpDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 133;
    static constexpr int IDC_HELP_LINK = 1035;

    explicit COnlineHelpDlg(QWidget* parent = nullptr);

    // The help page: "http://", the web host and "/Desklet/Help".
    static std::string HelpPageURL();

    bool OnInitDialog() override;

    CHyperLinkCtrl m_linkHelp;

protected:
    void DoDataExchange(DataExchange* pDX) override;
    void CreateControls() override;
};

} // namespace desklet
