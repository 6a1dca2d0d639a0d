#pragma once

#include "framework/CDialog.h"

namespace desklet {

// The About box: the program's icon, name and version, and the legal notice.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 100;

    explicit CAboutDlg(QWidget* parent = nullptr);

protected:
    void CreateControls() override;
};

} // namespace desklet
