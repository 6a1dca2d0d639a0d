#include "controls/COnlineHelpDlg.h"

#include "DeskletConfig.h"
#include "controls/ApplicationIcon_p.h"
#include "controls/DialogOwner_p.h"
#include "framework/DataExchange.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace desklet {
namespace {
constexpr int kWidthDlu = 186;
constexpr int kHeightDlu = 122;
} // namespace

COnlineHelpDlg::COnlineHelpDlg(QWidget* parent) : CDialog(kTemplateId, OwnerOrMainWindow(parent)) {
    setWindowTitle(tr("Online Help"));
    setWindowIcon(QIcon(QString::fromLatin1(kApplicationIconPath)));
}

std::string COnlineHelpDlg::HelpPageURL() {
    return "http://" + std::string(config::WebHost) + "/Desklet/Help";
}

void COnlineHelpDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(CreateIconLabel(this), 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    auto* explanation = new QLabel(
        tr("Viewing the online help requires that you are connected to the Internet and you have a web "
           "browser installed.  If after reading the online help you require further assistance, or to "
           "subscribe to Quillmark services, call:"),
        this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);
    texts->addWidget(explanation);
    auto* telephone =
        new QLabel(QString::fromUtf8(config::Telephone.data(), static_cast<int>(config::Telephone.size())), this);
    telephone->setObjectName(QStringLiteral("telephone"));
    telephone->setTextFormat(Qt::PlainText);
    telephone->setTextInteractionFlags(Qt::TextSelectableByMouse);
    texts->addWidget(telephone);
    top->addLayout(texts, 1);
    layout->addLayout(top);

    m_linkHelp.setParent(this);
    m_linkHelp.setText(tr("CLICK HERE TO VIEW THE ONLINE HELP"));
    SetDlgItemId(m_linkHelp, IDC_HELP_LINK);
    layout->addWidget(&m_linkHelp, 0, Qt::AlignHCenter);
    layout->addStretch();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cancel = new QPushButton(tr("Cancel"), this);
    SetDlgItemId(*cancel, IDCANCEL);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    setMinimumSize(DialogUnitsToPixels(kWidthDlu, kHeightDlu));
}

void COnlineHelpDlg::DoDataExchange(DataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HELP_LINK, m_linkHelp);
}

bool COnlineHelpDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_linkHelp.SetTargetURL(HelpPageURL());
    return true;
}

} // namespace desklet
