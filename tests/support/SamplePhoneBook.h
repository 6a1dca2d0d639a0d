#pragma once

#include <string>

namespace desklet::test {

// A small phone book as a vCard file: Ann Lee of Acme (work fax 2125551212),
// Bob Stone (home fax 3125550000) and the group Sales of Ann Lee alone.
extern const std::string kSamplePhoneBook;

// Imports kSamplePhoneBook into the user's database (Database::DefaultPath(): put
// it in a TempDataHome first); false when it could not.
bool StoreSamplePhoneBook();

} // namespace desklet::test
