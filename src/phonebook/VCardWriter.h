#pragma once

#include "phonebook/ContactFile.h"

#include <QByteArray>

namespace desklet {

// Writes contacts and groups as vCard 4.0, which VCardReader reads back to the
// same contacts and groups: every text escaped, each fax number a tel: URI with
// its label, groups as KIND:group cards naming their members by uid.
class VCardWriter {
public:
    // RFC 6350 3.2: a line should be at most 75 octets without its line break;
    // longer ones are folded, never inside a UTF-8 character.
    static constexpr qsizetype kMaxLineOctets = 75;

    // One card per contact, in order, then one per group; CR LF line ends.
    static QByteArray Write(const ContactFile& file);
};

} // namespace desklet
