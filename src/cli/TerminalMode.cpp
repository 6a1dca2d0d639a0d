#include "cli/TerminalMode.h"

#include "cli/ContactCommands.h"

#include "DeskletConfig.h"
#include "cli/Mbox.h"
#include "cli/OutboxCommands.h"
#include "cli/PasswordFile.h"
#include "commandline/CommandLine.h"
#include "fax/JobOptions.h"
#include "mail/CMailItem.h"
#include "phonebook/Database.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "submission/ExitStatus.h"
#include "submission/FaxSubmission.h"
#include "submission/OutcomeText.h"
#include "submission/SmtpClientTransport.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>

namespace desklet {
namespace {

constexpr const char* kUsage =
    QT_TRANSLATE_NOOP("TerminalMode", R"(Usage: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
       desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
               [--password-file FILE] [--queue]
       desklet --outbox | --flush-outbox [--due] [--password-file FILE]
       desklet --discard ID | --sent [N]
       desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
       desklet --print-jobs
       desklet --import-contacts FILE...
       desklet --export-contacts FILE
       desklet --contacts [TEXT]
       desklet --help | --version

Without an option the fax dialog opens, filled in from the keys.
  --send           send the fax without a window; messages go to standard error;
                   every fax sent is kept in the sent log
  --queue          with --send: a failure that may pass (no server, a refusal
                   for now) keeps the fax in the outbox, to go with
                   --flush-outbox or the session helper's next try, and the
                   run ends with 0
  --outbox         list the faxes waiting in the outbox and those whose fate
                   is unknown: id<TAB>state<TAB>queued<TAB>numbers<TAB>document
                   <TAB>attempts<TAB>next attempt<TAB>last error
  --flush-outbox   try every waiting fax now; ends with 0 when none is left
                   waiting, 75 when some are
  --due            with --flush-outbox: try only the faxes whose next try is
                   due, so that the others keep their time
  --discard ID     take a waiting or unknown fax out of the outbox
  --sent [N]       print the faxes of the last N jobs (20 without N), a mail a
                   line: time<TAB>numbers<TAB>document<TAB>outcome<TAB>
                   Message-ID<TAB>server reply
  --print-message  write the fax mail to standard output and send nothing;
                   a fax that goes as several mails is written as an mbox
  --print-jobs     open the fax dialog for each printed document waiting
  --import-contacts FILE...
                   add the contacts and groups of vCard or CSV files to the
                   phone book; the counts go to standard error
  --export-contacts FILE
                   write every contact and group to FILE as vCard 4.0
  --contacts [TEXT]
                   print the contacts and groups whose name, company or number
                   holds TEXT, one fax number a line:
                   name<TAB>company<TAB>number<TAB>label
  --help           show this text
  --version        show the version
  --password-file FILE
                   with --send or --flush-outbox: the first line of FILE is
                   the mail server's password; only its owner may read FILE
                   (- reads standard input); it is used for this run, before
                   the stored one

Keys (a dash, the key, then the value: the next argument, whole):
  -file DOCUMENT       the document to fax
  -fax LIST            fax numbers, separated by commas
  -to NAMES            phone book contacts or groups, separated by commas
  -font regular|bold   the fax page font
  -resolution low|high
  -cover yes|no        attach a cover page
  -comment TEXT        -from TEXT        -attention TEXT
Any setting can be given the same way (-logon, -smtp, -smtp_port, ...), for
the settings not stored: a stored value wins, and --send names each key it
overrides. Every user of this computer can read a command line, so give the
password with --password-file rather than -smtp_password.

Settings live in $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
run desklet once with a window to set up the account.

Exit status:
   0 sent (or printed); with --queue also kept in the outbox for a later try
  64 the command line is wrong: no -fax or -file, an unknown value or option,
     --password-file without a file or without --send or --flush-outbox,
     --queue without --send, --due without --flush-outbox
  65 a fax number breaks the number rules; a -to name is unknown or names
     several contacts; a contact file is neither vCard nor CSV; --discard names
     no job of the outbox
  66 the document or a contact file is missing or unreadable
  69 the server could not be reached, refused the fax for good (5xx), does not
     offer the encryption asked for, or takes no message this large; or there
     is no display for the window (desklet, desklet --print-jobs)
  75 the server refused the fax for now (4xx), or its answer to the message
     never came (the fax is kept in the outbox as unknown); try again later;
     with --flush-outbox: faxes are still waiting
  76 the server's replies made no sense, or it closed the connection mid-session
  77 the server refused the login or its certificate
  73 the exported file cannot be written
  74 the phone book, the outbox or the sent log cannot be opened, read or
     written
  78 no account is set up: start desklet once with a window; or the mail
     server settings cannot be used (a login without encryption, an unknown
     smtp_security); or the password file cannot be used (missing, readable by
     others, a symbolic link, no password on its first line)
)");

std::string Text(const QString& text) {
    return text.toStdString();
}

// A message and its details as lines of the error stream. The details' own line
// breaks become "; " so that they stay on one line, and no control character of a
// file name or a server's reply reaches the terminal.
void Say(std::ostream& err, const std::string& text, const std::string& details = {}) {
    auto printable = [](const std::string& line) {
        std::string out;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(line[i]);
            if (c == '\n') {
                // A paragraph break is one separator too; after a full stop a blank is one.
                const bool more = i + 1 < line.size() && line[i + 1] != '\n';
                out += more ? (!out.empty() && out.back() == '.' ? " " : "; ") : "";
            } else {
                out += (c < 0x20 || c == 0x7F) ? '?' : line[i];
            }
        }
        return out;
    };
    err << TerminalMode::kPrefix << printable(text) << '\n';
    if (!details.empty()) {
        err << TerminalMode::kPrefix << printable(details) << '\n';
    }
    err.flush();
}

// A translated text whose %1 takes the bytes of a user's value as they are: a
// command line need not be UTF-8, and nothing in it is read as a format.
std::string WithValue(const QString& text, const std::string& value) {
    std::string line = Text(text);
    const std::size_t at = line.find("%1");
    if (at != std::string::npos) {
        line.replace(at, 2, value);
    }
    return line;
}

int UsageError(const TerminalMode::Streams& streams, const std::string& why) {
    Say(streams.err, why);
    streams.err << Text(TerminalMode::tr("Try 'desklet --help' for more information.")) << '\n';
    return ExitStatus::kUsage;
}

// The "\r" line of the send's progress; only on a terminal, where it can be redrawn.
class ProgressLine : public SubmissionProgress {
public:
    ProgressLine(std::ostream& err, bool enabled) : m_err(err), m_enabled(enabled) {}
    ~ProgressLine() override { End(); }

    // Ends the line, so that what follows starts on its own.
    void End() {
        if (m_drawn) {
            m_err << '\n';
            m_err.flush();
            m_drawn = false;
        }
    }

    void MailStarting(std::size_t index, std::size_t count) override {
        m_mail = index;
        m_mails = count;
    }
    void BytesSent(std::uint64_t sent, std::uint64_t total) override {
        if (!m_enabled) {
            return;
        }
        const std::uint64_t ofMail = total == 0 ? 0 : std::min<std::uint64_t>(100, sent * 100 / total);
        const int percent = static_cast<int>((m_mail * 100 + ofMail) / std::max<std::size_t>(1, m_mails));
        if (percent == m_percent) {
            return;
        }
        m_percent = percent;
        m_drawn = true;
        m_err << '\r' << TerminalMode::kPrefix << Text(TerminalMode::tr("sending fax... %1%").arg(percent));
        m_err.flush();
    }

private:
    std::ostream& m_err;
    bool m_enabled;
    std::size_t m_mails = 1;
    std::size_t m_mail = 0;
    int m_percent = -1;
    bool m_drawn = false;
};

std::string RefusalText(const LongOptions::Parsed& parsed) {
    using Refusal = LongOptions::Refusal;
    const QString option = QString::fromStdString(parsed.refusedOption);
    switch (parsed.refusal) {
    case Refusal::None:
        break;
    case Refusal::UnknownOption:
        return Text(TerminalMode::tr("unknown option %1").arg(option));
    case Refusal::TwoModes:
        return Text(TerminalMode::tr("%1 and %2 cannot be given together")
                        .arg(QString::fromStdString(parsed.otherOption), option));
    case Refusal::PasswordFileWithoutName:
        return Text(TerminalMode::tr("%1 needs a file name, or - for standard input").arg(option));
    case Refusal::PasswordFileWithoutSend:
        return Text(TerminalMode::tr("%1 goes with --send or --flush-outbox").arg(option));
    case Refusal::QueueWithoutSend:
        return Text(TerminalMode::tr("%1 goes with --send").arg(option));
    case Refusal::DueWithoutFlush:
        return Text(TerminalMode::tr("%1 goes with --flush-outbox").arg(option));
    }
    return {};
}

// What to do where the dialog would open the account settings.
std::string AccountHint() {
    return Text(TerminalMode::tr("start desklet once with a window to set up the account, or store logon and "
                                 "password in the [Config] section of %1")
                    .arg(SettingsStore::FilePath()));
}

std::string PasswordFileText(const std::string& path, const PasswordFile::Result& read) {
    using Problem = PasswordFile::Problem;
    const QString name = path == PasswordFile::kStandardInput
                             ? TerminalMode::tr("standard input")
                             : TerminalMode::tr("the password file %1").arg(QString::fromStdString(path));
    // One pass of arg() for both places: a file name may hold "%2" itself.
    QString detail;
    QString text;
    switch (read.problem) {
    case Problem::None:
        break;
    case Problem::Missing:
        text = TerminalMode::tr("%1 does not exist");
        break;
    case Problem::Unreadable:
        text = TerminalMode::tr("%1 cannot be read: %2");
        detail = QString::fromLocal8Bit(std::strerror(read.errorNumber));
        break;
    case Problem::Symlink:
        text = TerminalMode::tr("%1 is a symbolic link; give the file it names");
        break;
    case Problem::NotAFile:
        text = TerminalMode::tr("%1 is not a regular file");
        break;
    case Problem::OpenToOthers:
        text = TerminalMode::tr("%1 can be read or written by others; make it private (chmod 600)");
        break;
    case Problem::Empty:
        text = TerminalMode::tr("%1 holds no password on its first line");
        break;
    case Problem::TooLong:
        text = TerminalMode::tr("%1 has no line break within its first %2 bytes");
        detail = QString::number(PasswordFile::kMaxBytes);
        break;
    case Problem::HoldsNul:
        text = TerminalMode::tr("%1 holds a zero byte");
        break;
    }
    return Text(detail.isNull() ? text.arg(name) : text.arg(name, detail));
}

// Writes the composed mails to standard output instead of sending them: one as it
// would go on the wire, several as an mbox, so that a mail reader finds each of them.
class PrintTransport : public SmtpTransport {
public:
    explicit PrintTransport(const TerminalMode::Streams& streams) : m_streams(streams) {}

    void Deliver(const std::vector<CMailItem*>& mails, const MailServer&, SubmissionProgress&,
                 Outcome& outcome) override {
        outcome.mails.resize(std::max(outcome.mails.size(), mails.size()));
        const bool several = mails.size() > 1;
        const std::time_t now = std::time(nullptr);
        for (std::size_t i = 0; i < mails.size(); ++i) {
            CMailItem& mail = *mails[i];
            // One mail streams as it goes on the wire; an mbox entry needs its lines
            // rewritten, so each mail of a split job is composed whole first.
            const bool written = several ? mail.ComposeMessage() : mail.WriteMessage(m_streams.out);
            if (!written) {
                outcome.failure = Failure::DocumentUnreadable;
                outcome.details = mail.GetComposeError();
                outcome.mails[i].state = MailOutcome::State::Refused;
                return;
            }
            if (several) {
                m_streams.out << Mbox::FromLine(mail.m_strSender, now)
                              << Mbox::Entry(mail.m_strHeader + mail.m_strBody);
                std::string().swap(mail.m_strBody);
            }
            outcome.mails[i].state = MailOutcome::State::Accepted;
        }
        m_streams.out.flush();
        if (several) {
            Say(m_streams.err,
                Text(TerminalMode::tr("%n fax mails, one for each share of the numbers, written as an mbox", nullptr,
                                      static_cast<int>(mails.size()))));
        }
    }

private:
    const TerminalMode::Streams& m_streams;
};

// A send recorded in the sent log: the job is recorded (and its document copied)
// before the try and finished after it; with --queue a failure that may pass leaves
// it waiting in the outbox. A job the outbox cannot take still goes when it need not
// be kept, unrecorded, and the person is told. False with the status to end with.
bool SendRecorded(const LongOptions::Parsed& parsed, const FaxJob& job, const std::string& document,
                  const CMapStringToString& settings, const TerminalMode::Streams& streams, SmtpTransport& transport,
                  SubmissionProgress& progress, Outcome& outcome, std::optional<JobState>& kept, int& status) {
    Database database;
    std::optional<Outbox> outbox;
    std::optional<ClaimedJob> claim;
    OutboxFailure failure;
    if (database.Open(Database::DefaultPath())) {
        outbox.emplace(database);
        claim = outbox->Record(job, document, settings);
        failure = outbox->LastFailure();
    } else {
        failure.kind = OutboxFailure::Kind::Database;
        failure.database = database.LastFailure();
    }
    if (!claim) {
        // A document that cannot be read is the submission's to tell, in its words.
        if (failure.kind != OutboxFailure::Kind::Document) {
            Say(streams.err, Text(failure.Text()));
            if (parsed.queue) {
                status = OutboxCommands::StatusFor(failure);
                return false;
            }
            Say(streams.err, Text(TerminalMode::tr("the fax is sent without a record in the sent log")));
        }
        outcome = FaxSubmission::Submit(job, document, settings, transport, progress);
        return true;
    }
    kept = OutboxCommands::Try(*outbox, *claim, settings, transport, progress, parsed.queue, outcome);
    if (!kept) {
        Say(streams.err, Text(outbox->LastFailure().Text()));
    }
    return true;
}

// The settings of a run that sends: the stored values over the command line's
// keys, and the password handed over for this run over both. False with the status
// to end with when there is no account or the password file cannot be used.
bool CurrentSettings(const LongOptions::Parsed& parsed, const CMapStringToString& given,
                     const TerminalMode::Streams& streams, CMapStringToString& settings, int& status) {
    const std::string passwordKey(SettingName(SettingKey::SmtpPassword));
    std::optional<std::string> password;
    if (parsed.passwordFile) {
        PasswordFile::Result read = PasswordFile::Read(*parsed.passwordFile);
        if (read.problem != PasswordFile::Problem::None) {
            Say(streams.err, PasswordFileText(*parsed.passwordFile, read));
            status = ExitStatus::kConfig;
            return false;
        }
        password = std::move(read.password);
    } else if (std::string unused; given.Lookup(passwordKey, unused)) {
        Say(streams.err, Text(TerminalMode::tr("every user of this computer can read the password given with "
                                               "-smtp_password; give it with --password-file instead")));
    }

    // As the dialog does: the stored values over the command line's, and with no
    // store the account has never been set up. A key given on the command line
    // that a stored value overrides is named, so that nobody believes it was used.
    SettingsStore store;
    CMapStringToString stored{10};
    if (!store.Load(stored)) {
        Outcome noAccount;
        noAccount.failure = Failure::NoAccount;
        Say(streams.err, OutcomeText::For(noAccount).text, store.GetLastError());
        Say(streams.err, AccountHint());
        status = ExitStatus::kConfig;
        return false;
    }
    settings = given;
    for (const std::string_view name : kPersistedNames) {
        const std::string key(name);
        std::string storedValue;
        std::string givenValue;
        if (!stored.Lookup(key, storedValue)) {
            continue;
        }
        if (given.Lookup(key, givenValue) && givenValue != storedValue) {
            // A setting saved from the window is stored even when it is empty.
            const QString text = storedValue.empty()
                                     ? TerminalMode::tr("-%1 is not used: the stored value of %1, which is empty, is")
                                     : TerminalMode::tr("-%1 is not used: the stored value of %1 is");
            Say(streams.err, Text(text.arg(QString::fromStdString(key))));
        }
        settings.SetAt(key, storedValue);
    }
    // The password handed over for this run is the newest word.
    if (password) {
        settings.SetAt(passwordKey, *password);
    }

    return true;
}

int SendOrPrint(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams) {
    CMapStringToString given{10};
    ReadArguments(parsed.arguments, given);

    const std::string list = given.LookupOrEmpty(std::string(SettingName(SettingKey::Fax)));
    const std::string names = SettingValue(given, SettingKey::To);
    const std::string document = given.LookupOrEmpty(std::string(SettingName(SettingKey::File)));
    if (list.empty() && names.empty()) {
        return UsageError(streams,
                          Text(TerminalMode::tr("no fax number: give -fax NUMBER[,NUMBER...] or -to NAME[,NAME...]")));
    }
    if (document.empty()) {
        return UsageError(streams, Text(TerminalMode::tr("no document: give -file DOCUMENT")));
    }
    FaxJob job;
    std::string error;
    if (!JobOptions::Read(given, job, error)) {
        return UsageError(streams, error);
    }
    job.recipients = JobOptions::Recipients(list);
    // The names' numbers join the typed ones; the number rules check them all.
    if (int status = 0;
        !names.empty() && !ContactCommands::AddNamedRecipients(names, job.recipients, streams, status)) {
        return status;
    }
    if (job.recipients.empty()) {
        return UsageError(streams, WithValue(TerminalMode::tr("no fax number in -fax \"%1\""), list));
    }

    CMapStringToString settings;
    if (int status = 0; !CurrentSettings(parsed, given, streams, settings, status)) {
        return status;
    }

    ProgressLine progress(streams.err, streams.errIsTerminal);
    SmtpClientTransport smtp;
    PrintTransport print(streams);
    SmtpTransport& transport = parsed.mode == RunMode::PrintMessage ? static_cast<SmtpTransport&>(print) : smtp;
    Outcome outcome;
    std::optional<JobState> kept;
    if (parsed.mode == RunMode::Send) {
        int status = ExitStatus::kOk;
        if (!SendRecorded(parsed, job, document, settings, streams, smtp, progress, outcome, kept, status)) {
            return status;
        }
    } else {
        outcome = FaxSubmission::Submit(job, document, settings, transport, progress);
    }
    progress.End();
    if (outcome.PartlySent()) {
        std::string list;
        for (const std::string& number : outcome.UnsentNumbers()) {
            list += (list.empty() ? "" : ",") + number;
        }
        Say(streams.err, Text(TerminalMode::tr("not sent to: %1").arg(QString::fromStdString(list))));
    }
    const OutcomeText said = OutcomeText::For(outcome);
    if (kept == JobState::Waiting && parsed.queue) {
        // The job is safe, as a mail queue that takes a message is: the run succeeded.
        Say(streams.err, Text(TerminalMode::tr("kept in the outbox: %1").arg(QString::fromStdString(said.text))),
            said.details);
        return ExitStatus::kOk;
    }
    if (kept == JobState::Unknown) {
        Say(streams.err,
            Text(TerminalMode::tr("kept in the outbox as unknown: %1; desklet --outbox lists it, desklet --discard "
                                  "takes it out")
                     .arg(QString::fromStdString(said.text))),
            said.details);
        return ExitStatus::kTempFail;
    }
    if (!said.text.empty()) {
        Say(streams.err, said.captionNamesSubject ? said.caption + ": " + said.text : said.text, said.details);
    }
    // Where the dialog would open the account settings, the run ends after saying
    // how to set the account up.
    if (outcome.failure == Failure::NoAccount) {
        Say(streams.err, AccountHint());
    }
    return ExitStatus::For(outcome);
}

int Flush(const LongOptions::Parsed& parsed, const TerminalMode::Streams& streams) {
    if (parsed.arguments.size() > 1) {
        return UsageError(streams, Text(TerminalMode::tr("--flush-outbox takes no argument")));
    }
    CMapStringToString settings;
    if (int status = 0; !CurrentSettings(parsed, CMapStringToString{10}, streams, settings, status)) {
        return status;
    }
    return OutboxCommands::Flush(settings, parsed.due ? OutboxCommands::Jobs::Due : OutboxCommands::Jobs::Waiting,
                                 streams);
}

} // namespace

std::string TerminalMode::UsageText() {
    return Text(tr(kUsage));
}

int TerminalMode::Run(const LongOptions::Parsed& parsed, const Streams& streams) {
    if (!parsed.ok) {
        return UsageError(streams, RefusalText(parsed));
    }
    switch (parsed.mode) {
    case RunMode::Help:
        streams.out << UsageText();
        streams.out.flush();
        return ExitStatus::kOk;
    case RunMode::Version:
        streams.out << "desklet " << config::Version << '\n';
        streams.out.flush();
        return ExitStatus::kOk;
    case RunMode::Send:
    case RunMode::PrintMessage:
        return SendOrPrint(parsed, streams);
    case RunMode::ImportContacts:
    case RunMode::ExportContacts:
    case RunMode::Contacts:
        return ContactCommands::Run(parsed, streams,
                                    parsed.mode == RunMode::Contacts ? ContactCommands::CompanyDirectory(streams)
                                                                     : ContactCommands::DirectoryLookup{});
    case RunMode::Outbox:
    case RunMode::Discard:
    case RunMode::Sent:
        return OutboxCommands::Run(parsed, streams);
    case RunMode::FlushOutbox:
        return Flush(parsed, streams);
    case RunMode::Window:
    case RunMode::PrintJobs:
        break;
    }
    return UsageError(streams, Text(TerminalMode::tr("this mode needs a window")));
}

} // namespace desklet
