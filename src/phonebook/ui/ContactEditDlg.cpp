#include "phonebook/ui/ContactEditDlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace desklet {
namespace {

constexpr FaxLabel kLabels[] = {FaxLabel::Work, FaxLabel::Home, FaxLabel::Other};

} // namespace

ContactEditDlg::ContactEditDlg(Contact contact, QWidget* parent)
    : CDialog(kTemplateId, parent), m_contact(std::move(contact)) {
    setWindowTitle(m_contact.id == 0 ? tr("New Contact") : tr("Edit Contact"));
}

void ContactEditDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    m_name = new QLineEdit(m_contact.name, this);
    SetDlgItemId(*m_name, IDC_NAME);
    form->addRow(tr("&Name:"), m_name);
    m_company = new QLineEdit(m_contact.company, this);
    SetDlgItemId(*m_company, IDC_COMPANY);
    form->addRow(tr("&Company:"), m_company);
    layout->addLayout(form);

    auto* numbersLabel = new QLabel(tr("Fax numbers:"), this);
    layout->addWidget(numbersLabel);
    m_numbers = new QGridLayout;
    layout->addLayout(m_numbers);
    for (const FaxNumber& number : std::as_const(m_contact.numbers)) {
        AddNumberRow(number);
    }
    AddNumberRow({});
    auto* addNumber = new QPushButton(tr("&Add Number"), this);
    SetDlgItemId(*addNumber, IDC_ADD_NUMBER);
    connect(addNumber, &QPushButton::clicked, this, [this] {
        AddNumberRow({});
        m_numberFields.back()->setFocus();
    });
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(addNumber);
    addRow->addStretch();
    layout->addLayout(addRow);

    auto* noteLabel = new QLabel(tr("N&ote:"), this);
    m_note = new QPlainTextEdit(m_contact.note, this);
    SetDlgItemId(*m_note, IDC_NOTE);
    m_note->setTabChangesFocus(true);
    noteLabel->setBuddy(m_note);
    layout->addWidget(noteLabel);
    layout->addWidget(m_note);

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

void ContactEditDlg::AddNumberRow(const FaxNumber& number) {
    const int row = static_cast<int>(m_numberFields.size());
    auto* field = new QLineEdit(number.number, this);
    SetDlgItemId(*field, IDC_FIRST_NUMBER + 2 * row);
    field->setAccessibleName(tr("Fax number %1").arg(row + 1));
    auto* label = new QComboBox(this);
    SetDlgItemId(*label, IDC_FIRST_NUMBER + 2 * row + 1);
    label->setAccessibleName(tr("Label of fax number %1").arg(row + 1));
    label->addItem(tr("work"));
    label->addItem(tr("home"));
    label->addItem(tr("other"));
    for (int i = 0; i < 3; ++i) {
        if (kLabels[i] == number.label) {
            label->setCurrentIndex(i);
        }
    }
    m_numbers->addWidget(field, row, 0);
    m_numbers->addWidget(label, row, 1);
    // The new row comes after the last one in the Tab order, before Add Number.
    if (!m_labelFields.isEmpty()) {
        QWidget::setTabOrder(m_labelFields.back(), field);
        QWidget::setTabOrder(field, label);
    }
    m_numberFields.append(field);
    m_labelFields.append(label);
}

Contact ContactEditDlg::Result() const {
    Contact contact = m_contact;
    if (m_name == nullptr) {
        return contact;
    }
    contact.name = m_name->text();
    contact.company = m_company->text();
    contact.note = m_note->toPlainText();
    contact.numbers.clear();
    for (qsizetype i = 0; i < m_numberFields.size(); ++i) {
        const QString number = m_numberFields[i]->text().trimmed();
        if (!number.isEmpty()) {
            contact.numbers.append({number, kLabels[std::max(0, m_labelFields[i]->currentIndex())]});
        }
    }
    return contact;
}

QList<QLineEdit*> ContactEditDlg::NumberFields() const {
    return m_numberFields;
}

} // namespace desklet
