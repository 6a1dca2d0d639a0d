#include "submission/OutcomeText.h"

#include <QCoreApplication>

#include <initializer_list>
#include <string_view>
#include <vector>

namespace desklet {
namespace {

constexpr const char* kContext = "FaxSubmission";

constexpr const char* kNoRecipientsText =
    QT_TRANSLATE_NOOP("FaxSubmission", "You must enter at least 1 fax number in the recipient list.");
constexpr const char* kNoRecipientsCaption = QT_TRANSLATE_NOOP("FaxSubmission", "Recipient(s) required");
constexpr const char* kCheckPasswordText =
    QT_TRANSLATE_NOOP("FaxSubmission", "Please verify your account name and password");
constexpr const char* kCheckPasswordCaption = QT_TRANSLATE_NOOP("FaxSubmission", "Error sending fax - Check Password");
constexpr const char* kFileNotFoundText =
    QT_TRANSLATE_NOOP("FaxSubmission", "Please verify the path to the file you want to fax.");
constexpr const char* kFileNotFoundCaption = QT_TRANSLATE_NOOP("FaxSubmission", "Error: File not found!");
constexpr const char* kConnectFailedText =
    QT_TRANSLATE_NOOP("FaxSubmission", "Error connecting to the mail server.  Please check your Internet connection "
                                       "and mail server settings, or see the online help.");
constexpr const char* kSendFailedText =
    QT_TRANSLATE_NOOP("FaxSubmission", "Error uploading your file to the server.  Please check your connection to "
                                       "the Internet and mail server settings, or see the online help.");
constexpr const char* kSendErrorCaption = QT_TRANSLATE_NOOP("FaxSubmission", "Error sending Fax");
// A 4xx reply: the server will take the fax another time.
constexpr const char* kTemporaryText = QT_TRANSLATE_NOOP(
    "FaxSubmission", "The mail server refused the fax for now.  Please try again later, or see the online help.");
// No connection; %1 the server's name, %2 the port.
constexpr const char* kNameNotFoundFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server %1 could not be found.  Please check the server's name in "
                                       "your mail server settings and your Internet connection, or see the online "
                                       "help.");
constexpr const char* kConnectionRefusedFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server %1 refused the connection on port %2.  Please check the port "
                                       "in your mail server settings, or see the online help.");
constexpr const char* kNoAnswerFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server %1 did not answer in time.  Please check your Internet "
                                       "connection and mail server settings, or try again later.");
// TLS from the first byte met a server that greets in plain text; %1 the port.
constexpr const char* kPlainTextPortFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server answers in plain text on port %1, where SSL/TLS was asked "
                                       "for.  Please choose STARTTLS as the connection security in your mail server "
                                       "settings, or port 465 for SSL/TLS.");
// The lines of an error box's details.
constexpr const char* kDetailsServerFormat = QT_TRANSLATE_NOOP("FaxSubmission", "Mail server %1, port %2.");
constexpr const char* kDetailsPortRange =
    QT_TRANSLATE_NOOP("FaxSubmission", "The port must be a number from 1 to 65535.");
constexpr const char* kDetailsReplyFormat = QT_TRANSLATE_NOOP("FaxSubmission", "The server's last reply: %1");
constexpr const char* kDetailsReasonFormat = QT_TRANSLATE_NOOP("FaxSubmission", "The system's reason: %1.");
// The secure road's refusals, under the same caption. %1 of the certificate's text
// is one of the reasons below it, %2 the server's name.
constexpr const char* kCertificateFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server's certificate cannot be trusted: %1.  Server: %2.  Please "
                                       "check your mail server settings, or see the online help.");
constexpr const char* kCertificateExpired = QT_TRANSLATE_NOOP("FaxSubmission", "it has expired");
constexpr const char* kCertificateNameMismatch =
    QT_TRANSLATE_NOOP("FaxSubmission", "it is not valid for this server's name");
constexpr const char* kCertificateUntrusted =
    QT_TRANSLATE_NOOP("FaxSubmission", "it was issued by an authority this computer does not trust");
constexpr const char* kCertificateOther = QT_TRANSLATE_NOOP("FaxSubmission", "it did not pass the check");
constexpr const char* kEncryptionUnavailableText =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server does not offer an encrypted connection.  Please check the "
                                       "connection security in your mail server settings, or see the online help.");
constexpr const char* kLoginRefusedText =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server refused your user name or password.  Please check them in "
                                       "your mail server settings.");
constexpr const char* kLoginUnavailableText =
    QT_TRANSLATE_NOOP("FaxSubmission", "The mail server cannot take your login: a login needs an encrypted "
                                       "connection and a login method the server offers.  Please check your mail "
                                       "server settings, or see the online help.");
// %1 the message's size, %2 the server's limit, in bytes.
constexpr const char* kTooLargeFormat =
    QT_TRANSLATE_NOOP("FaxSubmission", "The fax is too large for the mail server: the message has %1 bytes and the "
                                       "server takes at most %2.  Please send a smaller document, or use another mail "
                                       "server.");
// Added below the failure's text when some fax mails of a split job went out; %n
// the numbers left.
constexpr const char* kPartlySentFormat =
    QT_TRANSLATE_N_NOOP("FaxSubmission", "The fax went to %1 of the %2 numbers. Only the %n numbers not yet sent are "
                                       "left in the list.");

std::string Translated(const char* text, int n = -1) {
    return QCoreApplication::translate(kContext, text, nullptr, n).toStdString();
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

std::string Format(const char* text, std::initializer_list<std::string> values) {
    return Format(Translated(text), values);
}

bool EndsASentence(const std::string& text) {
    return !text.empty() && (text.back() == '.' || text.back() == '!' || text.back() == '?');
}

// The box's details: each line a sentence for a person, and no line without content.
std::string DetailsText(const Outcome& outcome) {
    std::vector<std::string> lines;
    if (!outcome.server.empty()) {
        lines.push_back(Format(kDetailsServerFormat, {outcome.server, std::to_string(outcome.port)}));
        if (outcome.port == 0 || outcome.port > 65535) {
            lines.push_back(Translated(kDetailsPortRange));
        }
    }
    if (!outcome.details.empty()) {
        lines.push_back(EndsASentence(outcome.details) ? outcome.details : outcome.details + ".");
    }
    if (!outcome.lastReply.empty()) {
        lines.push_back(Format(kDetailsReplyFormat, {outcome.lastReply}));
    }
    if (!outcome.systemReason.empty()) {
        lines.push_back(Format(kDetailsReasonFormat, {outcome.systemReason}));
    }
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

const char* CertificateReason(CSmtpClient::CertificateProblem problem) {
    switch (problem) {
    case CSmtpClient::CertificateProblem::Expired:
        return kCertificateExpired;
    case CSmtpClient::CertificateProblem::NameMismatch:
        return kCertificateNameMismatch;
    case CSmtpClient::CertificateProblem::Untrusted:
        return kCertificateUntrusted;
    default:
        return kCertificateOther;
    }
}

// The text of a transfer that failed: the category's, made finer where the
// failure says more.
std::string TransferText(const Outcome& outcome) {
    switch (outcome.failure) {
    case Failure::CertificateRefused:
        return Format(kCertificateFormat, {Translated(CertificateReason(outcome.certificate)), outcome.server});
    case Failure::PlainTextServer:
        return Format(kPlainTextPortFormat, {std::to_string(outcome.port)});
    case Failure::EncryptionUnavailable:
        return Translated(kEncryptionUnavailableText);
    case Failure::LoginRefused:
        return Translated(kLoginRefusedText);
    case Failure::LoginUnavailable:
        return Translated(kLoginUnavailableText);
    case Failure::TooLarge:
        return Format(kTooLargeFormat, {std::to_string(outcome.messageSize), std::to_string(outcome.sizeLimit)});
    case Failure::Temporary:
        return Translated(kTemporaryText);
    case Failure::NameNotFound:
        return Format(kNameNotFoundFormat, {outcome.server});
    case Failure::ConnectionRefused:
        return Format(kConnectionRefusedFormat, {outcome.server, std::to_string(outcome.port)});
    case Failure::Timeout:
        // Mid-session the server was there: the upload failed, not the connection.
        if (!outcome.connected) {
            return Format(kNoAnswerFormat, {outcome.server});
        }
        break;
    default:
        break;
    }
    return Translated(outcome.connected ? kSendFailedText : kConnectFailedText);
}

} // namespace

OutcomeText OutcomeText::For(const Outcome& outcome) {
    OutcomeText said;
    switch (outcome.failure) {
    case Failure::None:
        return said;
    case Failure::NoRecipients:
        said.text = Translated(kNoRecipientsText);
        said.caption = Translated(kNoRecipientsCaption);
        return said;
    case Failure::NumberRefused:
        said.text = std::string(FaxNumberRules::Text(outcome.numberRule));
        said.caption = FaxNumberRules::SendCaption(outcome.refusedNumber);
        said.icon = Icon::Exclamation;
        said.captionNamesSubject = true;
        return said;
    case Failure::NoAccount:
        said.text = Translated(kCheckPasswordText);
        said.caption = Translated(kCheckPasswordCaption);
        return said;
    case Failure::DocumentMissing:
        said.text = Translated(kFileNotFoundText);
        said.caption = Translated(kFileNotFoundCaption);
        said.icon = Icon::Exclamation;
        said.details = outcome.details;
        return said;
    default:
        break;
    }
    const bool partly = outcome.PartlySent();
    if (outcome.failure == Failure::Cancelled && !partly) {
        // The user stopped it and nothing went: there is nothing to tell.
        return said;
    }
    said.text = TransferText(outcome);
    if (partly) {
        const std::size_t sent = outcome.SentNumbers().size();
        const std::size_t left = outcome.UnsentNumbers().size();
        const std::string partlyText = Format(Translated(kPartlySentFormat, static_cast<int>(left)),
                                              {std::to_string(sent), std::to_string(sent + left)});
        said.text = outcome.failure == Failure::Cancelled ? partlyText : said.text + "\n\n" + partlyText;
    }
    said.caption = Translated(kSendErrorCaption);
    said.icon = Icon::Exclamation;
    said.details = DetailsText(outcome);
    return said;
}

} // namespace desklet
