#include "submission/SmtpClientTransport.h"

#include "mail/CMailItem.h"

#include <algorithm>

namespace desklet {
namespace {

using FailureKind = CSmtpClient::FailureKind;

// What the server said, fit for a details box and a terminal line: printable, the
// lines of a multi-line reply joined by blanks, bounded however much a server sent.
constexpr std::size_t kMaxReplyInDetails = 1024;

std::string PrintableReply(const std::string& reply) {
    std::string text;
    for (const char c : reply) {
        if (text.size() >= kMaxReplyInDetails) {
            text += "...";
            break;
        }
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            text += ' ';
        } else {
            text += (u < 0x20 || u == 0x7F) ? '?' : c;
        }
    }
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The category of the client's failure. Once the end of a message went out, only
// the server's refusal says it did not arrive; anything else leaves it unknown.
Failure Classify(const CSmtpClient& client, const CMailItem* item, bool connecting) {
    const FailureKind kind = client.GetFailureKind();
    const bool refused = client.FailedOnReply() && client.GetLastReplyCode() >= 400 && client.GetLastReplyCode() < 600;
    if (item != nullptr && client.EndOfDataSent() && !refused) {
        return Failure::AnswerMissing;
    }
    if (client.IsAborted()) {
        return Failure::Cancelled;
    }
    switch (kind) {
    case FailureKind::Cancelled:
        return Failure::Cancelled;
    case FailureKind::Certificate:
        return Failure::CertificateRefused;
    case FailureKind::EncryptionUnavailable:
        return Failure::EncryptionUnavailable;
    case FailureKind::PlainTextServer:
        return Failure::PlainTextServer;
    case FailureKind::LoginRefused:
        return Failure::LoginRefused;
    case FailureKind::LoginUnavailable:
        return Failure::LoginUnavailable;
    case FailureKind::TooLarge:
        return Failure::TooLarge;
    case FailureKind::InvalidAddress:
        return Failure::BadAddress;
    case FailureKind::Temporary:
        return Failure::Temporary;
    default:
        break;
    }
    if (item != nullptr && !item->GetComposeError().empty()) {
        return Failure::DocumentUnreadable;
    }
    if (connecting) {
        switch (kind) {
        case FailureKind::NameNotFound:
            return Failure::NameNotFound;
        case FailureKind::ConnectionRefused:
            return Failure::ConnectionRefused;
        case FailureKind::Timeout:
            return Failure::Timeout;
        // A 5xx to the greeting or the hello says this server will take
        // nothing from us: trying again later would only be refused again.
        case FailureKind::Permanent:
            return Failure::TurnedAway;
        default:
            return Failure::Connect;
        }
    }
    switch (kind) {
    case FailureKind::Permanent:
        return Failure::Permanent;
    case FailureKind::Timeout:
        return Failure::Timeout;
    case FailureKind::ConnectionLost:
        return Failure::ConnectionLost;
    default:
        return Failure::Protocol;
    }
}

// What the client knows of its failure, as facts for the messages.
void Describe(Outcome& outcome, const CSmtpClient& client) {
    // A refusal's own words are its reply; "451:SMTP server error" adds nothing.
    if (!client.FailedOnReply()) {
        outcome.details = client.GetLastError();
    }
    outcome.lastReply = PrintableReply(client.GetLastReply());
    outcome.systemReason = PrintableReply(client.GetSystemReason());
    outcome.certificate = client.GetCertificateProblem();
    outcome.messageSize = client.GetMessageSize();
    outcome.sizeLimit = client.GetSizeLimit();
}

} // namespace

SmtpClientTransport::SmtpClientTransport() : m_client("", 25) {}

void SmtpClientTransport::Deliver(const std::vector<CMailItem*>& mails, const MailServer& server,
                                  SubmissionProgress& progress, Outcome& outcome) {
    outcome.mails.resize(std::max(outcome.mails.size(), mails.size()));
    outcome.server = server.name;
    outcome.port = server.port;
    if (!server.login.ApplyTo(m_client)) {
        outcome.failure = Failure::BadAddress;
        outcome.connected = false;
        outcome.details = server.login.UnknownText();
        return;
    }
    m_client.SetServer(server.name, server.port);
    m_client.SetProgressCallback([this, &progress](std::uint64_t sent, std::uint64_t total) {
        progress.BytesSent(sent, total);
        if (progress.CancelRequested()) {
            m_client.Abort();
        }
    });
    if (progress.CancelRequested()) {
        m_client.Abort();
    }
    if (!m_client.Connect()) {
        outcome.connected = false;
        outcome.failure = Classify(m_client, nullptr, true);
        Describe(outcome, m_client);
        return;
    }
    for (std::size_t i = 0; i < mails.size(); ++i) {
        progress.MailStarting(i, mails.size());
        CMailItem& mail = *mails[i];
        MailOutcome& told = outcome.mails[i];
        // The Message-ID is made with the header. Whoever records the mail needs it
        // before its end of data and with its answer: it is the one name the service
        // knows the fax by when no answer comes.
        m_client.SetEndOfDataCallback([&progress, &outcome, &mail, &told, i] {
            told.messageId = mail.GetMessageId();
            return progress.EndOfDataNext(outcome, i);
        });
        const bool accepted = m_client.SendMessage(mail);
        m_client.SetEndOfDataCallback({});
        told.messageId = mail.GetMessageId();
        told.finalReply = PrintableReply(m_client.GetEndOfDataReply());
        if (!accepted) {
            // After a refusal the session is left as it is: the job stops at the
            // first mail not accepted, so that no number is faxed twice when it is
            // sent again.
            outcome.failure = Classify(m_client, &mail, false);
            told.state =
                outcome.failure == Failure::AnswerMissing ? MailOutcome::State::Unknown : MailOutcome::State::Refused;
            Describe(outcome, m_client);
            progress.MailAnswered(outcome, i);
            (void)m_client.Disconnect();
            return;
        }
        told.state = MailOutcome::State::Accepted;
        progress.MailAnswered(outcome, i);
        // The encoded document is not needed again; a split job holds one per mail.
        std::string().swap(mail.m_strBody);
    }
    // Accepted is sent: a goodbye that fails changes nothing for the faxes.
    (void)m_client.Disconnect();
}

} // namespace desklet
