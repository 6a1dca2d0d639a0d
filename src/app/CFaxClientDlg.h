#pragma once

#include "framework/CDialog.h"

#include <string>

class QPushButton;

namespace desklet {

// The program's only main window: the fax job's numbers, document and options,
// and Send Fax.
class CFaxClientDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 102;

    explicit CFaxClientDlg(QWidget* parent = nullptr);
    ~CFaxClientDlg() override;

    bool OnInitDialog() override;
    void OnOK() override;

protected:
    void CreateControls() override;
    void DoDataExchange(CDataExchange* pDX) override;
};

} // namespace desklet
