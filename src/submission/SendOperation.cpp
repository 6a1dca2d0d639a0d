#include "submission/SendOperation.h"

#include "fax/FaxCommand.h"
#include "fax/FaxNumberRules.h"
#include "mail/CMimeMailItem.h"
#include "mail/HeaderFolding.h"
#include "smtp/CSmtpClient.h"
#include "text/Ascii.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

// The document travels as the mail's one part, base64-encoded; the codes are the
// ones the part encoders are registered under.
constexpr int kAttachmentEncoding = 4;

} // namespace

unsigned SendOperation::ParsePort(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && ascii::IsSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && ascii::IsDigit(text[i]); ++i) {
        // Past the int range atoi's result is undefined; holding at the limit keeps
        // such a port out of range, so the connect fails as it should.
        if (value < INT_MAX) {
            value = value * 10 + (text[i] - '0');
        }
    }
    if (value > INT_MAX) {
        value = INT_MAX;
    }
    const int result = static_cast<int>(negative ? -value : value);
    return static_cast<unsigned>(result);
}

std::string SendOperation::ResolveDocument(const std::string& path, std::string* why) {
    std::string reason;
    std::string resolved;
    if (path.empty()) {
        reason = "No file is named.";
    } else if (path.find('\0') != std::string::npos) {
        reason = "The file's name holds a NUL byte.";
    } else {
        std::error_code error;
        const std::filesystem::path absolute = std::filesystem::absolute(path, error);
        const int fd = error ? -1 : ::open(absolute.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (error) {
            reason = path + ": " + error.message();
        } else if (fd < 0) {
            reason = absolute.string() + ": " + std::strerror(errno);
        } else {
            struct stat info {};
            const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
            ::close(fd);
            // Not normalised: folding ".." by text would step back past a symbolic
            // link to another folder than the one the file was found in.
            if (regular) {
                resolved = absolute.string();
            } else {
                reason = absolute.string() + ": not a regular file";
            }
        }
    }
    if (why != nullptr) {
        *why = reason;
    }
    return resolved;
}

namespace {

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

using FailureKind = CSmtpClient::FailureKind;

// The category of the client's failure. A failure while connecting is the
// connection's unless the server asked us to come back later.
SendOperation::Failure Classify(const CSmtpClient& client, const CMailItem* item, bool connecting) {
    using Failure = SendOperation::Failure;
    if (client.IsAborted()) {
        return Failure::Cancelled;
    }
    switch (client.GetFailureKind()) {
    case FailureKind::Cancelled:
        return Failure::Cancelled;
    case FailureKind::Certificate:
        return Failure::CertificateRefused;
    case FailureKind::EncryptionUnavailable:
    case FailureKind::PlainTextServer:
        return Failure::EncryptionUnavailable;
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
        return Failure::Connect;
    }
    switch (client.GetFailureKind()) {
    case FailureKind::Permanent:
        return Failure::Permanent;
    case FailureKind::Timeout:
        // The end-of-data reply that never came may still come: the server may
        // have the message, so this is no refusal, and never a success.
        return Failure::Temporary;
    default:
        return Failure::Protocol;
    }
}

// What the client knows of its failure, as facts for the messages.
void Describe(SendOperation::TransferResult& result, const CSmtpClient& client, const std::string& server,
              unsigned port) {
    result.server = server;
    result.port = port;
    result.kind = client.GetFailureKind();
    // A refusal's own words are its reply; "451:SMTP server error" adds nothing.
    if (!client.FailedOnReply()) {
        result.details = client.GetLastError();
    }
    result.reply = PrintableReply(client.GetLastReply());
    result.reason = PrintableReply(client.GetSystemReason());
    result.certificate = client.GetCertificateProblem();
    result.messageSize = client.GetMessageSize();
    result.sizeLimit = client.GetSizeLimit();
}

std::string Translated(const SendOperation::Ui& ui, const char* text) {
    return ui.translate ? ui.translate(text) : std::string(text);
}

// Fills %1 to %9 in one pass, so that a value holding "%2" stays as it is.
std::string Format(const std::string& text, std::initializer_list<std::string> values) {
    const std::vector<std::string> filled(values);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < filled.size()) {
                out += filled[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string Format(const SendOperation::Ui& ui, const char* text, std::initializer_list<std::string> values) {
    return Format(Translated(ui, text), values);
}

bool EndsASentence(const std::string& text) {
    return !text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == '?');
}

// The box's details: each line a sentence for a person, and no line without content.
std::string DetailsText(const SendOperation::TransferResult& result, const SendOperation::Ui& ui) {
    std::vector<std::string> lines;
    if (!result.server.empty()) {
        lines.push_back(Format(ui, SendOperation::kDetailsServerFormat, {result.server, std::to_string(result.port)}));
        if (result.port == 0 || result.port > 65535) {
            lines.push_back(Translated(ui, SendOperation::kDetailsPortRange));
        }
    }
    if (!result.details.empty()) {
        lines.push_back(EndsASentence(result.details) ? result.details : result.details + ".");
    }
    if (!result.reply.empty()) {
        lines.push_back(Format(ui, SendOperation::kDetailsReplyFormat, {result.reply}));
    }
    if (!result.reason.empty()) {
        lines.push_back(Format(ui, SendOperation::kDetailsReasonFormat, {result.reason}));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

// The box's text for a transfer that failed: the category's, made finer where the
// client knows more.
std::string FailureText(const SendOperation::TransferResult& result, const SendOperation::Ui& ui) {
    using Failure = SendOperation::Failure;
    switch (result.failure) {
    case Failure::CertificateRefused: {
        const char* reason = SendOperation::kCertificateOther;
        switch (result.certificate) {
        case CSmtpClient::CertificateProblem::Expired:
            reason = SendOperation::kCertificateExpired;
            break;
        case CSmtpClient::CertificateProblem::NameMismatch:
            reason = SendOperation::kCertificateNameMismatch;
            break;
        case CSmtpClient::CertificateProblem::Untrusted:
            reason = SendOperation::kCertificateUntrusted;
            break;
        default:
            break;
        }
        return Format(ui, SendOperation::kCertificateFormat, {Translated(ui, reason), result.server});
    }
    case Failure::EncryptionUnavailable:
        if (result.kind == FailureKind::PlainTextServer) {
            return Format(ui, SendOperation::kPlainTextPortFormat, {std::to_string(result.port)});
        }
        return Translated(ui, SendOperation::kEncryptionUnavailableText);
    case Failure::LoginRefused:
        return Translated(ui, SendOperation::kLoginRefusedText);
    case Failure::LoginUnavailable:
        return Translated(ui, SendOperation::kLoginUnavailableText);
    case Failure::TooLarge:
        return Format(ui, SendOperation::kTooLargeFormat,
                      {std::to_string(result.messageSize), std::to_string(result.sizeLimit)});
    case Failure::Temporary:
        // A reply that did not come is no refusal: the message may have arrived.
        if (result.kind != FailureKind::Timeout) {
            return Translated(ui, SendOperation::kTemporaryText);
        }
        break;
    case Failure::Connect:
        switch (result.kind) {
        case FailureKind::NameNotFound:
            return Format(ui, SendOperation::kNameNotFoundFormat, {result.server});
        case FailureKind::ConnectionRefused:
            return Format(ui, SendOperation::kConnectionRefusedFormat, {result.server, std::to_string(result.port)});
        case FailureKind::Timeout:
            return Format(ui, SendOperation::kNoAnswerFormat, {result.server});
        default:
            break;
        }
        break;
    default:
        break;
    }
    return Translated(ui, result.connected ? SendOperation::kSendFailedText : SendOperation::kConnectFailedText);
}

// "Subject: " and the command: the header line the limit applies to.
std::string SubjectLine(const FaxJob& job, const CMapStringToString& settings, const SendOperation::Config& config) {
    return "Subject: " + FaxCommand::Compose(job, settings, config.gatewayDomain, config.senderTag).command;
}

} // namespace

std::vector<std::vector<std::string>>
SendOperation::GroupRecipients(const FaxJob& job, const CMapStringToString& settings, const Config& config) {
    if (job.recipients.empty() || HeaderFolding::Fits(SubjectLine(job, settings, config))) {
        return {job.recipients};
    }
    std::vector<std::vector<std::string>> groups;
    FaxJob part = job;
    part.recipients.clear();
    for (const std::string& number : job.recipients) {
        part.recipients.push_back(number);
        if (part.recipients.size() > 1 && !HeaderFolding::Fits(SubjectLine(part, settings, config))) {
            part.recipients.pop_back();
            groups.push_back(part.recipients);
            part.recipients.assign(1, number);
        }
        if (part.recipients.size() == 1 && !HeaderFolding::Fits(SubjectLine(part, settings, config))) {
            // Not even one number fits: the rest of the command is too long, and
            // splitting the numbers would only send more mails that do not fit.
            return {job.recipients};
        }
    }
    groups.push_back(part.recipients);
    return groups;
}

SendOperation::TransferResult SendOperation::SettingRefused(const std::string& server, unsigned port,
                                                            const std::string& why) {
    TransferResult result;
    // Like an address the settings made unusable: the settings are at fault, and
    // nothing was offered to the server.
    result.failure = Failure::BadAddress;
    result.connected = false;
    result.server = server;
    result.port = port;
    result.details = why;
    return result;
}

SendOperation::TransferResult SendOperation::TransferOverSmtp(const std::vector<CMailItem*>& mails,
                                                              const std::string& server, unsigned port) {
    CSmtpClient client("", 25);
    return TransferOverSmtp(client, mails, server, port);
}

SendOperation::TransferResult SendOperation::TransferOverSmtp(CSmtpClient& client, const std::vector<CMailItem*>& mails,
                                                              const std::string& server, unsigned port,
                                                              const std::function<void(std::size_t)>& onMail) {
    TransferResult result;
    client.SetServer(server, port);
    if (!client.Connect()) {
        result.connected = false;
        result.failure = Classify(client, nullptr, true);
        Describe(result, client, server, port);
        return result;
    }
    for (std::size_t i = 0; i < mails.size(); ++i) {
        if (onMail) {
            onMail(i);
        }
        CMailItem& mail = *mails[i];
        // After a refusal the session is left as it is: the job stops at the first
        // mail not accepted, so that no number is faxed twice when it is sent again.
        if (!client.SendMessage(mail)) {
            result.failure = Classify(client, &mail, false);
            Describe(result, client, server, port);
            (void)client.Disconnect();
            return result;
        }
        ++result.mailsSent;
        // The encoded document is not needed again; a split job holds one per mail.
        std::string().swap(mail.m_strBody);
    }
    // Accepted is sent: a goodbye that fails changes nothing for the faxes.
    (void)client.Disconnect();
    return result;
}

SendOperation::Failure SendOperation::Run(const FaxJob& job, const std::string& documentPath,
                                          const CMapStringToString& settings, const Config& config, const Ui& ui,
                                          const Transfer& transfer) {
    // What the user typed is checked over the dialog, which stays in sight while
    // its message shows; it hides only once the send goes ahead.
    if (job.recipients.empty()) {
        ui.message(kNoRecipientsText, kNoRecipientsCaption, Icon::None, {});
        ui.show();
        return Failure::NoRecipients;
    }
    for (const std::string& entry : job.recipients) {
        const FaxNumberRules::Rule rule = FaxNumberRules::Check(entry);
        if (rule != FaxNumberRules::Rule::None) {
            ui.message(std::string(FaxNumberRules::Text(rule)), FaxNumberRules::SendCaption(entry), Icon::Exclamation,
                       {});
            ui.show();
            return Failure::NumberRefused;
        }
    }
    ui.hide();

    if (settings.LookupOrEmpty("logon").empty()) {
        // The dialog comes back first, so that the sheet opens over it.
        ui.show();
        ui.message(kCheckPasswordText, kCheckPasswordCaption, Icon::None, {});
        ui.runAccountSettings();
        return Failure::NoAccount;
    }

    const std::vector<std::vector<std::string>> groups = GroupRecipients(job, settings, config);
    std::vector<std::unique_ptr<CMimeMailItem>> items;
    for (const std::vector<std::string>& group : groups) {
        FaxJob part = job;
        part.recipients = group;
        const FaxCommand fax = FaxCommand::Compose(part, settings, config.gatewayDomain, config.senderTag);
        auto item = std::make_unique<CMimeMailItem>();
        item->m_strSender = fax.senderAddress;
        item->AddRecipient(fax.gatewayAddress, "");
        item->m_strSubject = fax.command;
        item->m_strBody.clear();
        items.push_back(std::move(item));
    }

    std::string why;
    const std::string document = ResolveDocument(documentPath, &why);
    if (document.empty()) {
        ui.message(kFileNotFoundText, kFileNotFoundCaption, Icon::Exclamation, why);
        ui.show();
        return Failure::DocumentMissing;
    }
    std::vector<CMailItem*> mails;
    for (const auto& item : items) {
        item->AddMimePart(document, CMimeMailItem::PartTypeOctetStream, "", kAttachmentEncoding, true,
                          job.documentName);
        mails.push_back(item.get());
    }

    std::string server = settings.LookupOrEmpty("smtp");
    if (server.empty()) {
        server = config.gatewayDomain;
    }
    std::string portText = settings.LookupOrEmpty("smtp_port");
    if (portText.empty()) {
        portText = kDefaultPort;
    }

    const TransferResult result = transfer(mails, server, ParsePort(portText));
    if (result.Sent()) {
        return Failure::None;
    }
    std::string text = FailureText(result, ui);
    if (result.mailsSent > 0 && result.mailsSent < groups.size()) {
        std::vector<std::string> remaining;
        std::size_t sent = 0;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (i < result.mailsSent) {
                sent += groups[i].size();
            } else {
                remaining.insert(remaining.end(), groups[i].begin(), groups[i].end());
            }
        }
        if (ui.keepRecipients) {
            ui.keepRecipients(remaining);
        }
        const std::string partly =
            Format(ui, kPartlySentFormat,
                   {std::to_string(sent), std::to_string(job.recipients.size()), std::to_string(remaining.size())});
        text = result.failure == Failure::Cancelled ? partly : text + "\n\n" + partly;
    } else if (result.failure == Failure::Cancelled) {
        ui.show();
        return result.failure;
    }
    ui.message(text, Translated(ui, kSendErrorCaption), Icon::Exclamation, DetailsText(result, ui));
    ui.show();
    // As the missing account opens the account page, a refused login opens the
    // page where the login is set, over the dialog.
    if (result.failure == Failure::LoginRefused) {
        if (ui.runMailServerSettings) {
            ui.runMailServerSettings();
        } else if (ui.runAccountSettings) {
            ui.runAccountSettings();
        }
    }
    return result.failure;
}

} // namespace desklet
