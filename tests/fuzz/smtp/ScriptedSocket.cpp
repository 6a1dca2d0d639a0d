// CSocket for the SMTP reply target: the same interface, no network. The peer is
// ScriptedServer; when it has said everything, it has closed the connection.

#include "fuzz/smtp/ScriptedServer_p.h"
#include "smtp/CSocket.h"
#include "smtp/TlsChannel_p.h"

#include <algorithm>
#include <cstring>

namespace desklet {

using fuzz::ScriptedServer;

CSocket::CSocket() = default;

CSocket::~CSocket() = default;

void CSocket::Abort() {
    m_bAborted = true;
}

void CSocket::Close() {
    m_fd = -1;
}

bool CSocket::Connect(const std::string& /*host*/, unsigned /*port*/, std::chrono::milliseconds /*timeout*/) {
    m_fd = 0;
    m_status = Status::Ok;
    return true;
}

bool CSocket::StartTls(const std::string& /*serverName*/, Clock::time_point /*deadline*/) {
    if (m_fd < 0) {
        m_status = Status::Failed;
        return false;
    }
    ScriptedServer& server = ScriptedServer::Current();
    server.heardBeforeTls = server.heard.size();
    return true;
}

bool CSocket::IsEncrypted() const {
    return m_fd >= 0 && ScriptedServer::Current().heardBeforeTls != std::string::npos;
}

std::string CSocket::TlsDescription() const {
    return IsEncrypted() ? "scripted" : "";
}

bool CSocket::Send(const char* data, std::size_t size, std::chrono::milliseconds /*stall*/) {
    if (m_fd < 0) {
        m_status = Status::Failed;
        return false;
    }
    ScriptedServer::Current().heard.append(data, size);
    return true;
}

bool CSocket::Receive(char* buffer, std::size_t capacity, std::size_t& received, Clock::time_point /*deadline*/) {
    ScriptedServer& server = ScriptedServer::Current();
    received = 0;
    if (m_fd < 0 || server.position == server.said.size()) {
        m_status = m_fd < 0 ? Status::Failed : Status::Closed;
        return false;
    }
    received = std::min(server.NextReceiveSize(capacity), server.said.size() - server.position);
    std::memcpy(buffer, server.said.data() + server.position, received);
    server.position += received;
    return true;
}

std::string CSocket::LocalAddressLiteral() const {
    return "[127.0.0.1]";
}

} // namespace desklet
