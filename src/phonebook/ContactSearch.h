#pragma once

#include <QList>
#include <QString>

namespace desklet {

class Database;

// One line of the look-up: a fax number of a contact, or a group.
struct SearchRow {
    enum class Kind { Contact, Group };

    Kind kind = Kind::Contact;
    qint64 id = 0; // of the contact or the group
    QString name;
    QString company; // empty for a group
    QString number;  // empty for a group
    QString label;   // "work", "home" or "other"; "group" for a group

    friend bool operator==(const SearchRow&, const SearchRow&) = default;
};

// The look-up as the user types, for the phone book's window and the completion
// of the number field. A plain function over a Database, so that the window can
// run it on a thread of its own with a Database opened there, and the interface
// thread never waits for it.
class ContactSearch {
public:
    static constexpr int kAllRows = -1;
    // What the number field's completion shows at most.
    static constexpr int kCompletionRows = 50;
    // What the phone book's window asks for at a key press, and asks again with
    // one more page of when the user scrolls to the end: a page fills a screen
    // many times over, and a look-up of all rows of a large phone book at the
    // first letter would take a key press's time (see bench/phonebook).
    static constexpr int kPageRows = 500;

    // The rows whose contact's name or company, or whose own number, holds `text`
    // (a group's row: whose name holds it), in any letter case but with accents
    // kept (contact::SearchKey). Empty text finds every row. Sorted by name, a
    // group before contacts of its name, then by company and by the numbers'
    // order; at most `limit` rows (kAllRows for all). Fails with ReadFailed or
    // Busy; the failure is the database's.
    [[nodiscard]] static bool Find(Database& database, const QString& text, int limit, QList<SearchRow>& rows);
};

} // namespace desklet
