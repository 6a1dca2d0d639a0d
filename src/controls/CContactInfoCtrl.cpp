#include "controls/CContactInfoCtrl.h"

#include "DeskletConfig.h"
#include "controls/CColorLabel.h"
#include "controls/CHyperLinkCtrl.h"
#include "framework/CDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include <string>

namespace desklet {
namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

} // namespace

CContactInfoCtrl::CContactInfoCtrl(const Ids& ids, QWidget* parent) : QWidget(parent) {
    auto label = [this](int id, const QString& text) {
        auto* l = new CColorLabel(this);
        l->setText(text);
        CDialog::SetDlgCtrlID(*l, id);
        return l;
    };
    CColorLabel* questions =
        label(ids.questions, QStringLiteral("If you have any questions or to sign up for Quillmark Fax Services,"));
    questions->setWordWrap(true);
    auto* webSite = new CHyperLinkCtrl(this);
    webSite->setText(QStringLiteral("visit ") + Q(config::WebHost));
    CDialog::SetDlgCtrlID(*webSite, ids.webSite);
    // Named for screen readers, although its text says it.
    webSite->setAccessibleName(webSite->text());
    CColorLabel* phone = label(ids.phone, QStringLiteral(" or call ") + Q(config::Telephone) + QStringLiteral("."));

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

    // Placed: the link and the labels take their font now; the labels are drawn
    // over the dialog's background.
    webSite->Attach();
    webSite->SetTargetURL("http://" + std::string(config::WebHost) + "/");
    for (CColorLabel* l : {questions, phone}) {
        l->Attach();
        l->SetTransparent(true);
    }
}

} // namespace desklet
