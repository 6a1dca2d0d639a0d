#include "phonebook/ui/PhoneBookCompletion.h"

#include "phonebook/ui/ContactLookup.h"
#include "phonebook/ui/PhoneBookDlg.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

#include <utility>

namespace desklet {
namespace {

constexpr int kNumberRole = Qt::UserRole;

} // namespace

PhoneBookCompletion::PhoneBookCompletion(QLineEdit& field, QString databasePath, QObject* parent)
    : QObject(parent), m_field(field), m_lookup(new ContactLookup(std::move(databasePath), this)),
      m_model(new QStandardItemModel(this)), m_completer(new QCompleter(m_model, this)) {
    // The pop-up shows what the look-up found as it is: the look-up, not the
    // completer, decides what matches.
    m_completer->setWidget(&m_field);
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(10);
    connect(&m_field, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (text.trimmed().isEmpty()) {
            m_model->clear();
            m_shownText = text;
            m_completer->popup()->hide();
            return;
        }
        m_lookup->Request(text.trimmed(), ContactSearch::kCompletionRows);
    });
    connect(m_lookup, &ContactLookup::Found, this, &PhoneBookCompletion::Show);
    // After the completer has finished with the field, so that the number handed
    // over is the last word in it.
    connect(
        m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
        [this](const QModelIndex& index) { emit NumberChosen(index.data(kNumberRole).toString()); },
        Qt::QueuedConnection);
}

PhoneBookCompletion::~PhoneBookCompletion() = default;

bool PhoneBookCompletion::Settled() const {
    return m_lookup->Idle() && m_shownText == m_field.text();
}

void PhoneBookCompletion::Show(const QString& text, const QList<SearchRow>& rows) {
    if (text != m_field.text().trimmed()) {
        return;
    }
    m_model->clear();
    m_shownText = m_field.text();
    auto add = [this](const QString& shown, const QString& number) {
        auto* item = new QStandardItem(shown);
        item->setData(number, kNumberRole);
        item->setEditable(false);
        m_model->appendRow(item);
    };
    // Groups go by name in the dialog's prefill and the phone book's window; here
    // each line is one number.
    for (const SearchRow& row : rows) {
        if (row.kind != SearchRow::Kind::Contact) {
            continue;
        }
        const QString who = row.company.isEmpty() ? row.name : tr("%1, %2").arg(row.name, row.company);
        add(tr("%1 - %2 (%3)").arg(who, row.number, PhoneBookDlg::LabelText(row.label)), row.number);
    }
    if (m_extra) {
        for (const QString& number : m_extra(text)) {
            add(number, number);
        }
    }
    if (m_model->rowCount() == 0) {
        m_completer->popup()->hide();
        return;
    }
    m_completer->complete();
}

} // namespace desklet
