#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <sys/socket.h>
#include <vector>

namespace desklet {

class TlsChannel;

// A small blocking TCP client socket over POSIX: IPv4 and IPv6, every wait bounded
// by a deadline, and an Abort() that any thread may call to make a blocked call
// return at once. Underneath the descriptor is non-blocking and each wait is a
// poll() on it together with a wake-up pipe, so a cancel never waits for the
// network. A hang-up by the peer never raises SIGPIPE.
//
// StartTls() turns the connection into a TLS client session; Send and Receive then
// carry plain text through it with the same bounds, the same cancel and the same
// byte counts, so the caller reads the same either way.
class CSocket {
public:
    using Clock = std::chrono::steady_clock;

    // One address to connect to, as the name lookup gives it.
    struct Address {
        sockaddr_storage storage{};
        socklen_t length = 0;
    };
    // Turns host and port into the addresses to try, in the order given; false with
    // a text when the name does not resolve. Replaceable for tests: the default asks
    // getaddrinfo on a thread of its own, bounded by the connect limit.
    using Resolver = std::function<bool(const std::string& host, unsigned port, std::vector<Address>& addresses,
                                        std::string& error)>;

    // RFC 8305 section 5: the pause before the next address is tried while the
    // previous attempts are still pending.
    static constexpr std::chrono::milliseconds kConnectionAttemptDelay{250};

    // Why certificate verification failed.
    enum class CertificateProblem { None, Expired, NameMismatch, Untrusted, Other };

    // Why the last call failed.
    enum class Status {
        Ok,
        CreateFailed, // no descriptor (or no wake-up pipe) could be had
        NameNotFound, // the name lookup gave no address
        Refused,      // the server refused the connection on the port (on some address; none accepted)
        ConnectFailed,
        Timeout,
        Closed, // the peer ended the connection
        Failed, // any other socket error
        Aborted,
        TlsFailed,   // the handshake failed for another reason than the certificate
        Certificate, // the server's certificate cannot be trusted
        PlainText,   // the server answered the TLS hello with an SMTP reply in plain text
    };

    CSocket();
    ~CSocket();
    CSocket(const CSocket&) = delete;
    CSocket& operator=(const CSocket&) = delete;

    // Resolves the host and races its addresses (RFC 8305): the next attempt starts
    // kConnectionAttemptDelay after the last one, or at once when one fails, and
    // the first that connects wins; the others are closed. All of it, lookup
    // included, within the timeout. A numeric IPv4 or IPv6 address is taken
    // literally, without a lookup. Fails with CreateFailed, NameNotFound, Refused,
    // ConnectFailed, Timeout or Aborted.
    [[nodiscard]] bool Connect(const std::string& host, unsigned port, std::chrono::milliseconds timeout);

    void SetResolver(Resolver resolver) { m_resolver = std::move(resolver); }

    // Drops every byte received so far (the peer may have pipelined text that must
    // not be taken as protected) and runs the TLS handshake, checking the
    // certificate against serverName. Fails with TlsFailed, Certificate (see
    // GetCertificateProblem), PlainText, Timeout, Closed, Failed or Aborted; the
    // connection is closed after any failure. PlainText also without a handshake:
    // when nothing was said in plain text yet, a server that has already sent the
    // start of a reply greets in plain text and would never answer our hello.
    [[nodiscard]] bool StartTls(const std::string& serverName, Clock::time_point deadline);
    bool IsEncrypted() const;
    CertificateProblem GetCertificateProblem() const { return m_certificateProblem; }
    // Protocol version and cipher of the TLS session; empty on a plain connection.
    std::string TlsDescription() const;
    // Plain-text bytes thrown away by the last StartTls.
    std::size_t DiscardedBeforeTls() const { return m_nDiscarded; }

    // Writes all the bytes. Fails with Timeout when no byte at all could be written
    // for `stall`, with Closed when the peer hung up, Failed or Aborted.
    [[nodiscard]] bool Send(const char* data, std::size_t size, std::chrono::milliseconds stall);

    // Reads what is there, at most `capacity` bytes and at least one, waiting up to
    // the deadline. Fails with Timeout, Closed (a receive of 0 bytes), Failed or
    // Aborted.
    [[nodiscard]] bool Receive(char* buffer, std::size_t capacity, std::size_t& received, Clock::time_point deadline);

    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Thread-safe and sticky: every call in progress or to come fails with Aborted.
    void Abort();
    bool IsAborted() const { return m_bAborted.load(); }

    // Our end of the connection as an SMTP address literal: "[127.0.0.1]" or
    // "[IPv6:::1]"; empty when unknown.
    std::string LocalAddressLiteral() const;

    Status GetLastStatus() const { return m_status; }
    // What went wrong and where, for diagnostics ("connect: Connection refused").
    const std::string& GetLastError() const { return m_strLastError; }
    // The system's own words for the last failure, without ours around them
    // (strerror, gai_strerror, the TLS library's reason); empty when the failure
    // was ours, such as a timeout or a cancel.
    const std::string& GetSystemReason() const { return m_strReason; }

private:
    enum class Wait { Ready, Timeout, Aborted, Failed };
    Wait WaitFor(short events, Clock::time_point deadline);
    // WaitFor, with every outcome but Ready turned into a failure.
    bool Await(short events, Clock::time_point deadline, const char* timeoutText);
    // After a TLS step that did not finish: waits for `events`, or, when there are
    // none, fails with the channel's error (Closed when the peer closed it).
    bool AwaitTls(short events, bool peerClosed, Clock::time_point deadline, const char* timeoutText);
    bool Resolve(const std::string& host, unsigned port, Clock::time_point deadline, std::vector<Address>& addresses);
    bool Race(const std::vector<Address>& addresses, Clock::time_point deadline);
    bool DiscardReceived();
    bool Fail(Status status, std::string text, std::string reason = {});
    bool FailErrno(Status status, const char* what);

    int m_fd = -1;
    int m_wake[2] = {-1, -1}; // read end, write end
    std::atomic<bool> m_bAborted{false};
    Status m_status = Status::Ok;
    std::string m_strLastError;
    std::string m_strReason;
    Resolver m_resolver;
    std::unique_ptr<TlsChannel> m_tls;
    CertificateProblem m_certificateProblem = CertificateProblem::None;
    std::size_t m_nDiscarded = 0;
    std::string m_discardedStart; // the first bytes of those dropped
    // Plain text went either way on this connection before any TLS.
    bool m_bSpokePlain = false;
};

} // namespace desklet
