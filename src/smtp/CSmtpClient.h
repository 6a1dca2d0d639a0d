#pragma once

#include "smtp/CSocket.h"
#include "smtp/SmtpTimeouts.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace desklet {

class CMailItem;

// The client side of one plain SMTP session (HELO, MAIL, RCPT, DATA, QUIT; no
// extensions): connect and greet, transfer one composed mail item, say goodbye.
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

    // Opens the connection, reads the 220 greeting and introduces us with HELO.
    // True at once when already connected. Failures: "Unable to create the
    // socket.", "Unable to connect to server" (also a port of 0 or above 65535,
    // and no answer within the connect limit), "Server didn't respond." (no 220),
    // the HELO reply's "%d:%s" or transport text, "Cancelled".
    [[nodiscard]] bool Connect();

    // Composes the item and transfers it. Nothing is sent for "Must be connected",
    // "No Recipients", "Invalid address" (CR, LF, NUL, "<" or ">" in the sender or
    // a recipient) or a failed composition (its own text, naming the file). Then
    // MAIL, every RCPT (a refused recipient does not stop the transfer), DATA and
    // the message; the reply texts "%d:%s", "Connection closed by server",
    // "Timed out waiting for the server", "Timed out sending to the server",
    // "Reply too long", "Socket Error" and "Cancelled" end it. The session stays
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
    // The last complete reply the server sent, every line with its CR LF.
    const std::string& GetLastReply() const { return m_strLastReply; }
    int GetLastReplyCode() const { return m_nLastReplyCode; }

protected:
    // "No Recipients", "Invalid address" and the compose error; nothing is sent.
    virtual bool PrepareMessage(CMailItem& item);
    virtual bool TransferMessage(CMailItem& item);

private:
    enum ReplyIndex { kReplyOk = 0, kReplyGreeting = 1, kReplyStartData = 2, kReplyGoodbye = 3 };

    bool ReadReply(ReplyIndex index, SmtpTimeouts::Duration timeout);
    bool SendCommand(std::string_view command);
    bool SendData(const CMailItem& item);
    bool FailTransport(std::string_view sending);
    bool Fail(std::string text);
    void CloseConnection();
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
};

} // namespace desklet
