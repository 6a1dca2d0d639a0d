#include "cli/ContactCommands.h"

#include "directory/DirectoryFilter.h"
#include "directory/DirectorySearch.h"
#include "fax/FaxNumberList.h"
#include "phonebook/Contact.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"
#include "phonebook/RecipientNames.h"
#include "settings/PasswordVault.h"
#include "settings/SettingsStore.h"
#include "submission/ExitStatus.h"

#include <ostream>

namespace desklet {
namespace {

using Kind = PhoneBookFailure::Kind;

// One line of the error stream; no control character of a file or a name reaches
// the terminal.
void Say(std::ostream& err, const QString& text) {
    std::string line = text.toStdString();
    for (char& c : line) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            c = '?';
        }
    }
    err << TerminalMode::kPrefix << line << '\n';
    err.flush();
}

int StatusFor(Kind kind) {
    switch (kind) {
    case Kind::None:
        return ExitStatus::kOk;
    case Kind::UnreadableFile:
        return ExitStatus::kNoInput;
    case Kind::FileTooLarge:
    case Kind::NotContactFile:
    case Kind::UnknownName:
    case Kind::AmbiguousName:
    case Kind::NoSendingNumber:
    case Kind::EmptyGroup:
        return ExitStatus::kDataError;
    case Kind::CannotWriteFile:
        return ContactCommands::kCannotCreate;
    case Kind::Busy:
        return ExitStatus::kTempFail;
    case Kind::NoSqlDriver:
    case Kind::CannotCreateFolder:
    case Kind::FolderNotPrivate:
    case Kind::LinkInsteadOfFile:
    case Kind::NotOwnFile:
    case Kind::CannotOpen:
    case Kind::NewerSchema:
    case Kind::MigrationFailed:
    case Kind::DiskFull:
    case Kind::WriteFailed:
    case Kind::ReadFailed:
    case Kind::NotFound:
    case Kind::NoFaxNumber:
        break;
    }
    return ContactCommands::kIoError;
}

int Fail(const TerminalMode::Streams& streams, const PhoneBookFailure& failure) {
    Say(streams.err, failure.Text());
    return StatusFor(failure.kind);
}

int UsageError(const TerminalMode::Streams& streams, const QString& why) {
    Say(streams.err, why);
    streams.err << "Try 'desklet --help' for more information.\n";
    return ExitStatus::kUsage;
}

// The arguments after the program's path.
std::vector<std::string> Operands(const LongOptions::Parsed& parsed) {
    if (parsed.arguments.empty()) {
        return {};
    }
    return {parsed.arguments.begin() + 1, parsed.arguments.end()};
}

int Import(const std::vector<std::string>& files, Database& database, const TerminalMode::Streams& streams) {
    if (files.empty()) {
        return UsageError(streams, ContactCommands::tr("--import-contacts needs one or more vCard or CSV files"));
    }
    PhoneBook phoneBook(database);
    ImportReport total;
    int status = ExitStatus::kOk;
    // Each file is one transaction: a bad file is named and leaves the others in.
    for (const std::string& file : files) {
        ImportReport report;
        if (!phoneBook.Import(QString::fromStdString(file), report)) {
            const int failed = Fail(streams, phoneBook.LastFailure());
            status = status == ExitStatus::kOk ? failed : status;
            continue;
        }
        total.imported += report.imported;
        total.skippedNoFax += report.skippedNoFax;
        total.alreadyPresent += report.alreadyPresent;
        total.groupsImported += report.groupsImported;
        total.groupsAlreadyPresent += report.groupsAlreadyPresent;
    }
    Say(streams.err, ContactCommands::tr("%1 contacts imported, %2 skipped (no fax number), %3 already present")
                         .arg(total.imported)
                         .arg(total.skippedNoFax)
                         .arg(total.alreadyPresent));
    if (total.groupsImported + total.groupsAlreadyPresent > 0) {
        Say(streams.err, ContactCommands::tr("%1 groups imported, %2 already present")
                             .arg(total.groupsImported)
                             .arg(total.groupsAlreadyPresent));
    }
    return status;
}

int Export(const std::vector<std::string>& files, Database& database, const TerminalMode::Streams& streams) {
    if (files.size() != 1) {
        return UsageError(streams, ContactCommands::tr("--export-contacts needs one file to write"));
    }
    PhoneBook phoneBook(database);
    if (!phoneBook.Export(QString::fromStdString(files.front()))) {
        return Fail(streams, phoneBook.LastFailure());
    }
    return ExitStatus::kOk;
}

void PrintRow(std::ostream& out, const QString& name, const QString& company, const QString& number,
              const QString& label) {
    // Stored names and numbers are one line already (contact::Normalized); a
    // directory's are made so here, so that a tab or a line break of theirs
    // cannot shift the columns.
    const QChar tab(QLatin1Char('\t'));
    const QString line = contact::OneLine(name) + tab + contact::OneLine(company) + tab + contact::OneLine(number) +
                         tab + contact::OneLine(label);
    out << line.toStdString() << '\n';
}

int List(const std::vector<std::string>& words, Database& database, const TerminalMode::Streams& streams,
         const ContactCommands::DirectoryLookup& directory) {
    QStringList parts;
    for (const std::string& word : words) {
        parts.append(QString::fromStdString(word));
    }
    const QString text = parts.join(QLatin1Char(' '));
    PhoneBook phoneBook(database);
    QList<SearchRow> rows;
    if (!phoneBook.Search(text, ContactSearch::kAllRows, rows)) {
        return Fail(streams, phoneBook.LastFailure());
    }
    for (const SearchRow& row : rows) {
        if (row.kind == SearchRow::Kind::Contact) {
            PrintRow(streams.out, row.name, row.company, row.number, row.label);
            continue;
        }
        // A group's line per number a fax to it goes to; a group that has none
        // still shows, without a number.
        Resolution resolution;
        if (!phoneBook.ResolveGroup(row.id, resolution) || resolution.recipients.isEmpty()) {
            PrintRow(streams.out, row.name, {}, {}, QStringLiteral("group"));
            continue;
        }
        for (const Resolution::Recipient& recipient : resolution.recipients) {
            PrintRow(streams.out, row.name, {}, recipient.number, QStringLiteral("group"));
        }
    }
    if (directory) {
        for (const SearchRow& row : directory(text)) {
            PrintRow(streams.out, row.name, row.company, row.number, QStringLiteral("directory"));
        }
    }
    streams.out.flush();
    return ExitStatus::kOk;
}

} // namespace

int ContactCommands::Run(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams,
                         const DirectoryLookup& directory) {
    Database database;
    if (!database.Open(Database::DefaultPath())) {
        return Fail(streams, database.LastFailure());
    }
    const std::vector<std::string> operands = Operands(parsed);
    switch (parsed.mode) {
    case RunMode::ImportContacts:
        return Import(operands, database, streams);
    case RunMode::ExportContacts:
        return Export(operands, database, streams);
    case RunMode::Contacts:
        return List(operands, database, streams, directory);
    default:
        break;
    }
    return ExitStatus::kSoftware;
}

ContactCommands::DirectoryLookup ContactCommands::CompanyDirectory(const TerminalMode::Streams& streams) {
    SettingsStore store;
    CMapStringToString stored{10};
    if (!store.Load(stored) || !DirectorySearch::IsConfigured(stored)) {
        return {};
    }
    return [stored, &err = streams.err](const QString& text) {
        // The bind password may come from the desktop keyring: asked only when a
        // look-up runs.
        PasswordVault vault(PasswordVault::Account::Directory);
        Directory directory(DirectorySearch::SettingsFrom(stored, vault));
        std::vector<DirectoryEntry> entries;
        QList<SearchRow> rows;
        if (!directory.Search(text.toStdString(), entries)) {
            Say(err,
                tr("the company directory was not searched: %1").arg(QString::fromStdString(directory.GetLastError())));
            return rows;
        }
        for (const DirectoryEntry& entry : entries) {
            SearchRow row;
            row.name = QString::fromStdString(entry.name);
            row.company = QString::fromStdString(entry.company);
            row.number = QString::fromStdString(DialableFaxNumber(entry.faxNumber));
            rows.append(row);
        }
        return rows;
    };
}

bool ContactCommands::AddNamedRecipients(const std::string& names, std::vector<std::string>& recipients,
                                         const TerminalMode::Streams& streams, int& status) {
    Database database;
    if (!database.Open(Database::DefaultPath())) {
        status = Fail(streams, database.LastFailure());
        return false;
    }
    PhoneBook phoneBook(database);
    QStringList numbers;
    PhoneBookFailure failure;
    if (!RecipientNames::Resolve(phoneBook, QString::fromStdString(names), numbers, failure)) {
        status = Fail(streams, failure);
        return false;
    }
    for (const QString& number : numbers) {
        const std::string entry = number.toStdString();
        recipients.insert(
            recipients.begin() + static_cast<std::ptrdiff_t>(FaxNumberList::InsertPosition(recipients, entry)), entry);
    }
    return true;
}

} // namespace desklet
