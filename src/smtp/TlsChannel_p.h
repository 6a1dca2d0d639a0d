#pragma once

#include <cstddef>
#include <string>

// OpenSSL's types, kept out of every header but this private one.
typedef struct ssl_st SSL;
typedef struct ssl_ctx_st SSL_CTX;

namespace desklet {

// The bytes begin as an SMTP reply does: three digits and a blank or a hyphen. No
// TLS record can: its first byte, the content type, is 20 to 24.
bool IsSmtpReplyStart(const std::string& bytes);

// One TLS client session over a connected non-blocking descriptor, in steps that
// never wait: each says whether it is done, failed, or needs the descriptor to
// become readable or writable first. CSocket does the waiting, so every wait of a
// secure connection is bounded and cancellable exactly as a plain one.
//
// Verification cannot be switched off: TLS 1.2 or later, the chain checked against
// the default trust store (which honours SSL_CERT_FILE and SSL_CERT_DIR), the
// server's name (or address literal) checked against the certificate, SNI sent.
class TlsChannel {
public:
    enum class Step { Done, WantRead, WantWrite, Closed, Failed };
    enum class CertificateProblem { None, Expired, NameMismatch, Untrusted, Other };

    TlsChannel() = default;
    ~TlsChannel();
    TlsChannel(const TlsChannel&) = delete;
    TlsChannel& operator=(const TlsChannel&) = delete;

    // Prepares the session for the descriptor and the server's name; false (with
    // GetError()) when OpenSSL cannot set it up.
    [[nodiscard]] bool Begin(int fd, const std::string& serverName);
    Step Handshake();
    Step Write(const char* data, std::size_t size, std::size_t& written);
    Step Read(char* buffer, std::size_t capacity, std::size_t& received);
    // Sends close_notify without waiting for the peer's.
    void Shutdown();

    bool IsEstablished() const { return m_bEstablished; }
    const std::string& GetError() const { return m_strError; }
    // The reason alone, in the TLS library's or the system's words ("wrong version
    // number", "certificate has expired"); empty when there is none to give.
    const std::string& GetReason() const { return m_strReason; }
    // The first bytes read from the peer, kFirstBytesKept at most: enough to tell
    // the start of an SMTP reply from that of a TLS record.
    const std::string& FirstBytes() const { return m_wire.firstBytes; }
    CertificateProblem GetCertificateProblem() const { return m_certificateProblem; }
    // "TLSv1.3 TLS_AES_256_GCM_SHA384", for the details of an error box.
    std::string Description() const;

    // What the peer sent first is kept, this much of it, to tell a plain-text
    // server from a broken TLS one: a reply code and the character after it.
    static constexpr std::size_t kFirstBytesKept = 4;

    // The descriptor the session runs over and the bytes first read from it; the
    // socket BIO's data points here.
    struct Wire {
        int fd = -1;
        std::string firstBytes;
    };

private:
    Step Classify(int rc, const char* what);

    Wire m_wire;
    SSL_CTX* m_ctx = nullptr;
    SSL* m_ssl = nullptr;
    bool m_bEstablished = false;
    std::string m_strError;
    std::string m_strReason;
    CertificateProblem m_certificateProblem = CertificateProblem::None;
};

} // namespace desklet
