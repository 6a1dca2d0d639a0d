#include "cli/OutboxCommands.h"

#include "notify/Notifier.h"
#include "outbox/FromOutcome.h"
#include "outbox/MarkingProgress.h"
#include "outbox/OutboxFormat.h"
#include "phonebook/Database.h"
#include "submission/ExitStatus.h"
#include "submission/OutcomeText.h"
#include "submission/SmtpClientTransport.h"

#include <ostream>
#include <string>
#include <vector>

namespace desklet {
namespace {

// A line of the error stream, no control character of a server's reply or a
// file name let through.
void Say(std::ostream& err, const std::string& text) {
    std::string line;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        line += (u < 0x20 || u == 0x7F) ? ' ' : c;
    }
    err << TerminalMode::kPrefix << line << '\n';
    err.flush();
}

void Say(std::ostream& err, const QString& text) {
    Say(err, text.toStdString());
}

int Fail(const TerminalMode::Streams& streams, const OutboxFailure& failure) {
    Say(streams.err, failure.Text());
    return OutboxCommands::StatusFor(failure);
}

int UsageError(const TerminalMode::Streams& streams, const QString& why) {
    Say(streams.err, why);
    streams.err << OutboxCommands::tr("Try 'desklet --help' for more information.").toStdString() << '\n';
    return ExitStatus::kUsage;
}

// A count or an id as the command line gives it: decimal digits alone, at least 1.
std::optional<std::int64_t> PositiveNumber(const std::string& text) {
    if (text.empty() || text.size() > 15) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value > 0 ? std::optional<std::int64_t>(value) : std::nullopt;
}

bool Open(Database& database, const TerminalMode::Streams& streams, int& status) {
    if (database.Open(Database::DefaultPath())) {
        return true;
    }
    OutboxFailure failure;
    failure.kind = OutboxFailure::Kind::Database;
    failure.database = database.LastFailure();
    status = Fail(streams, failure);
    return false;
}

int List(Outbox& outbox, const TerminalMode::Streams& streams) {
    if (outbox.RecoverAbandoned() < 0) {
        return Fail(streams, outbox.LastFailure());
    }
    const std::vector<OutboxEntry> entries = outbox.Pending();
    if (outbox.LastFailure().kind != OutboxFailure::Kind::None) {
        return Fail(streams, outbox.LastFailure());
    }
    for (const OutboxEntry& entry : entries) {
        streams.out << OutboxFormat::OutboxLine(entry) << '\n';
    }
    streams.out.flush();
    return ExitStatus::kOk;
}

int Sent(Outbox& outbox, const std::vector<std::string>& operands, const TerminalMode::Streams& streams) {
    int count = OutboxFormat::kDefaultSentJobs;
    if (!operands.empty()) {
        const auto given = PositiveNumber(operands.front());
        if (operands.size() > 1 || !given || *given > 1000000) {
            return UsageError(streams, OutboxCommands::tr("--sent takes one count of jobs, a whole number from 1"));
        }
        count = static_cast<int>(*given);
    }
    const std::vector<SentLogLine> lines = outbox.SentLog(count);
    if (outbox.LastFailure().kind != OutboxFailure::Kind::None) {
        return Fail(streams, outbox.LastFailure());
    }
    for (const SentLogLine& line : lines) {
        streams.out << OutboxFormat::SentLine(line) << '\n';
    }
    streams.out.flush();
    return ExitStatus::kOk;
}

int Discard(Outbox& outbox, const std::vector<std::string>& operands, const TerminalMode::Streams& streams) {
    const auto id = operands.size() == 1 ? PositiveNumber(operands.front()) : std::nullopt;
    if (!id) {
        return UsageError(streams, OutboxCommands::tr("--discard takes the id of one job, as --outbox lists it"));
    }
    if (!outbox.Discard(*id)) {
        return Fail(streams, outbox.LastFailure());
    }
    Say(streams.err, OutboxCommands::tr("fax job %1 discarded").arg(*id));
    return ExitStatus::kOk;
}

} // namespace

int OutboxCommands::StatusFor(const OutboxFailure& failure) {
    switch (failure.kind) {
    case OutboxFailure::Kind::NotFound:
    case OutboxFailure::Kind::WrongState:
        return ExitStatus::kDataError;
    case OutboxFailure::Kind::Document:
        return ExitStatus::kNoInput;
    case OutboxFailure::Kind::Database:
        return failure.database.kind == PhoneBookFailure::Kind::Busy ? ExitStatus::kTempFail : kIoError;
    case OutboxFailure::Kind::None:
        break;
    }
    return ExitStatus::kSoftware;
}

std::optional<JobState> OutboxCommands::Try(Outbox& outbox, const ClaimedJob& claim, const CMapStringToString& settings,
                                            SmtpTransport& transport, SubmissionProgress& progress, bool keepIfMayPass,
                                            Outcome& outcome) {
    MarkingProgress marking(outbox, claim, progress);
    outcome = FaxSubmission::Submit(claim.job, claim.documentPath, claim.SettingsForTry(settings), transport, marking);
    return outbox.Finish(claim, FromOutcome(outcome), keepIfMayPass);
}

int OutboxCommands::Run(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams) {
    const std::vector<std::string> operands(
        parsed.arguments.empty() ? parsed.arguments.end() : parsed.arguments.begin() + 1, parsed.arguments.end());
    if (parsed.mode == RunMode::Outbox && !operands.empty()) {
        return UsageError(streams, tr("--outbox takes no argument"));
    }
    Database database;
    int status = ExitStatus::kOk;
    if (!Open(database, streams, status)) {
        return status;
    }
    Outbox outbox(database);
    switch (parsed.mode) {
    case RunMode::Outbox:
        return List(outbox, streams);
    case RunMode::Sent:
        return Sent(outbox, operands, streams);
    case RunMode::Discard:
        return Discard(outbox, operands, streams);
    default:
        break;
    }
    return ExitStatus::kSoftware;
}

int OutboxCommands::Flush(const CMapStringToString& settings, Jobs jobs, const TerminalMode::Streams& streams) {
    Database database;
    int status = ExitStatus::kOk;
    if (!Open(database, streams, status)) {
        return status;
    }
    Outbox outbox(database);
    // Without a notification service the notices go nowhere: the log has them.
    Notifier notifier;
    Notices notices;
    notices.sent = [&notifier](const ClaimedJob& claim) {
        (void)notifier.FaxSent(claim.job.recipients, claim.job.documentName);
    };
    notices.failed = [&notifier](const ClaimedJob& claim, const std::string& reason) {
        (void)notifier.FaxFailed(claim.job.recipients, claim.job.documentName, reason);
    };
    return Flush(
        outbox, SystemClock::Shared(), jobs, settings, [] { return std::make_unique<SmtpClientTransport>(); }, streams,
        notices);
}

int OutboxCommands::Flush(Outbox& outbox, const Clock& clock, Jobs jobs, const CMapStringToString& settings,
                          const NewTransport& newTransport, const TerminalMode::Streams& streams,
                          const Notices& notices) {
    if (outbox.RecoverAbandoned() < 0) {
        return Fail(streams, outbox.LastFailure());
    }
    // The jobs waiting when the run began, each tried once: one that fails again
    // waits for a later flush, so the run ends however the server answers.
    std::vector<std::int64_t> waiting;
    for (const OutboxEntry& entry : outbox.Pending()) {
        if (entry.state == JobState::Waiting) {
            waiting.push_back(entry.id);
        }
    }
    if (outbox.LastFailure().kind != OutboxFailure::Kind::None) {
        return Fail(streams, outbox.LastFailure());
    }
    // A job tried and kept is due again a minute later at the soonest, so the due
    // ones are those due by the run's start; the count bounds the run even so.
    const TimePoint started = clock.Now();
    const auto next = [&]() -> std::optional<ClaimedJob> {
        if (jobs == Jobs::Due) {
            const std::optional<TimePoint> due = outbox.NextAttemptAt();
            return due && *due <= started ? outbox.ClaimDue() : std::nullopt;
        }
        while (!waiting.empty()) {
            const std::int64_t id = waiting.front();
            waiting.erase(waiting.begin());
            if (std::optional<ClaimedJob> claim = outbox.Claim(id)) {
                return claim;
            }
            // Another sender took it, or it was discarded meanwhile; a job whose
            // copy is damaged failed unsent, and the run says so.
            if (outbox.LastFailure().kind == OutboxFailure::Kind::Database ||
                outbox.LastFailure().kind == OutboxFailure::Kind::Document) {
                return std::nullopt;
            }
        }
        return std::nullopt;
    };
    for (std::size_t round = 0, rounds = waiting.size(); round < rounds; ++round) {
        const std::optional<ClaimedJob> claim = next();
        if (!claim) {
            if (outbox.LastFailure().kind == OutboxFailure::Kind::Database) {
                return Fail(streams, outbox.LastFailure());
            }
            if (outbox.LastFailure().kind == OutboxFailure::Kind::Document) {
                Say(streams.err, outbox.LastFailure().Text()); // the job failed unsent
                continue;
            }
            break;
        }
        const std::int64_t id = claim->id;
        const std::unique_ptr<SmtpTransport> transport = newTransport();
        SubmissionProgress quiet;
        Outcome outcome;
        const std::optional<JobState> state = Try(outbox, *claim, settings, *transport, quiet, true, outcome);
        if (!state) {
            return Fail(streams, outbox.LastFailure());
        }
        const std::string reason = OutcomeText::For(outcome).text;
        switch (*state) {
        case JobState::Sent:
            Say(streams.err, tr("fax job %1 sent").arg(id));
            if (notices.sent) {
                notices.sent(*claim);
            }
            break;
        case JobState::Waiting:
            Say(streams.err, tr("fax job %1 kept in the outbox: %2").arg(id).arg(QString::fromStdString(reason)));
            break;
        case JobState::Unknown:
            Say(streams.err, tr("fax job %1 kept as unknown: %2").arg(id).arg(QString::fromStdString(reason)));
            break;
        default:
            Say(streams.err, tr("fax job %1 failed: %2").arg(id).arg(QString::fromStdString(reason)));
            if (*state == JobState::Failed && notices.failed) {
                notices.failed(*claim, reason);
            }
            break;
        }
    }
    bool left = false;
    for (const OutboxEntry& entry : outbox.Pending()) {
        left = left || entry.state == JobState::Waiting;
    }
    if (outbox.LastFailure().kind != OutboxFailure::Kind::None) {
        return Fail(streams, outbox.LastFailure());
    }
    return left ? ExitStatus::kTempFail : ExitStatus::kOk;
}

} // namespace desklet
