#pragma once

#include "outbox/AttemptResult.h"
#include "outbox/Clock.h"
#include "outbox/DocumentCopy.h"
#include "outbox/JobSnapshot.h"
#include "outbox/JobStates.h"
#include "phonebook/PhoneBookFailure.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace desklet {

class Database;

// Why an operation of the outbox failed. Callers decide by the kind.
struct OutboxFailure {
    enum class Kind {
        None,
        Database,   // the store failed: database says why (Busy, DiskFull, ...)
        Document,   // the document could not be read or copied: document says why
        NotFound,   // no job of that id
        WrongState, // the job is not in a state that allows it (Discard of a sent job,
                    // a try's record for a job no longer claimed by this sender)
    };
    Kind kind = Kind::None;
    PhoneBookFailure database;
    DocumentCopy::Failure document = DocumentCopy::Failure::None;
    QString detail;

    // One sentence for a message box or the terminal, in the user's language.
    QString Text() const;
};

// A job taken by one sender for one try: only this sender may try it until it
// records how the try ended (Finish) or dies.
struct ClaimedJob {
    std::int64_t id = 0;
    int attempt = 0;          // this try's number, from 1
    FaxJob job;               // its recipients are the numbers still to go
    std::string documentPath; // the outbox's own copy
    KeyValues keptSettings;
    TimePoint queuedAt{};

    // The settings to send with: the current ones, with the fax's own as they were.
    CMapStringToString SettingsForTry(const CMapStringToString& current) const {
        return JobSnapshot::SettingsForTry(keptSettings, current);
    }
};

// One line of --outbox.
struct OutboxEntry {
    std::int64_t id = 0;
    JobState state = JobState::Waiting;
    TimePoint queuedAt{};
    std::vector<std::string> numbers;
    std::string document;
    int attempts = 0;
    std::optional<TimePoint> nextAttempt;
    std::string lastError;
    // The numbers a Send Again hands over: those no mail is known to have reached;
    // an unknown job's unknown numbers among them (the person is asked first).
    std::vector<std::string> numbersLeft;
    // As in SentLogLine: where the document was, and the outbox's copy of it.
    std::string documentPath;
    std::string keptCopy;
};

// One line of --sent: one mail of a job, or the job itself when no mail was made.
struct SentLogLine {
    std::int64_t jobId = 0;
    TimePoint time{};
    std::vector<std::string> numbers;
    std::string document;
    std::string outcome; // sent, waiting, sending, failed, cancelled or unknown
    std::string messageId;
    std::string serverReply;
    // Where the job's document was when it was made, absolute; empty where that
    // was not kept (older jobs, printed documents).
    std::string documentPath;
    // The outbox's copy of the document while the job may still go; empty after.
    std::string keptCopy;
};

// Every job sent, and the jobs that may still go, in the user's database.
//
// A send records its job before the first try (Record), which also claims it;
// a try is marked mail by mail (MailStarting, EndOfDataNext, MailAnswered), each
// step committed before the step it names is taken, and ends with Finish. A
// sender killed at any moment leaves its job claimed; the next sender that looks
// (ClaimDue, Claim, RecoverAbandoned) finds the claimer dead or its lease run out
// and puts the job back: waiting where no mail may have reached its end of data,
// unknown where one may have (never sent again unless the person says so).
// A claim is one write transaction, so two senders never take the same job.
//
// One object per thread, on a Database opened on that thread.
class Outbox {
public:
    // A claim lapses this long after its last sign of life; every recorded step
    // and Renew extend it. Far longer than the SMTP client's longest wait.
    static constexpr std::chrono::milliseconds kLease = std::chrono::minutes(15);

    explicit Outbox(Database& database, const Clock& clock = SystemClock::Shared());

    // Records a new job with its own copy of the document and claims it for a try
    // now. Fails with Document (the document cannot be read or copied) and Database.
    std::optional<ClaimedJob> Record(const FaxJob& job, const std::string& documentPath,
                                     const CMapStringToString& settings);
    // Records a new job to be tried by whoever flushes the outbox, at once.
    std::optional<std::int64_t> Queue(const FaxJob& job, const std::string& documentPath,
                                      const CMapStringToString& settings);

    // Claims the waiting job due first (after putting abandoned ones back); nothing
    // when none is due, and then LastFailure is None. A job whose copy is no longer
    // the document recorded is not claimed but failed: Document with CopyChanged
    // (claim again for the next job).
    std::optional<ClaimedJob> ClaimDue();
    // Claims a waiting job now, due or not (a person's "try now"). NotFound,
    // WrongState, Document with CopyChanged as for ClaimDue.
    std::optional<ClaimedJob> Claim(std::int64_t id);

    // The steps of a try. index counts the try's mails from 0. MailStarting names
    // the mail (kept until its first mark: it commits nothing); EndOfDataNext is
    // called right before the end-of-data line goes, and has committed when it
    // returns: from then on the mail may have been faxed. MailAnswered records the
    // server's reply (or a refusal before the end of data). The marks fail with
    // WrongState when the claim is no longer ours: the sender must stop.
    [[nodiscard]] bool MailStarting(const ClaimedJob& claim, std::size_t index, const std::vector<std::string>& numbers,
                                    const std::string& messageId, const std::string& server);
    [[nodiscard]] bool EndOfDataNext(const ClaimedJob& claim, std::size_t index);
    [[nodiscard]] bool MailAnswered(const ClaimedJob& claim, std::size_t index, AttemptResult::Mail::State state,
                                    const std::string& finalReply);
    // Extends the claim (a long upload between steps).
    [[nodiscard]] bool Renew(const ClaimedJob& claim);
    // How the try ended. keepIfMayPass false makes a failure that may pass final
    // (a sender that does not queue). The job's new state, or nothing on failure.
    std::optional<JobState> Finish(const ClaimedJob& claim, const AttemptResult& result, bool keepIfMayPass = true);

    // The person's decisions. Discard takes a waiting or unknown job out of the
    // outbox (it stays in the log as cancelled) and deletes its copy; MarkSent says
    // an unknown job's unknown mails went. NotFound, WrongState.
    [[nodiscard]] bool Discard(std::int64_t id);
    [[nodiscard]] bool MarkSent(std::int64_t id);

    // Puts back the jobs whose sender is gone, and removes the copies no job names
    // that are older than kOrphanAge. The number of jobs put back, or -1.
    int RecoverAbandoned();
    static constexpr std::chrono::seconds kOrphanAge = std::chrono::hours(1);

    // The outbox: waiting, sending and unknown jobs, oldest first.
    std::vector<OutboxEntry> Pending();
    // The last `jobs` jobs, oldest first, one line per mail.
    std::vector<SentLogLine> SentLog(int jobs);
    // When the next waiting job is due, for a sender's timer.
    std::optional<TimePoint> NextAttemptAt();

    const OutboxFailure& LastFailure() const { return m_failure; }
    const DocumentCopy& Copies() const { return m_copies; }

private:
    std::optional<std::int64_t> Insert(const FaxJob& job, const std::string& documentPath,
                                       const CMapStringToString& settings, bool claim);
    std::optional<ClaimedJob> ClaimWhere(std::optional<std::int64_t> id);
    std::optional<ClaimedJob> CopyChecked(ClaimedJob claim);
    bool RecoverAbandonedLocked(int& count);
    bool Claimed(const ClaimedJob& claim);
    bool RecordMail(const ClaimedJob& claim, std::size_t index, MailState state, const std::string* reply);
    bool FailDatabase(PhoneBookFailure::Kind otherwise);
    bool Fail(OutboxFailure::Kind kind, const QString& detail = {});

    Database& m_database;
    const Clock& m_clock;
    DocumentCopy m_copies;
    long long m_pid;
    OutboxFailure m_failure;
    // The mail a try is handing over, written with its first mark.
    struct StartingMail {
        std::int64_t job = 0;
        int attempt = 0;
        std::size_t index = 0;
        std::vector<std::string> numbers;
        std::string messageId;
        std::string server;
    };
    std::optional<StartingMail> m_starting;
};

} // namespace desklet
