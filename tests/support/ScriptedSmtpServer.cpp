#include "support/ScriptedSmtpServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <openssl/ssl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace desklet::test {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// No step waits longer than this for the client.
constexpr milliseconds kStepLimit{5000};
// After the script, the client counts as done once it is quiet this long.
constexpr milliseconds kQuietEnd{300};
// Every wait wakes this often to look at the stop flag.
constexpr milliseconds kSlice{20};

} // namespace

std::vector<ScriptedSmtpServer::Step> ScriptedSmtpServer::Accepting(int recipients) {
    std::vector<Step> script = {Send("220 scripted ready\r\n"), ReadLine(), Send("250 hello\r\n"), ReadLine(),
                                Send("250 sender ok\r\n")};
    for (int i = 0; i < recipients; ++i) {
        script.push_back(ReadLine());
        script.push_back(Send("250 recipient ok\r\n"));
    }
    for (Step step : {ReadLine(), Send("354 go ahead\r\n"), ReadUntil("\r\n.\r\n"), Send("250 queued\r\n"), ReadLine(),
                      Send("221 bye\r\n")}) {
        script.push_back(std::move(step));
    }
    return script;
}

ScriptedSmtpServer::ScriptedSmtpServer(std::vector<Step> script, Family family)
    : m_script(std::move(script)), m_family(family) {
    const int domain = family == Family::IPv4 ? AF_INET : AF_INET6;
    m_listen = ::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (m_listen < 0) {
        return;
    }
    sockaddr_storage address{};
    socklen_t length = 0;
    if (family == Family::IPv4) {
        auto* v4 = reinterpret_cast<sockaddr_in*>(&address);
        v4->sin_family = AF_INET;
        v4->sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        length = sizeof(sockaddr_in);
    } else {
        auto* v6 = reinterpret_cast<sockaddr_in6*>(&address);
        v6->sin6_family = AF_INET6;
        v6->sin6_addr = in6addr_loopback;
        length = sizeof(sockaddr_in6);
    }
    if (::bind(m_listen, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(m_listen, 4) != 0 ||
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(m_listen);
        m_listen = -1;
        return;
    }
    m_port = ntohs(family == Family::IPv4 ? reinterpret_cast<sockaddr_in*>(&address)->sin_port
                                          : reinterpret_cast<sockaddr_in6*>(&address)->sin6_port);
    m_thread = std::thread([this] { Run(); });
}

ScriptedSmtpServer::~ScriptedSmtpServer() {
    m_stop = true;
    if (m_thread.joinable()) {
        m_thread.join();
    }
    CloseConnection();
    if (m_listen >= 0) {
        ::close(m_listen);
    }
}

void ScriptedSmtpServer::Note(std::string failure) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_failures.push_back(std::move(failure));
}

void ScriptedSmtpServer::CloseConnection() {
    SSL_free(static_cast<SSL*>(m_ssl));
    m_ssl = nullptr;
    SSL_CTX_free(static_cast<SSL_CTX*>(m_sslContext));
    m_sslContext = nullptr;
    if (m_conn >= 0) {
        ::close(m_conn);
        m_conn = -1;
    }
    m_unread.clear();
    m_eof = false;
}

bool ScriptedSmtpServer::AcceptOne() {
    CloseConnection();
    const Clock::time_point deadline = Clock::now() + kStepLimit;
    while (!m_stop && Clock::now() < deadline) {
        pollfd fd{m_listen, POLLIN, 0};
        if (::poll(&fd, 1, static_cast<int>(kSlice.count())) > 0) {
            m_conn = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
            if (m_conn >= 0) {
                const int one = 1;
                ::setsockopt(m_conn, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                return true;
            }
        }
    }
    Note("no client connected");
    return false;
}

// Reads what arrives before the deadline; false at the deadline, on a stop or
// when the client has closed.
bool ScriptedSmtpServer::ReadSome(Clock::time_point deadline) {
    char buffer[64 * 1024];
    auto* ssl = static_cast<SSL*>(m_ssl);
    while (!m_stop && !m_eof && Clock::now() < deadline) {
        pollfd fd{m_conn, POLLIN, 0};
        if ((ssl == nullptr || SSL_pending(ssl) == 0) && ::poll(&fd, 1, static_cast<int>(kSlice.count())) <= 0) {
            continue;
        }
        ssize_t got = 0;
        if (ssl != nullptr) {
            const int rc = SSL_read(ssl, buffer, sizeof buffer);
            // A record not yet whole: the receive timeout ended the wait, try again.
            if (rc <= 0 && SSL_get_error(ssl, rc) == SSL_ERROR_WANT_READ) {
                continue;
            }
            got = rc;
        } else {
            got = ::recv(m_conn, buffer, sizeof buffer, 0);
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            m_eof = true;
            m_clientHungUp = true;
            return false;
        }
        m_unread.append(buffer, static_cast<std::size_t>(got));
        std::lock_guard<std::mutex> lock(m_mutex);
        m_received.append(buffer, static_cast<std::size_t>(got));
        return true;
    }
    return false;
}

bool ScriptedSmtpServer::WaitForMarker(const std::string& marker, std::size_t& consumed) {
    const Clock::time_point deadline = Clock::now() + kStepLimit;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = m_unread.find(marker, from);
        if (at != std::string::npos) {
            consumed = at + marker.size();
            return true;
        }
        // Only the tail can still begin the marker.
        from = m_unread.size() >= marker.size() ? m_unread.size() - marker.size() + 1 : 0;
        if (!ReadSome(deadline)) {
            return false;
        }
    }
}

bool ScriptedSmtpServer::SendAll(const std::string& bytes) {
    if (m_conn < 0) {
        return false;
    }
    if (m_ssl != nullptr) {
        return SSL_write(static_cast<SSL*>(m_ssl), bytes.data(), static_cast<int>(bytes.size())) ==
               static_cast<int>(bytes.size());
    }
    return ::send(m_conn, bytes.data(), bytes.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(bytes.size());
}

bool ScriptedSmtpServer::AcceptTls(const Step& step) {
    if (m_conn < 0) {
        return false;
    }
    SSL_CTX* context = SSL_CTX_new(TLS_server_method());
    m_sslContext = context;
    if (context == nullptr || SSL_CTX_use_certificate_chain_file(context, step.text.c_str()) != 1 ||
        SSL_CTX_use_PrivateKey_file(context, step.key.c_str(), SSL_FILETYPE_PEM) != 1) {
        return false;
    }
    SSL* ssl = SSL_new(context);
    m_ssl = ssl;
    if (ssl == nullptr || SSL_set_fd(ssl, m_conn) != 1) {
        return false;
    }
    // The session runs on the blocking socket; these bound every wait in it.
    timeval limit{};
    limit.tv_sec = static_cast<time_t>(std::chrono::duration_cast<std::chrono::seconds>(kStepLimit).count());
    ::setsockopt(m_conn, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(m_conn, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    m_unread.clear();
    return SSL_accept(ssl) == 1;
}

void ScriptedSmtpServer::Run() {
    // OpenSSL writes with write(2); a client that has gone must not end the test.
    sigset_t pipe;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, nullptr);
    bool ok = AcceptOne();
    for (std::size_t i = 0; ok && i < m_script.size() && !m_stop; ++i) {
        const Step& step = m_script[i];
        switch (step.kind) {
        case Step::Kind::Send:
            if (!SendAll(step.text)) {
                Note("step " + std::to_string(i) + ": could not send");
                ok = false;
            }
            break;
        case Step::Kind::StartTls:
            if (!AcceptTls(step)) {
                Note("step " + std::to_string(i) + ": no TLS session");
                ok = false;
            }
            break;
        case Step::Kind::Delay:
        case Step::Kind::Pause: {
            const Clock::time_point until = Clock::now() + step.duration;
            while (!m_stop && Clock::now() < until) {
                std::this_thread::sleep_for(std::min<Clock::duration>(kSlice, until - Clock::now()));
            }
            break;
        }
        case Step::Kind::ReadLine:
        case Step::Kind::ReadUntil: {
            const std::string marker = step.kind == Step::Kind::ReadLine ? std::string("\n") : step.text;
            std::size_t consumed = 0;
            if (m_conn < 0 || !WaitForMarker(marker, consumed)) {
                Note("step " + std::to_string(i) + ": the client never sent the expected input");
                ok = false;
                break;
            }
            m_unread.erase(0, consumed);
            break;
        }
        case Step::Kind::Hold: {
            const Clock::time_point until = Clock::now() + step.duration;
            while (m_conn >= 0 && !m_eof && !m_stop && Clock::now() < until) {
                (void)ReadSome(until);
            }
            break;
        }
        case Step::Kind::Gate: {
            const Clock::time_point until = Clock::now() + step.duration;
            while (!m_released && !m_stop && Clock::now() < until) {
                std::this_thread::sleep_for(kSlice);
            }
            if (!m_released) {
                Note("step " + std::to_string(i) + ": the gate was never opened");
                ok = false;
            }
            break;
        }
        case Step::Kind::Close:
            CloseConnection();
            break;
        case Step::Kind::Accept:
            ok = AcceptOne();
            break;
        }
    }
    // Record whatever else the client sends until it closes or falls quiet.
    if (m_conn >= 0) {
        while (ReadSome(Clock::now() + kQuietEnd)) {
        }
    }
    CloseConnection();
    m_done = true;
}

bool ScriptedSmtpServer::Finish(std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    while (!m_done && Clock::now() < deadline) {
        std::this_thread::sleep_for(kSlice);
    }
    return m_done;
}

std::string ScriptedSmtpServer::Received() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

std::size_t ScriptedSmtpServer::ReceivedSize() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received.size();
}

std::vector<std::string> ScriptedSmtpServer::Failures() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_failures;
}

} // namespace desklet::test
