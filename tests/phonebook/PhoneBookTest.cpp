#include "phonebook/PhoneBook.h"
#include "phonebook/Database.h"
#include "support/TempDir.h"
#include "support/TestNames.h"
#include "support/TurkishLocale.h"

#include <QFile>
#include <QSqlQuery>
#include <QVariant>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

using namespace desklet;
using Kind = PhoneBookFailure::Kind;
using desklet::test::TempDir;

namespace {

QString corpusPath(const char* file) {
    return QStringLiteral(DESKLET_CORPUS_DIR "/") + QLatin1String(file);
}

Contact person(const char* name, const char* company, QList<FaxNumber> numbers) {
    Contact contact;
    contact.name = QString::fromUtf8(name);
    contact.company = QString::fromUtf8(company);
    contact.numbers = numbers;
    return contact;
}

FaxNumber fax(const char* number, FaxLabel label = FaxLabel::Work) {
    return FaxNumber{QString::fromUtf8(number), label};
}

// A vCard file of `count` contacts, the i-th with the number 555 and i.
QByteArray manyCards(int count) {
    QByteArray file;
    for (int i = 0; i < count; ++i) {
        file += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Contact " + QByteArray::number(i) +
                "\r\nNOTE:A note long enough to take some room on the page of the table.\r\n"
                "TEL;TYPE=fax,work:555 " +
                QByteArray::number(i) + "\r\nEND:VCARD\r\n";
    }
    return file;
}

std::string text(const QString& value) {
    return value.toStdString();
}

class PhoneBookTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(database.Open(QString::fromStdString((dir.path() / "desklet.sqlite").string())))
            << text(database.LastFailure().Text());
    }

    int Count(const char* table) {
        QSqlQuery query(database.Connection());
        EXPECT_TRUE(query.exec(QStringLiteral("SELECT count(*) FROM ") + QLatin1String(table)) && query.next());
        return query.value(0).toInt();
    }

    TempDir dir;
    Database database;
    PhoneBook book{database};
};

// Each road of the import once, from a real file: what it adds, and that the
// same file again adds nothing.
struct ImportCase {
    const char* name;
    const char* file;
    ImportReport first;
    ImportReport again;
    friend void PrintTo(const ImportCase& c, std::ostream* os) { *os << c.name; }
};

const ImportCase kImports[] = {
    {"a vCard file with a group", "vcard_reader/rfc-4.0-group", {2, 0, 0, 1, 0}, {0, 0, 2, 0, 1}},
    {"a CSV file", "csv_reader/mail-program-export", {2, 1, 0, 0, 0}, {0, 1, 2, 0, 0}},
};

class Import : public PhoneBookTest, public testing::WithParamInterface<ImportCase> {};

TEST_P(Import, AddsItsContactsOnceHoweverOftenItIsImported) {
    ImportReport report;
    ASSERT_TRUE(book.Import(corpusPath(GetParam().file), report)) << text(book.LastFailure().Text());
    EXPECT_EQ(report, GetParam().first);
    ASSERT_TRUE(book.Import(corpusPath(GetParam().file), report)) << text(book.LastFailure().Text());
    EXPECT_EQ(report, GetParam().again);
    EXPECT_EQ(Count("contact"), GetParam().first.imported);
}

INSTANTIATE_TEST_SUITE_P(Roads, Import, testing::ValuesIn(kImports), desklet::test::SentenceName{});

TEST_F(PhoneBookTest, TwoPeopleOfOneNameStayTwoAndACardTheFileRepeatsCountsOnce) {
    const QByteArray file = "BEGIN:VCARD\nFN:John Smith\nTEL;TYPE=fax:555 0001\nEND:VCARD\n"
                            "BEGIN:VCARD\nFN:John Smith\nTEL;TYPE=fax:555 0002\nEND:VCARD\n"
                            "BEGIN:VCARD\nFN:John Smith\nTEL;TYPE=fax:555 0001\nNOTE:again\nEND:VCARD\n";
    ImportReport report;
    ASSERT_TRUE(book.ImportBytes(file, report));
    EXPECT_EQ(report, (ImportReport{2, 0, 1, 0, 0}));
}

TEST_F(PhoneBookTest, WhatIsExportedImportsBackToTheSamePhoneBook) {
    ImportReport report;
    for (const char* file : {"vcard_reader/address-book-3.0-grouped", "vcard_reader/rfc-4.0-group",
                             "vcard_reader/phone-2.1-quoted-printable", "csv_reader/web-address-book-export"}) {
        ASSERT_TRUE(book.Import(corpusPath(file), report)) << file;
    }
    Contact awkward = person("Semi; Colon, \"Quoted\" \\ Back", "Ünïcödé ✓ 𝄞",
                             {fax("tel:+1 (212) 555-0100;ext=9%", FaxLabel::Home), fax("555 0199", FaxLabel::Other)});
    awkward.note = QStringLiteral("First line\nsecond line: with a colon\n\n  indented");
    ASSERT_TRUE(book.AddContact(awkward));
    const QString exported = QString::fromStdString((dir.path() / "export.vcf").string());
    ASSERT_TRUE(book.Export(exported)) << text(book.LastFailure().Text());

    Database other;
    ASSERT_TRUE(other.Open(QString::fromStdString((dir.path() / "other" / "desklet.sqlite").string())));
    PhoneBook copy(other);
    ASSERT_TRUE(copy.Import(exported, report)) << text(copy.LastFailure().Text());
    EXPECT_EQ(report, (ImportReport{Count("contact"), 0, 0, 2, 0}));
    QByteArray original;
    QByteArray copied;
    ASSERT_TRUE(book.ExportBytes(original));
    ASSERT_TRUE(copy.ExportBytes(copied));
    EXPECT_EQ(copied.toStdString(), original.toStdString());
}

// Faults planted in the database part-way through an import of 2000 contacts.
struct FaultCase {
    const char* name;
    std::function<void(QSqlQuery&)> plant;
    Kind expected;
    friend void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }
};

const FaultCase kFaults[] = {
    {"a refused insert of the thousandth contact's number",
     [](QSqlQuery& query) {
         query.exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.fax_number "
                                   "WHEN NEW.number = '555 999' BEGIN SELECT RAISE(ABORT, 'planted'); END"));
     },
     Kind::WriteFailed},
    {"a disk that fills up",
     [](QSqlQuery& query) {
         query.exec(QStringLiteral("PRAGMA page_count"));
         query.next();
         const int pages = query.value(0).toInt();
         query.exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 4));
     },
     Kind::DiskFull},
};

class ImportFault : public PhoneBookTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(ImportFault, LeavesNothingOfTheImportAndKeepsWhatWasThere) {
    Contact kept = person("Kept Before", "", {fax("555 0000")});
    ASSERT_TRUE(book.AddContact(kept));
    QSqlQuery query(database.Connection());
    GetParam().plant(query);
    query.finish();
    ImportReport report;
    report.imported = -1;
    EXPECT_FALSE(book.ImportBytes(manyCards(2000), report));
    EXPECT_EQ(book.LastFailure().kind, GetParam().expected) << text(book.LastFailure().Text());
    EXPECT_EQ(report.imported, -1);
    EXPECT_EQ(Count("contact"), 1);
    EXPECT_EQ(Count("fax_number"), 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, ImportFault, testing::ValuesIn(kFaults), desklet::test::SentenceName{});

TEST_F(PhoneBookTest, AFileThatCannotBeImportedNamesItselfAndAddsNothing) {
    ImportReport report;
    const QString missing = QString::fromStdString((dir.path() / "missing.vcf").string());
    EXPECT_FALSE(book.Import(missing, report));
    EXPECT_EQ(book.LastFailure().kind, Kind::UnreadableFile);
    EXPECT_EQ(book.LastFailure().subject, missing);
    EXPECT_FALSE(book.Import(corpusPath("vcard_reader/line-that-is-no-property"), report));
    EXPECT_EQ(book.LastFailure().kind, Kind::NotContactFile);
    EXPECT_EQ(book.LastFailure().subject, corpusPath("vcard_reader/line-that-is-no-property"));
    EXPECT_EQ(book.LastFailure().line, 4);
    EXPECT_EQ(Count("contact"), 0);
}

class Search : public PhoneBookTest {
protected:
    void SetUp() override {
        PhoneBookTest::SetUp();
        Contact zola = person("Émile Zola", "Éditions Fasquelle", {fax("+33 1 555 0101")});
        Contact durand = person("Emile Durand", "ACME",
                                {fax("+33 1 555 0202", FaxLabel::Home), fax("+33 1 555 0303", FaxLabel::Other)});
        Contact ilker = person("ilker Işık", "Istanbul Lojistik", {fax("+90 212 555 0404")});
        Contact ismail = person("İsmail Demir", "", {fax("0212 555 0505")});
        for (Contact* contact : {&zola, &durand, &ilker, &ismail}) {
            ASSERT_TRUE(book.AddContact(*contact));
        }
        Group editors;
        editors.name = QStringLiteral("Editors");
        editors.memberIds = {zola.id};
        ASSERT_TRUE(book.AddGroup(editors));
    }

    // The rows found, "name/number/label" each, joined by ", ".
    std::string Found(const char* wanted, int limit = ContactSearch::kAllRows) {
        QList<SearchRow> rows;
        EXPECT_TRUE(book.Search(QString::fromUtf8(wanted), limit, rows));
        QStringList found;
        for (const SearchRow& row : rows) {
            found.append(row.name + QLatin1Char('/') + row.number + QLatin1Char('/') + row.label);
        }
        return found.join(QLatin1String(", ")).toStdString();
    }
};

struct SearchCase {
    const char* wanted;
    const char* found;
};

const SearchCase kSearches[] = {
    // Every row when nothing is typed: a group sorts by its name, each number a row.
    {"", "Editors//group, Emile Durand/+33 1 555 0202/home, Emile Durand/+33 1 555 0303/other, "
         "ilker Işık/+90 212 555 0404/work, Émile Zola/+33 1 555 0101/work, İsmail Demir/0212 555 0505/work"},
    // Any letter case, but an accent makes another letter.
    {"EMILE", "Emile Durand/+33 1 555 0202/home, Emile Durand/+33 1 555 0303/other"},
    {"ÉMILE", "Émile Zola/+33 1 555 0101/work"},
    {"E\xcc\x81mile", "Émile Zola/+33 1 555 0101/work"}, // E and a combining accent
    {"edit", "Editors//group"},
    // A company holds it: every number of the contact; a number holds it: that row.
    {"acme", "Emile Durand/+33 1 555 0202/home, Emile Durand/+33 1 555 0303/other"},
    {"555 02", "Emile Durand/+33 1 555 0202/home"},
    // I folds to i everywhere; the dotless ı stays its own letter.
    {"ILKER", "ilker Işık/+90 212 555 0404/work"},
    {"ı", "ilker Işık/+90 212 555 0404/work"},
    {"İsmail", "İsmail Demir/0212 555 0505/work"},
    {"nobody", ""},
};

TEST_F(Search, FindsEveryRowWhoseNameCompanyOrNumberHoldsTheText) {
    for (const SearchCase& c : kSearches) {
        EXPECT_EQ(Found(c.wanted), c.found) << "searching " << c.wanted;
    }
}

TEST_F(Search, FindsTheSameUnderATurkishLocale) {
    desklet::test::TurkishLocale turkish;
    ASSERT_TRUE(turkish.active()) << turkish.error();
    for (const SearchCase& c : kSearches) {
        EXPECT_EQ(Found(c.wanted), c.found) << "searching " << c.wanted;
    }
}

TEST_F(Search, StopsAtTheLimitInTheSameOrder) {
    EXPECT_EQ(Found("", 2), "Editors//group, Emile Durand/+33 1 555 0202/home");
}

class Resolve : public PhoneBookTest {
protected:
    void SetUp() override {
        PhoneBookTest::SetUp();
        Contact ann = person("Ann Work", "", {fax("111 home", FaxLabel::Home), fax("111 work")});
        Contact bob = person("Bob Only", "", {fax("222 home", FaxLabel::Home)});
        Contact cat = person("Cat Several", "", {fax("333 home", FaxLabel::Home), fax("333 other", FaxLabel::Other)});
        Contact dan1 = person("Dan Twin", "A", {fax("444")});
        Contact dan2 = person("Dan Twin", "B", {fax("445")});
        Contact same = person("Same", "", {fax("555")});
        for (Contact* contact : {&ann, &bob, &cat, &dan1, &dan2, &same}) {
            ASSERT_TRUE(book.AddContact(*contact));
        }
        for (const auto& [name, members] :
             {std::pair{"Team", QList<qint64>{ann.id, bob.id}}, std::pair{"Broken Team", QList<qint64>{ann.id, cat.id}},
              std::pair{"Empty", QList<qint64>{}}, std::pair{"Same", QList<qint64>{bob.id}}}) {
            Group group;
            group.name = QLatin1String(name);
            group.memberIds = members;
            ASSERT_TRUE(book.AddGroup(group));
            sameGroup = group.id;
        }
    }

    qint64 sameGroup = 0; // the last group, called as a contact is
};

struct ResolveCase {
    const char* name;
    const char* result; // the numbers, or the failure and its subject
};

TEST_F(Resolve, GivesEachRecipientsWorkOrOnlyNumberOrSaysWhyNot) {
    const ResolveCase cases[] = {
        {"Ann Work", "111 work"},
        {"  ann WORK ", "111 work"},
        {"Bob Only", "222 home"},
        {"Team", "111 work, 222 home"},
        {"Cat Several", "no sending number: Cat Several"},
        {"Broken Team", "no sending number: Cat Several"},
        {"Empty", "empty group: Empty"},
        {"Dan Twin", "ambiguous: Dan Twin"},
        {"Same", "ambiguous: Same"},
        {"Nobody", "unknown: Nobody"},
        {"", "unknown: "},
    };
    for (const ResolveCase& c : cases) {
        Resolution resolution;
        QString result;
        if (book.Resolve(QString::fromUtf8(c.name), resolution)) {
            QStringList numbers;
            for (const Resolution::Recipient& recipient : resolution.recipients) {
                numbers.append(recipient.number);
            }
            result = numbers.join(QLatin1String(", "));
        } else {
            const PhoneBookFailure& failure = book.LastFailure();
            const char* kind = failure.kind == Kind::NoSendingNumber ? "no sending number"
                               : failure.kind == Kind::EmptyGroup    ? "empty group"
                               : failure.kind == Kind::AmbiguousName ? "ambiguous"
                               : failure.kind == Kind::UnknownName   ? "unknown"
                                                                     : "other";
            result = QLatin1String(kind) + QLatin1String(": ") + failure.subject;
        }
        EXPECT_EQ(text(result), c.result) << "resolving \"" << c.name << "\"";
    }
    // Picked from the look-up's rows, the group is meant, not the contact.
    Resolution resolution;
    ASSERT_TRUE(book.ResolveGroup(sameGroup, resolution));
    ASSERT_EQ(resolution.recipients.size(), 1);
    EXPECT_EQ(resolution.recipients.front().number, QStringLiteral("222 home"));
}

TEST_F(PhoneBookTest, ARemovedContactLeavesItsGroupsAndATakenUidIsNotShared) {
    Contact first = person("First", "", {fax("555 0001")});
    first.uid = QStringLiteral("urn:uuid:same-uid");
    Contact second = person("Second", "", {fax("555 0002")});
    second.uid = QStringLiteral("same-uid");
    ASSERT_TRUE(book.AddContact(first));
    ASSERT_TRUE(book.AddContact(second));
    EXPECT_EQ(first.uid, QStringLiteral("same-uid"));
    EXPECT_NE(second.uid, first.uid);

    Group group;
    group.name = QStringLiteral("Both");
    group.memberIds = {first.id, second.id, first.id};
    ASSERT_TRUE(book.AddGroup(group));
    EXPECT_EQ(group.memberIds, (QList<qint64>{first.id, second.id}));
    ASSERT_TRUE(book.RemoveContact(first.id));
    ASSERT_TRUE(book.GetGroup(group.id, group));
    EXPECT_EQ(group.memberIds, QList<qint64>{second.id});

    Contact none = person("No Fax", "", {fax("  ")});
    EXPECT_FALSE(book.AddContact(none));
    EXPECT_EQ(book.LastFailure().kind, Kind::NoFaxNumber);
    EXPECT_FALSE(book.UpdateContact(first));
    EXPECT_EQ(book.LastFailure().kind, Kind::NotFound);
}

} // namespace
