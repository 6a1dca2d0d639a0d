#pragma once

#include "phonebook/Migrations.h"
#include "phonebook/PhoneBookFailure.h"

#include <QSqlDatabase>
#include <QString>

#include <span>

class QSqlError;

namespace desklet {

// The user's own database: the phone book now, the outbox and the sent log later.
// One SQLite file in a folder only its owner can enter (0700), itself 0600, in
// write-ahead-log mode so that a reader never waits for a writer; every change
// goes in a transaction, synced before it counts, so a crash or a full disk loses
// nothing that was committed and leaves nothing half-written.
//
// An object holds one connection of its own, which Qt SQL allows on one thread
// only: open, use and destroy it on the same thread. A thread that needs the
// database (the look-up as the user types) opens a Database of its own on the
// same path; opening a database already up to date only checks it.
class Database {
public:
    // How long a statement waits for another connection's write before it fails
    // as Busy: long enough for the largest import, short enough for a person.
    static constexpr int kBusyTimeoutMs = 5000;

    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // The user's database: desklet.sqlite in the program's data folder
    // ($XDG_DATA_HOME/Quillmark/Desklet), beside the program's settings' names.
    static QString DefaultPath();

    // Opens the database at path, creating it and its folder where missing, and
    // runs the migrations it has not run yet. Fails with NoSqlDriver,
    // CannotCreateFolder, FolderNotPrivate (the folder is someone else's or cannot
    // be made 0700), LinkInsteadOfFile (a symbolic link stands where the file or
    // its journal goes: never followed), NotOwnFile (not a regular file of ours, or
    // it cannot be made 0600), CannotOpen, NewerSchema (more steps ran than this
    // program knows; the file is left alone), MigrationFailed (the failed step is
    // rolled back, the earlier ones stay), Busy.
    [[nodiscard]] bool Open(const QString& path);
    // The same with the steps given, for the tests of the migration itself.
    [[nodiscard]] bool Open(const QString& path, std::span<const Migration> migrations);
    void Close();

    bool IsOpen() const { return !m_connectionName.isEmpty(); }
    const QString& Path() const { return m_path; }
    // The connection of this object, for queries on its thread.
    QSqlDatabase Connection() const;
    // The number of migration steps the file has run.
    int SchemaVersion() const;

    const PhoneBookFailure& LastFailure() const { return m_failure; }

    // A write transaction that rolls back unless committed. It takes the write
    // lock at once (BEGIN IMMEDIATE), so it never fails half-way for a lock it
    // could not upgrade.
    class Transaction {
    public:
        explicit Transaction(Database& database);
        ~Transaction();
        Transaction(const Transaction&) = delete;
        Transaction& operator=(const Transaction&) = delete;

        // False when the transaction could not begin; the failure is the database's.
        bool Began() const { return m_began; }
        // Makes every change durable; on failure nothing of them stays.
        [[nodiscard]] bool Commit();

    private:
        Database& m_database;
        bool m_began = false;
        bool m_done = false;
    };

    // Records a failed statement: DiskFull and Busy from SQLite's code, else
    // `otherwise`. Returns false, for `return database.Fail(...)`.
    bool Fail(const QSqlError& error, PhoneBookFailure::Kind otherwise);
    bool Fail(PhoneBookFailure failure);

private:
    bool PrepareFile(const QString& path);
    bool Migrate(std::span<const Migration> migrations);
    bool Execute(const QString& statement, PhoneBookFailure::Kind otherwise);

    QString m_connectionName;
    QString m_path;
    PhoneBookFailure m_failure;
    // The file as it was checked, to make sure SQLite opened that very file.
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
};

} // namespace desklet
