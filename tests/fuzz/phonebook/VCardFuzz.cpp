// The vCard reader and writer against each other. Each input is read twice:
// as a file, whatever the reader takes must come out normalised, each contact with
// a fax number, and written as vCard 4.0 must read back the same; as fields, a
// contact and a group of hostile values (CR, LF, NUL, quotes, separators, bytes
// that are not UTF-8) must survive the same round trip.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzFields.h"
#include "phonebook/VCardReader.h"
#include "phonebook/VCardWriter.h"

#include <cstddef>
#include <cstdint>

using namespace desklet;
using desklet::fuzz::FuzzFields;

namespace {

QString text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

void checkRoundTrip(const ContactFile& file) {
    const QByteArray written = VCardWriter::Write(file);
    for (const QByteArray& line : written.split('\n')) {
        FUZZ_CHECK(line.size() <= VCardWriter::kMaxLineOctets + 1); // and its CR
    }
    if (file.contacts.isEmpty() && file.groups.isEmpty()) {
        FUZZ_CHECK(written.isEmpty());
        return;
    }
    ContactFile back;
    PhoneBookFailure failure;
    FUZZ_CHECK(VCardReader::Read(written, back, failure));
    FUZZ_CHECK(back.contacts == file.contacts);
    FUZZ_CHECK(back.groups == file.groups);
    FUZZ_CHECK(back.skippedNoFax == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ContactFile file;
    PhoneBookFailure failure;
    if (VCardReader::Read(bytes, file, failure)) {
        for (const Contact& contact : file.contacts) {
            FUZZ_CHECK(!contact.numbers.isEmpty());
            FUZZ_CHECK(contact::Normalized(contact) == contact);
        }
        checkRoundTrip(file);
    } else {
        FUZZ_CHECK(failure.kind == PhoneBookFailure::Kind::NotContactFile);
        FUZZ_CHECK(failure.line >= 1 && failure.line <= bytes.count('\n') + bytes.count('\r') + 1);
        FUZZ_CHECK(file.contacts.isEmpty() && file.groups.isEmpty());
    }

    FuzzFields fields(data, size);
    Contact contact;
    contact.name = text(fields.Next());
    contact.company = text(fields.Next());
    contact.note = text(fields.Next());
    contact.uid = text(fields.Next());
    GroupCard group{contact::OneLine(text(fields.Next())), contact::UidKey(text(fields.Next())), {}};
    while (!fields.AtEnd()) {
        const std::uint8_t label = fields.NextByte();
        contact.numbers.append(FaxNumber{text(fields.Next()), static_cast<FaxLabel>(label % 3)});
    }
    ContactFile one;
    contact = contact::Normalized(contact);
    FUZZ_CHECK(contact::Normalized(contact) == contact);
    if (!contact.numbers.isEmpty()) {
        one.contacts.append(contact);
    }
    if (!contact.uid.isEmpty()) {
        group.memberUids.append(contact.uid);
        one.groups.append(group);
    }
    checkRoundTrip(one);
    return 0;
}
