#pragma once

#include "phonebook/PhoneBookFailure.h"

#include <QString>
#include <QStringList>

namespace desklet {

class PhoneBook;

// A job's names to send to (-to "Ann Lee,Sales"), as the dialog's prefill and the
// terminal both give them: one place decides what a list of names means, so that
// both front ends send a name to the same numbers.
class RecipientNames {
public:
    // The names of the list: split at commas, the blanks around each name dropped,
    // empty names left out.
    static QStringList Split(const QString& list);

    // The numbers the names of the list go to, in the list's order and each name's
    // order (PhoneBook::Resolve). False at the first name that resolves to nothing:
    // failure names it (UnknownName, AmbiguousName, NoSendingNumber, EmptyGroup) or
    // says why the phone book could not be read. The numbers are as stored; the
    // number rules check them with the typed ones.
    [[nodiscard]] static bool Resolve(PhoneBook& phoneBook, const QString& list, QStringList& numbers,
                                      PhoneBookFailure& failure);
};

} // namespace desklet
