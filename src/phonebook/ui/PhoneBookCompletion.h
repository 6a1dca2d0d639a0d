#pragma once

#include "phonebook/ContactSearch.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace desklet {

class ContactLookup;

// Completes a number field from the phone book: what the user types is looked up
// by name, company and number off the interface thread (ContactLookup), the
// matching contacts' numbers pop up under the field, and choosing one with the
// keyboard or the mouse hands its number over (NumberChosen).
class PhoneBookCompletion : public QObject {
    Q_OBJECT
public:
    // Numbers from elsewhere that hold the typed text, shown after the phone
    // book's: the numbers recently sent to plug in here.
    using ExtraNumbers = std::function<QStringList(const QString& text)>;

    PhoneBookCompletion(QLineEdit& field, QString databasePath, QObject* parent = nullptr);
    ~PhoneBookCompletion() override;

    void SetExtraNumbers(ExtraNumbers extra) { m_extra = std::move(extra); }

    QCompleter* Completer() const { return m_completer; }
    // The answer to the field's text is in the pop-up's list.
    bool Settled() const;

signals:
    void NumberChosen(const QString& number);

private:
    void Show(const QString& text, const QList<SearchRow>& rows);

    QLineEdit& m_field;
    ContactLookup* m_lookup = nullptr;
    QStandardItemModel* m_model = nullptr;
    QCompleter* m_completer = nullptr;
    ExtraNumbers m_extra;
    QString m_shownText;
};

} // namespace desklet
