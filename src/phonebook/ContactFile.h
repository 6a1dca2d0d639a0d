#pragma once

#include "phonebook/Contact.h"
#include "phonebook/PhoneBookFailure.h"

#include <QByteArray>

#include <QList>
#include <QString>
#include <QStringList>

namespace desklet {

// A group as a file holds it: its members named by their uids, which the import
// matches to the contacts of the same file or of the store.
struct GroupCard {
    QString name;
    QString uid;            // a uid key (contact::UidKey)
    QStringList memberUids; // uid keys, in the file's order

    friend bool operator==(const GroupCard&, const GroupCard&) = default;
};

// What a contact file holds, as the readers give it and the writer takes it:
// normalised contacts, each with at least one fax number.
struct ContactFile {
    QList<Contact> contacts;
    QList<GroupCard> groups;
    int skippedNoFax = 0; // cards and rows without a fax number, left out
};

// Reads a contact file of either kind: vCard where its first line that is not
// blank opens a card, else CSV. Fails as VCardReader::Read or CsvReader::Read.
[[nodiscard]] bool ReadContactFile(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure);

} // namespace desklet
