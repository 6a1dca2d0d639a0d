#pragma once

#include "cli/TerminalMode.h"
#include "phonebook/ContactSearch.h"

#include <QList>
#include <QString>

#include <functional>
#include <string>
#include <vector>

namespace desklet {

// The phone book from the terminal: --import-contacts FILE..., --export-contacts
// FILE, --contacts [TEXT], and the names of -to, over the user's database.
// Messages go to the error stream as TerminalMode's do; the exit status says what
// happened in the codes of ExitStatus, with 73 for a file that cannot be written
// and 74 for a database that cannot be opened, read or written.
class ContactCommands {
public:
    static constexpr int kCannotCreate = 73; // EX_CANTCREAT
    static constexpr int kIoError = 74;      // EX_IOERR

    // The rows another source finds for a look-up's text, printed after the phone
    // book's with the label "directory": the company directory plugs in here.
    using DirectoryLookup = std::function<QList<SearchRow>(const QString& text)>;

    // Runs --import-contacts, --export-contacts or --contacts; the files or the
    // text are the arguments after the program's path.
    static int Run(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams,
                   const DirectoryLookup& directory = {});

    // The company directory of the stored settings, searched while the caller waits
    // (Directory::kTimeLimit at most); empty when no directory is set up. A search
    // that fails says why in one line of streams.err and finds nothing, so that the
    // phone book's own rows still print.
    static DirectoryLookup CompanyDirectory(const TerminalMode::Streams& streams);

    // Adds the numbers of the names of a -to list to the recipients, in the order
    // the dialog's list keeps. False, with the status to end with and the name
    // said, when a name resolves to nothing or the phone book cannot be read.
    static bool AddNamedRecipients(const std::string& names, std::vector<std::string>& recipients,
                                   const TerminalMode::Streams& streams, int& status);

    Q_DECLARE_TR_FUNCTIONS(ContactCommands)
};

} // namespace desklet
