// An SMTP sink for the transfer benchmarks: answers every command with success,
// takes DATA in large receives, finds the end-of-data line across receive
// boundaries and throws the message away. One connection at a time, on 127.0.0.1
// only, until it is killed. Prints "port N" first, then one line per message:
//   data: <bytes> bytes in <s> s (<MB/s> MB/s), <s> s from the connection
//
//   smtp_sink [<certificate> <key>]
// With a certificate and key it offers STARTTLS in its EHLO reply and takes the
// rest of the session over TLS.
#include "SinkConnection.h"

#include <openssl/ssl.h>
#include <strings.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kReceiveSize = 4 << 20;

constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
constexpr char kEnd[] = "\r\n.\r\n";

// The offset just past the end-of-data line in data, which follows the last bytes
// of the message so far in tail; kNotFound, with tail moved on, when data holds no
// end.
std::size_t FindEnd(const char* data, std::size_t size, char* tail, std::size_t& tailSize) {
    char joined[8];
    std::memcpy(joined, tail, tailSize);
    const std::size_t head = std::min<std::size_t>(size, 4);
    std::memcpy(joined + tailSize, data, head);
    const std::size_t joinedSize = tailSize + head;
    if (const void* found = memmem(joined, joinedSize, kEnd, 5)) {
        return static_cast<std::size_t>(static_cast<const char*>(found) - joined) + 5 - tailSize;
    }
    if (const void* found = memmem(data, size, kEnd, 5)) {
        return static_cast<std::size_t>(static_cast<const char*>(found) - data) + 5;
    }
    const std::size_t keep = std::min<std::size_t>(4, joinedSize);
    if (size >= 4) {
        std::memcpy(tail, data + size - 4, 4);
    } else {
        std::memmove(tail, joined + joinedSize - keep, keep);
    }
    tailSize = size >= 4 ? 4 : keep;
    return kNotFound;
}

// The connection, plain or, after STARTTLS, through OpenSSL; blocking either way.
struct Channel {
    int fd;
    SSL_CTX* context;
    SSL* ssl = nullptr;

    ~Channel() {
        if (ssl != nullptr) {
            SSL_free(ssl);
        }
    }
    ssize_t Receive(char* data, std::size_t size) {
        if (ssl == nullptr) {
            return recv(fd, data, size, 0);
        }
        const int got = SSL_read(ssl, data, static_cast<int>(std::min<std::size_t>(size, 1 << 30)));
        return got > 0 ? got : -1;
    }
    bool Send(std::string_view text) {
        if (ssl == nullptr) {
            return bench::SendAll(fd, text);
        }
        return SSL_write(ssl, text.data(), static_cast<int>(text.size())) == static_cast<int>(text.size());
    }
    bool StartTls() {
        ssl = SSL_new(context);
        return ssl != nullptr && SSL_set_fd(ssl, fd) == 1 && SSL_accept(ssl) == 1;
    }
};

// Serves one connection; returns when the client quits or hangs up.
void Serve(Channel& channel, std::vector<char>& buffer) {
    if (!channel.Send("220 sink ready\r\n")) {
        return;
    }
    std::string line;
    bool inData = false;
    // The last bytes seen in DATA, so that "\r\n.\r\n" is found when a receive
    // splits it. A message may end at once (".\r\n" first), as if after a CR LF.
    char tail[4] = {'\r', '\n', 0, 0};
    std::size_t tailSize = 2;
    std::size_t dataBytes = 0;
    // A client that composes its message before the envelope, or while it sends,
    // is timed alike from the connection on.
    const auto sessionStart = std::chrono::steady_clock::now();
    auto dataStart = sessionStart;
    for (;;) {
        const ssize_t got = channel.Receive(buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return;
        }
        std::size_t at = 0;
        const auto size = static_cast<std::size_t>(got);
        while (at < size) {
            if (inData) {
                const std::size_t end = FindEnd(buffer.data() + at, size - at, tail, tailSize);
                if (end == kNotFound) {
                    dataBytes += size - at;
                    at = size;
                    break;
                }
                const std::size_t stop = at + end;
                dataBytes += stop - at;
                const auto now = std::chrono::steady_clock::now();
                const double seconds = std::chrono::duration<double>(now - dataStart).count();
                const double session = std::chrono::duration<double>(now - sessionStart).count();
                std::printf("data: %zu bytes in %.3f s (%.0f MB/s), %.3f s from the connection\n", dataBytes, seconds,
                            static_cast<double>(dataBytes) / seconds / 1e6, session);
                std::fflush(stdout);
                at = stop;
                inData = false;
                if (!channel.Send("250 OK\r\n")) {
                    return;
                }
                continue;
            }
            const char* newline = static_cast<const char*>(std::memchr(buffer.data() + at, '\n', size - at));
            if (newline == nullptr) {
                line.append(buffer.data() + at, size - at);
                at = size;
                break;
            }
            const auto stop = static_cast<std::size_t>(newline - buffer.data()) + 1;
            line.append(buffer.data() + at, stop - at);
            at = stop;
            const bool data = strncasecmp(line.c_str(), "DATA", 4) == 0;
            const bool quit = strncasecmp(line.c_str(), "QUIT", 4) == 0;
            const bool ehlo = strncasecmp(line.c_str(), "EHLO", 4) == 0;
            const bool startTls = strncasecmp(line.c_str(), "STARTTLS", 8) == 0;
            line.clear();
            if (quit) {
                channel.Send("221 bye\r\n");
                return;
            }
            if (ehlo) {
                const bool offer = channel.context != nullptr && channel.ssl == nullptr;
                if (!channel.Send(offer ? "250-sink\r\n250 STARTTLS\r\n" : "250 sink\r\n")) {
                    return;
                }
                continue;
            }
            if (startTls) {
                if (!channel.Send("220 go ahead\r\n") || at != size || !channel.StartTls()) {
                    return;
                }
                continue;
            }
            if (data) {
                inData = true;
                tail[0] = '\r';
                tail[1] = '\n';
                tailSize = 2;
                dataBytes = 0;
                dataStart = std::chrono::steady_clock::now();
                if (!channel.Send("354 go ahead\r\n")) {
                    return;
                }
            } else if (!channel.Send("250 OK\r\n")) {
                return;
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    SSL_CTX* context = nullptr;
    if (argc == 3) {
        context = SSL_CTX_new(TLS_server_method());
        if (context == nullptr || SSL_CTX_use_certificate_chain_file(context, argv[1]) != 1 ||
            SSL_CTX_use_PrivateKey_file(context, argv[2], SSL_FILETYPE_PEM) != 1) {
            std::fprintf(stderr, "smtp_sink: cannot load the certificate and key\n");
            return 1;
        }
        // Whole records in as few receives as they fit, as a real server's buffered
        // reads take them; without it every record costs two receives.
        SSL_CTX_set_read_ahead(context, 1);
        SSL_CTX_set_default_read_buffer_len(context, 1 << 20);
    }
    const int listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int yes = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(listener, 4) != 0 || getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("smtp_sink");
        return 1;
    }
    std::printf("port %u\n", ntohs(address.sin_port));
    std::fflush(stdout);
    std::vector<char> buffer(kReceiveSize);
    for (;;) {
        const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        {
            Channel channel{fd, context};
            Serve(channel, buffer);
        }
        close(fd);
    }
}
