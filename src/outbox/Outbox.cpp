#include "outbox/Outbox.h"

#include "outbox/RetryPolicy.h"
#include "phonebook/Database.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <cerrno>
#include <map>

#include <signal.h>
#include <unistd.h>

namespace desklet {
namespace {

using Mails = std::vector<std::pair<std::vector<std::string>, MailState>>;

constexpr auto kJobSection = "job";
constexpr auto kSettingSection = "setting";

qint64 ms(TimePoint t) {
    return static_cast<qint64>(t.time_since_epoch().count());
}

TimePoint timeAt(const QVariant& value) {
    return TimePoint(std::chrono::milliseconds(value.toLongLong()));
}

std::optional<TimePoint> optionalTime(const QVariant& value) {
    if (value.isNull()) {
        return std::nullopt;
    }
    return timeAt(value);
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Text for a NOT NULL column: Qt binds a null QString as SQL NULL.
QString sqlText(const std::string& value) {
    return value.empty() ? QStringLiteral("") : QString::fromStdString(value);
}

QString numbersText(const std::vector<std::string>& numbers) {
    QJsonArray array;
    for (const std::string& number : numbers) {
        array.append(QString::fromStdString(number));
    }
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<std::string> numbersFrom(const QVariant& value) {
    std::vector<std::string> numbers;
    for (const QJsonValue number : QJsonDocument::fromJson(value.toString().toUtf8()).array()) {
        numbers.push_back(number.toString().toStdString());
    }
    return numbers;
}

// The sender's process is gone. EPERM means it lives under another user: alive.
bool processGone(long long pid) {
    return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

struct TryMail {
    int position = 0;
    MailState state = MailState::NotTried;
};

} // namespace

QString OutboxFailure::Text() const {
    switch (kind) {
    case Kind::None:
        return {};
    case Kind::Database:
        return database.Text();
    case Kind::Document:
        if (document == DocumentCopy::Failure::CopyChanged) {
            return QCoreApplication::translate(
                       "desklet::Outbox", "Fax job %1 was not sent and has failed: the outbox's copy of its document "
                                          "is damaged or gone, as after a power cut. Please send the document again.")
                .arg(detail);
        }
        if (document == DocumentCopy::Failure::CopyUnreadable) {
            return QCoreApplication::translate(
                       "desklet::Outbox",
                       "Fax job %1 waits for a later try: the outbox's copy of its document cannot be read just now.")
                .arg(detail);
        }
        return QCoreApplication::translate("desklet::Outbox", "The document could not be kept for a later try: %1")
            .arg(detail);
    case Kind::NotFound:
        return QCoreApplication::translate("desklet::Outbox", "There is no fax job %1 in the outbox.").arg(detail);
    case Kind::WrongState:
        return QCoreApplication::translate("desklet::Outbox", "Fax job %1 cannot be changed now.").arg(detail);
    }
    return {};
}

Outbox::Outbox(Database& database, const Clock& clock)
    : m_database(database), m_clock(clock), m_copies(DocumentCopy::FolderBeside(database.Path())),
      m_pid(static_cast<long long>(::getpid())) {}

bool Outbox::Fail(OutboxFailure::Kind kind, const QString& detail) {
    m_failure = {};
    m_failure.kind = kind;
    m_failure.detail = detail;
    return false;
}

bool Outbox::FailDatabase(PhoneBookFailure::Kind otherwise) {
    if (m_database.LastFailure().kind == PhoneBookFailure::Kind::None) {
        m_database.Fail(PhoneBookFailure{otherwise, m_database.Path(), 0, {}});
    }
    m_failure = {};
    m_failure.kind = OutboxFailure::Kind::Database;
    m_failure.database = m_database.LastFailure();
    return false;
}

namespace {

// A prepared statement that records its failure in the database.
class Statement {
public:
    Statement(Database& database, const QString& sql) : m_database(database), m_query(database.Connection()) {
        m_prepared = m_query.prepare(sql);
    }
    Statement& Bind(const QVariant& value) {
        m_query.addBindValue(value);
        return *this;
    }
    bool Run(PhoneBookFailure::Kind otherwise = PhoneBookFailure::Kind::WriteFailed) {
        if (!m_prepared || !m_query.exec()) {
            m_database.Fail(m_query.lastError(), otherwise);
            return false;
        }
        return true;
    }
    QSqlQuery& Query() { return m_query; }

private:
    Database& m_database;
    QSqlQuery m_query;
    bool m_prepared = false;
};

} // namespace

std::optional<std::int64_t> Outbox::Insert(const FaxJob& job, const std::string& documentPath,
                                           const CMapStringToString& settings, bool claim) {
    m_failure = {};
    QString copyName;
    DocumentFacts facts;
    // A try that starts now does not wait for its copy to reach the disk: a
    // killed sender leaves it in the page cache. Finish syncs it if the job waits.
    const auto durability = claim ? DocumentCopy::Durability::InCache : DocumentCopy::Durability::Synced;
    if (!m_copies.Take(documentPath, copyName, facts, durability)) {
        Fail(OutboxFailure::Kind::Document, m_copies.LastError());
        m_failure.document = m_copies.LastFailure();
        return std::nullopt;
    }
    FaxJob kept = job;
    // Where the person's own document lies, for the sent log to send it again; a
    // document with a name of its own is a spool file or a copy, not theirs to keep.
    QVariant originalPath;
    if (kept.documentName.empty()) {
        const QFileInfo original(QString::fromStdString(documentPath));
        // The copy's name means nothing to the service or the person.
        kept.documentName = original.fileName().toStdString();
        originalPath = original.absoluteFilePath();
    }
    const TimePoint now = m_clock.Now();
    Database::Transaction transaction(m_database);
    Statement insert(
        m_database,
        QStringLiteral("INSERT INTO fax_job (state, queued_at, changed_at, numbers, document_name, document_size, "
                       "document_sha256, "
                       "page_count, copy_name, attempts, next_attempt_at, last_error, claimer_pid, lease_until, "
                       "document_path) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?)"));
    insert.Bind(text(Name(claim ? JobState::Sending : JobState::Waiting)))
        .Bind(ms(now))
        .Bind(ms(now))
        .Bind(numbersText(job.recipients))
        .Bind(sqlText(kept.documentName))
        .Bind(static_cast<qint64>(facts.size))
        .Bind(sqlText(facts.sha256))
        .Bind(facts.pages)
        .Bind(copyName)
        .Bind(claim ? 1 : 0)
        .Bind(claim ? QVariant() : QVariant(ms(now)))
        .Bind(claim ? QVariant(m_pid) : QVariant())
        .Bind(claim ? QVariant(ms(now + kLease)) : QVariant())
        .Bind(originalPath);
    bool ok = transaction.Began() && insert.Run();
    const std::int64_t id = ok ? insert.Query().lastInsertId().toLongLong() : 0;
    auto addValues = [&](const char* section, const KeyValues& values) {
        for (const auto& [key, value] : values) {
            Statement add(
                m_database,
                QStringLiteral("INSERT INTO fax_job_value (job_id, section, key, value) VALUES (?, ?, ?, ?)"));
            if (!add.Bind(static_cast<qint64>(id))
                     .Bind(QLatin1String(section))
                     .Bind(sqlText(key))
                     .Bind(sqlText(value))
                     .Run()) {
                return false;
            }
        }
        return true;
    };
    ok = ok && addValues(kJobSection, JobSnapshot::Fields(kept)) &&
         addValues(kSettingSection, JobSnapshot::KeptSettings(settings)) && transaction.Commit();
    if (!ok) {
        m_copies.Remove(copyName);
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    return id;
}

std::optional<ClaimedJob> Outbox::Record(const FaxJob& job, const std::string& documentPath,
                                         const CMapStringToString& settings) {
    const auto id = Insert(job, documentPath, settings, true);
    if (!id) {
        return std::nullopt;
    }
    // Read back as any claim is, so that a first try and a retry see the same job.
    Statement read(m_database, QStringLiteral("SELECT queued_at, copy_name FROM fax_job WHERE id = ?"));
    if (!read.Bind(static_cast<qint64>(*id)).Run(PhoneBookFailure::Kind::ReadFailed) || !read.Query().next()) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    ClaimedJob claim;
    claim.id = *id;
    claim.attempt = 1;
    claim.job = job;
    if (claim.job.documentName.empty()) {
        claim.job.documentName = QFileInfo(QString::fromStdString(documentPath)).fileName().toStdString();
    }
    claim.documentPath = m_copies.PathOf(read.Query().value(1).toString()).toStdString();
    claim.keptSettings = JobSnapshot::KeptSettings(settings);
    claim.queuedAt = timeAt(read.Query().value(0));
    return claim;
}

std::optional<std::int64_t> Outbox::Queue(const FaxJob& job, const std::string& documentPath,
                                          const CMapStringToString& settings) {
    return Insert(job, documentPath, settings, false);
}

// A later try sends the copy only while it is the document recorded: a first
// try does not sync its copy, and a power cut may leave it short, zeroed or
// gone. Such a job fails rather than fax something else. The copy is read after
// the claim's commit, so that no other sender waits on the hash.
std::optional<ClaimedJob> Outbox::CopyChecked(ClaimedJob claim) {
    Statement read(m_database,
                   QStringLiteral("SELECT copy_name, document_size, document_sha256 FROM fax_job WHERE id = ?"));
    if (!read.Bind(static_cast<qint64>(claim.id)).Run(PhoneBookFailure::Kind::ReadFailed) || !read.Query().next()) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    const QString copyName = read.Query().value(0).toString();
    DocumentFacts recorded;
    recorded.size = static_cast<std::uint64_t>(read.Query().value(1).toLongLong());
    recorded.sha256 = read.Query().value(2).toString().toStdString();
    read.Query().finish();
    if (m_copies.Verify(copyName, recorded)) {
        return claim;
    }
    OutboxFailure failure;
    failure.kind = OutboxFailure::Kind::Document;
    failure.document = m_copies.LastFailure();
    failure.detail = QString::number(claim.id);
    const TimePoint now = m_clock.Now();
    // A copy that cannot be read just now is no reason to give the job up: it waits
    // for its next try, copy and all, while the two days last.
    const std::optional<TimePoint> next = failure.document == DocumentCopy::Failure::CopyUnreadable
                                              ? RetryPolicy::Next(claim.attempt, claim.queuedAt, now)
                                              : std::nullopt;
    if (next) {
        Database::Transaction transaction(m_database);
        Statement wait(m_database,
                       QStringLiteral("UPDATE fax_job SET state = 'waiting', next_attempt_at = ?, last_error = ?, "
                                      "claimer_pid = NULL, lease_until = NULL, changed_at = ? WHERE id = ? AND "
                                      "state = 'sending' AND claimer_pid = ? AND attempts = ?"));
        wait.Bind(ms(*next))
            .Bind(failure.Text())
            .Bind(ms(now))
            .Bind(static_cast<qint64>(claim.id))
            .Bind(m_pid)
            .Bind(claim.attempt);
        if (!transaction.Began() || !wait.Run() || !transaction.Commit()) {
            FailDatabase(PhoneBookFailure::Kind::WriteFailed);
            return std::nullopt;
        }
        m_failure = failure;
        return std::nullopt;
    }
    Database::Transaction transaction(m_database);
    Statement fail(m_database, QStringLiteral("UPDATE fax_job SET state = 'failed', next_attempt_at = NULL, "
                                              "last_error = ?, claimer_pid = NULL, lease_until = NULL, changed_at = ?, "
                                              "copy_name = NULL WHERE id = ? AND state = 'sending' AND claimer_pid = ? "
                                              "AND attempts = ?"));
    fail.Bind(failure.Text()).Bind(ms(now)).Bind(static_cast<qint64>(claim.id)).Bind(m_pid).Bind(claim.attempt);
    if (!transaction.Began() || !fail.Run() || !transaction.Commit()) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    m_copies.Remove(copyName);
    m_failure = failure;
    return std::nullopt;
}

std::optional<ClaimedJob> Outbox::ClaimDue() {
    return ClaimWhere(std::nullopt);
}

std::optional<ClaimedJob> Outbox::Claim(std::int64_t id) {
    return ClaimWhere(id);
}

namespace {

bool loadMails(Database& database, std::int64_t id, Mails& mails, std::vector<TryMail>* tryMails, int attempt) {
    Statement read(database, QStringLiteral("SELECT attempt, position, numbers, state FROM fax_mail WHERE job_id = ? "
                                            "ORDER BY attempt, position"));
    if (!read.Bind(static_cast<qint64>(id)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        return false;
    }
    QSqlQuery& q = read.Query();
    while (q.next()) {
        const MailState state = MailStateNamed(q.value(3).toString().toStdString()).value_or(MailState::Unknown);
        mails.emplace_back(numbersFrom(q.value(2)), state);
        if (tryMails != nullptr && q.value(0).toInt() == attempt) {
            tryMails->push_back({q.value(1).toInt(), state});
        }
    }
    return true;
}

} // namespace

std::optional<ClaimedJob> Outbox::ClaimWhere(std::optional<std::int64_t> wanted) {
    m_failure = {};
    const TimePoint now = m_clock.Now();
    Database::Transaction transaction(m_database);
    int recovered = 0;
    if (!transaction.Began() || !RecoverAbandonedLocked(recovered)) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    Statement find(m_database, wanted ? QStringLiteral("SELECT id, state FROM fax_job WHERE id = ?")
                                      : QStringLiteral("SELECT id, state FROM fax_job WHERE state = 'waiting' AND "
                                                       "next_attempt_at <= ? ORDER BY next_attempt_at, id LIMIT 1"));
    find.Bind(wanted ? QVariant(static_cast<qint64>(*wanted)) : QVariant(ms(now)));
    if (!find.Run(PhoneBookFailure::Kind::ReadFailed)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    if (!find.Query().next()) {
        if (wanted) {
            Fail(OutboxFailure::Kind::NotFound, QString::number(*wanted));
        } else {
            (void)transaction.Commit(); // keeps what the recovery put back
        }
        return std::nullopt;
    }
    const std::int64_t id = find.Query().value(0).toLongLong();
    if (find.Query().value(1).toString() != text(Name(JobState::Waiting))) {
        Fail(OutboxFailure::Kind::WrongState, QString::number(id));
        (void)transaction.Commit();
        return std::nullopt;
    }
    Statement take(m_database, QStringLiteral("UPDATE fax_job SET state = 'sending', attempts = attempts + 1, "
                                              "claimer_pid = ?, lease_until = ?, changed_at = ? WHERE id = ?"));
    take.Bind(m_pid).Bind(ms(now + kLease)).Bind(ms(now)).Bind(static_cast<qint64>(id));
    Statement job(m_database, QStringLiteral("SELECT attempts, queued_at, numbers, copy_name, document_name FROM "
                                             "fax_job WHERE id = ?"));
    job.Bind(static_cast<qint64>(id));
    if (!take.Run() || !job.Run(PhoneBookFailure::Kind::ReadFailed) || !job.Query().next()) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    ClaimedJob claim;
    claim.id = id;
    claim.attempt = job.Query().value(0).toInt();
    claim.queuedAt = timeAt(job.Query().value(1));
    const std::vector<std::string> numbers = numbersFrom(job.Query().value(2));
    claim.documentPath = m_copies.PathOf(job.Query().value(3).toString()).toStdString();
    const std::string documentName = job.Query().value(4).toString().toStdString();

    Mails mails;
    KeyValues fields;
    Statement values(m_database, QStringLiteral("SELECT section, key, value FROM fax_job_value WHERE job_id = ? "
                                                "ORDER BY rowid"));
    if (!loadMails(m_database, id, mails, nullptr, 0) ||
        !values.Bind(static_cast<qint64>(id)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    while (values.Query().next()) {
        auto& into = values.Query().value(0).toString() == QLatin1String(kJobSection) ? fields : claim.keptSettings;
        into.emplace_back(values.Query().value(1).toString().toStdString(),
                          values.Query().value(2).toString().toStdString());
    }
    claim.job = JobSnapshot::JobFrom(fields, UnsentNumbers(numbers, mails));
    // The copy has a made-up name: the fax goes under the one the job was recorded
    // with, whatever its kept fields say.
    claim.job.documentName = documentName;
    if (!transaction.Commit()) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    return CopyChecked(std::move(claim));
}

bool Outbox::Claimed(const ClaimedJob& claim) {
    Statement read(m_database, QStringLiteral("SELECT state, claimer_pid, attempts FROM fax_job WHERE id = ?"));
    if (!read.Bind(static_cast<qint64>(claim.id)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        return FailDatabase(PhoneBookFailure::Kind::ReadFailed);
    }
    QSqlQuery& q = read.Query();
    if (!q.next()) {
        return Fail(OutboxFailure::Kind::NotFound, QString::number(claim.id));
    }
    if (q.value(0).toString() != text(Name(JobState::Sending)) || q.value(1).toLongLong() != m_pid ||
        q.value(2).toInt() != claim.attempt) {
        return Fail(OutboxFailure::Kind::WrongState, QString::number(claim.id));
    }
    return true;
}

bool Outbox::RecordMail(const ClaimedJob& claim, std::size_t index, MailState state, const std::string* reply) {
    m_failure = {};
    const TimePoint now = m_clock.Now();
    Database::Transaction transaction(m_database);
    if (!transaction.Began()) {
        return FailDatabase(PhoneBookFailure::Kind::WriteFailed);
    }
    if (!Claimed(claim)) {
        return false;
    }
    const bool started =
        m_starting && m_starting->job == claim.id && m_starting->attempt == claim.attempt && m_starting->index == index;
    // The mail's row is written with its first mark, from what MailStarting said.
    Statement write(m_database,
                    started ? QStringLiteral("INSERT INTO fax_mail (job_id, attempt, position, numbers, message_id, "
                                             "server, state, final_reply, at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                                             "ON CONFLICT (job_id, attempt, position) DO UPDATE SET state = "
                                             "excluded.state, final_reply = excluded.final_reply, at = excluded.at")
                            : QStringLiteral("UPDATE fax_mail SET state = ?, at = ?, final_reply = CASE WHEN ? THEN ? "
                                             "ELSE final_reply END WHERE job_id = ? AND attempt = ? AND position = ?"));
    if (started) {
        write.Bind(static_cast<qint64>(claim.id))
            .Bind(claim.attempt)
            .Bind(static_cast<qint64>(index))
            .Bind(numbersText(m_starting->numbers))
            .Bind(sqlText(m_starting->messageId))
            .Bind(sqlText(m_starting->server))
            .Bind(text(Name(state)))
            .Bind(sqlText(reply != nullptr ? *reply : std::string()))
            .Bind(ms(now));
    } else {
        write.Bind(text(Name(state)))
            .Bind(ms(now))
            .Bind(reply != nullptr ? 1 : 0)
            .Bind(sqlText(reply != nullptr ? *reply : std::string()))
            .Bind(static_cast<qint64>(claim.id))
            .Bind(claim.attempt)
            .Bind(static_cast<qint64>(index));
    }
    Statement renew(m_database, QStringLiteral("UPDATE fax_job SET lease_until = ? WHERE id = ?"));
    renew.Bind(ms(now + kLease)).Bind(static_cast<qint64>(claim.id));
    if (!write.Run() || !renew.Run()) {
        return FailDatabase(PhoneBookFailure::Kind::WriteFailed);
    }
    if (write.Query().numRowsAffected() != 1) {
        return Fail(OutboxFailure::Kind::WrongState, QString::number(claim.id));
    }
    return transaction.Commit() || FailDatabase(PhoneBookFailure::Kind::WriteFailed);
}

bool Outbox::MailStarting(const ClaimedJob& claim, std::size_t index, const std::vector<std::string>& numbers,
                          const std::string& messageId, const std::string& server) {
    // Nothing is committed yet: a mail without a row had not reached its end of
    // data, which is all a recovery needs to know. One sync less per mail.
    m_failure = {};
    m_starting = StartingMail{claim.id, claim.attempt, index, numbers, messageId, server};
    return true;
}

bool Outbox::EndOfDataNext(const ClaimedJob& claim, std::size_t index) {
    return RecordMail(claim, index, MailState::DataSent, nullptr);
}

bool Outbox::MailAnswered(const ClaimedJob& claim, std::size_t index, AttemptResult::Mail::State state,
                          const std::string& finalReply) {
    return RecordMail(claim, index, MailStateAfter(state), &finalReply);
}

bool Outbox::Renew(const ClaimedJob& claim) {
    m_failure = {};
    Database::Transaction transaction(m_database);
    if (!transaction.Began()) {
        return FailDatabase(PhoneBookFailure::Kind::WriteFailed);
    }
    if (!Claimed(claim)) {
        return false;
    }
    Statement renew(m_database, QStringLiteral("UPDATE fax_job SET lease_until = ? WHERE id = ?"));
    renew.Bind(ms(m_clock.Now() + kLease)).Bind(static_cast<qint64>(claim.id));
    return (renew.Run() && transaction.Commit()) || FailDatabase(PhoneBookFailure::Kind::WriteFailed);
}

std::optional<JobState> Outbox::Finish(const ClaimedJob& claim, const AttemptResult& result, bool keepIfMayPass) {
    m_failure = {};
    const TimePoint now = m_clock.Now();
    Database::Transaction transaction(m_database);
    if (!transaction.Began()) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    if (!Claimed(claim)) {
        return std::nullopt;
    }
    Mails before;
    std::vector<TryMail> recorded;
    if (!loadMails(m_database, claim.id, before, &recorded, claim.attempt)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    std::map<int, MailState> recordedState;
    for (const TryMail& mail : recorded) {
        recordedState[mail.position] = mail.state;
    }
    // The transport's word on each mail, except that a mail whose end of data was
    // recorded as sent cannot have been "not tried": it may have gone.
    AttemptResult settled = result;
    for (std::size_t i = 0; i < settled.mails.size(); ++i) {
        AttemptResult::Mail& mail = settled.mails[i];
        const auto it = recordedState.find(static_cast<int>(i));
        if (it != recordedState.end() && it->second == MailState::DataSent &&
            mail.state == AttemptResult::Mail::State::NotTried) {
            mail.state = AttemptResult::Mail::State::Unknown;
        }
        Statement upsert(
            m_database,
            QStringLiteral(
                "INSERT INTO fax_mail (job_id, attempt, position, numbers, message_id, server, state, final_reply, at) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (job_id, attempt, position) DO UPDATE SET "
                "numbers = excluded.numbers, message_id = CASE WHEN excluded.message_id = '' THEN message_id ELSE "
                "excluded.message_id END, server = CASE WHEN excluded.server = '' THEN server ELSE excluded.server "
                "END, "
                "state = excluded.state, final_reply = CASE WHEN excluded.final_reply = '' THEN final_reply ELSE "
                "excluded.final_reply END, at = excluded.at"));
        upsert.Bind(static_cast<qint64>(claim.id))
            .Bind(claim.attempt)
            .Bind(static_cast<qint64>(i))
            .Bind(numbersText(mail.numbers))
            .Bind(sqlText(mail.messageId))
            .Bind(sqlText(result.server))
            .Bind(text(Name(MailStateAfter(mail.state))))
            .Bind(sqlText(mail.finalReply))
            .Bind(ms(now));
        if (!upsert.Run()) {
            FailDatabase(PhoneBookFailure::Kind::WriteFailed);
            return std::nullopt;
        }
    }
    // Mails recorded by the steps that the result does not name.
    for (const TryMail& mail : recorded) {
        if (static_cast<std::size_t>(mail.position) < settled.mails.size() ||
            (mail.state != MailState::DataSent && mail.state != MailState::Sending)) {
            continue;
        }
        const MailState state = mail.state == MailState::DataSent ? MailState::Unknown : MailState::Refused;
        if (state == MailState::Unknown) {
            AttemptResult::Mail unknown;
            unknown.state = AttemptResult::Mail::State::Unknown;
            settled.mails.push_back(unknown);
        }
        Statement update(m_database, QStringLiteral("UPDATE fax_mail SET state = ?, at = ? WHERE job_id = ? AND "
                                                    "attempt = ? AND position = ?"));
        if (!update.Bind(text(Name(state)))
                 .Bind(ms(now))
                 .Bind(static_cast<qint64>(claim.id))
                 .Bind(claim.attempt)
                 .Bind(mail.position)
                 .Run()) {
            FailDatabase(PhoneBookFailure::Kind::WriteFailed);
            return std::nullopt;
        }
    }
    Mails after;
    Statement numbersRead(m_database, QStringLiteral("SELECT numbers, copy_name FROM fax_job WHERE id = ?"));
    if (!loadMails(m_database, claim.id, after, nullptr, 0) ||
        !numbersRead.Bind(static_cast<qint64>(claim.id)).Run(PhoneBookFailure::Kind::ReadFailed) ||
        !numbersRead.Query().next()) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    const bool allGone = UnsentNumbers(numbersFrom(numbersRead.Query().value(0)), after).empty();
    const QString copyName = numbersRead.Query().value(1).toString();
    AfterAttempt next = DecideAfterAttempt(settled, keepIfMayPass, claim.attempt, claim.queuedAt, now);
    // A try that broke after its last mail was accepted (at QUIT) sent the job.
    if (allGone && next.state != JobState::Unknown) {
        next = {JobState::Sent, std::nullopt, false};
    }
    // The job's safety now rests on its copy, which the first try did not sync.
    // A copy that cannot be synced does not stop the try's record: the check
    // before the next try fails the job if the copy did not survive.
    if (next.keepCopy) {
        (void)m_copies.Sync(copyName);
    }
    Statement update(
        m_database,
        QStringLiteral("UPDATE fax_job SET state = ?, next_attempt_at = ?, last_error = ?, claimer_pid = NULL, "
                       "lease_until = NULL, changed_at = ?, copy_name = ? WHERE id = ?"));
    update.Bind(text(Name(next.state)))
        .Bind(next.nextAttempt ? QVariant(ms(*next.nextAttempt)) : QVariant())
        .Bind(sqlText(next.state == JobState::Sent ? std::string() : result.error))
        .Bind(ms(now))
        .Bind(next.keepCopy ? QVariant(copyName) : QVariant())
        .Bind(static_cast<qint64>(claim.id));
    if (!update.Run() || !transaction.Commit()) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return std::nullopt;
    }
    if (!next.keepCopy) {
        m_copies.Remove(copyName);
    }
    return next.state;
}

bool Outbox::Discard(std::int64_t id) {
    m_failure = {};
    Database::Transaction transaction(m_database);
    Statement read(m_database, QStringLiteral("SELECT state, copy_name FROM fax_job WHERE id = ?"));
    if (!transaction.Began() || !read.Bind(static_cast<qint64>(id)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        return FailDatabase(PhoneBookFailure::Kind::ReadFailed);
    }
    if (!read.Query().next()) {
        return Fail(OutboxFailure::Kind::NotFound, QString::number(id));
    }
    const auto state = JobStateNamed(read.Query().value(0).toString().toStdString());
    if (state != JobState::Waiting && state != JobState::Unknown) {
        return Fail(OutboxFailure::Kind::WrongState, QString::number(id));
    }
    const QString copyName = read.Query().value(1).toString();
    Statement update(m_database, QStringLiteral("UPDATE fax_job SET state = 'cancelled', next_attempt_at = NULL, "
                                                "copy_name = NULL, changed_at = ? WHERE id = ?"));
    if (!update.Bind(ms(m_clock.Now())).Bind(static_cast<qint64>(id)).Run() || !transaction.Commit()) {
        return FailDatabase(PhoneBookFailure::Kind::WriteFailed);
    }
    m_copies.Remove(copyName);
    return true;
}

namespace {

// The unknown mails of an unknown job settled by the person: the job waits for
// its numbers left, or went.
bool settleUnknown(Database& database, const Clock& clock, const DocumentCopy& copies, std::int64_t id,
                   MailState settled, bool& notFound, bool& wrongState) {
    notFound = wrongState = false;
    Statement read(database, QStringLiteral("SELECT state, numbers, copy_name FROM fax_job WHERE id = ?"));
    if (!read.Bind(static_cast<qint64>(id)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        return false;
    }
    if (!read.Query().next()) {
        notFound = true;
        return false;
    }
    if (JobStateNamed(read.Query().value(0).toString().toStdString()) != JobState::Unknown) {
        wrongState = true;
        return false;
    }
    const std::vector<std::string> numbers = numbersFrom(read.Query().value(1));
    const QString copyName = read.Query().value(2).toString();
    const TimePoint now = clock.Now();
    Statement mails(database, QStringLiteral("UPDATE fax_mail SET state = ? WHERE job_id = ? AND state IN "
                                             "('unknown', 'data-sent')"));
    if (!mails.Bind(text(Name(settled))).Bind(static_cast<qint64>(id)).Run()) {
        return false;
    }
    Mails after;
    if (!loadMails(database, id, after, nullptr, 0)) {
        return false;
    }
    const bool allGone = UnsentNumbers(numbers, after).empty();
    Statement update(database, QStringLiteral("UPDATE fax_job SET state = ?, next_attempt_at = ?, changed_at = ?, "
                                              "copy_name = ? WHERE id = ?"));
    update.Bind(text(Name(allGone ? JobState::Sent : JobState::Waiting)))
        .Bind(allGone ? QVariant() : QVariant(ms(now)))
        .Bind(ms(now))
        .Bind(allGone ? QVariant() : QVariant(copyName))
        .Bind(static_cast<qint64>(id));
    if (!update.Run()) {
        return false;
    }
    if (allGone) {
        copies.Remove(copyName);
    }
    return true;
}

} // namespace

bool Outbox::MarkSent(std::int64_t id) {
    m_failure = {};
    Database::Transaction transaction(m_database);
    bool notFound = false, wrongState = false;
    if (!transaction.Began() ||
        !settleUnknown(m_database, m_clock, m_copies, id, MailState::MarkedSent, notFound, wrongState)) {
        if (notFound || wrongState) {
            return Fail(notFound ? OutboxFailure::Kind::NotFound : OutboxFailure::Kind::WrongState,
                        QString::number(id));
        }
        return FailDatabase(PhoneBookFailure::Kind::WriteFailed);
    }
    return transaction.Commit() || FailDatabase(PhoneBookFailure::Kind::WriteFailed);
}

int Outbox::RecoverAbandoned() {
    m_failure = {};
    Database::Transaction transaction(m_database);
    int count = 0;
    if (!transaction.Began() || !RecoverAbandonedLocked(count) || !transaction.Commit()) {
        FailDatabase(PhoneBookFailure::Kind::WriteFailed);
        return -1;
    }
    Statement named(m_database, QStringLiteral("SELECT copy_name FROM fax_job WHERE copy_name IS NOT NULL"));
    if (!named.Run(PhoneBookFailure::Kind::ReadFailed)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return -1;
    }
    QStringList names;
    while (named.Query().next()) {
        names.append(named.Query().value(0).toString());
    }
    m_copies.RemoveOrphans(names, kOrphanAge);
    return count;
}

bool Outbox::RecoverAbandonedLocked(int& count) {
    const TimePoint now = m_clock.Now();
    Statement find(m_database, QStringLiteral("SELECT id, claimer_pid, lease_until, attempts, queued_at, numbers, "
                                              "copy_name FROM fax_job WHERE state = 'sending'"));
    if (!find.Run(PhoneBookFailure::Kind::ReadFailed)) {
        return false;
    }
    struct Abandoned {
        std::int64_t id;
        int attempt;
        TimePoint queuedAt;
        std::vector<std::string> numbers;
        QString copyName;
    };
    std::vector<Abandoned> abandoned;
    while (find.Query().next()) {
        QSqlQuery& q = find.Query();
        const bool leaseOver = q.value(2).isNull() || timeAt(q.value(2)) < now;
        if (!leaseOver && !processGone(q.value(1).toLongLong())) {
            continue;
        }
        abandoned.push_back({q.value(0).toLongLong(), q.value(3).toInt(), timeAt(q.value(4)), numbersFrom(q.value(5)),
                             q.value(6).toString()});
    }
    for (const Abandoned& job : abandoned) {
        Mails mails;
        std::vector<TryMail> tryMails;
        if (!loadMails(m_database, job.id, mails, &tryMails, job.attempt)) {
            return false;
        }
        std::vector<MailState> states;
        for (const TryMail& mail : tryMails) {
            states.push_back(mail.state);
        }
        // The interrupted try's mails settled first, then what is left to send.
        const std::vector<MailState> settled = RecoverInterrupted(states, true, job.queuedAt, now).mails;
        Mails after;
        std::size_t t = 0;
        for (auto& [numbers, state] : mails) {
            after.emplace_back(numbers, state);
        }
        // loadMails lists the try's mails last (ordered by attempt), in position order.
        for (std::size_t i = after.size() - tryMails.size(); i < after.size(); ++i) {
            after[i].second = settled[t++];
        }
        const Recovery recovery =
            RecoverInterrupted(states, !UnsentNumbers(job.numbers, after).empty(), job.queuedAt, now);
        for (std::size_t i = 0; i < tryMails.size(); ++i) {
            if (recovery.mails[i] == tryMails[i].state) {
                continue;
            }
            Statement update(m_database, QStringLiteral("UPDATE fax_mail SET state = ?, at = ? WHERE job_id = ? AND "
                                                        "attempt = ? AND position = ?"));
            if (!update.Bind(text(Name(recovery.mails[i])))
                     .Bind(ms(now))
                     .Bind(static_cast<qint64>(job.id))
                     .Bind(job.attempt)
                     .Bind(tryMails[i].position)
                     .Run()) {
                return false;
            }
        }
        Statement update(
            m_database,
            QStringLiteral(
                "UPDATE fax_job SET state = ?, next_attempt_at = ?, claimer_pid = NULL, lease_until = NULL, "
                "changed_at = ?, copy_name = ?, last_error = CASE WHEN ? THEN ? ELSE last_error END WHERE id = ?"));
        const bool interrupted = recovery.state != JobState::Sent;
        update.Bind(text(Name(recovery.state)))
            .Bind(recovery.nextAttempt ? QVariant(ms(*recovery.nextAttempt)) : QVariant())
            .Bind(ms(now))
            .Bind(recovery.keepCopy ? QVariant(job.copyName) : QVariant())
            .Bind(interrupted ? 1 : 0)
            .Bind(QCoreApplication::translate("desklet::Outbox", "The sending program stopped during the try."))
            .Bind(static_cast<qint64>(job.id));
        if (!update.Run()) {
            return false;
        }
        if (!recovery.keepCopy) {
            // Removed before the commit: a copy of a job that went is worth nothing,
            // and a rollback leaves the job Sending for the next recovery to find.
            m_copies.Remove(job.copyName);
        }
        ++count;
    }
    return true;
}

std::vector<OutboxEntry> Outbox::Pending() {
    m_failure = {};
    std::vector<OutboxEntry> entries;
    Statement read(
        m_database,
        QStringLiteral("SELECT id, state, queued_at, numbers, document_name, attempts, next_attempt_at, last_error, "
                       "document_path, copy_name FROM fax_job WHERE state IN ('waiting', 'sending', 'unknown') "
                       "ORDER BY queued_at, id"));
    if (!read.Run(PhoneBookFailure::Kind::ReadFailed)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return entries;
    }
    for (QSqlQuery& q = read.Query(); q.next();) {
        OutboxEntry entry;
        entry.id = q.value(0).toLongLong();
        entry.state = JobStateNamed(q.value(1).toString().toStdString()).value_or(JobState::Unknown);
        entry.queuedAt = timeAt(q.value(2));
        entry.numbers = numbersFrom(q.value(3));
        entry.document = q.value(4).toString().toStdString();
        entry.attempts = q.value(5).toInt();
        entry.nextAttempt = optionalTime(q.value(6));
        entry.lastError = q.value(7).toString().toStdString();
        entry.documentPath = q.value(8).toString().toStdString();
        if (!q.value(9).isNull()) {
            entry.keptCopy = m_copies.PathOf(q.value(9).toString()).toStdString();
        }
        entries.push_back(std::move(entry));
    }
    for (OutboxEntry& entry : entries) {
        Mails mails;
        if (!loadMails(m_database, entry.id, mails, nullptr, 0)) {
            FailDatabase(PhoneBookFailure::Kind::ReadFailed);
            return {};
        }
        if (entry.state == JobState::Unknown) {
            // Sent again only on the person's word: the numbers that may have gone go with the rest.
            for (auto& mail : mails) {
                if (mail.second == MailState::Unknown || mail.second == MailState::DataSent) {
                    mail.second = MailState::SendAgain;
                }
            }
        }
        entry.numbersLeft = UnsentNumbers(entry.numbers, mails);
    }
    return entries;
}

std::vector<SentLogLine> Outbox::SentLog(int jobs) {
    m_failure = {};
    std::vector<SentLogLine> lines;
    Statement read(
        m_database,
        QStringLiteral(
            "SELECT j.id, j.state, j.changed_at, j.numbers, j.document_name, j.attempts, m.attempt, m.numbers, "
            "m.message_id, m.final_reply, m.state, m.at, j.document_path, j.copy_name FROM (SELECT * FROM fax_job "
            "ORDER BY id DESC LIMIT ?) AS j "
            "LEFT JOIN fax_mail AS m ON m.job_id = j.id ORDER BY j.id, m.attempt, m.position"));
    if (!read.Bind(std::max(jobs, 0)).Run(PhoneBookFailure::Kind::ReadFailed)) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return lines;
    }
    for (QSqlQuery& q = read.Query(); q.next();) {
        SentLogLine line;
        line.jobId = q.value(0).toLongLong();
        const JobState jobState = JobStateNamed(q.value(1).toString().toStdString()).value_or(JobState::Unknown);
        line.document = q.value(4).toString().toStdString();
        line.documentPath = q.value(12).toString().toStdString();
        if (!q.value(13).isNull()) {
            line.keptCopy = m_copies.PathOf(q.value(13).toString()).toStdString();
        }
        if (q.value(6).isNull()) {
            line.time = timeAt(q.value(2));
            line.numbers = numbersFrom(q.value(3));
            line.outcome = std::string(Name(jobState));
            lines.push_back(std::move(line));
            continue;
        }
        line.time = timeAt(q.value(11));
        line.numbers = numbersFrom(q.value(7));
        line.messageId = q.value(8).toString().toStdString();
        line.serverReply = q.value(9).toString().toStdString();
        const MailState state = MailStateNamed(q.value(10).toString().toStdString()).value_or(MailState::Unknown);
        const bool lastTry = q.value(6).toInt() == q.value(5).toInt();
        switch (state) {
        case MailState::Accepted:
        case MailState::MarkedSent:
            line.outcome = "sent";
            break;
        case MailState::DataSent:
        case MailState::Unknown:
        case MailState::SendAgain:
            line.outcome = "unknown";
            break;
        default:
            // A mail that did not go is where its job stands, or failed if a later try took over.
            line.outcome = lastTry && jobState != JobState::Sent && jobState != JobState::Unknown
                               ? std::string(Name(jobState))
                               : "failed";
            break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::optional<TimePoint> Outbox::NextAttemptAt() {
    m_failure = {};
    Statement read(m_database, QStringLiteral("SELECT MIN(next_attempt_at) FROM fax_job WHERE state = 'waiting'"));
    if (!read.Run(PhoneBookFailure::Kind::ReadFailed) || !read.Query().next()) {
        FailDatabase(PhoneBookFailure::Kind::ReadFailed);
        return std::nullopt;
    }
    return optionalTime(read.Query().value(0));
}

} // namespace desklet
