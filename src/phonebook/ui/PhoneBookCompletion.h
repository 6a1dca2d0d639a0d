#pragma once

#include "directory/DirectorySearch.h"
#include "phonebook/ContactSearch.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace desklet {

class ContactLookup;

// Completes a number field from the phone book: what the user types is looked up
// by name, company and number off the interface thread (ContactLookup), the
// matching contacts' numbers pop up under the field, and choosing one with the
// keyboard or the mouse hands its number over (NumberChosen). With a company
// directory the same text is searched there too, on a thread of its own
// (DirectorySearch); its people join the list, marked, when they come.
class PhoneBookCompletion : public QObject {
    Q_OBJECT
public:
    // Numbers from elsewhere that hold the typed text, shown after the phone
    // book's: the numbers recently sent to plug in here.
    using ExtraNumbers = std::function<QStringList(const QString& text)>;

    PhoneBookCompletion(QLineEdit& field, QString databasePath, QObject* parent = nullptr);
    ~PhoneBookCompletion() override;

    void SetExtraNumbers(ExtraNumbers extra) { m_extra = std::move(extra); }

    // The company directory's settings, asked for at each look-up (the caller keeps
    // them: reading the bind password may ask the keyring); nullopt for none.
    using DirectorySettingsOf = std::function<std::optional<DirectorySettings>()>;
    void SetDirectory(DirectorySettingsOf settings) { m_directorySettings = std::move(settings); }

    QCompleter* Completer() const { return m_completer; }
    // The answer to the field's text is in the pop-up's list.
    bool Settled() const;

signals:
    void NumberChosen(const QString& number);

private:
    void Found(const QString& text, const QList<SearchRow>& rows);
    void DirectoryFound(const QString& text, const DirectoryResult& result);
    void SearchDirectory(const QString& text);
    void Show();

    QLineEdit& m_field;
    ContactLookup* m_lookup = nullptr;
    QStandardItemModel* m_model = nullptr;
    QCompleter* m_completer = nullptr;
    ExtraNumbers m_extra;
    QString m_shownText;
    // The phone book's last answer and the text it answers.
    QString m_foundText;
    QList<SearchRow> m_found;
    DirectorySettingsOf m_directorySettings;
    // The running search; a newer key press abandons it.
    std::unique_ptr<DirectorySearch> m_directorySearch;
    QString m_directoryText;
    std::vector<DirectoryEntry> m_directoryEntries;
};

} // namespace desklet
