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
class DocumentCopy {
public:
    enum class Failure {
        None,
        FolderNotPrivate,    // the folder cannot be made, is not ours, or cannot be made 0700
        LinkInsteadOfFolder, // a symbolic link stands where the folder goes: never followed
        DocumentUnreadable,  // the document cannot be opened or read whole
        CannotWrite,         // the copy could not be written (a full disk)
    };

    explicit DocumentCopy(QString folder) : m_folder(std::move(folder)) {}

    // The copies' folder of the database at databasePath.
    static QString FolderBeside(const QString& databasePath);

    // Copies the document into the folder under a fresh name (0600), keeping its
    // extension, and reads its facts on the way. Returns the copy's file name.
    [[nodiscard]] bool Take(const std::string& documentPath, QString& copyName, DocumentFacts& facts);
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
    bool Fail(Failure failure, const QString& error);

    QString m_folder;
    Failure m_failure = Failure::None;
    QString m_error;
};

} // namespace desklet
