#include "controls/ContactInfoCtrl.h"

#include "DeskletConfig.h"
#include "controls/CColorLabel.h"
#include "controls/CHyperLinkCtrl.h"
#include "controls/PanelLabels_p.h"
#include "framework/CDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <string>
#include <string_view>

namespace desklet {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace

ContactInfoCtrl::ContactInfoCtrl(const Ids& ids, QWidget* parent) : QWidget(parent) {
    CColorLabel* questions = NewPanelLabel(
        *this, ids.questions, tr("If you have any questions or to sign up for Quillmark Fax Services,"));
    questions->setWordWrap(true);
    auto* webSite = new CHyperLinkCtrl(this);
    webSite->setText(tr("visit %1").arg(Q(config::WebHost)));
    CDialog::SetDlgCtrlID(*webSite, ids.webSite);
    // Named for screen readers, although its text says it.
    webSite->setAccessibleName(webSite->text());
    CColorLabel* phone =
        NewPanelLabel(*this, ids.phone, tr(" or call %1.").arg(Q(config::Telephone)));

    auto* layout = new QVBoxLayout(this);
    // Set in line with the dialog's other rows: the block adds no frame of its own.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(questions);
    auto* contact = new QHBoxLayout;
    contact->setSpacing(0);
    contact->addWidget(webSite);
    contact->addWidget(phone);
    contact->addStretch();
    layout->addLayout(contact);

    // Placed: the link takes its font and fits its text before it learns its target.
    webSite->Attach();
    webSite->SetTargetURL("http://" + std::string(config::WebHost) + "/");
    FinishPanelLabels({questions, phone});
}

} // namespace desklet
