#include "phonebook/ui/PhoneBookDlg.h"

#include "directory/DirectoryFilter.h"
#include "framework/DialogServices.h"
#include "phonebook/PhoneBook.h"
#include "phonebook/ui/ContactEditDlg.h"
#include "phonebook/ui/ContactLookup.h"
#include "phonebook/ui/GroupEditDlg.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>

namespace desklet {
namespace {

// Where a list row came from: its index in m_rows.
constexpr int kRowRole = Qt::UserRole;
// The label of a directory's rows; a stored contact's is "work", "home" or "other".
const QString kDirectoryLabel = QStringLiteral("directory");

std::string Std(const QString& text) {
    return text.toStdString();
}

} // namespace

PhoneBookDlg::PhoneBookDlg(QString databasePath, QWidget* parent)
    : CDialog(kTemplateId, parent), m_path(std::move(databasePath)) {
    setWindowTitle(tr("Phone Book"));
}

PhoneBookDlg::~PhoneBookDlg() = default;

void PhoneBookDlg::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    auto* searchLabel = new QLabel(tr("&Search:"), this);
    m_search = new QLineEdit(this);
    SetDlgItemId(*m_search, IDC_SEARCH);
    m_search->setPlaceholderText(tr("Name, company or number"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);
    m_search->installEventFilter(this);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    layout->addLayout(searchRow);

    m_list = new QTreeWidget(this);
    SetDlgItemId(*m_list, IDC_LIST);
    m_list->setAccessibleName(tr("Contacts and groups"));
    m_list->setColumnCount(4);
    m_list->setHeaderLabels({tr("Name"), tr("Company"), tr("Fax number"), tr("Label")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_list->installEventFilter(this);
    layout->addWidget(m_list, 1);
    m_status = new QLabel(this);
    SetDlgItemId(*m_status, IDC_STATUS);
    m_status->setWordWrap(true);
    m_status->hide();
    layout->addWidget(m_status);

    auto button = [this](int id, const QString& text, void (PhoneBookDlg::*handler)()) {
        auto* b = new QPushButton(text, this);
        SetDlgItemId(*b, id);
        connect(b, &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
        return b;
    };
    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {button(IDC_ADD_CONTACT, tr("&New Contact..."), &PhoneBookDlg::OnAddContact),
                           button(IDC_NEW_GROUP, tr("New &Group..."), &PhoneBookDlg::OnNewGroup),
                           button(IDC_EDIT, tr("&Edit..."), &PhoneBookDlg::OnEdit),
                           button(IDC_DELETE, tr("&Delete"), &PhoneBookDlg::OnDelete),
                           button(IDC_IMPORT, tr("&Import..."), &PhoneBookDlg::OnImport),
                           button(IDC_EXPORT, tr("E&xport..."), &PhoneBookDlg::OnExport)}) {
        edits->addWidget(b);
        m_changeButtons.append(b);
    }
    edits->addStretch();
    layout->addLayout(edits);

    // Add to Recipients is the default button: Enter in the list or the search
    // field adds the chosen rows.
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(button(IDC_COPY_TO_PHONE_BOOK, tr("&Copy to Phone Book"), &PhoneBookDlg::OnCopyToPhoneBook));
    auto* add = button(IDC_TO_RECIPIENTS, tr("Add to &Recipients"), &PhoneBookDlg::OnAddToRecipients);
    add->setDefault(true);
    auto* close = new QPushButton(tr("Close"), this);
    SetDlgItemId(*close, IDCANCEL);
    closing->addWidget(add);
    closing->addWidget(close);
    layout->addLayout(closing);

    m_lookup = new ContactLookup(m_path, this);
    connect(m_lookup, &ContactLookup::Found, this, &PhoneBookDlg::Show);
    connect(m_lookup, &ContactLookup::Failed, this, [this](const QString& message) {
        m_status->setText(message);
        m_status->show();
    });
    // Every key press asks anew; the answer comes when it is ready and the
    // field stays free to type in meanwhile.
    connect(m_search, &QLineEdit::textChanged, this, [this] {
        m_limit = ContactSearch::kPageRows;
        Refresh();
        SearchDirectory();
    });
    // The next page when the user scrolls to the end of a full one of the phone
    // book's rows (the directory's come whole).
    connect(m_list->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (value == m_list->verticalScrollBar()->maximum() && m_phoneBookRows.size() >= m_limit) {
            m_limit += ContactSearch::kPageRows;
            Refresh();
        }
    });
    resize(DialogUnitsToPixels(300, 220).expandedTo(sizeHint()));
}

bool PhoneBookDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (!m_phoneBook) {
        if (m_database.IsOpen() || m_database.Open(m_path)) {
            m_phoneBook = std::make_unique<PhoneBook>(m_database);
        } else {
            m_status->setText(m_database.LastFailure().Text());
            m_status->show();
            for (QPushButton* b : std::as_const(m_changeButtons)) {
                b->setEnabled(false);
            }
        }
    }
    Refresh();
    SearchDirectory();
    m_search->setFocus();
    return true;
}

QString PhoneBookDlg::LabelText(const QString& keyword) {
    return keyword == QLatin1String("home")    ? tr("home")
           : keyword == QLatin1String("other") ? tr("other")
           : keyword == QLatin1String("group") ? tr("group")
           : keyword == kDirectoryLabel        ? tr("directory")
                                               : tr("work");
}

bool PhoneBookDlg::Settled() const {
    return m_lookup != nullptr && m_lookup->Idle() && !m_directorySearch && m_shownText == m_search->text();
}

bool PhoneBookDlg::FromDirectory(const SearchRow& row) {
    return row.kind == SearchRow::Kind::Contact && row.id == 0 && row.label == kDirectoryLabel;
}

void PhoneBookDlg::SearchDirectory() {
    // A newer text abandons the older search: its answer would be for a text no
    // longer typed.
    m_directorySearch.reset();
    m_directoryText.clear();
    m_directoryRows.clear();
    const QString text = m_search->text().trimmed();
    const std::optional<DirectorySettings> settings =
        m_directorySettings && !text.isEmpty() ? m_directorySettings() : std::nullopt;
    if (!settings) {
        return;
    }
    const QString typed = m_search->text();
    m_directorySearch = DirectorySearch::Start(*settings, text.toStdString(), [this, typed](DirectoryResult result) {
        QMetaObject::invokeMethod(
            this, [this, typed, result = std::move(result)] { DirectoryFound(typed, result); }, Qt::QueuedConnection);
    });
}

void PhoneBookDlg::DirectoryFound(const QString& text, const DirectoryResult& result) {
    if (text != m_search->text()) {
        return;
    }
    m_directorySearch.reset();
    m_directoryText = text;
    // A directory that fails adds nothing; the phone book works on as before.
    for (const DirectoryEntry& entry : result.entries) {
        SearchRow row;
        row.name = QString::fromStdString(entry.name);
        row.company = QString::fromStdString(entry.company);
        row.number = QString::fromStdString(DialableFaxNumber(entry.faxNumber));
        row.label = kDirectoryLabel;
        m_directoryRows.append(row);
    }
    if (m_shownText == text) {
        Show(text, m_phoneBookRows);
    }
}

void PhoneBookDlg::Refresh() {
    m_lookup->Request(m_search->text(), m_limit);
}

void PhoneBookDlg::Show(const QString& text, const QList<SearchRow>& rows) {
    // An answer to a text the field no longer holds is on its way out.
    if (text != m_search->text()) {
        return;
    }
    // The chosen rows stay chosen, and the current one current, where they remain.
    auto key = [](const SearchRow& row) {
        return QStringLiteral("%1:%2:%3").arg(int(row.kind)).arg(row.id).arg(row.number);
    };
    QSet<QString> chosen;
    for (const SearchRow& row : ChosenRows()) {
        chosen.insert(key(row));
    }
    QString current;
    if (const QTreeWidgetItem* item = m_list->currentItem()) {
        current = key(m_rows.value(item->data(0, kRowRole).toInt()));
    }
    const int scroll = m_list->verticalScrollBar()->value();
    const QSignalBlocker block(m_list->verticalScrollBar());
    m_list->clear();
    m_phoneBookRows = rows;
    m_rows = rows;
    if (m_directoryText == text) {
        m_rows += m_directoryRows;
    }
    m_shownText = text;
    QList<QTreeWidgetItem*> items;
    QTreeWidgetItem* currentItem = nullptr;
    for (int i = 0; i < m_rows.size(); ++i) {
        const SearchRow& row = m_rows[i];
        const bool group = row.kind == SearchRow::Kind::Group;
        auto* item = new QTreeWidgetItem(
            {row.name, row.company, row.number, LabelText(group ? QStringLiteral("group") : row.label)});
        item->setData(0, kRowRole, i);
        items.append(item);
        if (key(row) == current) {
            currentItem = item;
        }
    }
    m_list->addTopLevelItems(items);
    for (QTreeWidgetItem* item : std::as_const(items)) {
        if (chosen.contains(key(m_rows[item->data(0, kRowRole).toInt()]))) {
            item->setSelected(true);
        }
    }
    if (currentItem != nullptr) {
        m_list->setCurrentItem(currentItem, 0, QItemSelectionModel::NoUpdate);
    }
    m_list->verticalScrollBar()->setValue(scroll);
    m_status->setVisible(false);
}

QList<SearchRow> PhoneBookDlg::ChosenRows() const {
    QList<SearchRow> rows;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = m_list->topLevelItem(i);
        if (item->isSelected()) {
            rows.append(m_rows.value(item->data(0, kRowRole).toInt()));
        }
    }
    return rows;
}

bool PhoneBookDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_search && key->key() == Qt::Key_Down && m_list->topLevelItemCount() > 0) {
            m_list->setFocus();
            if (m_list->selectedItems().isEmpty()) {
                m_list->setCurrentItem(m_list->topLevelItem(0));
            }
            return true;
        }
        if (watched == m_list && key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            OnDelete();
            return true;
        }
    }
    return CDialog::eventFilter(watched, event);
}

void PhoneBookDlg::Tell(const QString& text, unsigned icon) {
    MessageBox(Std(text), Std(tr("Phone Book")), MB_OK | icon);
}

void PhoneBookDlg::TellFailure() {
    Tell(m_database.LastFailure().Text(), MB_ICONEXCLAMATION);
}

void PhoneBookDlg::OnAddContact() {
    if (!m_phoneBook) {
        return;
    }
    ContactEditDlg edit(Contact{}, this);
    // Until it is stored or the user gives up: a refusal keeps what was typed.
    while (edit.DoModal() == IDOK) {
        Contact contact = edit.Result();
        if (m_phoneBook->AddContact(contact)) {
            break;
        }
        TellFailure();
    }
    Refresh();
}

void PhoneBookDlg::OnEdit() {
    const QTreeWidgetItem* item = m_list->currentItem();
    if (!m_phoneBook || item == nullptr) {
        return;
    }
    const SearchRow row = m_rows.value(item->data(0, kRowRole).toInt());
    if (FromDirectory(row)) {
        return;
    }
    if (row.kind == SearchRow::Kind::Group) {
        Group group;
        QList<GroupEditDlg::Candidate> contacts;
        QList<SearchRow> all;
        if (!m_phoneBook->GetGroup(row.id, group) || !m_phoneBook->Search({}, ContactSearch::kAllRows, all)) {
            TellFailure();
            return;
        }
        QSet<qint64> seen;
        for (const SearchRow& each : std::as_const(all)) {
            if (each.kind == SearchRow::Kind::Contact && !seen.contains(each.id)) {
                seen.insert(each.id);
                contacts.append(
                    {each.id, each.company.isEmpty() ? each.name : each.name + QStringLiteral(", ") + each.company});
            }
        }
        GroupEditDlg edit(group, contacts, this);
        while (edit.DoModal() == IDOK) {
            Group changed = edit.Result();
            if (m_phoneBook->UpdateGroup(changed)) {
                break;
            }
            TellFailure();
        }
    } else {
        Contact contact;
        if (!m_phoneBook->GetContact(row.id, contact)) {
            TellFailure();
            return;
        }
        ContactEditDlg edit(contact, this);
        while (edit.DoModal() == IDOK) {
            Contact changed = edit.Result();
            if (m_phoneBook->UpdateContact(changed)) {
                break;
            }
            TellFailure();
        }
    }
    Refresh();
}

void PhoneBookDlg::OnDelete() {
    const QList<SearchRow> rows = ChosenRows();
    if (!m_phoneBook || rows.isEmpty()) {
        return;
    }
    QSet<qint64> contacts;
    QSet<qint64> groups;
    QString name;
    for (const SearchRow& row : rows) {
        if (!FromDirectory(row)) {
            name = row.name;
            (row.kind == SearchRow::Kind::Group ? groups : contacts).insert(row.id);
        }
    }
    if (contacts.isEmpty() && groups.isEmpty()) {
        return;
    }
    const int count = static_cast<int>(contacts.size() + groups.size());
    const QString question = count == 1 ? tr("Delete %1 from the phone book?").arg(name)
                                        : tr("Delete these %1 entries from the phone book?").arg(count);
    if (MessageBox(Std(question), Std(tr("Phone Book")), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    for (const qint64 id : std::as_const(groups)) {
        if (!m_phoneBook->RemoveGroup(id)) {
            TellFailure();
            break;
        }
    }
    for (const qint64 id : std::as_const(contacts)) {
        if (!m_phoneBook->RemoveContact(id)) {
            TellFailure();
            break;
        }
    }
    Refresh();
}

void PhoneBookDlg::OnNewGroup() {
    if (!m_phoneBook) {
        return;
    }
    QList<SearchRow> all;
    if (!m_phoneBook->Search({}, ContactSearch::kAllRows, all)) {
        TellFailure();
        return;
    }
    Group group;
    // The contacts chosen in the list start as its members.
    for (const SearchRow& row : ChosenRows()) {
        if (row.kind == SearchRow::Kind::Contact && !FromDirectory(row) && !group.memberIds.contains(row.id)) {
            group.memberIds.append(row.id);
        }
    }
    QList<GroupEditDlg::Candidate> contacts;
    QSet<qint64> seen;
    for (const SearchRow& row : std::as_const(all)) {
        if (row.kind == SearchRow::Kind::Contact && !seen.contains(row.id)) {
            seen.insert(row.id);
            contacts.append({row.id, row.company.isEmpty() ? row.name : row.name + QStringLiteral(", ") + row.company});
        }
    }
    GroupEditDlg edit(group, contacts, this);
    while (edit.DoModal() == IDOK) {
        Group added = edit.Result();
        if (m_phoneBook->AddGroup(added)) {
            break;
        }
        TellFailure();
    }
    Refresh();
}

void PhoneBookDlg::OnImport() {
    if (!m_phoneBook) {
        return;
    }
    DialogServices::FileDialogRequest request;
    request.owner = this;
    request.caption = Std(tr("Import Contacts"));
    request.filter = Std(tr("Contact files (*.vcf *.vcard *.csv);;All files (*)"));
    const std::optional<std::string> path = DialogServices::GetOpenFileName(request);
    if (!path) {
        return;
    }
    ImportReport report;
    if (!m_phoneBook->Import(QString::fromStdString(*path), report)) {
        TellFailure();
        return;
    }
    QString text = tr("%1 contacts imported, %2 skipped (no fax number), %3 already present")
                       .arg(report.imported)
                       .arg(report.skippedNoFax)
                       .arg(report.alreadyPresent);
    if (report.groupsImported + report.groupsAlreadyPresent > 0) {
        text +=
            QLatin1Char('\n') +
            tr("%1 groups imported, %2 already present").arg(report.groupsImported).arg(report.groupsAlreadyPresent);
    }
    Tell(text, MB_ICONINFORMATION);
    Refresh();
}

void PhoneBookDlg::OnExport() {
    if (!m_phoneBook) {
        return;
    }
    DialogServices::FileDialogRequest request;
    request.owner = this;
    request.caption = Std(tr("Export Contacts"));
    request.filter = Std(tr("vCard files (*.vcf);;All files (*)"));
    const std::optional<std::string> path = DialogServices::GetSaveFileName(request);
    if (path && !m_phoneBook->Export(QString::fromStdString(*path))) {
        TellFailure();
    }
}

void PhoneBookDlg::OnAddToRecipients() {
    const QList<SearchRow> rows = ChosenRows();
    if (rows.isEmpty() || !m_phoneBook) {
        return;
    }
    QStringList numbers;
    for (const SearchRow& row : rows) {
        if (row.kind == SearchRow::Kind::Contact) {
            numbers.append(row.number);
            continue;
        }
        Resolution resolution;
        if (!m_phoneBook->ResolveGroup(row.id, resolution)) {
            TellFailure();
            return;
        }
        for (const Resolution::Recipient& recipient : std::as_const(resolution.recipients)) {
            numbers.append(recipient.number);
        }
    }
    numbers.removeDuplicates();
    if (m_addToRecipients) {
        m_addToRecipients(numbers);
    }
}

void PhoneBookDlg::OnCopyToPhoneBook() {
    if (!m_phoneBook) {
        return;
    }
    // A directory's person becomes a contact with the fax number as work's; the
    // phone book's own rules (one line, lengths) apply as to any contact added.
    for (const SearchRow& row : ChosenRows()) {
        if (!FromDirectory(row)) {
            continue;
        }
        Contact contact;
        contact.name = row.name;
        contact.company = row.company;
        contact.numbers.append({row.number, FaxLabel::Work});
        if (!m_phoneBook->AddContact(contact)) {
            TellFailure();
            break;
        }
    }
    Refresh();
}

} // namespace desklet
