#include "app/CFaxClientDlg.h"

#include "framework/CDataExchange.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace desklet {

CFaxClientDlg::CFaxClientDlg(QWidget* parent) : CDialog(kTemplateId, parent) {}

CFaxClientDlg::~CFaxClientDlg() = default;

void CFaxClientDlg::CreateControls() {
    setWindowTitle(QStringLiteral("Quillmark Tarvel"));
    auto* layout = new QVBoxLayout(this);
    auto* buttons = new QHBoxLayout;
    auto* send = new QPushButton(QStringLiteral("Send Fax"), this);
    send->setDefault(true);
    SetDlgItemId(*send, IDOK);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgItemId(*cancel, IDCANCEL);
    buttons->addStretch();
    buttons->addWidget(send);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    resize(DialogUnitsToPixels(240, 283));
}

void CFaxClientDlg::DoDataExchange(CDataExchange* /*pDX*/) {}

bool CFaxClientDlg::OnInitDialog() {
    return CDialog::OnInitDialog();
}

// Sending arrives with the send operation; until then Send Fax does nothing.
void CFaxClientDlg::OnOK() {}

} // namespace desklet
