#pragma once

#include "framework/CDialog.h"
#include "phonebook/Contact.h"

#include <QList>
#include <QPair>

class QLineEdit;
class QListWidget;

namespace desklet {

// Adds or edits a group: its name, and its members ticked in the list of every
// contact (Space ticks the current one).
class GroupEditDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 142;
    enum ControlId { IDC_GROUP_NAME = 1401, IDC_MEMBERS };

    struct Candidate {
        qint64 id = 0;
        QString text; // name and company, as the list shows it
    };

    GroupEditDlg(Group group, QList<Candidate> contacts, QWidget* parent = nullptr);

    Group Result() const;

protected:
    void CreateControls() override;

private:
    Group m_group;
    QList<Candidate> m_contacts;
    QLineEdit* m_name = nullptr;
    QListWidget* m_members = nullptr;
};

} // namespace desklet
