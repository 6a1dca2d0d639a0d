#include "phonebook/RecipientNames.h"

#include "phonebook/PhoneBook.h"

namespace desklet {

QStringList RecipientNames::Split(const QString& list) {
    QStringList names;
    for (const QString& part : list.split(QLatin1Char(','))) {
        const QString name = part.trimmed();
        if (!name.isEmpty()) {
            names.append(name);
        }
    }
    return names;
}

bool RecipientNames::Resolve(PhoneBook& phoneBook, const QString& list, QStringList& numbers,
                             PhoneBookFailure& failure) {
    QStringList found;
    for (const QString& name : Split(list)) {
        Resolution resolution;
        if (!phoneBook.Resolve(name, resolution)) {
            failure = phoneBook.LastFailure();
            // A name that matches nothing is named as it was written.
            if (failure.subject.isEmpty()) {
                failure.subject = name;
            }
            return false;
        }
        for (const Resolution::Recipient& recipient : resolution.recipients) {
            found.append(recipient.number);
        }
    }
    numbers.append(found);
    failure = {};
    return true;
}

} // namespace desklet
