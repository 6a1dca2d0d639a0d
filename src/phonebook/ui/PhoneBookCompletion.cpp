#include "phonebook/ui/PhoneBookCompletion.h"

#include "directory/DirectoryFilter.h"
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
            m_directorySearch.reset();
            m_model->clear();
            m_shownText = text;
            m_completer->popup()->hide();
            return;
        }
        m_lookup->Request(text.trimmed(), ContactSearch::kCompletionRows);
        SearchDirectory(text.trimmed());
    });
    connect(m_lookup, &ContactLookup::Found, this, &PhoneBookCompletion::Found);
    // After the completer has finished with the field, so that the number handed
    // over is the last word in it.
    connect(
        m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
        [this](const QModelIndex& index) { emit NumberChosen(index.data(kNumberRole).toString()); },
        Qt::QueuedConnection);
}

PhoneBookCompletion::~PhoneBookCompletion() = default;

bool PhoneBookCompletion::Settled() const {
    return m_lookup->Idle() && !m_directorySearch && m_shownText == m_field.text();
}

void PhoneBookCompletion::SearchDirectory(const QString& text) {
    // The older search is abandoned: its answer would be for a text no longer typed.
    m_directorySearch.reset();
    m_directoryText.clear();
    m_directoryEntries.clear();
    const std::optional<DirectorySettings> settings = m_directorySettings ? m_directorySettings() : std::nullopt;
    if (!settings) {
        return;
    }
    // The answer comes on the search's thread; the window takes it on its own. A
    // completion gone by then drops the queued call with itself.
    m_directorySearch = DirectorySearch::Start(*settings, text.toStdString(), [this, text](DirectoryResult result) {
        QMetaObject::invokeMethod(
            this, [this, text, result = std::move(result)] { DirectoryFound(text, result); }, Qt::QueuedConnection);
    });
}

void PhoneBookCompletion::DirectoryFound(const QString& text, const DirectoryResult& result) {
    if (text != m_field.text().trimmed()) {
        return;
    }
    m_directorySearch.reset();
    // A directory that fails adds nothing: the phone book's rows are all there is,
    // and typing goes on as before.
    m_directoryText = text;
    m_directoryEntries = result.ok ? result.entries : std::vector<DirectoryEntry>{};
    if (m_foundText == text) {
        Show();
    }
}

void PhoneBookCompletion::Found(const QString& text, const QList<SearchRow>& rows) {
    if (text != m_field.text().trimmed()) {
        return;
    }
    m_foundText = text;
    m_found = rows;
    Show();
}

void PhoneBookCompletion::Show() {
    const QString text = m_foundText;
    const QList<SearchRow>& rows = m_found;
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
    if (m_directoryText == text) {
        for (const DirectoryEntry& entry : m_directoryEntries) {
            const QString name = QString::fromStdString(entry.name);
            const QString company = QString::fromStdString(entry.company);
            const QString number = QString::fromStdString(DialableFaxNumber(entry.faxNumber));
            const QString who = company.isEmpty() ? name : tr("%1, %2").arg(name, company);
            add(tr("%1 - %2 (directory)").arg(who, number), number);
        }
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
