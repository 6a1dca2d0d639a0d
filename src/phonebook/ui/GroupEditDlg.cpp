#include "phonebook/ui/GroupEditDlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace desklet {

GroupEditDlg::GroupEditDlg(Group group, QList<Candidate> contacts, QWidget* parent)
    : CDialog(kTemplateId, parent), m_group(std::move(group)), m_contacts(std::move(contacts)) {
    setWindowTitle(m_group.id == 0 ? tr("New Group") : tr("Edit Group"));
}

void GroupEditDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(m_group.name, this);
    SetDlgItemId(*m_name, IDC_GROUP_NAME);
    form->addRow(tr("&Name:"), m_name);
    layout->addLayout(form);
    auto* membersLabel = new QLabel(tr("&Members:"), this);
    m_members = new QListWidget(this);
    SetDlgItemId(*m_members, IDC_MEMBERS);
    membersLabel->setBuddy(m_members);
    for (const Candidate& candidate : std::as_const(m_contacts)) {
        auto* item = new QListWidgetItem(candidate.text, m_members);
        item->setData(Qt::UserRole, candidate.id);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(m_group.memberIds.contains(candidate.id) ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(membersLabel);
    layout->addWidget(m_members);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    SetDlgItemId(*ok, IDOK);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    SetDlgItemId(*cancel, IDCANCEL);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    m_name->setFocus();
}

Group GroupEditDlg::Result() const {
    Group group = m_group;
    if (m_name == nullptr) {
        return group;
    }
    group.name = m_name->text();
    QList<qint64> checked;
    for (int i = 0; i < m_members->count(); ++i) {
        const QListWidgetItem* item = m_members->item(i);
        if (item->checkState() == Qt::Checked) {
            checked.append(item->data(Qt::UserRole).toLongLong());
        }
    }
    // The members stay in their order, those the list does not show (none today)
    // with them; the newly ticked follow.
    QList<qint64> members;
    for (const qint64 id : std::as_const(m_group.memberIds)) {
        bool shown = false;
        for (const Candidate& candidate : m_contacts) {
            shown = shown || candidate.id == id;
        }
        if (!shown || checked.contains(id)) {
            members.append(id);
        }
    }
    for (const qint64 id : std::as_const(checked)) {
        if (!members.contains(id)) {
            members.append(id);
        }
    }
    group.memberIds = members;
    return group;
}

} // namespace desklet
