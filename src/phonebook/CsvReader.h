#pragma once

#include "phonebook/ContactFile.h"
#include "phonebook/PhoneBookFailure.h"

#include <QByteArray>

namespace desklet {

// Reads contacts from CSV (RFC 4180, or with the semicolons or tabs some locales
// export) with a header row in the column names of the common address-book
// exports: Name, Full Name, Display Name; First, Middle and Last Name (or Given,
// Additional and Family Name); Company, Organization; Fax, Business Fax, Work Fax,
// Fax Number (work), Home Fax, Other Fax; Notes; and the "Phone 1 - Type" and
// "Phone 1 - Value" pairs of web address books, whose type says Fax. UTF-8 with
// or without a byte order mark, UTF-16 with one; other bytes read as Windows-1252.
class CsvReader {
public:
    // Adds a normalised contact for every row with a fax number; rows without
    // count as skipped, empty rows not at all. The name is the Name column where
    // it has one, else "First Middle Last". Fails with NotContactFile: line 1 when
    // no column of the header is one of those above, or the line of a quoted
    // field never closed. `file` is then left as it was.
    [[nodiscard]] static bool Read(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure);
};

} // namespace desklet
