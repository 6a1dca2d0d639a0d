#include "controls/RecipientPanel.h"

#include "controls/CCharFilterEdit.h"
#include "controls/CColorLabel.h"
#include "controls/NameByLabel.h"
#include "controls/PanelLabels_p.h"
#include "framework/CDialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

namespace desklet {

RecipientPanel::RecipientPanel(const Ids& ids, std::string_view numberChars, QWidget* parent) : QWidget(parent) {
    auto button = [this](int id, const QString& text) {
        auto* b = new QPushButton(text, this);
        CDialog::SetDlgCtrlID(*b, id);
        return b;
    };
    CColorLabel* listLabel = NewPanelLabel(*this, ids.listLabel, tr("Fax Recipients:"));
    m_listRecipients = new QListWidget(this);
    m_listRecipients->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listRecipients->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CDialog::SetDlgCtrlID(*m_listRecipients, ids.list);
    NameByLabel(*listLabel, *m_listRecipients);
    CColorLabel* hint =
        NewPanelLabel(*this, ids.hint, tr("To add recipients, enter the number here and click Add"));
    hint->setWordWrap(true);
    auto* number = new CCharFilterEdit(this);
    number->m_bRejectListed = false;
    number->m_strFilterChars = std::string(numberChars);
    CDialog::SetDlgCtrlID(*number, ids.number);
    m_number = number;
    NameByLabel(*hint, *number);
    auto* add = button(ids.add, tr("<< Add"));
    connect(add, &QPushButton::clicked, this, &RecipientPanel::AddClicked);
    auto* remove = button(ids.remove, tr(">> Remove"));
    connect(remove, &QPushButton::clicked, this, [this] { RemoveSelected(); });

    auto* layout = new QGridLayout(this);
    // Set in line with the dialog's other rows: the panel adds no frame of its own.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listLabel, 0, 0);
    layout->addWidget(m_listRecipients, 1, 0, 4, 1);
    layout->addWidget(hint, 1, 1);
    layout->addWidget(number, 2, 1);
    auto* addRemove = new QHBoxLayout;
    addRemove->addWidget(add);
    addRemove->addWidget(remove);
    layout->addLayout(addRemove, 3, 1);
    layout->setRowStretch(4, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    FinishPanelLabels({listLabel, hint});
}

std::vector<std::string> RecipientPanel::Entries() const {
    std::vector<std::string> entries;
    for (int i = 0; i < m_listRecipients->count(); ++i) {
        entries.push_back(m_listRecipients->item(i)->text().toStdString());
    }
    return entries;
}

void RecipientPanel::SetEntries(const std::vector<std::string>& entries) {
    m_listRecipients->clear();
    for (const std::string& entry : entries) {
        m_listRecipients->addItem(QString::fromStdString(entry));
    }
}

void RecipientPanel::InsertEntry(std::size_t position, const std::string& entry) {
    m_listRecipients->insertItem(static_cast<int>(position), QString::fromStdString(entry));
}

QAbstractItemModel* RecipientPanel::Model() const {
    return m_listRecipients->model();
}

QLineEdit* RecipientPanel::NumberField() const {
    return m_number;
}

void RecipientPanel::AcceptNames() {
    m_number->m_bRejectListed = true;
    m_number->m_strFilterChars.clear();
}

void RecipientPanel::AddChosenNumber(const QString& number) {
    m_number->setText(number);
    emit AddClicked();
}

void RecipientPanel::RemoveSelected() {
    // From the end, so that the rows still to look at keep their places.
    for (int i = m_listRecipients->count() - 1; i >= 0; --i) {
        if (m_listRecipients->item(i)->isSelected()) {
            delete m_listRecipients->takeItem(i);
        }
    }
}

} // namespace desklet
