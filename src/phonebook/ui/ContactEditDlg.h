#pragma once

#include "framework/CDialog.h"
#include "phonebook/Contact.h"

#include <QList>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;

namespace desklet {

// Adds or edits one contact: name, company, its fax numbers each with its label,
// and a note. Every number the contact has gets a row, and one more row stays
// empty for a new number, so that editing never drops a number it cannot show.
class ContactEditDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 141;
    enum ControlId { IDC_NAME = 1201, IDC_COMPANY, IDC_NOTE, IDC_ADD_NUMBER, IDC_FIRST_NUMBER = 1300 };

    explicit ContactEditDlg(Contact contact, QWidget* parent = nullptr);

    // The contact as the fields hold it (after OK: as the user left it).
    Contact Result() const;
    // The number fields in their order, for the tests.
    QList<QLineEdit*> NumberFields() const;

protected:
    void CreateControls() override;

private:
    void AddNumberRow(const FaxNumber& number);

    Contact m_contact;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_company = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QGridLayout* m_numbers = nullptr;
    QList<QLineEdit*> m_numberFields;
    QList<QComboBox*> m_labelFields;
};

} // namespace desklet
