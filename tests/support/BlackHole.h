#pragma once

#include "smtp/CSocket.h"

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace desklet::test {

// A loopback port that swallows connection attempts: a listener whose queue of
// one is full drops every further SYN unanswered, like a broken path would.
class BlackHole {
public:
    BlackHole() {
        m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(m_listen, 0) != 0 ||
            ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
            return;
        }
        m_address = address;
        // Fill the queue until an attempt stays unanswered.
        for (int i = 0; i < 16 && !m_holding; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
            m_fillers.push_back(fd);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0) {
                continue;
            }
            pollfd p{fd, POLLOUT, 0};
            m_holding = ::poll(&p, 1, 300) == 0;
        }
    }
    ~BlackHole() {
        for (const int fd : m_fillers) {
            ::close(fd);
        }
        if (m_listen >= 0) {
            ::close(m_listen);
        }
    }
    bool holding() const { return m_holding; }
    unsigned port() const { return ntohs(m_address.sin_port); }
    CSocket::Address address() const {
        CSocket::Address result;
        std::memcpy(&result.storage, &m_address, sizeof m_address);
        result.length = sizeof m_address;
        return result;
    }

private:
    int m_listen = -1;
    sockaddr_in m_address{};
    std::vector<int> m_fillers;
    bool m_holding = false;
};

} // namespace desklet::test
