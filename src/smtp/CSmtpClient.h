#pragma once

#include "smtp/CSocket.h"
#include "smtp/SmtpCapabilities.h"
#include "smtp/SmtpTimeouts.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace desklet {

class CMailItem;
class MessageSource;

// The client side of one SMTP session: connect and greet, transfer composed mail
// items, say goodbye.
//
// With security None and no user name it speaks the plain dialogue (HELO, MAIL,
// RCPT, DATA, QUIT; no extensions), byte for byte as it always has. Otherwise it
// speaks ESMTP: EHLO, STARTTLS (RFC 3207) or TLS from the first byte (RFC 8314),
// AUTH PLAIN or LOGIN (RFC 4954) over the encrypted connection only, and SIZE
// (RFC 1870). Once encryption is asked for there is no road back to plain text.
//
// Every operation returns false on failure and leaves a one-line text in
// GetLastError(); what the server last said is kept apart in GetLastReply(). The
// last error is "OK" until the first failure and is not reset by a success.
//
// The exchange may run on a worker thread: Abort() is safe from any other thread
// and makes a blocked call return at once, and the progress callback reports the
// message bytes handed to the server. Everything else belongs to one thread.
class CSmtpClient {
public:
    // (bytes of the header and transformed body handed to the server so far, total)
    using ProgressCallback = std::function<void(std::uint64_t sent, std::uint64_t total)>;
    // The local host name for HELO; empty when it cannot be had.
    using HostNameSource = std::function<std::string()>;
    // Asked right before the line that ends a message's data goes; false stops the
    // message there (the connection closes, so the server must not deliver it).
    using EndOfDataCallback = std::function<bool()>;
    using CertificateProblem = CSocket::CertificateProblem;

    enum class Security { None, StartTls, Tls };

    // What kind of failure the last failed call met, for the caller to choose its
    // message: valid after any call that returned false. Callers decide by this,
    // never by the text of GetLastError().
    enum class FailureKind {
        None,
        Connect,               // no connection to the server, for another reason than the three below
        NameNotFound,          // the server's name gave no address
        ConnectionRefused,     // the server refused the connection on the port
        Timeout,               // the server did not answer, or take what we sent, in time
        Temporary,             // a 4xx reply
        Permanent,             // a 5xx reply; also a mail that cannot be sent as it is
        Protocol,              // a reply that makes no sense here, or one too long
        ConnectionLost,        // the connection ended or broke mid-session
        Certificate,           // the server's certificate cannot be trusted (GetCertificateProblem)
        EncryptionUnavailable, // encryption was asked for and the server does not offer or complete it
        PlainTextServer,       // TLS from the first byte was asked of a port where the server greets in plain text
        LoginRefused,          // the server refused the user name or password
        LoginUnavailable,      // no login possible: no encryption, or no mechanism we speak
        TooLarge,              // the message is larger than the server's SIZE limit
        InvalidAddress,        // the sender or a recipient holds what cannot go on the wire
        Cancelled,
    };

    // RFC 4954 section 4: an AUTH command line, initial response included, may be
    // up to 12288 octets.
    static constexpr std::size_t kMaxAuthLine = 12288;

    // A reply is bounded so that a runaway server cannot make us buffer without
    // end. Real replies are a few lines; RFC 5321 section 4.5.3.1.5 allows 512
    // bytes per line.
    static constexpr std::size_t kMaxReplyBytes = 64 * 1024;
    static constexpr std::size_t kMaxReplyLines = 1000;

    CSmtpClient(const std::string& server, unsigned port);
    virtual ~CSmtpClient();
    CSmtpClient(const CSmtpClient&) = delete;
    CSmtpClient& operator=(const CSmtpClient&) = delete;

    // Replaces server and port; a null server leaves both as they are.
    void SetServer(const char* server, unsigned port);
    void SetServer(const std::string& server, unsigned port) { SetServer(server.c_str(), port); }
    std::string GetServer() const { return m_strServer; }
    unsigned GetPort() const { return m_nPort; }

    void SetTimeouts(const SmtpTimeouts& timeouts) { m_timeouts = timeouts; }
    const SmtpTimeouts& GetTimeouts() const { return m_timeouts; }
    // Called on the sending thread while the message goes out: at the start, after
    // each piece of up to a megabyte and at the end.
    void SetProgressCallback(ProgressCallback callback) { m_progress = std::move(callback); }
    void SetHostNameSource(HostNameSource source) { m_hostName = std::move(source); }
    void SetEndOfDataCallback(EndOfDataCallback callback) { m_endOfData = std::move(callback); }
    void SetSecurity(Security security) { m_security = security; }
    Security GetSecurity() const { return m_security; }
    // An empty user name means no login. The password is kept only as long as the
    // client lives and never appears in an error text or a kept reply.
    void SetCredentials(std::string user, std::string password);
    // Replaces the name lookup of the connection (tests).
    void SetResolver(CSocket::Resolver resolver) { m_socket.SetResolver(std::move(resolver)); }

    // Opens the connection, reads the 220 greeting and introduces us with HELO, or
    // on the secure roads with EHLO, TLS and the login. True at once when already
    // connected. Failures: "Unable to create the socket.", "Unable to connect to
    // server" (the kind tells a name not found, a refused port and no answer within
    // the connect limit from the rest, such as a port of 0 or above 65535), "Server
    // didn't respond." (no 220), the HELO/EHLO reply's "%d:%s" or transport text,
    // "Cancelled"; and on the secure roads "Encryption required for login" (a user
    // name without security: nothing is sent at all), "Server does not offer
    // STARTTLS", "%d:SMTP server refused STARTTLS", "Unable to start TLS" (kind
    // PlainTextServer when TLS from the first byte met a plain-text greeting),
    // "Server certificate not trusted", "%d:Login refused", "Server offers no
    // supported login method", "User name or password too long".
    //
    // A refusal while the dialogue is still in step (a reply other than the one
    // expected, other than 421; no STARTTLS or no login method on offer) is
    // followed by QUIT before the connection closes; a broken dialogue or TLS
    // handshake is not. The goodbye leaves the failure's texts and kind as they were.
    [[nodiscard]] bool Connect();

    // Composes the item and transfers it, reading the message piece by piece as it
    // goes out. Nothing is sent for "Must be connected", "No Recipients",
    // "Invalid address" (CR, LF, NUL, "<" or ">" in the sender or a recipient) or a
    // failed composition (its own text, naming the file). Then MAIL, every RCPT
    // (a refused recipient does not stop the transfer), DATA and the message;
    // "Message too large for server" (the server's SIZE limit is smaller: nothing
    // is sent), the reply texts "%d:%s", "Connection closed by server",
    // "Timed out waiting for the server", "Timed out sending to the server",
    // "Reply too long", "Socket Error" and "Cancelled" end it. A document that
    // cannot be read to its end or changes while it is sent fails with the item's
    // compose error (naming the file), and the connection is dropped before the
    // end of the data, so that the server discards what it got. The session stays
    // connected after a refusal, and is closed after a transport failure.
    [[nodiscard]] bool SendMessage(CMailItem& item);

    // Says QUIT and closes; true when the server answered 221 or there was no
    // connection, false ("Cancelled") after an Abort(). The connection is closed
    // whatever the answer.
    [[nodiscard]] bool Disconnect();

    // Any thread. The call in progress and every later one fail with "Cancelled";
    // the connection is dropped without QUIT, and a message whose end-of-data line
    // has not gone out yet is never completed.
    void Abort() { m_socket.Abort(); }
    bool IsAborted() const { return m_socket.IsAborted(); }

    bool IsConnected() const { return m_bConnected; }
    std::string GetLastError() const { return m_strLastError; }
    // The last complete reply the server sent in this session, every line with its CR LF.
    const std::string& GetLastReply() const { return m_strLastReply; }
    int GetLastReplyCode() const { return m_nLastReplyCode; }
    // True when the last failure was the server's answer (GetLastReply() says it in
    // its words, and GetLastError() holds only its code); false when it was ours or
    // the connection's.
    bool FailedOnReply() const { return m_bFailedOnReply; }
    // Of the last SendMessage(): whether the line that ends the data went out (from
    // then on the server may deliver the message whatever else happens), and the
    // server's reply to it, every line with its CR LF; empty when none came.
    bool EndOfDataSent() const { return m_bEndOfDataSent; }
    const std::string& GetEndOfDataReply() const { return m_strEndOfDataReply; }

    FailureKind GetFailureKind() const { return m_failureKind; }
    // Why the certificate was refused, and the name it was checked against.
    CertificateProblem GetCertificateProblem() const { return m_socket.GetCertificateProblem(); }
    // What the transport last said ("certificate: certificate has expired",
    // "connect: Connection refused"), for the details of an error box.
    const std::string& GetTransportError() const { return m_socket.GetLastError(); }
    // The system's own words for the transport's last failure ("Connection
    // refused", "Name or service not known", "certificate has expired"); empty when
    // it has none to give.
    const std::string& GetSystemReason() const { return m_socket.GetSystemReason(); }
    // The server's announced SIZE limit (0: none) and the size of the last message
    // measured against it.
    std::uint64_t GetSizeLimit() const { return m_capabilities.sizeLimit; }
    std::uint64_t GetMessageSize() const { return m_nMessageSize; }
    const SmtpCapabilities& GetCapabilities() const { return m_capabilities; }
    bool IsEncrypted() const { return m_socket.IsEncrypted(); }
    // Protocol version and cipher of the session; empty on a plain one.
    std::string GetTlsDescription() const { return m_socket.TlsDescription(); }

protected:
    // "No Recipients", "Invalid address" and the compose error; nothing is sent.
    virtual bool PrepareMessage(CMailItem& item);
    virtual bool TransferMessage(CMailItem& item);

private:
    enum ReplyIndex {
        kReplyOk = 0,
        kReplyGreeting = 1,
        kReplyStartData = 2,
        kReplyGoodbye = 3,
        kReplyTlsReady = 4,
        kReplyChallenge = 5,
        kReplyAuthenticated = 6,
    };

    bool ReadReply(ReplyIndex index, SmtpTimeouts::Duration timeout);
    bool SendCommand(std::string_view command);
    static std::uint64_t MeasureData(const MessageSource& message);
    bool SendData(MessageSource& message, std::uint64_t total);
    bool FailTransport(std::string_view sending);
    bool Fail(FailureKind kind, std::string text);
    bool FailReply();
    void CloseConnection();
    // Ends a session that failed while connecting: QUIT first when the dialogue
    // allows one, then the close.
    void EndRefusedSession();
    bool IsPlainRoad() const { return m_security == Security::None && m_strUser.empty(); }
    bool Introduce(const std::string& name);
    bool Ehlo(const std::string& name);
    bool StartTls();
    bool Login();
    bool SendSecret(std::string& line);
    bool ReadAuthReply(ReplyIndex index);
    std::string HeloName() const;
    static bool IsValidAddress(std::string_view address);
    static bool IsValidDomain(std::string_view name);

    std::string m_strLastError = "OK";
    bool m_bConnected = false;
    unsigned m_nPort;
    std::string m_strServer;
    CSocket m_socket;
    // Bytes received beyond the last complete reply; they belong to the next one.
    std::string m_pending;
    std::string m_strLastReply;
    int m_nLastReplyCode = 0;
    SmtpTimeouts m_timeouts;
    ProgressCallback m_progress;
    HostNameSource m_hostName;
    EndOfDataCallback m_endOfData;
    Security m_security = Security::None;
    std::string m_strUser;
    std::string m_strPassword;
    FailureKind m_failureKind = FailureKind::None;
    bool m_bFailedOnReply = false;
    SmtpCapabilities m_capabilities;
    std::uint64_t m_nMessageSize = 0;
    bool m_bEndOfDataSent = false;
    std::string m_strEndOfDataReply;
};

} // namespace desklet
