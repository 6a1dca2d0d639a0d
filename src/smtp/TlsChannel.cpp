#include "smtp/TlsChannel_p.h"

#include "text/Ascii.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>

namespace desklet {

namespace {

// One SSL_write never takes more than this, so the int of OpenSSL's interface
// cannot overflow whatever size the caller hands in.
constexpr std::size_t kMaxWriteSlice = 1024 * 1024;

TlsChannel::Wire& WireOf(BIO* bio) {
    return *static_cast<TlsChannel::Wire*>(BIO_get_data(bio));
}

int DescriptorOf(BIO* bio) {
    return WireOf(bio).fd;
}

// OpenSSL's own socket BIO writes with write(2), which raises SIGPIPE when the
// peer has gone; ours sends with MSG_NOSIGNAL like the plain road does.
int BioWrite(BIO* bio, const char* data, int size) {
    BIO_clear_retry_flags(bio);
    for (;;) {
        const ssize_t sent = ::send(DescriptorOf(bio), data, static_cast<std::size_t>(size), MSG_NOSIGNAL);
        if (sent >= 0) {
            return static_cast<int>(sent);
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            BIO_set_retry_write(bio);
        }
        return -1;
    }
}

int BioRead(BIO* bio, char* buffer, int size) {
    BIO_clear_retry_flags(bio);
    for (;;) {
        TlsChannel::Wire& wire = WireOf(bio);
        const ssize_t got = ::recv(wire.fd, buffer, static_cast<std::size_t>(size), 0);
        if (got >= 0) {
            const std::size_t room = TlsChannel::kFirstBytesKept - wire.firstBytes.size();
            wire.firstBytes.append(buffer, std::min(room, static_cast<std::size_t>(got)));
            return static_cast<int>(got);
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            BIO_set_retry_read(bio);
        }
        return -1;
    }
}

long BioControl(BIO*, int command, long, void*) {
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

int BioCreate(BIO* bio) {
    BIO_set_init(bio, 1);
    return 1;
}

BIO_METHOD* SocketMethod() {
    static BIO_METHOD* const method = [] {
        BIO_METHOD* m = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "desklet socket");
        if (m != nullptr) {
            BIO_meth_set_write(m, BioWrite);
            BIO_meth_set_read(m, BioRead);
            BIO_meth_set_ctrl(m, BioControl);
            BIO_meth_set_create(m, BioCreate);
        }
        return m;
    }();
    return method;
}

// The reason of the first queued error, in the library's words; the queue is left
// as it is.
std::string OpenSslReason() {
    const char* reason = ERR_reason_error_string(ERR_peek_error());
    return reason != nullptr ? reason : "";
}

std::string OpenSslErrors() {
    std::string text;
    char line[256];
    while (const unsigned long code = ERR_get_error()) {
        ERR_error_string_n(code, line, sizeof line);
        if (!text.empty()) {
            text += "; ";
        }
        text += line;
    }
    return text;
}

bool IsAddressLiteral(const std::string& name) {
    unsigned char buffer[sizeof(in6_addr)];
    return ::inet_pton(AF_INET, name.c_str(), buffer) == 1 || ::inet_pton(AF_INET6, name.c_str(), buffer) == 1;
}

TlsChannel::CertificateProblem ProblemOf(long verifyResult) {
    switch (verifyResult) {
    case X509_V_OK:
        return TlsChannel::CertificateProblem::None;
    case X509_V_ERR_CERT_HAS_EXPIRED:
    case X509_V_ERR_CERT_NOT_YET_VALID:
        return TlsChannel::CertificateProblem::Expired;
    case X509_V_ERR_HOSTNAME_MISMATCH:
    case X509_V_ERR_IP_ADDRESS_MISMATCH:
        return TlsChannel::CertificateProblem::NameMismatch;
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT:
    case X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY:
    case X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT:
    case X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN:
    case X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE:
    case X509_V_ERR_CERT_UNTRUSTED:
        return TlsChannel::CertificateProblem::Untrusted;
    default:
        return TlsChannel::CertificateProblem::Other;
    }
}

} // namespace

TlsChannel::~TlsChannel() {
    if (m_ssl != nullptr) {
        SSL_free(m_ssl);
    }
    if (m_ctx != nullptr) {
        SSL_CTX_free(m_ctx);
    }
}

bool TlsChannel::Begin(int fd, const std::string& serverName) {
    ERR_clear_error();
    m_ctx = SSL_CTX_new(TLS_client_method());
    BIO_METHOD* method = SocketMethod();
    if (m_ctx == nullptr || method == nullptr) {
        m_strReason = OpenSslReason();
        m_strError = "TLS set-up: " + OpenSslErrors();
        return false;
    }
    SSL_CTX_set_min_proto_version(m_ctx, TLS1_2_VERSION);
    SSL_CTX_set_verify(m_ctx, SSL_VERIFY_PEER, nullptr);
    // A missing store is not fatal here: the handshake then fails as untrusted.
    (void)SSL_CTX_set_default_verify_paths(m_ctx);
    m_ssl = SSL_new(m_ctx);
    BIO* bio = BIO_new(method);
    if (m_ssl == nullptr || bio == nullptr) {
        BIO_free(bio);
        m_strReason = OpenSslReason();
        m_strError = "TLS set-up: " + OpenSslErrors();
        return false;
    }
    m_wire.fd = fd;
    m_wire.firstBytes.clear();
    BIO_set_data(bio, &m_wire);
    SSL_set_bio(m_ssl, bio, bio);
    SSL_set_mode(m_ssl, SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    bool named = false;
    if (IsAddressLiteral(serverName)) {
        // SNI carries host names only (RFC 6066 section 3); an address is checked
        // against the certificate's IP entries.
        named = X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(m_ssl), serverName.c_str()) == 1;
    } else {
        named =
            SSL_set_tlsext_host_name(m_ssl, serverName.c_str()) == 1 && SSL_set1_host(m_ssl, serverName.c_str()) == 1;
    }
    if (!named) {
        m_strReason = OpenSslReason();
        m_strError = "TLS set-up: the server name cannot be checked: " + OpenSslErrors();
        return false;
    }
    SSL_set_connect_state(m_ssl);
    return true;
}

TlsChannel::Step TlsChannel::Classify(int rc, const char* what) {
    const int error = SSL_get_error(m_ssl, rc);
    switch (error) {
    case SSL_ERROR_WANT_READ:
        return Step::WantRead;
    case SSL_ERROR_WANT_WRITE:
        return Step::WantWrite;
    case SSL_ERROR_ZERO_RETURN:
        m_strReason.clear();
        m_strError = std::string(what) + ": the server closed the TLS session";
        return Step::Closed;
    case SSL_ERROR_SYSCALL: {
        const int saved = errno;
        const std::string queued = OpenSslErrors();
        if (saved == 0 || saved == EPIPE || saved == ECONNRESET) {
            m_strReason.clear();
            m_strError = std::string(what) + ": connection closed by peer";
            return Step::Closed;
        }
        m_strReason = std::strerror(saved);
        m_strError = std::string(what) + ": " + m_strReason + (queued.empty() ? "" : "; " + queued);
        return Step::Failed;
    }
    default: {
        const unsigned long first = ERR_peek_error();
        const bool eof = ERR_GET_REASON(first) == SSL_R_UNEXPECTED_EOF_WHILE_READING;
        m_strReason = eof ? std::string() : OpenSslReason();
        m_strError = std::string(what) + ": " + OpenSslErrors();
        return eof ? Step::Closed : Step::Failed;
    }
    }
}

TlsChannel::Step TlsChannel::Handshake() {
    ERR_clear_error();
    errno = 0;
    const int rc = SSL_do_handshake(m_ssl);
    if (rc == 1) {
        m_bEstablished = true;
        return Step::Done;
    }
    const Step step = Classify(rc, "TLS handshake");
    if (step == Step::Failed || step == Step::Closed) {
        const long verify = SSL_get_verify_result(m_ssl);
        m_certificateProblem = ProblemOf(verify);
        if (m_certificateProblem != CertificateProblem::None) {
            m_strReason = X509_verify_cert_error_string(verify);
            m_strError = "certificate: " + m_strReason;
            return Step::Failed;
        }
    }
    return step;
}

TlsChannel::Step TlsChannel::Write(const char* data, std::size_t size, std::size_t& written) {
    written = 0;
    ERR_clear_error();
    errno = 0;
    const int rc = SSL_write(m_ssl, data, static_cast<int>(std::min(size, kMaxWriteSlice)));
    if (rc > 0) {
        written = static_cast<std::size_t>(rc);
        return Step::Done;
    }
    return Classify(rc, "TLS write");
}

TlsChannel::Step TlsChannel::Read(char* buffer, std::size_t capacity, std::size_t& received) {
    received = 0;
    ERR_clear_error();
    errno = 0;
    const int rc = SSL_read(m_ssl, buffer, static_cast<int>(std::min<std::size_t>(capacity, INT_MAX)));
    if (rc > 0) {
        received = static_cast<std::size_t>(rc);
        return Step::Done;
    }
    return Classify(rc, "TLS read");
}

bool IsSmtpReplyStart(const std::string& bytes) {
    return bytes.size() >= 4 && ascii::IsDigit(bytes[0]) && ascii::IsDigit(bytes[1]) && ascii::IsDigit(bytes[2]) &&
           (bytes[3] == ' ' || bytes[3] == '-');
}

void TlsChannel::Shutdown() {
    if (m_ssl != nullptr && m_bEstablished) {
        ERR_clear_error();
        (void)SSL_shutdown(m_ssl);
        ERR_clear_error();
    }
}

std::string TlsChannel::Description() const {
    if (m_ssl == nullptr || !m_bEstablished) {
        return {};
    }
    return std::string(SSL_get_version(m_ssl)) + " " + SSL_get_cipher_name(m_ssl);
}

} // namespace desklet
