#include "cli/TerminalMode.h"

#include "DeskletConfig.h"
#include "app/core/CommandLine.h"
#include "app/core/ExitStatus.h"
#include "app/core/FaxNumberRules.h"
#include "app/core/JobOptions.h"
#include "app/core/SendOperation.h"
#include "mail/CMailItem.h"
#include "settings/CSettingsStore.h"
#include "settings/MailServerLogin.h"
#include "settings/SettingsKeys.h"
#include "smtp/CSmtpClient.h"

#include <algorithm>
#include <cstdint>
#include <ostream>

namespace desklet {
namespace {

constexpr const char* kUsage = R"(Usage: desklet [-file DOCUMENT] [-fax NUMBER[,NUMBER...]] [KEY VALUE...]
       desklet --send -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
       desklet --print-message -file DOCUMENT -fax NUMBER[,NUMBER...] [KEY VALUE...]
       desklet --print-jobs
       desklet --help | --version

Without an option the fax dialog opens, filled in from the keys.
  --send           send the fax without a window; messages go to standard error
  --print-message  write the fax mail to standard output and send nothing
  --print-jobs     open the fax dialog for each printed document waiting
  --help           show this text
  --version        show the version

Keys (a dash, the key, a blank, the value):
  -file DOCUMENT       the document to fax
  -fax LIST            fax numbers, separated by commas
  -font regular|bold   the fax page font
  -resolution low|high
  -cover yes|no        attach a cover page
  -comment TEXT        -from TEXT        -attention TEXT
Any setting can be given the same way (-logon, -smtp, -smtp_port, ...); the
stored settings win over the command line.

Settings live in $XDG_CONFIG_HOME/Quillmark/Desklet.conf (~/.config/Quillmark/Desklet.conf);
run desklet once with a window to set up the account.

Exit status of --send and --print-message:
   0 sent (or printed)
  64 the command line is wrong: no -fax or -file, an unknown value or option
  65 a fax number breaks the number rules
  66 the document is missing or unreadable
  69 the server could not be reached, or refused the fax for good (5xx)
  75 the server refused the fax for now (4xx); try again later
  76 the server's replies made no sense, or it closed the connection
  77 the server refused the login or its certificate
  78 no account is set up
)";

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

int UsageError(const TerminalMode::Streams& streams, const std::string& why) {
    Say(streams.err, why);
    streams.err << "Try 'desklet --help' for more information.\n";
    return ExitStatus::kUsage;
}

// The "\r" line of the send's progress; only on a terminal, where it can be redrawn.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool enabled, std::size_t mails) : m_err(err), m_enabled(enabled), m_mails(mails) {}
    ~ProgressLine() {
        if (m_drawn) {
            m_err << '\n';
            m_err.flush();
        }
    }

    void Mail(std::size_t index) { m_mail = index; }
    void Bytes(std::uint64_t sent, std::uint64_t total) {
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
        m_err << '\r' << TerminalMode::kPrefix << "sending fax... " << percent << '%';
        m_err.flush();
    }

private:
    std::ostream& m_err;
    bool m_enabled;
    std::size_t m_mails;
    std::size_t m_mail = 0;
    int m_percent = -1;
    bool m_drawn = false;
};

int SendOrPrint(RunMode mode, const std::vector<std::string>& arguments, const TerminalMode::Streams& streams) {
    CMapStringToString settings{10};
    ReadCommandLine(BuildCommandLine(arguments), settings);

    const std::string list = settings.LookupOrEmpty(std::string(SettingsKeys::Fax));
    const std::string document = settings.LookupOrEmpty(std::string(SettingsKeys::File));
    if (list.empty()) {
        return UsageError(streams, "no fax number: give -fax NUMBER[,NUMBER...]");
    }
    if (document.empty()) {
        return UsageError(streams, "no document: give -file DOCUMENT");
    }
    FaxJob job;
    std::string error;
    if (!JobOptions::Read(settings, job, error)) {
        return UsageError(streams, error);
    }
    job.recipients = JobOptions::Recipients(list);
    if (job.recipients.empty()) {
        return UsageError(streams, "no fax number in -fax \"" + list + "\"");
    }

    // As the dialog does: the stored values over the command line's, and with no
    // store the account has never been set up.
    CSettingsStore store;
    if (!store.Load(settings)) {
        Say(streams.err, SendOperation::kCheckPasswordText, store.GetLastError());
        return ExitStatus::kConfig;
    }

    SendOperation::Ui ui;
    ui.hide = [] {};
    ui.show = [] {};
    ui.message = [&streams](const std::string& text, const std::string& caption, SendOperation::Icon,
                            const std::string& details) {
        // A number rule's caption names the entry; the other captions add nothing.
        const bool namesEntry = caption.rfind(FaxNumberRules::SendCaption(""), 0) == 0;
        Say(streams.err, namesEntry ? caption + ": " + text : text, details);
    };
    // Where the dialog would open the settings sheet, the run ends with its status.
    ui.runAccountSettings = [] {};
    ui.keepRecipients = [&streams](const std::vector<std::string>& remaining) {
        std::string line = "not sent to: ";
        for (std::size_t i = 0; i < remaining.size(); ++i) {
            line += (i > 0 ? "," : "") + remaining[i];
        }
        Say(streams.err, line);
    };

    SendOperation::Transfer transfer;
    if (mode == RunMode::PrintMessage) {
        transfer = [&streams](const std::vector<CMailItem*>& mails, const std::string&, unsigned) {
            SendOperation::TransferResult result;
            for (CMailItem* mail : mails) {
                if (!mail->ComposeMessage()) {
                    result.failure = SendOperation::Failure::DocumentUnreadable;
                    result.details = mail->GetComposeError();
                    return result;
                }
                streams.out << mail->m_strHeader << mail->m_strBody;
                ++result.mailsSent;
            }
            streams.out.flush();
            return result;
        };
    } else {
        transfer = [&streams, &settings](const std::vector<CMailItem*>& mails, const std::string& server,
                                         unsigned port) {
            CSmtpClient client("", 25);
            CPasswordVault vault;
            const MailServerLogin login = MailServerLogin::Read(settings, vault);
            if (!login.ApplyTo(client)) {
                return SendOperation::SettingRefused(server, port, login.UnknownText());
            }
            ProgressLine progress(streams.err, streams.errIsTerminal, mails.size());
            client.SetProgressCallback(
                [&progress](std::uint64_t sent, std::uint64_t total) { progress.Bytes(sent, total); });
            return SendOperation::TransferOverSmtp(client, mails, server, port,
                                                   [&progress](std::size_t index) { progress.Mail(index); });
        };
    }
    const SendOperation::Config config{std::string(config::GatewayDomain), std::string(config::SenderTag)};
    return ExitStatus::For(SendOperation::Run(job, document, settings, config, ui, transfer));
}

} // namespace

std::string TerminalMode::UsageText() {
    return kUsage;
}

int TerminalMode::Run(const LongOptions::Parsed& parsed, const Streams& streams) {
    if (!parsed.ok) {
        return UsageError(streams, parsed.error);
    }
    switch (parsed.mode) {
    case RunMode::Help:
        streams.out << kUsage;
        streams.out.flush();
        return ExitStatus::kOk;
    case RunMode::Version:
        streams.out << "desklet " << config::Version << '\n';
        streams.out.flush();
        return ExitStatus::kOk;
    case RunMode::Send:
    case RunMode::PrintMessage:
        return SendOrPrint(parsed.mode, parsed.arguments, streams);
    case RunMode::Window:
    case RunMode::PrintJobs:
        break;
    }
    return UsageError(streams, "this mode needs a window");
}

} // namespace desklet
