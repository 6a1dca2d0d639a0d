// What the readers make of real-looking contact files: the fuzz targets' seed
// corpora, each read against the contacts, groups and faults it must give. The
// fuzz targets check the properties every input keeps; this table checks the
// meaning of the files we know.
#include "phonebook/ContactFile.h"
#include "support/TestNames.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

using namespace desklet;

namespace {

struct FileCase {
    const char* name;
    const char* file; // below the corpus folder
    const char* expected;
    friend void PrintTo(const FileCase& c, std::ostream* os) { *os << c.name; }
};

// One line per contact, "name | company | label:number ... [| note=...] [| uid=...]",
// one per group, "group name (uid): member uids", then the count of the skipped;
// or where the reading failed, "fails at line N".
QString summary(const ContactFile& file) {
    QStringList lines;
    for (const Contact& contact : file.contacts) {
        QStringList numbers;
        for (const FaxNumber& number : contact.numbers) {
            numbers.append(contact::LabelKeyword(number.label) + QLatin1Char(':') + number.number);
        }
        QString line = contact.name + QLatin1String(" | ") + contact.company + QLatin1String(" | ") +
                       numbers.join(QLatin1Char(' '));
        if (!contact.note.isEmpty()) {
            line += QLatin1String(" | note=") + QString(contact.note).replace(QLatin1Char('\n'), QLatin1String("\\n"));
        }
        if (!contact.uid.isEmpty()) {
            line += QLatin1String(" | uid=") + contact.uid;
        }
        lines.append(line);
    }
    for (const GroupCard& group : file.groups) {
        lines.append(QLatin1String("group ") + group.name + QLatin1String(" (") + group.uid + QLatin1String("): ") +
                     group.memberUids.join(QLatin1Char(' ')));
    }
    lines.append(QStringLiteral("skipped %1").arg(file.skippedNoFax));
    return lines.join(QLatin1Char('\n'));
}

const FileCase kFiles[] = {
    {"a phone's 2.1 card decodes quoted printable across soft breaks and skips the card without a fax",
     "vcard_reader/phone-2.1-quoted-printable",
     "Jürgen Müller | Bäckerei Müller GmbH | work:+49 30 5550199 home:+49 30 5550188"
     " | note=Fax only before noon.\\nBakery closes at 6 pm.\n"
     "Harbour Freight Office |  | other:0044 20 7946 0958\n"
     "skipped 1"},
    {"a 2.1 card in its Windows code page joins the parts of its organisation",
     "vcard_reader/mail-program-2.1-windows-1252",
     "Björn Krämer | Krämer & Söhne, Einkauf | work:(030) 555-1299\nskipped 0"},
    {"grouped 3.0 properties, a folded note and an older group card", "vcard_reader/address-book-3.0-grouped",
     "Sara Lindqvist | Nordic Tooling AB | work:+46 8 555 102 30 home:+46 8 555 109 99 | note=Prefers faxes in "
     "English, "
     "not Swedish. Call first if the document is longer than ten pages. | uid=5C1A6F2E-3D0B-4B8E-9A51-7F2C0D1E9B44\n"
     "Dr. Hiroshi Tanaka | Tanaka Clinic | work:+81 3 5550 1234 | uid=0E8F2B4A-77C1-4F0D-8B1E-2A9C5D3F6E10\n"
     "group Suppliers (A7D3C2B1-1111-4222-8333-944455556666): 5C1A6F2E-3D0B-4B8E-9A51-7F2C0D1E9B44 "
     "0E8F2B4A-77C1-4F0D-8B1E-2A9C5D3F6E10\n"
     "skipped 0"},
    {"a plain FAX type is an other number and escaped commas stay in the name", "vcard_reader/web-3.0-type-lists",
     "O'Brien, Siobhan | Brien & Partners, Solicitors, Conveyancing | work:+353 1 555 0100 other:+353 1 555 0101\n"
     "skipped 1"},
    {"4.0 tel URIs keep the number as written and a group keeps its members' uids", "vcard_reader/rfc-4.0-group",
     "Jane Doe | Example Shipping Inc. | work:+1-212-555-1212 home:+1-212-555-1414;ext=22"
     " | uid=4fbe8971-0bc3-424c-9c26-36c3e1eff6b1\n"
     "Zoë Ng | Example Shipping Inc. | other:+1-646-555-0177 | uid=03a0e51f-d1aa-4385-8a53-e29025acd8af\n"
     "group Shipping desk (b8767877-b4a1-4c70-9acc-505d3819e519): 4fbe8971-0bc3-424c-9c26-36c3e1eff6b1 "
     "03a0e51f-d1aa-4385-8a53-e29025acd8af 00000000-0000-4000-8000-000000000000\n"
     "skipped 0"},
    {"line feeds and lower case property names read as any other card", "vcard_reader/line-feeds-lower-case",
     "Priya Raman |  | work:044 2555 0190\nskipped 0"},
    {"a card without its end fails at its beginning", "vcard_reader/card-without-end", "fails at line 1"},
    {"a card inside a card fails where it begins", "vcard_reader/card-inside-a-card", "fails at line 4"},
    {"a line that is no property fails there", "vcard_reader/line-that-is-no-property", "fails at line 4"},
    {"a mail program's CSV joins first middle and last name and keeps a note's lines", "csv_reader/mail-program-export",
     "Maria Luisa Fernández | Fernández Import S.L. | work:+34 91 555 0123 other:+34 91 555 0999"
     " | note=Send faxes to the first number;\\nthe second one is the warehouse.\n"
     "Tom Becker |  | home:+1 312 555 0177\n"
     "skipped 1"},
    {"a web address book's phone pairs give their fax numbers, several to a cell", "csv_reader/web-address-book-export",
     "Chen Wei | Chen Electronics | work:+86 10 5555 0102 work:+86 10 5555 0103\n"
     "Lena Vogel |  | home:+49 40 555 0104\n"
     "skipped 1"},
    {"semicolons separate where the header uses them and quotes hold them", "csv_reader/spreadsheet-semicolons",
     "Müller, Anna | Anna's Shop | work:+41 44 555 01 02\n"
     "Dupont Jean | Dupont; Fils | work:+33 1 55 55 01 03 | note=Says \"fax it\"\n"
     "skipped 0"},
    {"UTF-16 with tabs keeps Turkish letters as written", "csv_reader/mail-client-utf16",
     "İlker Yıldız | Isparta Tekstil | work:+90 246 555 0101\nskipped 0"},
    {"a quoted field never closed fails where it opens", "csv_reader/quote-never-closed", "fails at line 3"},
    {"a CSV file without contact columns fails at its header", "csv_reader/not-contacts", "fails at line 1"},
};

class ContactFiles : public testing::TestWithParam<FileCase> {};

TEST_P(ContactFiles, ReadAsExpected) {
    const FileCase& c = GetParam();
    QFile in(QStringLiteral(DESKLET_CORPUS_DIR "/") + QLatin1String(c.file));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << c.file;
    ContactFile file;
    PhoneBookFailure failure;
    const bool read = ReadContactFile(in.readAll(), file, failure);
    if (read) {
        EXPECT_EQ(summary(file).toStdString(), c.expected);
    } else {
        EXPECT_EQ(failure.kind, PhoneBookFailure::Kind::NotContactFile);
        EXPECT_EQ(QStringLiteral("fails at line %1").arg(failure.line).toStdString(), c.expected);
        EXPECT_TRUE(file.contacts.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, ContactFiles, testing::ValuesIn(kFiles), desklet::test::SentenceName{});

} // namespace
