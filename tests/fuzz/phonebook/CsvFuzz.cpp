// The CSV reader. Each input is read twice: as a file, whatever the reader takes
// must come out normalised, each contact with a fax number, and a failure must
// name a line of the file; as a table of fields (any bytes), written the way
// RFC 4180 quotes them with the separator the input picks, the records must split
// back into the very same fields.

#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzFields.h"
#include "phonebook/CsvReader.h"
#include "phonebook/CsvRecords_p.h"

#include <cstddef>
#include <cstdint>

using namespace desklet;
using desklet::fuzz::FuzzFields;

namespace {

QString quoted(const std::string& bytes) {
    QString field = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QLatin1Char('"') + field.replace(QLatin1String("\""), QLatin1String("\"\"")) + QLatin1Char('"');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    ContactFile file;
    PhoneBookFailure failure;
    if (CsvReader::Read(bytes, file, failure)) {
        for (const Contact& contact : file.contacts) {
            FUZZ_CHECK(!contact.numbers.isEmpty());
            FUZZ_CHECK(contact::Normalized(contact) == contact);
        }
    } else {
        FUZZ_CHECK(failure.kind == PhoneBookFailure::Kind::NotContactFile);
        FUZZ_CHECK(failure.line >= 1);
        FUZZ_CHECK(file.contacts.isEmpty());
    }

    FuzzFields fields(data, size);
    const std::uint8_t shape = fields.NextByte();
    const qsizetype columns = 1 + shape % 5;
    const QChar separator = QLatin1Char(",;\t"[(shape / 5) % 3]);
    const QLatin1String lineEnd = shape & 0x80 ? QLatin1String("\n") : QLatin1String("\r\n");
    QList<QStringList> table;
    QString text;
    while (!fields.AtEnd()) {
        QStringList row;
        QStringList written;
        for (qsizetype column = 0; column < columns; ++column) {
            const std::string field = fields.Next();
            row.append(QString::fromUtf8(field.data(), static_cast<qsizetype>(field.size())));
            written.append(quoted(field));
        }
        table.append(row);
        text += written.join(separator) + lineEnd;
    }
    QList<csv::Record> records;
    int badLine = 0;
    FUZZ_CHECK(csv::Split(text, csv::GuessSeparator(text), records, badLine));
    FUZZ_CHECK(records.size() == table.size());
    for (qsizetype i = 0; i < records.size() && i < table.size(); ++i) {
        FUZZ_CHECK(records[i].fields == table[i]);
    }
    return 0;
}
