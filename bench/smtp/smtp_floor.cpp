// The floor for sending a document over SMTP: a plain table encoder fills a 1 MiB
// buffer with 76-character CR LF lines and each full buffer goes straight to the
// socket, nothing else in between. With --raw it sends MiB of ready-made lines
// without encoding anything, which measures the sink's intake.
//
//   smtp_floor <port> <document>
//   smtp_floor <port> --raw <MiB>
#include "SinkConnection.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::size_t kBufferSize = 1 << 20;
constexpr std::size_t kLineBytes = 57; // 76 characters
constexpr std::size_t kLineSize = 78;  // with CR LF

bool Expect(int fd, const char* code) {
    char reply[512];
    std::size_t have = 0;
    // Replies here are one line; read until its line feed.
    while (have < sizeof reply) {
        const ssize_t got = recv(fd, reply + have, sizeof reply - have, 0);
        if (got <= 0) {
            return false;
        }
        have += static_cast<std::size_t>(got);
        if (std::memchr(reply, '\n', have) != nullptr) {
            return std::strncmp(reply, code, 3) == 0;
        }
    }
    return false;
}

std::size_t EncodeLine(const unsigned char* in, std::size_t n, char* out) {
    char* start = out;
    std::size_t i = 0;
    for (; i + 3 <= n; i += 3) {
        const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8) | in[i + 2];
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = kAlphabet[(v >> 6) & 63];
        *out++ = kAlphabet[v & 63];
    }
    if (n - i == 1) {
        const unsigned v = unsigned{in[i]} << 16;
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = '=';
        *out++ = '=';
    } else if (n - i == 2) {
        const unsigned v = (unsigned{in[i]} << 16) | (unsigned{in[i + 1]} << 8);
        *out++ = kAlphabet[v >> 18];
        *out++ = kAlphabet[(v >> 12) & 63];
        *out++ = kAlphabet[(v >> 6) & 63];
        *out++ = '=';
    }
    *out++ = '\r';
    *out++ = '\n';
    return static_cast<std::size_t>(out - start);
}

} // namespace

int main(int argc, char** argv) {
    const bool raw = argc == 4 && std::strcmp(argv[2], "--raw") == 0;
    if (argc != 3 && !raw) {
        std::fprintf(stderr, "usage: %s <port> <document> | <port> --raw <MiB>\n", argv[0]);
        return 2;
    }
    const int fd = bench::ConnectLoopback(static_cast<unsigned>(std::atoi(argv[1])));
    if (fd < 0 || !Expect(fd, "220") || !bench::SendAll(fd, "HELO floor\r\n") || !Expect(fd, "250") ||
        !bench::SendAll(fd, "MAIL From: <a@example.com>\r\n") || !Expect(fd, "250") ||
        !bench::SendAll(fd, "RCPT To: <b@example.com>\r\n") || !Expect(fd, "250") || !bench::SendAll(fd, "DATA\r\n") ||
        !Expect(fd, "354")) {
        std::fprintf(stderr, "smtp_floor: the sink did not take the envelope\n");
        return 1;
    }
    const auto start = std::chrono::steady_clock::now();
    std::vector<char> buffer(kBufferSize);
    std::size_t sent = 0;
    if (raw) {
        for (std::size_t i = 0; i + kLineSize <= buffer.size(); i += kLineSize) {
            std::memset(buffer.data() + i, 'A', kLineSize - 2);
            buffer[i + kLineSize - 2] = '\r';
            buffer[i + kLineSize - 1] = '\n';
        }
        const std::size_t used = buffer.size() / kLineSize * kLineSize;
        for (long i = 0; i < std::atol(argv[3]); ++i) {
            if (!bench::SendAll(fd, buffer.data(), used)) {
                return 1;
            }
            sent += used;
        }
    } else {
        std::FILE* file = std::fopen(argv[2], "rb");
        if (file == nullptr) {
            std::perror(argv[2]);
            return 1;
        }
        // Input for exactly as many lines as fit the buffer.
        const std::size_t lines = kBufferSize / kLineSize;
        std::vector<unsigned char> input(lines * kLineBytes);
        for (;;) {
            const std::size_t got = std::fread(input.data(), 1, input.size(), file);
            std::size_t used = 0;
            for (std::size_t i = 0; i < got; i += kLineBytes) {
                used += EncodeLine(input.data() + i, std::min(kLineBytes, got - i), buffer.data() + used);
            }
            if (used > 0 && !bench::SendAll(fd, buffer.data(), used)) {
                return 1;
            }
            sent += used;
            if (got < input.size()) {
                break;
            }
        }
        std::fclose(file);
    }
    if (!bench::SendAll(fd, "\r\n.\r\n") || !Expect(fd, "250")) {
        std::fprintf(stderr, "smtp_floor: the sink did not take the message\n");
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    bench::SendAll(fd, "QUIT\r\n");
    Expect(fd, "221");
    close(fd);
    std::printf("floor: %zu bytes in %.3f s (%.0f MB/s)\n", sent, seconds, static_cast<double>(sent) / seconds / 1e6);
    return 0;
}
