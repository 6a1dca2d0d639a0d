#include "submission/FaxSubmission.h"

#include "DeskletConfig.h"
#include "fax/FaxCommand.h"
#include "fax/FaxNumberRules.h"
#include "mail/CMimeMailItem.h"
#include "mail/HeaderFolding.h"
#include "settings/PasswordVault.h"
#include "settings/SettingsKeys.h"
#include "text/Ascii.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

// The document travels as the mail's one part, base64-encoded; the codes are the
// ones the part encoders are registered under.
constexpr int kAttachmentEncoding = 4;

} // namespace

unsigned FaxSubmission::ParsePort(const std::string& text) {
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

std::string FaxSubmission::ResolveDocument(const std::string& path, std::string* why) {
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

// "Subject: " and the command: the header line the limit applies to.
std::string SubjectLine(const FaxJob& job, const CMapStringToString& settings) {
    return "Subject: " +
           FaxCommand::Compose(job, settings, std::string(config::GatewayDomain), std::string(config::SenderTag))
               .command;
}

} // namespace

SubmissionProgress::~SubmissionProgress() = default;
void SubmissionProgress::MailStarting(std::size_t, std::size_t) {}
void SubmissionProgress::BytesSent(std::uint64_t, std::uint64_t) {}
bool SubmissionProgress::CancelRequested() const {
    return false;
}
bool SubmissionProgress::EndOfDataNext(const Outcome&, std::size_t) {
    return true;
}
void SubmissionProgress::MailAnswered(const Outcome&, std::size_t) {}

SmtpTransport::~SmtpTransport() = default;

bool Outcome::MayPass() const {
    switch (failure) {
    case Failure::Connect:
    case Failure::NameNotFound:
    case Failure::ConnectionRefused:
    case Failure::Timeout:
    case Failure::ConnectionLost:
    case Failure::Protocol:
    case Failure::Temporary:
        return true;
    default:
        return false;
    }
}

bool Outcome::PartlySent() const {
    const auto accepted = [](const MailOutcome& mail) { return mail.state == MailOutcome::State::Accepted; };
    return std::any_of(mails.begin(), mails.end(), accepted) && !std::all_of(mails.begin(), mails.end(), accepted);
}

std::vector<std::string> Outcome::SentNumbers() const {
    std::vector<std::string> numbers;
    for (const MailOutcome& mail : mails) {
        if (mail.state == MailOutcome::State::Accepted) {
            numbers.insert(numbers.end(), mail.numbers.begin(), mail.numbers.end());
        }
    }
    return numbers;
}

std::vector<std::string> Outcome::UnsentNumbers() const {
    std::vector<std::string> numbers;
    for (const MailOutcome& mail : mails) {
        if (mail.state != MailOutcome::State::Accepted) {
            numbers.insert(numbers.end(), mail.numbers.begin(), mail.numbers.end());
        }
    }
    return numbers;
}

std::vector<std::vector<std::string>> FaxSubmission::GroupRecipients(const FaxJob& job,
                                                                     const CMapStringToString& settings) {
    if (job.recipients.empty() || HeaderFolding::Fits(SubjectLine(job, settings))) {
        return {job.recipients};
    }
    std::vector<std::vector<std::string>> groups;
    FaxJob part = job;
    part.recipients.clear();
    for (const std::string& number : job.recipients) {
        part.recipients.push_back(number);
        if (part.recipients.size() > 1 && !HeaderFolding::Fits(SubjectLine(part, settings))) {
            part.recipients.pop_back();
            groups.push_back(part.recipients);
            part.recipients.assign(1, number);
        }
        if (part.recipients.size() == 1 && !HeaderFolding::Fits(SubjectLine(part, settings))) {
            // Not even one number fits: the rest of the command is too long, and
            // splitting the numbers would only send more mails that do not fit.
            return {job.recipients};
        }
    }
    groups.push_back(part.recipients);
    return groups;
}

Outcome FaxSubmission::CheckRecipients(const FaxJob& job) {
    Outcome outcome;
    if (job.recipients.empty()) {
        outcome.failure = Failure::NoRecipients;
        return outcome;
    }
    for (const std::string& entry : job.recipients) {
        const FaxNumberRules::Rule rule = FaxNumberRules::Check(entry);
        if (rule != FaxNumberRules::Rule::None) {
            outcome.failure = Failure::NumberRefused;
            outcome.refusedNumber = entry;
            outcome.numberRule = rule;
            return outcome;
        }
    }
    return outcome;
}

Outcome FaxSubmission::Submit(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                              SmtpTransport& transport, SubmissionProgress& progress) {
    Outcome outcome = CheckRecipients(job);
    if (!outcome.Sent()) {
        return outcome;
    }
    if (SettingValue(settings, SettingKey::Logon).empty()) {
        outcome.failure = Failure::NoAccount;
        return outcome;
    }
    std::string why;
    const std::string document = ResolveDocument(documentPath, &why);
    if (document.empty()) {
        outcome.failure = Failure::DocumentMissing;
        outcome.details = why;
        return outcome;
    }

    std::vector<std::unique_ptr<CMimeMailItem>> items;
    std::vector<CMailItem*> mails;
    for (const std::vector<std::string>& group : GroupRecipients(job, settings)) {
        FaxJob part = job;
        part.recipients = group;
        const FaxCommand fax =
            FaxCommand::Compose(part, settings, std::string(config::GatewayDomain), std::string(config::SenderTag));
        auto item = std::make_unique<CMimeMailItem>();
        item->m_strSender = fax.senderAddress;
        item->AddRecipient(fax.gatewayAddress, "");
        item->m_strSubject = fax.command;
        item->AddMimePart(document, CMimeMailItem::PartTypeOctetStream, "", kAttachmentEncoding, true,
                          job.documentName);
        mails.push_back(item.get());
        items.push_back(std::move(item));
        outcome.mails.push_back(MailOutcome{group, {}, MailOutcome::State::NotTried, {}});
    }

    MailServer server;
    server.name = SettingValue(settings, SettingKey::Smtp);
    if (server.name.empty()) {
        server.name = config::GatewayDomain;
    }
    server.port = ParsePort(SettingValue(settings, SettingKey::SmtpPort));
    // The keyring is asked only now, and only when a login is set.
    PasswordVault vault;
    server.login = MailServerLogin::Read(settings, vault);

    transport.Deliver(mails, server, progress, outcome);
    outcome.mails.resize(mails.size());
    for (std::size_t i = 0; i < mails.size(); ++i) {
        outcome.mails[i].messageId = mails[i]->GetMessageId();
    }
    return outcome;
}

} // namespace desklet
