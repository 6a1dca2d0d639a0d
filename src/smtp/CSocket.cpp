#include "smtp/CSocket.h"

#include "smtp/TlsChannel_p.h"

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

// Text the server sends before the TLS handshake is thrown away; a server that
// sends more than a reply's worth is not one to talk to.
constexpr std::size_t kMaxDiscardBeforeTls = 64 * 1024;

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

// What a TLS step that did not finish asks of the socket: the poll events to wait
// for, or 0 when the channel has ended and its error is the answer.
short TlsWaitEvents(TlsChannel::Step step) {
    switch (step) {
    case TlsChannel::Step::WantRead:
        return POLLIN;
    case TlsChannel::Step::WantWrite:
        return POLLOUT;
    default:
        return 0;
    }
}

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

bool CSocket::Fail(Status status, std::string text, std::string reason) {
    m_status = status;
    m_strLastError = std::move(text);
    m_strReason = std::move(reason);
    return false;
}

bool CSocket::FailErrno(Status status, const char* what) {
    const std::string reason = std::strerror(errno);
    return Fail(status, std::string(what) + ": " + reason, reason);
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
    if (m_tls) {
        if (!m_bAborted.load()) {
            m_tls->Shutdown();
        }
        m_tls.reset();
    }
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

bool CSocket::Await(short events, Clock::time_point deadline, const char* timeoutText) {
    switch (WaitFor(events, deadline)) {
    case Wait::Ready:
        return true;
    case Wait::Timeout:
        return Fail(Status::Timeout, timeoutText);
    case Wait::Aborted:
        return Fail(Status::Aborted, "cancelled");
    case Wait::Failed:
        return FailErrno(Status::Failed, "poll");
    }
    return false;
}

bool CSocket::AwaitTls(short events, bool peerClosed, Clock::time_point deadline, const char* timeoutText) {
    if (events != 0) {
        return Await(events, deadline, timeoutText);
    }
    return Fail(peerClosed ? Status::Closed : Status::Failed, m_tls->GetError(), m_tls->GetReason());
}

bool CSocket::Resolve(const std::string& host, unsigned port, Clock::time_point deadline,
                      std::vector<Address>& addresses) {
    if (m_resolver) {
        std::string error;
        if (!m_resolver(host, port, addresses, error) || addresses.empty()) {
            return Fail(Status::NameNotFound, "name lookup: " + error, error);
        }
        return true;
    }
    const std::string service = std::to_string(port);
    AddrInfoList list;
    int rc = ResolveNumeric(host, service, list);
    if (rc == EAI_NONAME) {
        auto lookup = std::make_shared<Lookup>();
        try {
            std::thread([lookup, host, service] {
                const addrinfo hints = Hints(AI_ADDRCONFIG);
                addrinfo* found = nullptr;
                const int result = ::getaddrinfo(host.c_str(), service.c_str(), &hints, &found);
                std::lock_guard<std::mutex> lock(lookup->mutex);
                lookup->result = result;
                lookup->list = found;
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
        list.reset(lookup->list);
        lookup->list = nullptr;
    }
    if (rc == EAI_SYSTEM) {
        return FailErrno(Status::ConnectFailed, "name lookup");
    }
    if (rc != 0 || !list) {
        // Every other answer of the lookup (no such name, no address for it, no
        // name server to ask) leaves the same thing: no address to connect to.
        const std::string reason = rc != 0 ? ::gai_strerror(rc) : "no address";
        return Fail(rc == EAI_MEMORY ? Status::ConnectFailed : Status::NameNotFound, "name lookup: " + reason, reason);
    }
    for (const addrinfo* entry = list.get(); entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_addrlen > sizeof(sockaddr_storage)) {
            continue;
        }
        Address address;
        std::memcpy(&address.storage, entry->ai_addr, entry->ai_addrlen);
        address.length = entry->ai_addrlen;
        addresses.push_back(address);
    }
    return true;
}

// RFC 8305 section 4: the families take turns, starting with the resolver's first
// choice, so that a broken path of one family costs one attempt delay, not all.
static std::vector<CSocket::Address> Interleaved(const std::vector<CSocket::Address>& addresses) {
    std::vector<CSocket::Address> first;
    std::vector<CSocket::Address> other;
    for (const CSocket::Address& address : addresses) {
        (address.storage.ss_family == addresses.front().storage.ss_family ? first : other).push_back(address);
    }
    std::vector<CSocket::Address> ordered;
    ordered.reserve(addresses.size());
    for (std::size_t i = 0; i < std::max(first.size(), other.size()); ++i) {
        if (i < first.size()) {
            ordered.push_back(first[i]);
        }
        if (i < other.size()) {
            ordered.push_back(other[i]);
        }
    }
    return ordered;
}

bool CSocket::Race(const std::vector<Address>& addresses, Clock::time_point deadline) {
    std::vector<int> pending;
    const auto closePending = [&pending] {
        for (const int fd : pending) {
            ::close(fd);
        }
        pending.clear();
    };
    const auto win = [&](int fd) {
        closePending();
        m_fd = fd;
        m_status = Status::Ok;
        m_strLastError.clear();
        m_strReason.clear();
        return true;
    };
    std::size_t next = 0;
    Clock::time_point nextStart = Clock::now();
    bool created = false;
    // A refusal says more than the failures of other addresses (an unreachable
    // IPv6 route beside a server that is up but not listening on the port), so
    // the first one is what the race reports when no address connects.
    std::string refusal;
    const auto noteFailure = [&](int error) {
        const std::string reason = std::strerror(error);
        if (error == ECONNREFUSED && refusal.empty()) {
            refusal = reason;
        }
        Fail(Status::ConnectFailed, "connect: " + reason, reason);
    };
    for (;;) {
        if (m_bAborted.load()) {
            closePending();
            return Fail(Status::Aborted, "cancelled");
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) {
            closePending();
            return Fail(Status::Timeout, "connect timed out");
        }
        if (next < addresses.size() && (pending.empty() || now >= nextStart)) {
            const Address& address = addresses[next++];
            const int fd = ::socket(address.storage.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP);
            if (fd < 0) {
                FailErrno(Status::CreateFailed, "socket");
                continue;
            }
            created = true;
#ifdef SO_NOSIGPIPE
            const int one = 1;
            ::setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &one, sizeof one);
#endif
            if (::connect(fd, reinterpret_cast<const sockaddr*>(&address.storage), address.length) == 0) {
                return win(fd);
            }
            if (errno != EINPROGRESS) {
                noteFailure(errno);
                ::close(fd);
                continue;
            }
            pending.push_back(fd);
            nextStart = now + kConnectionAttemptDelay;
            continue;
        }
        if (pending.empty()) {
            if (!created) {
                m_status = Status::CreateFailed;
            } else if (!refusal.empty()) {
                Fail(Status::Refused, "connect: " + refusal, refusal);
            }
            return false;
        }
        const Clock::time_point until = next < addresses.size() ? std::min(deadline, nextStart) : deadline;
        std::vector<pollfd> fds;
        fds.reserve(pending.size() + 1);
        for (const int fd : pending) {
            fds.push_back({fd, POLLOUT, 0});
        }
        fds.push_back({m_wake[0], POLLIN, 0});
        const int rc = ::poll(fds.data(), fds.size(), PollTimeout(Remaining(until)));
        if (rc < 0) {
            if (errno == EINTR) {
                continue;
            }
            FailErrno(Status::ConnectFailed, "poll");
            closePending();
            return false;
        }
        if ((fds.back().revents & POLLIN) != 0) {
            continue; // the abort check above ends it
        }
        for (std::size_t i = pending.size(); i-- > 0;) {
            if (fds[i].revents == 0) {
                continue;
            }
            const int fd = pending[i];
            int error = 0;
            socklen_t length = sizeof error;
            if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0) {
                pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
                return win(fd);
            }
            noteFailure(error);
            ::close(fd);
            pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(i));
            // A refusal frees the next address at once (RFC 8305 section 5).
            nextStart = Clock::now();
        }
    }
}

bool CSocket::Connect(const std::string& host, unsigned port, std::chrono::milliseconds timeout) {
    Close();
    m_status = Status::Ok;
    m_strLastError.clear();
    m_strReason.clear();
    m_certificateProblem = CertificateProblem::None;
    m_bSpokePlain = false;
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
    std::vector<Address> addresses;
    if (!Resolve(host, port, deadline, addresses)) {
        return false;
    }
    return Race(Interleaved(addresses), deadline);
}

bool CSocket::DiscardReceived() {
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::recv(m_fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (got > 0) {
            const std::size_t room =
                TlsChannel::kFirstBytesKept - std::min(m_discardedStart.size(), TlsChannel::kFirstBytesKept);
            m_discardedStart.append(buffer, std::min(room, static_cast<std::size_t>(got)));
            m_nDiscarded += static_cast<std::size_t>(got);
            if (m_nDiscarded > kMaxDiscardBeforeTls) {
                return Fail(Status::TlsFailed, "too much text before the TLS handshake");
            }
            continue;
        }
        if (got == 0) {
            return Fail(Status::Closed, "connection closed by peer");
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return true;
        }
        return FailErrno(Status::Failed, "recv");
    }
}

bool CSocket::StartTls(const std::string& serverName, Clock::time_point deadline) {
    m_certificateProblem = CertificateProblem::None;
    m_nDiscarded = 0;
    m_discardedStart.clear();
    if (m_fd < 0) {
        return Fail(Status::Failed, "not connected");
    }
    if (m_tls) {
        return Fail(Status::TlsFailed, "TLS is already on");
    }
    auto tls = std::make_unique<TlsChannel>();
    bool ok = !m_bAborted.load() || Fail(Status::Aborted, "cancelled");
    // Nothing the server could have sent before our hello belongs to the session:
    // a reply pipelined behind "220 ready" would otherwise pass for a protected one.
    ok = ok && DiscardReceived();
    // Before any plain-text dialogue the server has no business speaking first: what
    // it sent is its greeting, and the start of what it said is the start of its
    // answer to our hello too.
    const std::string spokenFirst = m_bSpokePlain ? std::string() : m_discardedStart;
    if (ok && IsSmtpReplyStart(spokenFirst)) {
        ok = Fail(Status::PlainText, "a plain-text reply where the TLS handshake was to begin");
    }
    ok = ok && (tls->Begin(m_fd, serverName) || Fail(Status::TlsFailed, tls->GetError(), tls->GetReason()));
    while (ok) {
        if (m_bAborted.load()) {
            ok = Fail(Status::Aborted, "cancelled");
            break;
        }
        const TlsChannel::Step step = tls->Handshake();
        if (step == TlsChannel::Step::Done) {
            m_tls = std::move(tls);
            return true;
        }
        if (const short events = TlsWaitEvents(step); events != 0) {
            ok = Await(events, deadline, "TLS handshake timed out");
            continue;
        }
        // The two enumerations list the same reasons in the same order.
        m_certificateProblem = static_cast<CertificateProblem>(tls->GetCertificateProblem());
        if (m_certificateProblem != CertificateProblem::None) {
            ok = Fail(Status::Certificate, tls->GetError(), tls->GetReason());
        } else if (IsSmtpReplyStart(spokenFirst + tls->FirstBytes())) {
            ok = Fail(Status::PlainText, tls->GetError(), tls->GetReason());
        } else {
            ok = Fail(step == TlsChannel::Step::Closed ? Status::Closed : Status::TlsFailed, tls->GetError(),
                      tls->GetReason());
        }
    }
    Close();
    return false;
}

bool CSocket::IsEncrypted() const {
    return m_tls != nullptr;
}

std::string CSocket::TlsDescription() const {
    return m_tls ? m_tls->Description() : std::string();
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
        if (m_tls) {
            std::size_t written = 0;
            const TlsChannel::Step step = m_tls->Write(data, size, written);
            if (step == TlsChannel::Step::Done) {
                data += written;
                size -= written;
                deadline = Clock::now() + stall;
                continue;
            }
            if (!AwaitTls(TlsWaitEvents(step), step == TlsChannel::Step::Closed, deadline, "send made no progress")) {
                return false;
            }
            continue;
        }
        m_bSpokePlain = true;
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
        if (m_tls) {
            const TlsChannel::Step step = m_tls->Read(buffer, capacity, received);
            if (step == TlsChannel::Step::Done) {
                return true;
            }
            if (!AwaitTls(TlsWaitEvents(step), step == TlsChannel::Step::Closed, deadline,
                          "no data before the deadline")) {
                return false;
            }
            continue;
        }
        m_bSpokePlain = true;
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
