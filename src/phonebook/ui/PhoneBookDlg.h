#pragma once

#include "directory/DirectorySearch.h"
#include "framework/CDialog.h"
#include "phonebook/ContactSearch.h"
#include "phonebook/Database.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace desklet {

class ContactLookup;
class PhoneBook;

// "Phone Book": the user's contacts and groups, found as the user types (the
// look-up runs on a thread of its own, ContactLookup), added, edited, deleted,
// grouped, imported and exported; Add to Recipients hands the chosen rows'
// numbers to the fax dialog. With a company directory its people who match the
// search text follow the phone book's rows, marked, searched on a thread of their
// own (DirectorySearch); Copy to Phone Book stores the chosen ones as contacts. The window's own changes go through a
// connection of its own on the interface thread.
//
// Keyboard: the search field has the focus; Down moves into the list, where
// Shift and Ctrl with the arrows and Space choose rows, Enter adds them to the
// recipients and Delete deletes them.
class PhoneBookDlg : public CDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 140;
    enum ControlId {
        IDC_SEARCH = 1101,
        IDC_LIST,
        IDC_ADD_CONTACT,
        IDC_EDIT,
        IDC_DELETE,
        IDC_NEW_GROUP,
        IDC_IMPORT,
        IDC_EXPORT,
        IDC_TO_RECIPIENTS,
        IDC_STATUS,
        IDC_COPY_TO_PHONE_BOOK,
    };

    explicit PhoneBookDlg(QString databasePath, QWidget* parent = nullptr);
    ~PhoneBookDlg() override;

    // Where Add to Recipients hands the numbers, in the chosen rows' order.
    void SetAddToRecipients(std::function<void(const QStringList& numbers)> add) { m_addToRecipients = std::move(add); }

    // The company directory's settings, asked for at each search; nullopt for none.
    using DirectorySettingsOf = std::function<std::optional<DirectorySettings>()>;
    void SetDirectory(DirectorySettingsOf settings) { m_directorySettings = std::move(settings); }

    bool OnInitDialog() override;

    void OnAddContact();
    void OnEdit();
    void OnDelete();
    void OnNewGroup();
    void OnImport();
    void OnExport();
    void OnAddToRecipients();
    void OnCopyToPhoneBook();

    // "work", "home", "other", "group" or "directory" in the user's language.
    static QString LabelText(const QString& keyword);

    QLineEdit* SearchField() const { return m_search; }
    QTreeWidget* List() const { return m_list; }
    // The list shows the answer to the search field's text.
    bool Settled() const;

protected:
    void CreateControls() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Show(const QString& text, const QList<SearchRow>& rows);
    void SearchDirectory();
    void DirectoryFound(const QString& text, const DirectoryResult& result);
    static bool FromDirectory(const SearchRow& row);
    // The rows chosen in the list, in its order.
    QList<SearchRow> ChosenRows() const;
    void Tell(const QString& text, unsigned icon);
    void TellFailure();

    QString m_path;
    Database m_database;
    std::unique_ptr<PhoneBook> m_phoneBook; // null when the database cannot be opened
    ContactLookup* m_lookup = nullptr;
    std::function<void(const QStringList&)> m_addToRecipients;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    QList<QPushButton*> m_changeButtons;
    QList<SearchRow> m_rows;
    QString m_shownText;
    int m_limit = ContactSearch::kPageRows;
    // The phone book's last answer, shown again when the directory's comes.
    QList<SearchRow> m_phoneBookRows;
    DirectorySettingsOf m_directorySettings;
    std::unique_ptr<DirectorySearch> m_directorySearch;
    QString m_directoryText;
    QList<SearchRow> m_directoryRows;
};

} // namespace desklet
