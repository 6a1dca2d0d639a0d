#include "phonebook/CsvReader.h"

#include "phonebook/CsvRecords_p.h"
#include "phonebook/TextDecoding_p.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <optional>

namespace desklet {
namespace {

enum class Column { Name, First, Middle, Last, Company, Note, WorkFax, HomeFax, OtherFax, PhoneType, PhoneValue };

struct KnownHeader {
    const char* header;
    Column column;
};

// Header names of the exports of the usual address books and mail programs,
// matched in any letter case.
constexpr KnownHeader kKnownHeaders[] = {
    {"Name", Column::Name},
    {"Full Name", Column::Name},
    {"Display Name", Column::Name},
    {"First Name", Column::First},
    {"Given Name", Column::First},
    {"Middle Name", Column::Middle},
    {"Additional Name", Column::Middle},
    {"Last Name", Column::Last},
    {"Family Name", Column::Last},
    {"Surname", Column::Last},
    {"Company", Column::Company},
    {"Company Name", Column::Company},
    {"Organization", Column::Company},
    {"Organisation", Column::Company},
    {"Organization Name", Column::Company},
    {"Organization 1 - Name", Column::Company},
    {"Notes", Column::Note},
    {"Note", Column::Note},
    // A fax number that says nothing more is taken for a work number, so that the
    // contact's group sends go to it.
    {"Fax", Column::WorkFax},
    {"Fax Number", Column::WorkFax},
    {"Business Fax", Column::WorkFax},
    {"Work Fax", Column::WorkFax},
    {"Home Fax", Column::HomeFax},
    {"Other Fax", Column::OtherFax},
};

// "Phone 1 - Type" and "Phone 1 - Value": the numbered pairs of web address books.
// The value may hold several numbers joined by " ::: ".
const QLatin1String kPhonePrefix("Phone ");
const QLatin1String kTypeSuffix(" - Type");
const QLatin1String kValueSuffix(" - Value");
const QLatin1String kSeveralValues(":::");

struct Mapped {
    Column column;
    QString pair; // the number of a Phone pair
};

std::optional<Mapped> mapHeader(const QString& header) {
    const QString name = header.trimmed();
    for (const KnownHeader& known : kKnownHeaders) {
        if (name.compare(QLatin1String(known.header), Qt::CaseInsensitive) == 0) {
            return Mapped{known.column, {}};
        }
    }
    if (name.startsWith(kPhonePrefix, Qt::CaseInsensitive)) {
        for (const auto& [suffix, column] :
             {std::pair{kTypeSuffix, Column::PhoneType}, {kValueSuffix, Column::PhoneValue}}) {
            if (name.endsWith(suffix, Qt::CaseInsensitive) && name.size() > kPhonePrefix.size() + suffix.size()) {
                return Mapped{column, name.mid(kPhonePrefix.size(), name.size() - kPhonePrefix.size() - suffix.size())};
            }
        }
    }
    return std::nullopt;
}

std::optional<FaxLabel> labelOfPhoneType(const QString& type) {
    if (!type.contains(QLatin1String("fax"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    if (type.contains(QLatin1String("work"), Qt::CaseInsensitive) ||
        type.contains(QLatin1String("business"), Qt::CaseInsensitive)) {
        return FaxLabel::Work;
    }
    return type.contains(QLatin1String("home"), Qt::CaseInsensitive) ? FaxLabel::Home : FaxLabel::Other;
}

struct Columns {
    QList<std::pair<qsizetype, Column>> plain; // in header order
    // Each Phone pair's type and value column, in the order of the value columns.
    QList<std::pair<qsizetype, qsizetype>> phones;
};

QString fieldAt(const QStringList& fields, qsizetype index) {
    return index >= 0 && index < fields.size() ? fields[index] : QString();
}

void addFax(Contact& contact, const QString& cell, FaxLabel label) {
    for (const QString& number : cell.split(kSeveralValues)) {
        if (!number.trimmed().isEmpty()) {
            contact.numbers.append(FaxNumber{number, label});
        }
    }
}

void addRow(const Columns& columns, const QStringList& fields, ContactFile& file) {
    bool blank = true;
    for (const QString& field : fields) {
        blank = blank && field.trimmed().isEmpty();
    }
    if (blank) {
        return;
    }
    Contact contact;
    QString fullName;
    QStringList parts[3]; // first, middle, last
    for (const auto& [index, column] : columns.plain) {
        const QString value = fieldAt(fields, index);
        switch (column) {
        case Column::Name:
            fullName = fullName.trimmed().isEmpty() ? value : fullName;
            break;
        case Column::First:
        case Column::Middle:
        case Column::Last:
            parts[static_cast<int>(column) - static_cast<int>(Column::First)].append(value.trimmed());
            break;
        case Column::Company:
            contact.company = contact.company.trimmed().isEmpty() ? value : contact.company;
            break;
        case Column::Note:
            contact.note = contact.note.isEmpty() ? value : contact.note + QLatin1Char('\n') + value;
            break;
        case Column::WorkFax:
            addFax(contact, value, FaxLabel::Work);
            break;
        case Column::HomeFax:
            addFax(contact, value, FaxLabel::Home);
            break;
        case Column::OtherFax:
            addFax(contact, value, FaxLabel::Other);
            break;
        case Column::PhoneType:
        case Column::PhoneValue:
            break;
        }
    }
    for (const auto& [type, value] : columns.phones) {
        if (const std::optional<FaxLabel> label = labelOfPhoneType(fieldAt(fields, type))) {
            addFax(contact, fieldAt(fields, value), *label);
        }
    }
    if (fullName.trimmed().isEmpty()) {
        QStringList words;
        for (const QStringList& part : parts) {
            for (const QString& word : part) {
                if (!word.isEmpty()) {
                    words.append(word);
                }
            }
        }
        fullName = words.join(QLatin1Char(' '));
    }
    contact.name = fullName;
    contact = contact::Normalized(contact);
    if (contact.numbers.isEmpty()) {
        ++file.skippedNoFax;
    } else {
        file.contacts.append(contact);
    }
}

// what is marked with QT_TRANSLATE_NOOP("CsvReader", ...), so that lupdate finds it.
bool fail(PhoneBookFailure& failure, int line, const char* what) {
    failure = PhoneBookFailure{
        PhoneBookFailure::Kind::NotContactFile, {}, line, QCoreApplication::translate("CsvReader", what)};
    return false;
}

} // namespace

bool CsvReader::Read(const QByteArray& bytes, ContactFile& file, PhoneBookFailure& failure) {
    const QString text = textdecoding::Decode(textdecoding::AsUtf8(bytes));
    QList<csv::Record> records;
    int badLine = 0;
    if (!csv::Split(text, csv::GuessSeparator(text), records, badLine)) {
        return fail(failure, badLine, QT_TRANSLATE_NOOP("CsvReader", "a quoted field is not closed"));
    }
    if (records.isEmpty()) {
        return fail(failure, 1, QT_TRANSLATE_NOOP("CsvReader", "the file is empty"));
    }
    Columns columns;
    QHash<QString, std::pair<qsizetype, qsizetype>> pairs;
    const QStringList& header = records.front().fields;
    for (qsizetype i = 0; i < header.size(); ++i) {
        const std::optional<Mapped> mapped = mapHeader(header[i]);
        if (!mapped) {
            continue;
        }
        if (mapped->column == Column::PhoneType || mapped->column == Column::PhoneValue) {
            if (!pairs.contains(mapped->pair)) {
                pairs.insert(mapped->pair, {-1, -1});
            }
            auto& pair = pairs[mapped->pair];
            (mapped->column == Column::PhoneType ? pair.first : pair.second) = i;
        } else {
            columns.plain.append({i, mapped->column});
        }
    }
    for (const auto& pair : pairs) {
        if (pair.first >= 0 && pair.second >= 0) {
            columns.phones.append(pair);
        }
    }
    std::sort(columns.phones.begin(), columns.phones.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    if (columns.plain.isEmpty() && columns.phones.isEmpty()) {
        return fail(failure, records.front().line,
                    QT_TRANSLATE_NOOP("CsvReader", "the first line is no header of contact columns"));
    }
    ContactFile read;
    for (qsizetype i = 1; i < records.size(); ++i) {
        addRow(columns, records[i].fields, read);
    }
    file.contacts.append(read.contacts);
    file.skippedNoFax += read.skippedNoFax;
    return true;
}

} // namespace desklet
