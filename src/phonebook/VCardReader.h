#pragma once

#include "phonebook/ContactFile.h"
#include "phonebook/PhoneBookFailure.h"

#include <QByteArray>

namespace desklet {

// Reads the cards of vCard 2.1, 3.0 and 4.0 files as address books and phones
// write them: folded lines, quoted-printable values and CHARSET (2.1), base64
// photos (skipped), escaped text, N, FN, ORG, NOTE and UID, and of the telephone
// numbers only the fax numbers, however their type is spelt (TEL;FAX;WORK,
// TYPE=fax,work, TYPE="fax,work", TYPE=FAX;TYPE=HOME, a tel: URI). A number is
// for work or home as its type says, else "other". Cards of KIND:group (and the
// X-ADDRESSBOOKSERVER- spelling of older address books) become groups of their
// MEMBER uids.
class VCardReader {
public:
    // True when the first line that is not blank opens a card.
    static bool LooksLikeVCard(const QByteArray& bytes);

    // Adds every card of the file to `file`: a contact card with a fax number
    // becomes a normalised contact, one without counts as skipped. Fails with
    // NotContactFile and the line where the file stops being vCard: a line that is
    // no property, a property outside a card, a card inside a card, a card without
    // its END. `file` is then left as it was.
    [[nodiscard]] static bool Read(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure);
};

} // namespace desklet
