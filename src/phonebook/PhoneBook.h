#pragma once

#include "phonebook/Contact.h"
#include "phonebook/ContactSearch.h"
#include "phonebook/PhoneBookFailure.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace desklet {

class Database;

// What an import did.
struct ImportReport {
    int imported = 0;
    // Cards and rows without a fax number, and groups none of whose members has one.
    int skippedNoFax = 0;
    // Contacts the phone book had already, or that the file held twice: the same
    // name, company and numbers (contact::Identity).
    int alreadyPresent = 0;
    int groupsImported = 0;
    int groupsAlreadyPresent = 0; // the same name and the same members

    friend bool operator==(const ImportReport&, const ImportReport&) = default;
};

// Where a fax to a name goes.
struct Resolution {
    struct Recipient {
        qint64 contactId = 0;
        QString name;
        QString number;
    };

    bool group = false;
    QString name; // as the phone book writes it
    QList<Recipient> recipients;
};

// The user's contacts and groups in a Database, for the phone book's window and
// for the terminal. Every change is one transaction: it is stored whole or not at
// all, and a failure leaves the phone book as it was. The failure of the last
// operation is the database's (LastFailure()).
class PhoneBook {
public:
    // The largest file an import reads: far above any address book without photos,
    // and a bound on the memory a stray file can take.
    static constexpr qint64 kMaxImportBytes = 256LL << 20;

    explicit PhoneBook(Database& database);

    // Stores a new contact (normalised, contact::Normalized) and sets its id, and
    // its uid where it had none or another contact has it. Fails with NoFaxNumber,
    // or a write failure (WriteFailed, DiskFull, Busy).
    [[nodiscard]] bool AddContact(Contact& contact);
    // Replaces the stored contact of contact.id (its uid stays). Fails as
    // AddContact, and with NotFound.
    [[nodiscard]] bool UpdateContact(Contact& contact);
    // Removes the contact from the phone book and from its groups. NotFound.
    [[nodiscard]] bool RemoveContact(qint64 id);
    [[nodiscard]] bool GetContact(qint64 id, Contact& contact);

    // Groups as contacts: AddGroup sets the id and the uid; a member listed twice
    // counts once; NotFound when a member is no contact.
    [[nodiscard]] bool AddGroup(Group& group);
    [[nodiscard]] bool UpdateGroup(Group& group);
    [[nodiscard]] bool RemoveGroup(qint64 id);
    [[nodiscard]] bool GetGroup(qint64 id, Group& group);
    [[nodiscard]] bool Groups(QList<Group>& groups); // sorted by name

    // Adds the contacts and groups of a vCard or CSV file (VCardReader, CsvReader)
    // that the phone book does not have yet, all in one transaction. A group's
    // members are the contacts of the file, or of the phone book, that its MEMBER
    // uids name. Fails with UnreadableFile, FileTooLarge, NotContactFile (with the
    // line), or a write failure; nothing is then added.
    [[nodiscard]] bool Import(const QString& path, ImportReport& report);
    [[nodiscard]] bool ImportBytes(const QByteArray& bytes, ImportReport& report);

    // Every contact and group as vCard 4.0 (VCardWriter), which imports back to
    // the same. The file is replaced whole or not at all: CannotWriteFile.
    [[nodiscard]] bool Export(const QString& path);
    [[nodiscard]] bool ExportBytes(QByteArray& bytes);

    // ContactSearch::Find over this phone book's connection.
    [[nodiscard]] bool Search(const QString& text, int limit, QList<SearchRow>& rows);

    // The numbers a fax to `name` goes to: a contact's, or one per member of a
    // group, each contact's work number or its only one (contact::SendingNumber).
    // The name is matched whole, in any letter case (contact::SearchKey). Fails with
    // UnknownName, AmbiguousName (several contacts or groups of the name: the
    // subject is the name), NoSendingNumber (the subject is the contact), EmptyGroup.
    [[nodiscard]] bool Resolve(const QString& name, Resolution& resolution);
    // The same for the group of a look-up's row, which a contact of the same name
    // does not make ambiguous. NotFound, NoSendingNumber, EmptyGroup.
    [[nodiscard]] bool ResolveGroup(qint64 id, Resolution& resolution);

    const PhoneBookFailure& LastFailure() const;

private:
    bool Fail(PhoneBookFailure::Kind kind, const QString& subject = {}, int line = 0);
    bool ReadFile(const QString& path, QByteArray& bytes);
    bool ResolveMembers(bool group, const QList<qint64>& members, const QString& name, Resolution& resolution);

    Database& m_database;
};

} // namespace desklet
