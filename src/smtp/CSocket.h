#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <string>

namespace desklet {

// A small blocking TCP client socket over POSIX: IPv4 and IPv6, every wait bounded
// by a deadline, and an Abort() that any thread may call to make a blocked call
// return at once. Underneath the descriptor is non-blocking and each wait is a
// poll() on it together with a wake-up pipe, so a cancel never waits for the
// network. A hang-up by the peer never raises SIGPIPE.
class CSocket {
public:
    using Clock = std::chrono::steady_clock;

    // Why the last call failed.
    enum class Status {
        Ok,
        CreateFailed, // no descriptor (or no wake-up pipe) could be had
        ConnectFailed,
        Timeout,
        Closed, // the peer ended the connection
        Failed, // any other socket error
        Aborted,
    };

    CSocket();
    ~CSocket();
    CSocket(const CSocket&) = delete;
    CSocket& operator=(const CSocket&) = delete;

    // Resolves the host and connects to the first address that answers before the
    // deadline; a numeric IPv4 or IPv6 address is taken literally, without a
    // lookup. Fails with CreateFailed, ConnectFailed, Timeout or Aborted.
    [[nodiscard]] bool Connect(const std::string& host, unsigned port, std::chrono::milliseconds timeout);

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
    // What the system said, for diagnostics.
    const std::string& GetLastError() const { return m_strLastError; }

private:
    enum class Wait { Ready, Timeout, Aborted, Failed };
    Wait WaitFor(short events, Clock::time_point deadline);
    bool Fail(Status status, std::string text);
    bool FailErrno(Status status, const char* what);

    int m_fd = -1;
    int m_wake[2] = {-1, -1}; // read end, write end
    std::atomic<bool> m_bAborted{false};
    Status m_status = Status::Ok;
    std::string m_strLastError;
};

} // namespace desklet
