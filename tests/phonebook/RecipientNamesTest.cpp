#include "phonebook/RecipientNames.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"
#include "support/SamplePhoneBook.h"
#include "support/TempDir.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

using namespace desklet;
using namespace desklet::test;

namespace {

// What a -to list resolves to over the sample phone book (plus a second Ann Lee);
// what one name means is PhoneBook::Resolve's, tested with it.
struct NamesCase {
    const char* name;
    const char* list;
    QStringList numbers;
    PhoneBookFailure::Kind failure;
    const char* subject;
    friend void PrintTo(const NamesCase& c, std::ostream* os) { *os << c.name; }
};

const NamesCase kNames[] = {
    {"a contact and a group keep the list's order",
     "bob stone,Sales",
     {"3125550000", "2125551212"},
     PhoneBookFailure::Kind::None,
     ""},
    {"blanks around names and empty names go", " Sales ,, ", {"2125551212"}, PhoneBookFailure::Kind::None, ""},
    {"an unknown name stops the list and is named", "Sales,Nobody", {}, PhoneBookFailure::Kind::UnknownName, "Nobody"},
    {"a name of two contacts is named", "Sales,ANN LEE", {}, PhoneBookFailure::Kind::AmbiguousName, "ANN LEE"},
};

class Names : public testing::TestWithParam<NamesCase> {
protected:
    TempDataHome data;
};

TEST_P(Names, ResolveToTheNumbersOrNameTheFirstThatFails) {
    const NamesCase& c = GetParam();
    ASSERT_TRUE(StoreSamplePhoneBook());
    Database database;
    ASSERT_TRUE(database.Open(Database::DefaultPath()));
    PhoneBook phoneBook(database);
    Contact other;
    other.name = QStringLiteral("Ann Lee");
    other.numbers = {{QStringLiteral("6175550100"), FaxLabel::Work}};
    ASSERT_TRUE(phoneBook.AddContact(other));

    QStringList numbers{QStringLiteral("typed")};
    PhoneBookFailure failure;
    const bool resolved = RecipientNames::Resolve(phoneBook, QString::fromUtf8(c.list), numbers, failure);
    EXPECT_EQ(resolved, c.failure == PhoneBookFailure::Kind::None);
    EXPECT_EQ(failure.kind, c.failure);
    EXPECT_EQ(failure.subject, QString::fromUtf8(c.subject));
    // A failed list adds nothing: not even the names before the one that failed.
    EXPECT_EQ(numbers, QStringList{QStringLiteral("typed")} + c.numbers);
}

INSTANTIATE_TEST_SUITE_P(Cases, Names, testing::ValuesIn(kNames), SentenceName{});

} // namespace
