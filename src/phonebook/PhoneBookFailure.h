#pragma once

#include <QString>

namespace desklet {

// Why an operation of the phone book failed. Callers decide by the kind; the text
// is for the person, with what the system or the database said kept apart.
struct PhoneBookFailure {
    enum class Kind {
        None,
        // Opening the store.
        NoSqlDriver, // Qt's SQLite driver is not installed
        CannotCreateFolder,
        FolderNotPrivate,  // the folder is not ours, or cannot be made 0700
        LinkInsteadOfFile, // a symbolic link stands where the database or its journal goes
        NotOwnFile,        // the database is not a regular file of ours, or cannot be made 0600
        CannotOpen,
        NewerSchema, // written by a newer Desklet: left alone rather than misread
        MigrationFailed,
        // Reading and writing the store.
        Busy,     // another program held the database past the busy timeout
        DiskFull, // nothing of the operation was written
        WriteFailed,
        ReadFailed,
        NotFound,    // no contact or group of that id
        NoFaxNumber, // a contact must have a fax number to be stored
        // Import and export.
        UnreadableFile,
        FileTooLarge,
        NotContactFile, // neither vCard nor CSV with a header row we know: line names where
        CannotWriteFile,
        // Resolving a name.
        UnknownName,
        AmbiguousName,   // several contacts or groups have it
        NoSendingNumber, // subject: the contact with several numbers and none for work
        EmptyGroup,
    };

    Kind kind = Kind::None;
    QString subject; // the file, the name or the member the failure is about
    int line = 0;    // 1-based line of an import file; 0 where no line applies
    QString detail;  // what the system, the database or the reader said

    // One sentence for a message box or the terminal, in the user's language.
    QString Text() const;
};

} // namespace desklet
