#include "app/core/SendOperation.h"

#include "app/core/FaxCommand.h"
#include "app/core/FaxNumberRules.h"
#include "mail/CMimeMailItem.h"
#include "smtp/CSmtpClient.h"
#include "text/Ascii.h"

#include <climits>
#include <fcntl.h>
#include <filesystem>
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

std::string SendOperation::ResolveDocument(const std::string& path) {
    if (path.empty() || path.find('\0') != std::string::npos) {
        return {};
    }
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error) {
        return {};
    }
    const int fd = ::open(absolute.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    // Not normalised: folding ".." by text would step back past a symbolic link
    // to another folder than the one the file was found in.
    return regular ? absolute.string() : std::string();
}

SendOperation::TransferResult SendOperation::TransferOverSmtp(CMailItem& item, const std::string& server,
                                                              unsigned port) {
    CSmtpClient client("", 25);
    return TransferOverSmtp(client, item, server, port);
}

SendOperation::TransferResult SendOperation::TransferOverSmtp(CSmtpClient& client, CMailItem& item,
                                                              const std::string& server, unsigned port) {
    client.SetServer(server, port);
    if (!client.Connect()) {
        return TransferResult::ConnectFailed;
    }
    if (!client.SendMessage(item)) {
        (void)client.Disconnect();
        return TransferResult::SendFailed;
    }
    (void)client.Disconnect();
    return TransferResult::Sent;
}

SendOperation::Result SendOperation::Run(const FaxJob& job, const std::string& documentPath,
                                         const CMapStringToString& settings, const Config& config, const Ui& ui,
                                         const Transfer& transfer) {
    ui.hide();

    if (job.recipients.empty()) {
        ui.message(kNoRecipientsText, kNoRecipientsCaption, Icon::None);
        ui.show();
        return Result::Stopped;
    }
    for (const std::string& entry : job.recipients) {
        const FaxNumberRules::Rule rule = FaxNumberRules::Check(entry);
        if (rule != FaxNumberRules::Rule::None) {
            ui.message(std::string(FaxNumberRules::Text(rule)), FaxNumberRules::SendCaption(entry), Icon::Exclamation);
            ui.show();
            return Result::Stopped;
        }
    }

    if (settings.LookupOrEmpty("logon").empty()) {
        // The dialog comes back first, so that the sheet opens over it.
        ui.show();
        ui.message(kCheckPasswordText, kCheckPasswordCaption, Icon::None);
        ui.runAccountSettings();
        return Result::Stopped;
    }

    const FaxCommand fax = FaxCommand::Compose(job, settings, config.gatewayDomain, config.senderTag);

    CMimeMailItem item;
    item.m_strSender = fax.senderAddress;
    item.AddRecipient(fax.gatewayAddress, "");
    item.m_strSubject = fax.command;
    item.m_strBody.clear();

    const std::string document = ResolveDocument(documentPath);
    if (document.empty()) {
        ui.message(kFileNotFoundText, kFileNotFoundCaption, Icon::Exclamation);
        ui.show();
        return Result::Stopped;
    }
    item.AddMimePart(document, CMimeMailItem::PartTypeOctetStream, "", kAttachmentEncoding, true);

    std::string server = settings.LookupOrEmpty("smtp");
    if (server.empty()) {
        server = config.gatewayDomain;
    }
    std::string portText = settings.LookupOrEmpty("smtp_port");
    if (portText.empty()) {
        portText = kDefaultPort;
    }

    switch (transfer(item, server, ParsePort(portText))) {
    case TransferResult::Sent:
        return Result::Sent;
    case TransferResult::ConnectFailed:
        ui.message(kConnectFailedText, kSendErrorCaption, Icon::None);
        ui.show();
        return Result::Stopped;
    case TransferResult::SendFailed:
        ui.message(kSendFailedText, kSendErrorCaption, Icon::None);
        ui.show();
        return Result::Stopped;
    case TransferResult::Cancelled:
        ui.show();
        return Result::Stopped;
    }
    ui.show();
    return Result::Stopped;
}

} // namespace desklet
