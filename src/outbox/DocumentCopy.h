#pragma once

#include <QString>
#include <QStringList>

#include <chrono>

#include <cstdint>
#include <string>

namespace desklet {

// What the sent log keeps about a document.
struct DocumentFacts {
    std::uint64_t size = 0;
    std::string sha256; // lowercase hex
    int pages = 0;      // 0 where the kind of file does not say (only PDF and TIFF are counted)
};

// The outbox's own copies of the documents of jobs that may still go, in a
// private folder beside the database. A copy is taken with a reflink or
// copy_file_range where the file system allows, so that it costs no second
// copy of the bytes there.
//
// A copy for a try that starts at once need not be on the disk yet: a killed
// sender leaves it in the page cache, and only a power cut can lose it. It is
// synced when a job's safety comes to rest on it (Sync), and checked against
// its recorded facts before any later try (Verify), so that a copy a power cut
// damaged is never faxed.
class DocumentCopy {
public:
    enum class Failure {
        None,
        FolderNotPrivate,    // the folder cannot be made, is not ours, or cannot be made 0700
        LinkInsteadOfFolder, // a symbolic link stands where the folder goes: never followed
        DocumentUnreadable,  // the document cannot be opened or read whole
        CannotWrite,         // the copy could not be written or synced (a full disk, a disk fault)
        CopyChanged,         // a kept copy is gone or not the document recorded (a power
                             // cut before it reached the disk): it must not be sent
        CopyUnreadable,      // a kept copy cannot be read just now (no file handles left,
                             // a read error): it may be read at a later try
    };

    // Whether Take puts the copy on the disk before it returns.
    enum class Durability {
        Synced,  // a job that waits for a later try
        InCache, // a try starts now; Sync it once the job is left waiting
    };

    explicit DocumentCopy(QString folder) : m_folder(std::move(folder)) {}

    // The copies' folder of the database at databasePath.
    static QString FolderBeside(const QString& databasePath);

    // Copies the document into the folder under a fresh name (0600), keeping its
    // extension, and reads its facts on the way. Returns the copy's file name.
    // FolderNotPrivate, LinkInsteadOfFolder, DocumentUnreadable, CannotWrite.
    [[nodiscard]] bool Take(const std::string& documentPath, QString& copyName, DocumentFacts& facts,
                            Durability durability = Durability::Synced);
    // Puts a copy and its name in the folder on the disk. CannotWrite.
    [[nodiscard]] bool Sync(const QString& copyName);
    // Whether a copy is still, byte for byte, the document of the recorded size
    // and SHA-256. CopyChanged.
    [[nodiscard]] bool Verify(const QString& copyName, const DocumentFacts& recorded);
    // Reads the facts of a document without copying it.
    [[nodiscard]] bool Examine(const std::string& documentPath, DocumentFacts& facts);
    // The path of a copy by its name; empty for a name that is not one of ours.
    QString PathOf(const QString& copyName) const;
    // Removes a copy; a copy already gone is no failure.
    void Remove(const QString& copyName) const;
    // Removes the copies no job names (left by a sender that died between its copy
    // and its record) once they are older than minAge, so that a sender between
    // the two keeps its own. Returns how many went.
    int RemoveOrphans(const QStringList& named, std::chrono::seconds minAge) const;

    Failure LastFailure() const { return m_failure; }
    const QString& LastError() const { return m_error; }
    const QString& Folder() const { return m_folder; }

    // The pages of a PDF (its page objects) or a TIFF (its image directories) from
    // the first bytes; 0 for anything else. Exposed for the tests.
    static int CountPages(const std::string& documentPath);

private:
    bool PrepareFolder();
    bool SyncFolder();
    bool Fail(Failure failure, const QString& error);

    QString m_folder;
    Failure m_failure = Failure::None;
    QString m_error;
};

} // namespace desklet
