#pragma once

#include "app/core/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <functional>
#include <string>

namespace desklet {

class CMailItem;
class CSmtpClient;

// Turns a fax job into the one fax mail and hands it to the transport: checks the
// recipients and the account, composes the fax command and the addresses, attaches
// the document. Every failure is one message to the user, after which the dialog
// is shown again with its input untouched; nothing is retried or queued.
class SendOperation {
public:
    enum class Icon { None, Exclamation };

    enum class TransferResult {
        Sent,
        ConnectFailed, // nothing was sent; the connection was never made
        SendFailed,    // the server did not accept the message
        Cancelled,     // the user stopped the transfer; nothing to report
    };

    // What the operation needs of the dialog that runs it.
    struct Ui {
        std::function<void()> hide;
        std::function<void()> show;
        std::function<void(const std::string& text, const std::string& caption, Icon icon)> message;
        std::function<void()> runAccountSettings;
    };

    // Delivers a composed item to the server; the default talks SMTP on this thread.
    using Transfer = std::function<TransferResult(CMailItem& item, const std::string& server, unsigned port)>;

    enum class Result { Sent, Stopped };

    struct Config {
        std::string gatewayDomain;
        std::string senderTag;
    };

    // The whole operation from the point where the controls have been read. The
    // dialog is hidden first; on every stop it is shown again.
    static Result Run(const FaxJob& job, const std::string& documentPath, const CMapStringToString& settings,
                      const Config& config, const Ui& ui, const Transfer& transfer);

    // Talks SMTP on the calling thread: connect, send, disconnect.
    static TransferResult TransferOverSmtp(CMailItem& item, const std::string& server, unsigned port);
    // The same with a client the caller owns (and may abort from another thread).
    static TransferResult TransferOverSmtp(CSmtpClient& client, CMailItem& item, const std::string& server,
                                           unsigned port);

    // The port text read as the C library's atoi reads it: leading blanks, a sign,
    // then decimal digits; a text without digits gives 0.
    static unsigned ParsePort(const std::string& text);

    // The document path as it goes into the mail: absolute, naming a regular file
    // that can be opened for reading; empty when there is no such file.
    static std::string ResolveDocument(const std::string& path);

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
    static constexpr const char* kDefaultPort = "25";
};

} // namespace desklet
