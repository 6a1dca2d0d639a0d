#include "smtp/CSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace desklet {

namespace {

// How often a name lookup, which cannot be interrupted, is checked for a cancel.
constexpr std::chrono::milliseconds kLookupSlice{50};

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const {
        if (list != nullptr) {
            ::freeaddrinfo(list);
        }
    }
};
using AddrInfoList = std::unique_ptr<addrinfo, AddrInfoDeleter>;

// A lookup that runs on its own thread, so that the caller can give up on it at
// its deadline or on a cancel. The thread owns a share of the state and finishes
// on its own when nobody waits any more.
struct Lookup {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    int result = EAI_FAIL;
    addrinfo* list = nullptr;

    ~Lookup() {
        if (list != nullptr) {
            ::freeaddrinfo(list);
        }
    }
};

addrinfo Hints(int flags) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = flags | AI_NUMERICSERV;
    return hints;
}

int ResolveNumeric(const std::string& host, const std::string& service, AddrInfoList& out) {
    const addrinfo hints = Hints(AI_NUMERICHOST);
    addrinfo* list = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
    out.reset(list);
    return rc;
}

std::chrono::milliseconds Remaining(CSocket::Clock::time_point deadline) {
    const auto left = deadline - CSocket::Clock::now();
    if (left <= CSocket::Clock::duration::zero()) {
        return std::chrono::milliseconds::zero();
    }
    // Rounded up, so a wait never ends a hair before its deadline and spins.
    return std::chrono::ceil<std::chrono::milliseconds>(left);
}

int PollTimeout(std::chrono::milliseconds left) {
    constexpr auto kMax = std::chrono::milliseconds(1000 * 60 * 60);
    return static_cast<int>(std::min(left, kMax).count());
}

} // namespace

CSocket::CSocket() {
    if (::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        m_wake[0] = m_wake[1] = -1;
    }
}

CSocket::~CSocket() {
    Close();
    for (int& fd : m_wake) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}

bool CSocket::Fail(Status status, std::string text) {
    m_status = status;
    m_strLastError = std::move(text);
    return false;
}

bool CSocket::FailErrno(Status status, const char* what) {
    const int error = errno;
    return Fail(status, std::string(what) + ": " + std::strerror(error));
}

void CSocket::Abort() {
    if (m_bAborted.exchange(true)) {
        return;
    }
    if (m_wake[1] >= 0) {
        const char byte = 1;
        // Nothing to do if the pipe is full: it is already readable.
        [[maybe_unused]] const ssize_t written = ::write(m_wake[1], &byte, 1);
    }
}

void CSocket::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

CSocket::Wait CSocket::WaitFor(short events, Clock::time_point deadline) {
    for (;;) {
        if (m_bAborted.load()) {
            return Wait::Aborted;
        }
        pollfd fds[2] = {{m_fd, events, 0}, {m_wake[0], POLLIN, 0}};
        const int rc = ::poll(fds, 2, PollTimeout(Remaining(deadline)));
        if (rc < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Wait::Failed;
        }
        if (m_bAborted.load() || (fds[1].revents & POLLIN) != 0) {
            return Wait::Aborted;
        }
        if (rc > 0 && fds[0].revents != 0) {
            // Errors and hang-ups count as ready: the call that follows says which.
            return Wait::Ready;
        }
        if (Clock::now() >= deadline) {
            return Wait::Timeout;
        }
    }
}

bool CSocket::Connect(const std::string& host, unsigned port, std::chrono::milliseconds timeout) {
    Close();
    m_status = Status::Ok;
    m_strLastError.clear();
    if (m_bAborted.load()) {
        return Fail(Status::Aborted, "cancelled");
    }
    if (m_wake[0] < 0) {
        return Fail(Status::CreateFailed, "no wake-up pipe");
    }
    if (port == 0 || port > 65535) {
        return Fail(Status::ConnectFailed, "port out of range");
    }
    const Clock::time_point deadline = Clock::now() + timeout;
    const std::string service = std::to_string(port);

    AddrInfoList addresses;
    int rc = ResolveNumeric(host, service, addresses);
    if (rc == EAI_NONAME) {
        auto lookup = std::make_shared<Lookup>();
        try {
            std::thread([lookup, host, service] {
                const addrinfo hints = Hints(AI_ADDRCONFIG);
                addrinfo* list = nullptr;
                const int result = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &list);
                std::lock_guard<std::mutex> lock(lookup->mutex);
                lookup->result = result;
                lookup->list = list;
                lookup->finished = true;
                lookup->done.notify_all();
            }).detach();
        } catch (const std::system_error&) {
            return Fail(Status::CreateFailed, "no thread for the name lookup");
        }
        std::unique_lock<std::mutex> lock(lookup->mutex);
        while (!lookup->finished) {
            if (m_bAborted.load()) {
                return Fail(Status::Aborted, "cancelled");
            }
            if (Clock::now() >= deadline) {
                return Fail(Status::Timeout, "name lookup timed out");
            }
            lookup->done.wait_for(lock, std::min<Clock::duration>(kLookupSlice, deadline - Clock::now()));
        }
        rc = lookup->result;
        addresses.reset(lookup->list);
        lookup->list = nullptr;
    }
    if (rc != 0 || !addresses) {
        return Fail(Status::ConnectFailed, std::string("name lookup: ") + ::gai_strerror(rc));
    }

    bool created = false;
    for (const addrinfo* address = addresses.get(); address != nullptr; address = address->ai_next) {
        m_fd = ::socket(address->ai_family, address->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, address->ai_protocol);
        if (m_fd < 0) {
            FailErrno(Status::CreateFailed, "socket");
            continue;
        }
        created = true;
#ifdef SO_NOSIGPIPE
        const int one = 1;
        ::setsockopt(m_fd, SOL_SOCKET, SO_NOSIGPIPE, &one, sizeof one);
#endif
        if (::connect(m_fd, address->ai_addr, address->ai_addrlen) == 0) {
            return true;
        }
        if (errno != EINPROGRESS) {
            FailErrno(Status::ConnectFailed, "connect");
            Close();
            continue;
        }
        const Wait wait = WaitFor(POLLOUT, deadline);
        if (wait == Wait::Ready) {
            int error = 0;
            socklen_t length = sizeof error;
            if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
                return true;
            }
            Fail(Status::ConnectFailed, std::string("connect: ") + std::strerror(error));
            Close();
            continue;
        }
        Close();
        if (wait == Wait::Aborted) {
            return Fail(Status::Aborted, "cancelled");
        }
        if (wait == Wait::Timeout) {
            return Fail(Status::Timeout, "connect timed out");
        }
        FailErrno(Status::ConnectFailed, "poll");
    }
    if (!created) {
        m_status = Status::CreateFailed;
    }
    return false;
}

bool CSocket::Send(const char* data, std::size_t size, std::chrono::milliseconds stall) {
    if (m_fd < 0) {
        return Fail(Status::Failed, "not connected");
    }
    Clock::time_point deadline = Clock::now() + stall;
    while (size > 0) {
        if (m_bAborted.load()) {
            return Fail(Status::Aborted, "cancelled");
        }
        const ssize_t sent = ::send(m_fd, data, size, MSG_NOSIGNAL);
        if (sent > 0) {
            data += sent;
            size -= static_cast<std::size_t>(sent);
            deadline = Clock::now() + stall;
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            switch (WaitFor(POLLOUT, deadline)) {
            case Wait::Ready:
                continue;
            case Wait::Timeout:
                return Fail(Status::Timeout, "send made no progress");
            case Wait::Aborted:
                return Fail(Status::Aborted, "cancelled");
            case Wait::Failed:
                return FailErrno(Status::Failed, "poll");
            }
        }
        if (errno == EPIPE || errno == ECONNRESET) {
            return FailErrno(Status::Closed, "send");
        }
        return FailErrno(Status::Failed, "send");
    }
    return true;
}

bool CSocket::Receive(char* buffer, std::size_t capacity, std::size_t& received, Clock::time_point deadline) {
    received = 0;
    if (m_fd < 0) {
        return Fail(Status::Failed, "not connected");
    }
    for (;;) {
        if (m_bAborted.load()) {
            return Fail(Status::Aborted, "cancelled");
        }
        const ssize_t got = ::recv(m_fd, buffer, capacity, 0);
        if (got > 0) {
            received = static_cast<std::size_t>(got);
            return true;
        }
        if (got == 0) {
            return Fail(Status::Closed, "connection closed by peer");
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            return FailErrno(Status::Failed, "recv");
        }
        switch (WaitFor(POLLIN, deadline)) {
        case Wait::Ready:
            continue;
        case Wait::Timeout:
            return Fail(Status::Timeout, "no data before the deadline");
        case Wait::Aborted:
            return Fail(Status::Aborted, "cancelled");
        case Wait::Failed:
            return FailErrno(Status::Failed, "poll");
        }
    }
}

std::string CSocket::LocalAddressLiteral() const {
    if (m_fd < 0) {
        return {};
    }
    sockaddr_storage local{};
    socklen_t length = sizeof local;
    if (::getsockname(m_fd, reinterpret_cast<sockaddr*>(&local), &length) != 0) {
        return {};
    }
    char text[INET6_ADDRSTRLEN] = {};
    if (local.ss_family == AF_INET) {
        const auto* v4 = reinterpret_cast<const sockaddr_in*>(&local);
        if (::inet_ntop(AF_INET, &v4->sin_addr, text, sizeof text) != nullptr) {
            return std::string("[") + text + "]";
        }
    } else if (local.ss_family == AF_INET6) {
        const auto* v6 = reinterpret_cast<const sockaddr_in6*>(&local);
        if (::inet_ntop(AF_INET6, &v6->sin6_addr, text, sizeof text) != nullptr) {
            return std::string("[IPv6:") + text + "]";
        }
    }
    return {};
}

} // namespace desklet
