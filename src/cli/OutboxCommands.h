#pragma once

#include "cli/TerminalMode.h"
#include "framework/core/CMapStringToString.h"
#include "outbox/Outbox.h"
#include "submission/FaxSubmission.h"

#include <QCoreApplication>

#include <functional>
#include <memory>
#include <optional>

namespace desklet {

// The outbox from the terminal: --outbox, --flush-outbox, --discard ID and
// --sent [N], and the try of one claimed job that --send and --flush-outbox share.
// Lists go to standard output, one tab-separated line a job or mail; messages to
// the error stream as TerminalMode's do.
class OutboxCommands {
public:
    static constexpr int kIoError = 74; // EX_IOERR: the database cannot be opened, read or written

    // --outbox, --discard and --sent; the id or the count is the argument after
    // the program's path.
    static int Run(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams);

    // Which jobs a flush tries.
    enum class Jobs {
        Waiting, // every waiting job, due or not: the person's flush, the network back
        Due,     // only those whose next try is due: the timed retries keep their backoff
    };
    // --flush-outbox [--due]: tries the jobs now with the current settings, each
    // once. 0 when no job is left waiting, 75 when some are.
    static int Flush(const CMapStringToString& settings, Jobs jobs, const TerminalMode::Streams& streams);
    // The same on an outbox and its clock, with a new transport from newTransport
    // for each try.
    using NewTransport = std::function<std::unique_ptr<SmtpTransport>()>;
    // Who hears that a kept fax went or failed for good: the desktop, in a real
    // run, since a flush mostly runs with nobody at a terminal.
    struct Notices {
        std::function<void(const ClaimedJob&)> sent;
        std::function<void(const ClaimedJob&, const std::string& reason)> failed;
    };
    static int Flush(Outbox& outbox, const Clock& clock, Jobs jobs, const CMapStringToString& settings,
                     const NewTransport& newTransport, const TerminalMode::Streams& streams,
                     const Notices& notices = {});

    // One try of a claimed job: sends it with its kept settings over the current
    // ones, marking each mail in the outbox as it goes, and records how it ended.
    // The job's new state, or nothing when the outbox could not record it (its
    // LastFailure says why).
    static std::optional<JobState> Try(Outbox& outbox, const ClaimedJob& claim, const CMapStringToString& settings,
                                       SmtpTransport& transport, SubmissionProgress& progress, bool keepIfMayPass,
                                       Outcome& outcome);

    // The exit status for a failure of the outbox.
    static int StatusFor(const OutboxFailure& failure);

    Q_DECLARE_TR_FUNCTIONS(OutboxCommands)
};

} // namespace desklet
