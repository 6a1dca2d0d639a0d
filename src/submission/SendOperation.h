#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"
#include "smtp/CSmtpClient.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace desklet {

class CMailItem;

// Turns a fax job into its fax mail and hands it to the transport: checks the
// recipients and the account, composes the fax command and the addresses, attaches
// the document. A job whose numbers cannot share one Subject line goes as several
// mails that differ only in their numbers. Every failure is one message to the
// user, after which the dialog is shown again with its input untouched, except
// that numbers already faxed are taken out of it; nothing is retried or queued.
class SendOperation {
public:
    enum class Icon { None, Exclamation };

    // Why a send stopped; None when every fax mail was accepted. The dialog reads
    // only the message it was shown; a caller without a person (a script) needs
    // the category, so every road that stops names one.
    enum class Failure {
        None,
        NoRecipients,          // the list is empty
        NumberRefused,         // an entry breaks a number rule
        NoAccount,             // no account name: the settings must be completed first
        DocumentMissing,       // the document is not a readable file
        DocumentUnreadable,    // the document could not be read whole while composing
        BadAddress,            // an address built from the settings cannot go on the wire
        Connect,               // the server could not be reached, or turned us away for good
        Temporary,             // a 4xx reply: the server refused for now
        Permanent,             // a 5xx reply: the server refused for good
        Protocol,              // a reply that makes no sense, a connection closed mid-session
        LoginRefused,          // the server refused the account's login
        CertificateRefused,    // the server's certificate could not be trusted
        TooLarge,              // the server will not take a message of this size
        EncryptionUnavailable, // encryption was asked for and the server does not offer it
        LoginUnavailable,      // no login possible: no encryption asked for, or no method the server offers
        Cancelled,             // the user stopped the transfer
    };

    // What a transfer of the job's fax mails came to.
    struct TransferResult {
        TransferResult() = default;
        TransferResult(Failure failure_, bool connected_, std::size_t mailsSent_, std::string details_)
            : failure(failure_), connected(connected_), mailsSent(mailsSent_), details(std::move(details_)) {}

        Failure failure = Failure::None;
        // False when the failure came before the first mail could be offered.
        bool connected = true;
        // The mails the server accepted, counted from the first; the rest were not sent.
        std::size_t mailsSent = 0;
        // What went wrong in our words, when the server's reply does not say it: the
        // client's account of it, or why a setting or the document stopped the send.
        std::string details;
        // The server and port tried; empty and 0 when the transfer never got that far.
        std::string server;
        unsigned port = 0;
        // What the client met, for the finer choice of the message within the category.
        CSmtpClient::FailureKind kind = CSmtpClient::FailureKind::None;
        // The server's last reply as it said it (made printable), and the system's
        // reason for a failure of the connection; each empty when there is none.
        std::string reply;
        std::string reason;
        // For the messages of the secure road's refusals: why the server's certificate
        // was refused, and the message's size against the server's limit.
        CSmtpClient::CertificateProblem certificate = CSmtpClient::CertificateProblem::None;
        std::uint64_t messageSize = 0;
        std::uint64_t sizeLimit = 0;

        bool Sent() const { return failure == Failure::None; }
    };

    // What the operation needs of the dialog that runs it.
    struct Ui {
        std::function<void()> hide;
        std::function<void()> show;
        // details: what went wrong underneath; empty when there is nothing to add.
        std::function<void(const std::string& text, const std::string& caption, Icon icon, const std::string& details)>
            message;
        // Puts one of this class's texts into the user's language, before its %1, %2
        // are filled in. Unset: the texts as written.
        std::function<std::string(const char* text)> translate;
        std::function<void()> runAccountSettings;
        // Opens the settings at the mail server's page, after a refused login.
        std::function<void()> runMailServerSettings;
        // After a partial send: the recipients that were not sent to, in their order.
        std::function<void(const std::vector<std::string>& remaining)> keepRecipients;
    };

    // Delivers the composed fax mails, in order, to the server in one session and
    // stops at the first that is not accepted; the default talks SMTP on this thread.
    using Transfer =
        std::function<TransferResult(const std::vector<CMailItem*>& mails, const std::string& server, unsigned port)>;

    struct Config {
        std::string gatewayDomain;
        std::string senderTag;
    };

    // The whole operation from the point where the controls have been read. The
    // dialog is hidden once the recipients passed their checks; on every stop it is
    // shown again. Failure::None when the server accepted every fax mail.
    static Failure Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                       const Config& config, const Ui& ui, const Transfer& transfer);

    // The recipients split into groups whose fax command fits the mail's line
    // limit once folded, in their order; one group when the whole list fits, or
    // when not even one number alone would (the limit is then not the numbers' doing).
    static std::vector<std::vector<std::string>> GroupRecipients(const FaxJob& job, const CMapStringToString& settings,
                                                                 const Config& config);

    // Talks SMTP on the calling thread: connect, send each mail, disconnect.
    static TransferResult TransferOverSmtp(const std::vector<CMailItem*>& mails, const std::string& server,
                                           unsigned port);
    // The same with a client the caller owns (and may abort from another thread);
    // onMail is told the index of each mail before it goes.
    static TransferResult TransferOverSmtp(CSmtpClient& client, const std::vector<CMailItem*>& mails,
                                           const std::string& server, unsigned port,
                                           const std::function<void(std::size_t index)>& onMail = {});

    // The result of a transfer that did not start because a setting cannot be used
    // (why says which): counted as a bad setting, with the connect failure's box,
    // which points at the mail server settings.
    static TransferResult SettingRefused(const std::string& server, unsigned port, const std::string& why);

    // The port text read as the C library's atoi reads it: leading blanks, a sign,
    // then decimal digits; a text without digits gives 0.
    static unsigned ParsePort(const std::string& text);

    // The document path as it goes into the mail: absolute, naming a regular file
    // that can be opened for reading; empty when there is no such file, and then
    // why holds the reason with the path.
    static std::string ResolveDocument(const std::string& path, std::string* why = nullptr);

    // The messages, byte for byte.
    static constexpr const char* kNoRecipientsText = "You must enter at least 1 fax number in the recipient list.";
    static constexpr const char* kNoRecipientsCaption = "Recipient(s) required";
    static constexpr const char* kCheckPasswordText = "Please verify your account name and password";
    static constexpr const char* kCheckPasswordCaption = "Error sending fax - Check Password";
    static constexpr const char* kFileNotFoundText = "Please verify the path to the file you want to fax.";
    static constexpr const char* kFileNotFoundCaption = "Error: File not found!";
    static constexpr const char* kConnectFailedText =
        "Error connecting to the mail server.  Please check your Internet connection and mail server settings, or "
        "see the online help.";
    static constexpr const char* kSendFailedText =
        "Error uploading your file to the server.  Please check your connection to the Internet and mail server "
        "settings, or see the online help.";
    static constexpr const char* kSendErrorCaption = "Error sending Fax";
    // A 4xx reply: the server will take the fax another time.
    static constexpr const char* kTemporaryText =
        "The mail server refused the fax for now.  Please try again later, or see the online help.";
    // No connection; %1 the server's name, %2 the port.
    static constexpr const char* kNameNotFoundFormat =
        "The mail server %1 could not be found.  Please check the server's name in your mail server settings and "
        "your Internet connection, or see the online help.";
    static constexpr const char* kConnectionRefusedFormat =
        "The mail server %1 refused the connection on port %2.  Please check the port in your mail server "
        "settings, or see the online help.";
    static constexpr const char* kNoAnswerFormat =
        "The mail server %1 did not answer in time.  Please check your Internet connection and mail server "
        "settings, or try again later.";
    // TLS from the first byte met a server that greets in plain text; %1 the port.
    static constexpr const char* kPlainTextPortFormat =
        "The mail server answers in plain text on port %1, where SSL/TLS was asked for.  Please choose STARTTLS as "
        "the connection security in your mail server settings, or port 465 for SSL/TLS.";
    // The lines of an error box's details.
    static constexpr const char* kDetailsServerFormat = "Mail server %1, port %2.";
    static constexpr const char* kDetailsPortRange = "The port must be a number from 1 to 65535.";
    static constexpr const char* kDetailsReplyFormat = "The server's last reply: %1";
    static constexpr const char* kDetailsReasonFormat = "The system's reason: %1.";
    // The secure road's refusals, under the same caption. %1 of the certificate's
    // text is one of the reasons below it, %2 the server's name.
    static constexpr const char* kCertificateFormat =
        "The mail server's certificate cannot be trusted: %1.  Server: %2.  Please check your mail server "
        "settings, or see the online help.";
    static constexpr const char* kCertificateExpired = "it has expired";
    static constexpr const char* kCertificateNameMismatch = "it is not valid for this server's name";
    static constexpr const char* kCertificateUntrusted = "it was issued by an authority this computer does not trust";
    static constexpr const char* kCertificateOther = "it did not pass the check";
    static constexpr const char* kEncryptionUnavailableText =
        "The mail server does not offer an encrypted connection.  Please check the connection security in your "
        "mail server settings, or see the online help.";
    static constexpr const char* kLoginRefusedText =
        "The mail server refused your user name or password.  Please check them in your mail server settings.";
    static constexpr const char* kLoginUnavailableText =
        "The mail server cannot take your login: a login needs an encrypted connection and a login method the "
        "server offers.  Please check your mail server settings, or see the online help.";
    // %1 the message's size, %2 the server's limit, in bytes.
    static constexpr const char* kTooLargeFormat =
        "The fax is too large for the mail server: the message has %1 bytes and the server takes at most %2.  "
        "Please send a smaller document, or use another mail server.";
    // Added below the failure's text when some fax mails of a split job went out.
    static constexpr const char* kPartlySentFormat =
        "The fax went to %1 of the %2 numbers. Only the %3 numbers not yet sent are left in the list.";
    static constexpr const char* kDefaultPort = "25";
};

} // namespace desklet
