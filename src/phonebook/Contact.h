#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace desklet {

// What a fax number is for; the sending rule picks the work number of a contact.
enum class FaxLabel { Work, Home, Other };

struct FaxNumber {
    // As the user or the imported file wrote it; the number rules check it when a
    // fax is sent, not when it is stored.
    QString number;
    FaxLabel label = FaxLabel::Work;

    friend bool operator==(const FaxNumber&, const FaxNumber&) = default;
};

struct Contact {
    qint64 id = 0; // the store's key; 0 for a contact not stored yet
    QString name;
    QString company;
    QList<FaxNumber> numbers; // in the order they were written
    QString note;
    // What vCard groups use to name their members. Kept without the "urn:uuid:"
    // of the files, and unique in the store: it gets a fresh one where it has none
    // or another contact has it already.
    QString uid;

    friend bool operator==(const Contact&, const Contact&) = default;
};

struct Group {
    qint64 id = 0;
    QString name;
    QList<qint64> memberIds; // contacts, in the group's order
    QString uid;

    friend bool operator==(const Group&, const Group&) = default;
};

// The rules every stored contact follows, shared by the store, the readers and the
// writer so that what is exported imports back the same.
namespace contact {

// "work", "home" or "other": the stored word, which vCard's TYPE uses too.
QString LabelKeyword(FaxLabel label);

// The contact as the store keeps it. Names, companies, numbers and the uid are
// one line: every control character (CR, LF, TAB, NUL, DEL, C1) becomes a blank,
// and blanks around them go; a note keeps its lines (CR LF and a lone CR become
// LF) and its tabs, and its other control characters become blanks. A half of a
// surrogate pair becomes U+FFFD. Numbers that end empty are dropped.
Contact Normalized(Contact contact);
// The same rules for a group's name and uid.
Group Normalized(Group group);
// One line, as names are kept.
QString OneLine(const QString& text);

// The form in which text is compared by the look-up and by name: composed (NFC),
// so that an "é" written as "e" and an accent is still not an "e", and case-folded
// by Unicode's own table, which no locale changes.
QString SearchKey(const QString& text);

// What makes two contacts the same for an import: the name, the company and the
// numbers with their labels in any order; not the note or the uid. Two people of
// the same name with other numbers stay two.
QString Identity(const Contact& contact);

// The number a fax to this contact goes to when it is sent to the contact by name
// or through a group: its first work number, or its only number. Null when it has
// several and none for work, or none at all.
const FaxNumber* SendingNumber(const Contact& contact);

// A uid as the store keeps it: without a leading "urn:uuid:" in any case.
QString UidKey(const QString& uid);

} // namespace contact
} // namespace desklet
