#include "app/core/SendOperation.h"

#include "app/core/FaxCommand.h"
#include "app/core/FaxNumberRules.h"
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

bool IsReplyFailure(const std::string& error) {
    return error.size() > 3 && error[0] >= '0' && error[0] <= '9' && error[1] >= '0' && error[1] <= '9' &&
           error[2] >= '0' && error[2] <= '9' && error[3] == ':';
}

SendOperation::Failure Classify(const CSmtpClient& client, const CMailItem* item, bool connecting) {
    using Failure = SendOperation::Failure;
    const std::string error = client.GetLastError();
    if (client.IsAborted() || error == "Cancelled") {
        return Failure::Cancelled;
    }
    switch (client.GetFailureKind()) {
    case CSmtpClient::FailureKind::Certificate:
        return Failure::CertificateRefused;
    case CSmtpClient::FailureKind::EncryptionUnavailable:
        return Failure::EncryptionUnavailable;
    case CSmtpClient::FailureKind::LoginRefused:
        return Failure::LoginRefused;
    case CSmtpClient::FailureKind::LoginUnavailable:
        return Failure::LoginUnavailable;
    case CSmtpClient::FailureKind::TooLarge:
        return Failure::TooLarge;
    default:
        break;
    }
    if (item != nullptr && !item->GetComposeError().empty()) {
        return Failure::DocumentUnreadable;
    }
    if (error == "Invalid address") {
        return Failure::BadAddress;
    }
    const int code = client.GetLastReplyCode();
    const bool replied = IsReplyFailure(error) || (connecting && code >= 400 && code < 600);
    if (replied && code >= 400 && code < 500) {
        return Failure::Temporary;
    }
    if (connecting) {
        return Failure::Connect;
    }
    if (replied && code >= 500 && code < 600) {
        return Failure::Permanent;
    }
    // The end-of-data reply that never came may still come: the server may have
    // the message, so this is no refusal, and never a success.
    if (error.rfind("Timed out", 0) == 0) {
        return Failure::Temporary;
    }
    return Failure::Protocol;
}

std::string Details(const CSmtpClient& client, const std::string& server, unsigned port) {
    std::string details = "Server " + server + ", port " + std::to_string(port) + ": " + client.GetLastError();
    const CSmtpClient::FailureKind kind = client.GetFailureKind();
    if (kind == CSmtpClient::FailureKind::Certificate || kind == CSmtpClient::FailureKind::EncryptionUnavailable) {
        // OpenSSL's own words: "certificate: certificate has expired", "wrong version number".
        details += "\nTLS: " + PrintableReply(client.GetTransportError());
    }
    if (kind == CSmtpClient::FailureKind::TooLarge) {
        details += "\nMessage " + std::to_string(client.GetMessageSize()) + " bytes, the server's limit " +
                   std::to_string(client.GetSizeLimit()) + " bytes";
    }
    const std::string reply = PrintableReply(client.GetLastReply());
    if (!reply.empty()) {
        details += "\nThe server's last reply: " + reply;
    }
    return details;
}

// Fills the fields the secure road's messages need.
void Describe(SendOperation::TransferResult& result, const CSmtpClient& client, const std::string& server,
              unsigned port) {
    result.details = Details(client, server, port);
    result.server = server;
    result.certificate = client.GetCertificateProblem();
    result.messageSize = client.GetMessageSize();
    result.sizeLimit = client.GetSizeLimit();
}

std::string ReplaceMarker(std::string text, const std::string& marker, const std::string& value) {
    const std::size_t at = text.find(marker);
    if (at != std::string::npos) {
        text.replace(at, marker.size(), value);
    }
    return text;
}

// The box's text for a transfer that failed.
std::string FailureText(const SendOperation::TransferResult& result) {
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
        return ReplaceMarker(ReplaceMarker(SendOperation::kCertificateFormat, "%1", reason), "%2", result.server);
    }
    case Failure::EncryptionUnavailable:
        return SendOperation::kEncryptionUnavailableText;
    case Failure::LoginRefused:
        return SendOperation::kLoginRefusedText;
    case Failure::LoginUnavailable:
        return SendOperation::kLoginUnavailableText;
    case Failure::TooLarge:
        return ReplaceMarker(ReplaceMarker(SendOperation::kTooLargeFormat, "%1", std::to_string(result.messageSize)),
                             "%2", std::to_string(result.sizeLimit));
    default:
        return result.connected ? SendOperation::kSendFailedText : SendOperation::kConnectFailedText;
    }
}

std::string Fill(std::string text, std::initializer_list<std::size_t> values) {
    int n = 1;
    for (const std::size_t value : values) {
        const std::string marker = "%" + std::to_string(n++);
        const std::size_t at = text.find(marker);
        if (at != std::string::npos) {
            text.replace(at, marker.size(), std::to_string(value));
        }
    }
    return text;
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
    result.details = "Server " + server + ", port " + std::to_string(port) + ": " + why;
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
    std::string text = FailureText(result);
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
        const std::string partly = Fill(kPartlySentFormat, {sent, job.recipients.size(), remaining.size()});
        text = result.failure == Failure::Cancelled ? partly : text + "\n\n" + partly;
    } else if (result.failure == Failure::Cancelled) {
        ui.show();
        return result.failure;
    }
    ui.message(text, kSendErrorCaption, Icon::None, result.details);
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
