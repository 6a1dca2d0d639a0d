#include "phonebook/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

constexpr auto kDriver = "QSQLITE";
constexpr mode_t kFolderMode = S_IRWXU;
constexpr mode_t kFileMode = S_IRUSR | S_IWUSR;
// The files SQLite keeps beside the database while it writes: the write-ahead log,
// its shared index and the rollback journal of the mode before WAL.
constexpr const char* kCompanionSuffixes[] = {"-wal", "-shm", "-journal"};
// SQLite's primary result codes (sqlite3.h), the low byte of an extended code.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteFull = 13;
// More parent folders than any real data path has: a guard, not a rule.
constexpr int kMaxMissingFolders = 64;

QString errnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

PhoneBookFailure failure(PhoneBookFailure::Kind kind, const QString& subject, const QString& detail = {}) {
    return PhoneBookFailure{kind, subject, 0, detail};
}

QString nextConnectionName() {
    static std::atomic<unsigned long long> counter{0};
    return QStringLiteral("desklet-database-%1").arg(counter.fetch_add(1) + 1);
}

} // namespace

Database::Database() = default;

Database::~Database() {
    Close();
}

QString Database::DefaultPath() {
    // Built from the same organisation and program names as the settings file
    // rather than from AppDataLocation, which follows whatever names the running
    // executable gave QCoreApplication (none: its file name), so that the print
    // backend, the terminal and a renamed binary all find the same phone book.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quillmark/Desklet/desklet.sqlite");
}

bool Database::Open(const QString& path) {
    return Open(path, Migrations());
}

bool Database::Open(const QString& path, std::span<const Migration> migrations) {
    Close();
    m_failure = {};
    m_path = path;
    if (!QSqlDatabase::isDriverAvailable(QLatin1String(kDriver))) {
        return Fail(failure(PhoneBookFailure::Kind::NoSqlDriver, path));
    }
    if (!PrepareFile(path)) {
        return false;
    }
    m_connectionName = nextConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QLatin1String(kDriver), m_connectionName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!db.open()) {
        const PhoneBookFailure why = failure(PhoneBookFailure::Kind::CannotOpen, path, db.lastError().text());
        db = QSqlDatabase();
        Close();
        return Fail(why);
    }
    // SQLite opened the path anew: it must still be the file checked above, not a
    // link or another file put there in between.
    struct stat st {};
    const QByteArray pathBytes = QFile::encodeName(path);
    if (::lstat(pathBytes.constData(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<unsigned long long>(st.st_dev) != m_device ||
        static_cast<unsigned long long>(st.st_ino) != m_inode) {
        db = QSqlDatabase();
        Close();
        return Fail(failure(PhoneBookFailure::Kind::LinkInsteadOfFile, path));
    }
    db = QSqlDatabase();
    // FULL syncs the log at every commit: a committed contact survives a power cut.
    // The journal mode stays what SQLite could set (a file system without shared
    // memory keeps the rollback journal, which is as safe, only slower to read).
    if (!Execute(QStringLiteral("PRAGMA foreign_keys = ON"), PhoneBookFailure::Kind::CannotOpen) ||
        !Execute(QStringLiteral("PRAGMA journal_mode = WAL"), PhoneBookFailure::Kind::CannotOpen) ||
        !Execute(QStringLiteral("PRAGMA synchronous = FULL"), PhoneBookFailure::Kind::CannotOpen) ||
        !Migrate(migrations)) {
        const PhoneBookFailure why = m_failure;
        Close();
        m_failure = why;
        return false;
    }
    return true;
}

void Database::Close() {
    if (m_connectionName.isEmpty()) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(m_connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

QSqlDatabase Database::Connection() const {
    return QSqlDatabase::database(m_connectionName, false);
}

int Database::SchemaVersion() const {
    QSqlQuery query(Connection());
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return -1;
    }
    return query.value(0).toInt();
}

bool Database::Fail(const QSqlError& error, PhoneBookFailure::Kind otherwise) {
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    PhoneBookFailure::Kind kind = otherwise;
    if (code == kSqliteFull) {
        kind = PhoneBookFailure::Kind::DiskFull;
    } else if (code == kSqliteBusy || code == kSqliteLocked) {
        kind = PhoneBookFailure::Kind::Busy;
    }
    return Fail(failure(kind, m_path, error.text()));
}

bool Database::Fail(PhoneBookFailure why) {
    m_failure = std::move(why);
    return false;
}

bool Database::Execute(const QString& statement, PhoneBookFailure::Kind otherwise) {
    QSqlQuery query(Connection());
    if (!query.exec(statement)) {
        return Fail(query.lastError(), otherwise);
    }
    return true;
}

// Makes the folder private and the file a private regular file of ours before
// SQLite sees the path. The folder may be reached through a link (a data folder
// on another disk); the file and its journal may not, as SQLite would follow one
// out of the private folder.
bool Database::PrepareFile(const QString& path) {
    using Kind = PhoneBookFailure::Kind;
    const QString folder = QFileInfo(path).absolutePath();
    QStringList missing;
    for (QString at = folder; !QFileInfo::exists(at) && missing.size() < kMaxMissingFolders;
         at = QFileInfo(at).absolutePath()) {
        missing.prepend(at);
        if (QDir(at).isRoot()) {
            break;
        }
    }
    for (const QString& dir : missing) {
        if (::mkdir(QFile::encodeName(dir).constData(), kFolderMode) != 0 && errno != EEXIST) {
            return Fail(failure(Kind::CannotCreateFolder, dir, errnoText()));
        }
    }
    const QByteArray folderBytes = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(folderBytes.constData(), &st) != 0) {
        return Fail(failure(Kind::CannotCreateFolder, folder, errnoText()));
    }
    if (!S_ISDIR(st.st_mode)) {
        return Fail(failure(Kind::CannotCreateFolder, folder));
    }
    if (st.st_uid != ::geteuid()) {
        return Fail(failure(Kind::FolderNotPrivate, folder));
    }
    if ((st.st_mode & 07777) != kFolderMode && ::chmod(folderBytes.constData(), kFolderMode) != 0) {
        return Fail(failure(Kind::FolderNotPrivate, folder, errnoText()));
    }

    for (const char* suffix : kCompanionSuffixes) {
        const QString companion = path + QLatin1String(suffix);
        const QByteArray bytes = QFile::encodeName(companion);
        if (::lstat(bytes.constData(), &st) != 0) {
            continue;
        }
        if (S_ISLNK(st.st_mode)) {
            return Fail(failure(Kind::LinkInsteadOfFile, companion));
        }
        if (!S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
            return Fail(failure(Kind::NotOwnFile, companion));
        }
        if ((st.st_mode & 07777) != kFileMode && ::chmod(bytes.constData(), kFileMode) != 0) {
            return Fail(failure(Kind::NotOwnFile, companion, errnoText()));
        }
    }

    const QByteArray pathBytes = QFile::encodeName(path);
    // O_NONBLOCK: a planted FIFO must not hang the program here.
    const int fd = ::open(pathBytes.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        if (errno == ELOOP) {
            return Fail(failure(Kind::LinkInsteadOfFile, path));
        }
        // A folder or a device under the name: not a file of ours.
        return Fail(
            failure(errno == EISDIR || errno == ENXIO ? Kind::NotOwnFile : Kind::CannotOpen, path, errnoText()));
    }
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
    if (ok && (st.st_mode & 07777) != kFileMode) {
        ok = ::fchmod(fd, kFileMode) == 0;
    }
    ::close(fd);
    if (!ok) {
        return Fail(failure(Kind::NotOwnFile, path));
    }
    m_device = static_cast<unsigned long long>(st.st_dev);
    m_inode = static_cast<unsigned long long>(st.st_ino);
    return true;
}

bool Database::Migrate(std::span<const Migration> migrations) {
    using Kind = PhoneBookFailure::Kind;
    const int known = static_cast<int>(migrations.size());
    // Up to date, the usual case: no write lock, so that a second connection opens
    // at once while the first is in the middle of an import.
    const int current = SchemaVersion();
    if (current == known) {
        return true;
    }
    if (current > known) {
        return Fail(failure(Kind::NewerSchema, m_path));
    }
    // One step per round, the count read inside the step's transaction, so that
    // two programs that open an old file at once run each step once.
    for (int round = 0; round <= known; ++round) {
        Transaction transaction(*this);
        if (!transaction.Began()) {
            return false;
        }
        const int version = SchemaVersion();
        if (version < 0) {
            return Fail(failure(Kind::CannotOpen, m_path));
        }
        if (version > known) {
            return Fail(failure(Kind::NewerSchema, m_path));
        }
        if (version == known) {
            return true;
        }
        const Migration& step = migrations[static_cast<std::size_t>(version)];
        QStringList statements;
        for (const std::string_view statement : step.statements) {
            statements.append(QString::fromUtf8(statement.data(), static_cast<qsizetype>(statement.size())));
        }
        statements.append(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        for (const QString& statement : statements) {
            QSqlQuery query(Connection());
            if (!query.exec(statement)) {
                const QSqlError error = query.lastError();
                Fail(error, Kind::MigrationFailed);
                m_failure.detail = QString::fromUtf8(step.purpose.data(), static_cast<qsizetype>(step.purpose.size())) +
                                   QLatin1String(": ") + error.text();
                return false;
            }
        }
        if (!transaction.Commit()) {
            return false;
        }
    }
    return true;
}

Database::Transaction::Transaction(Database& database) : m_database(database) {
    QSqlQuery query(m_database.Connection());
    m_began = query.exec(QStringLiteral("BEGIN IMMEDIATE"));
    if (!m_began) {
        m_database.Fail(query.lastError(), PhoneBookFailure::Kind::WriteFailed);
    }
}

Database::Transaction::~Transaction() {
    if (m_began && !m_done) {
        QSqlQuery query(m_database.Connection());
        (void)query.exec(QStringLiteral("ROLLBACK"));
    }
}

bool Database::Transaction::Commit() {
    if (!m_began || m_done) {
        return false;
    }
    QSqlQuery query(m_database.Connection());
    if (!query.exec(QStringLiteral("COMMIT"))) {
        // A commit that failed (a full disk) may leave the transaction open; the
        // destructor's rollback then takes back every change.
        return m_database.Fail(query.lastError(), PhoneBookFailure::Kind::WriteFailed);
    }
    m_done = true;
    return true;
}

} // namespace desklet
