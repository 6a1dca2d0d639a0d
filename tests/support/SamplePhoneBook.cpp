#include "support/SamplePhoneBook.h"

#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"

namespace desklet::test {

const std::string kSamplePhoneBook =
    "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:1d1f7c6e-0000-4000-8000-000000000001\r\n"
    "FN:Ann Lee\r\nORG:Acme\r\nTEL;TYPE=\"fax,work\":2125551212\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Bob Stone\r\n"
    "TEL;TYPE=\"fax,home\":3125550000\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Sales\r\n"
    "MEMBER:urn:uuid:1d1f7c6e-0000-4000-8000-000000000001\r\nEND:VCARD\r\n";

bool StoreSamplePhoneBook() {
    Database database;
    if (!database.Open(Database::DefaultPath())) {
        return false;
    }
    PhoneBook phoneBook(database);
    ImportReport report;
    return phoneBook.ImportBytes(QByteArray::fromStdString(kSamplePhoneBook), report) && report.imported == 2 &&
           report.groupsImported == 1;
}

} // namespace desklet::test
