#include "smtp/CSmtpClient.h"

#include "mail/CBase64Codec.h"
#include "mail/CMailItem.h"
#include "mail/MessageSource.h"
#include "smtp/DataTransparency.h"
#include "text/Ascii.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <new>
#include <openssl/crypto.h>
#include <unistd.h>
#include <vector>

namespace desklet {

namespace {

struct ExpectedReply {
    int code;
    const char* failure;
};

// Indexed by CSmtpClient::ReplyIndex.
constexpr ExpectedReply kExpectedReplies[] = {
    {250, "SMTP server error"},
    {220, "SMTP server not available"},
    {354, "SMTP server not ready for data"},
    {221, "SMTP server didn't terminate session"},
    {220, "SMTP server refused STARTTLS"},
    {334, "Login refused"},
    {235, "Login refused"},
};

constexpr const char* kCancelled = "Cancelled";
constexpr const char* kConnectionClosed = "Connection closed by server";
constexpr const char* kSocketError = "Socket Error";
constexpr const char* kEncryptionRequired = "Encryption required for login";

using FailureKind = CSmtpClient::FailureKind;

FailureKind KindOfReply(int code) {
    if (code >= 400 && code < 500) {
        return FailureKind::Temporary;
    }
    if (code >= 500 && code < 600) {
        return FailureKind::Permanent;
    }
    return FailureKind::Protocol;
}

// Overwrites a secret before its memory goes back to the heap.
void Wipe(std::string& secret) {
    if (!secret.empty()) {
        OPENSSL_cleanse(secret.data(), secret.size());
    }
    secret.clear();
}

std::string Base64(std::string_view text) {
    std::string out;
    CBase64Codec::AppendEncoded(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), out);
    return out;
}

// Replaces every occurrence of the secret in the text.
void Redact(std::string& text, const std::string& secret) {
    if (secret.empty()) {
        return;
    }
    for (std::size_t at = text.find(secret); at != std::string::npos; at = text.find(secret, at)) {
        text.replace(at, secret.size(), "(hidden)");
        at += 8;
    }
}

// One receive; the reply is gathered from as many as it takes.
constexpr std::size_t kReceiveChunk = 4096;
// Small pieces of the data (inserted dots, rewritten line breaks, short runs
// between them) are gathered here, so a body full of them is not sent byte by byte.
constexpr std::size_t kStagingSize = 64 * 1024;
// Long runs go straight from the body to the socket in pieces of this size, which
// is also the granularity of the progress reports.
constexpr std::size_t kDirectSlice = 1024 * 1024;
// The message is read into a buffer of this size: one send per buffer, and memory
// that does not grow with the document.
constexpr std::size_t kDataBuffer = kDirectSlice;

// RFC 1035 section 2.3.4: a label holds at most 63 octets, a name at most 255 on
// the wire, so 253 in text.
constexpr std::size_t kMaxLabel = 63;
constexpr std::size_t kMaxDomain = 253;

// The reply code: the first three characters when they are all digits, else 0.
int ParseReplyCode(std::string_view reply) {
    if (reply.size() < 3) {
        return 0;
    }
    int code = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        if (!ascii::IsDigit(reply[i])) {
            return 0;
        }
        code = code * 10 + (reply[i] - '0');
    }
    return code;
}

// A stretch of the message, by its offsets.
struct Range {
    std::uint64_t begin;
    std::uint64_t end;
};

// Where the document's lines lie in the message, in order.
std::vector<Range> DocumentLines(const MessageSource& message) {
    std::vector<Range> lines;
    std::uint64_t at = 0;
    message.Survey([&](const MessageSource::Stretch& stretch) {
        at += stretch.text.size();
        if (stretch.lineBytes > 0) {
            lines.push_back({at, at + stretch.lineBytes});
            at += stretch.lineBytes;
        }
    });
    return lines;
}

// Gathers the message for the socket: short pieces are copied into a staging
// buffer, long ones sent from where they lie.
class DataWriter {
public:
    DataWriter(CSocket& socket, SmtpTimeouts::Duration stall, const CSmtpClient::ProgressCallback& progress,
               std::uint64_t total)
        : m_socket(socket), m_stall(stall), m_progress(progress), m_total(total) {
        m_staging.reserve(kStagingSize);
    }

    bool Write(const char* data, std::size_t size) {
        if (!m_ok) {
            return false;
        }
        if (size >= kStagingSize / 4) {
            if (!Flush()) {
                return false;
            }
            while (size > 0) {
                const std::size_t piece = std::min(size, kDirectSlice);
                if (!SendNow(data, piece)) {
                    return false;
                }
                data += piece;
                size -= piece;
            }
            return true;
        }
        if (m_staging.size() + size > kStagingSize && !Flush()) {
            return false;
        }
        m_staging.append(data, size);
        return true;
    }

    bool Flush() {
        if (!m_ok || m_staging.empty()) {
            return m_ok;
        }
        const bool sent = SendNow(m_staging.data(), m_staging.size());
        m_staging.clear();
        return sent;
    }

private:
    bool SendNow(const char* data, std::size_t size) {
        if (!m_socket.Send(data, size, m_stall)) {
            m_ok = false;
            return false;
        }
        m_sent += size;
        if (m_progress) {
            m_progress(m_sent, m_total);
        }
        return true;
    }

    CSocket& m_socket;
    SmtpTimeouts::Duration m_stall;
    const CSmtpClient::ProgressCallback& m_progress;
    std::uint64_t m_total;
    std::uint64_t m_sent = 0;
    std::string m_staging;
    bool m_ok = true;
};

} // namespace

CSmtpClient::CSmtpClient(const std::string& server, unsigned port) : m_nPort(port), m_strServer(server) {}

CSmtpClient::~CSmtpClient() {
    (void)Disconnect();
    Wipe(m_strPassword);
}

void CSmtpClient::SetCredentials(std::string user, std::string password) {
    Wipe(m_strPassword);
    m_strUser = std::move(user);
    m_strPassword = std::move(password);
    Wipe(password);
}

void CSmtpClient::SetServer(const char* server, unsigned port) {
    if (server == nullptr) {
        return;
    }
    m_strServer = server;
    m_nPort = port;
}

bool CSmtpClient::Fail(FailureKind kind, std::string text) {
    m_failureKind = kind;
    m_strLastError = std::move(text);
    m_bFailedOnReply = false;
    return false;
}

// For a reply that did not say yes: its class decides the kind, the text is kept.
bool CSmtpClient::FailReply() {
    m_failureKind = KindOfReply(m_nLastReplyCode);
    return false;
}

void CSmtpClient::CloseConnection() {
    m_socket.Close();
    m_bConnected = false;
    m_pending.clear();
    m_pending.shrink_to_fit();
}

// After a transport failure the stream is out of step with the dialogue (a late
// reply would be taken for the next one), so the session is over.
bool CSmtpClient::FailTransport(std::string_view timeoutText) {
    const CSocket::Status status = m_socket.GetLastStatus();
    CloseConnection();
    switch (status) {
    case CSocket::Status::Aborted:
        return Fail(FailureKind::Cancelled, kCancelled);
    case CSocket::Status::Closed:
        return Fail(FailureKind::ConnectionLost, kConnectionClosed);
    case CSocket::Status::Timeout:
        return Fail(FailureKind::Timeout, std::string(timeoutText));
    default:
        return Fail(FailureKind::ConnectionLost, kSocketError);
    }
}

bool CSmtpClient::SendCommand(std::string_view command) {
    if (!m_socket.Send(command.data(), command.size(), m_timeouts.sendStall)) {
        return FailTransport("Timed out sending to the server");
    }
    return true;
}

bool CSmtpClient::ReadReply(ReplyIndex index, SmtpTimeouts::Duration timeout) {
    const CSocket::Clock::time_point deadline = CSocket::Clock::now() + timeout;
    std::size_t scanned = 0; // bytes of m_pending already split into lines
    std::size_t lines = 0;
    std::array<char, kReceiveChunk> chunk;
    for (;;) {
        std::size_t lineEnd;
        while ((lineEnd = m_pending.find('\n', scanned)) != std::string::npos) {
            const std::string_view line(m_pending.data() + scanned, lineEnd - scanned);
            ++lines;
            if (lineEnd + 1 > kMaxReplyBytes || lines > kMaxReplyLines) {
                CloseConnection();
                return Fail(FailureKind::Protocol, "Reply too long");
            }
            scanned = lineEnd + 1;
            // The last line of a reply is the one without a hyphen after the code.
            if (line.size() >= 4 && line[3] == '-') {
                continue;
            }
            m_strLastReply.assign(m_pending, 0, scanned);
            m_pending.erase(0, scanned);
            m_nLastReplyCode = ParseReplyCode(m_strLastReply);
            const ExpectedReply& expected = kExpectedReplies[index];
            if (m_nLastReplyCode == expected.code) {
                return true;
            }
            Fail(KindOfReply(m_nLastReplyCode), std::to_string(m_nLastReplyCode) + ":" + expected.failure);
            m_bFailedOnReply = true;
            return false;
        }
        if (m_pending.size() > kMaxReplyBytes) {
            CloseConnection();
            return Fail(FailureKind::Protocol, "Reply too long");
        }
        std::size_t received = 0;
        if (!m_socket.Receive(chunk.data(), chunk.size(), received, deadline)) {
            return FailTransport("Timed out waiting for the server");
        }
        m_pending.append(chunk.data(), received);
    }
}

bool CSmtpClient::IsValidDomain(std::string_view name) {
    if (name.empty() || name.size() > kMaxDomain) {
        return false;
    }
    std::size_t labelStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '.') {
            const std::size_t length = i - labelStart;
            if (length == 0 || length > kMaxLabel || name[labelStart] == '-' || name[i - 1] == '-') {
                return false;
            }
            labelStart = i + 1;
            continue;
        }
        if (!(ascii::IsAlnum(name[i]) || name[i] == '-')) {
            return false;
        }
    }
    return true;
}

std::string CSmtpClient::HeloName() const {
    std::string name;
    if (m_hostName) {
        name = m_hostName();
    } else {
        // HOST_NAME_MAX is 64 on Linux; a longer buffer costs nothing.
        char buffer[256] = {};
        if (::gethostname(buffer, sizeof buffer - 1) == 0) {
            name = buffer;
        }
    }
    // A name we cannot vouch for is replaced by our address, which the server can
    // check against the connection (RFC 5321 section 4.1.3).
    if (!IsValidDomain(name)) {
        name = m_socket.LocalAddressLiteral();
    }
    return name;
}

bool CSmtpClient::Connect() {
    if (m_bConnected) {
        return true;
    }
    if (m_socket.IsAborted()) {
        return Fail(FailureKind::Cancelled, kCancelled);
    }
    // Refused before a byte goes out: a login is never offered in plain text.
    if (m_security == Security::None && !m_strUser.empty()) {
        return Fail(FailureKind::LoginUnavailable, kEncryptionRequired);
    }
    try {
        m_pending.reserve(kReceiveChunk);
    } catch (const std::bad_alloc&) {
        return Fail(FailureKind::Permanent, "Not enough memory");
    }
    m_pending.clear();
    m_capabilities = SmtpCapabilities();
    // A reply of an earlier session must not pass for this one's.
    m_strLastReply.clear();
    m_nLastReplyCode = 0;
    if (!m_socket.Connect(m_strServer, m_nPort, m_timeouts.connect)) {
        switch (m_socket.GetLastStatus()) {
        case CSocket::Status::Aborted:
            return Fail(FailureKind::Cancelled, kCancelled);
        case CSocket::Status::CreateFailed:
            return Fail(FailureKind::Connect, "Unable to create the socket.");
        case CSocket::Status::NameNotFound:
            return Fail(FailureKind::NameNotFound, "Unable to connect to server");
        case CSocket::Status::Refused:
            return Fail(FailureKind::ConnectionRefused, "Unable to connect to server");
        case CSocket::Status::Timeout:
            return Fail(FailureKind::Timeout, "Unable to connect to server");
        default:
            return Fail(FailureKind::Connect, "Unable to connect to server");
        }
    }
    if (m_security == Security::Tls && !StartTls()) {
        return false;
    }
    if (!ReadReply(kReplyGreeting, m_timeouts.greetingReply)) {
        EndRefusedSession();
        if (m_socket.IsAborted()) {
            return Fail(FailureKind::Cancelled, kCancelled);
        }
        // The documented text replaces the read's; whether the server said no stays known.
        const bool replied = m_bFailedOnReply;
        Fail(m_failureKind, "Server didn't respond.");
        m_bFailedOnReply = replied;
        return false;
    }
    const std::string name = HeloName();
    if (name.empty()) {
        Fail(FailureKind::Protocol, "Unable to determine the local host name");
        EndRefusedSession();
        return false;
    }
    const bool introduced = IsPlainRoad()
                                ? SendCommand("HELO " + name + "\r\n") && ReadReply(kReplyOk, m_timeouts.heloReply)
                                : Introduce(name);
    if (!introduced) {
        EndRefusedSession();
        return false;
    }
    m_bConnected = true;
    return true;
}

void CSmtpClient::EndRefusedSession() {
    // RFC 5321 section 4.1.1.10: a session ends with QUIT. It needs the dialogue in
    // step: after a transport failure or a broken handshake the connection is
    // already closed, and a 421 means the server is closing it (section 3.8).
    const bool inStep = m_socket.IsOpen() && !m_socket.IsAborted() && !(m_bFailedOnReply && m_nLastReplyCode == 421);
    if (inStep) {
        const FailureKind kind = m_failureKind;
        const std::string error = m_strLastError;
        const std::string reply = m_strLastReply;
        const int code = m_nLastReplyCode;
        const bool onReply = m_bFailedOnReply;
        // What the goodbye meets changes nothing: the session failed already.
        (void)(SendCommand("QUIT\r\n") && ReadReply(kReplyGoodbye, m_timeouts.quitReply));
        m_failureKind = kind;
        m_strLastError = error;
        m_strLastReply = reply;
        m_nLastReplyCode = code;
        m_bFailedOnReply = onReply;
    }
    CloseConnection();
}

bool CSmtpClient::Ehlo(const std::string& name) {
    if (!SendCommand("EHLO " + name + "\r\n") || !ReadReply(kReplyOk, m_timeouts.heloReply)) {
        return false;
    }
    m_capabilities = SmtpCapabilities::Parse(m_strLastReply);
    return true;
}

bool CSmtpClient::Introduce(const std::string& name) {
    if (!Ehlo(name)) {
        return false;
    }
    if (m_security == Security::StartTls) {
        if (!m_capabilities.startTls) {
            return Fail(FailureKind::EncryptionUnavailable, "Server does not offer STARTTLS");
        }
        if (!SendCommand("STARTTLS\r\n")) {
            return false;
        }
        if (!ReadReply(kReplyTlsReady, m_timeouts.heloReply)) {
            if (m_nLastReplyCode != 0 && m_failureKind != FailureKind::Cancelled) {
                m_failureKind = FailureKind::EncryptionUnavailable;
            }
            return false;
        }
        // What the server said before TLS tells nothing about the secure session
        // (RFC 3207 section 4.2): the capabilities are asked for again.
        m_capabilities = SmtpCapabilities();
        if (!StartTls() || !Ehlo(name)) {
            return false;
        }
    }
    return m_strUser.empty() || Login();
}

bool CSmtpClient::StartTls() {
    // Whatever came in plain text behind the last reply is dropped with it.
    m_pending.clear();
    if (m_socket.StartTls(m_strServer, CSocket::Clock::now() + m_timeouts.tlsHandshake)) {
        return true;
    }
    const CSocket::Status status = m_socket.GetLastStatus();
    CloseConnection();
    switch (status) {
    case CSocket::Status::Aborted:
        return Fail(FailureKind::Cancelled, kCancelled);
    case CSocket::Status::Certificate:
        return Fail(FailureKind::Certificate, "Server certificate not trusted");
    case CSocket::Status::Timeout:
        return Fail(FailureKind::Timeout, "Timed out waiting for the server");
    case CSocket::Status::PlainText:
        // Only a choice of ours explains a plain-text answer to TLS from the first
        // byte; after the server's own go-ahead for STARTTLS it is the server's fault.
        return Fail(m_security == Security::Tls ? FailureKind::PlainTextServer : FailureKind::EncryptionUnavailable,
                    "Unable to start TLS");
    default:
        return Fail(FailureKind::EncryptionUnavailable, "Unable to start TLS");
    }
}

bool CSmtpClient::Login() {
    // Belt and braces: every road that gets here has encrypted, and must have.
    if (!m_socket.IsEncrypted()) {
        return Fail(FailureKind::LoginUnavailable, kEncryptionRequired);
    }
    if (!m_capabilities.authPlain && !m_capabilities.authLogin) {
        return Fail(FailureKind::LoginUnavailable, "Server offers no supported login method");
    }
    const std::size_t encoded = CBase64Codec::EncodedSize(m_strUser.size() + m_strPassword.size() + 2);
    if (encoded + 16 > kMaxAuthLine) {
        return Fail(FailureKind::LoginUnavailable, "User name or password too long");
    }
    if (m_capabilities.authPlain) {
        // RFC 4616: no authorization identity, the user name, the password.
        std::string token;
        token.reserve(m_strUser.size() + m_strPassword.size() + 2);
        token += '\0';
        token += m_strUser;
        token += '\0';
        token += m_strPassword;
        std::string line = "AUTH PLAIN " + Base64(token) + "\r\n";
        Wipe(token);
        return SendSecret(line) && ReadAuthReply(kReplyAuthenticated);
    }
    std::string user = Base64(m_strUser) + "\r\n";
    std::string password = Base64(m_strPassword) + "\r\n";
    const bool ok = SendCommand("AUTH LOGIN\r\n") && ReadAuthReply(kReplyChallenge) && SendSecret(user) &&
                    ReadAuthReply(kReplyChallenge) && SendSecret(password) && ReadAuthReply(kReplyAuthenticated);
    Wipe(user);
    Wipe(password);
    return ok;
}

bool CSmtpClient::SendSecret(std::string& line) {
    const bool sent = SendCommand(line);
    Wipe(line);
    return sent;
}

bool CSmtpClient::ReadAuthReply(ReplyIndex index) {
    const bool ok = ReadReply(index, m_timeouts.heloReply);
    // A server has no business repeating the secret, but one that echoes the
    // command line would put it where error boxes and logs look.
    Redact(m_strLastReply, m_strPassword);
    Redact(m_strLastReply, Base64(m_strPassword));
    std::string token = std::string(1, '\0') + m_strUser + '\0' + m_strPassword;
    Redact(m_strLastReply, Base64(token));
    Wipe(token);
    if (ok || m_failureKind == FailureKind::Cancelled || m_nLastReplyCode == 0) {
        return ok;
    }
    if (m_nLastReplyCode >= 500 && m_nLastReplyCode < 600) {
        m_failureKind = FailureKind::LoginRefused;
    }
    return false;
}

bool CSmtpClient::IsValidAddress(std::string_view address) {
    for (const char c : address) {
        if (c == '\r' || c == '\n' || c == '\0' || c == '<' || c == '>') {
            return false;
        }
    }
    return true;
}

bool CSmtpClient::SendMessage(CMailItem& item) {
    m_bEndOfDataSent = false;
    m_strEndOfDataReply.clear();
    if (!m_bConnected) {
        return Fail(FailureKind::Permanent, "Must be connected");
    }
    bool sent = false;
    try {
        sent = PrepareMessage(item) && TransferMessage(item);
    } catch (const std::bad_alloc&) {
        sent = Fail(FailureKind::Permanent, "Not enough memory");
    }
    // The document is closed whatever came of it; why it could not be read stays
    // with the item.
    item.CloseMessage();
    return sent;
}

bool CSmtpClient::PrepareMessage(CMailItem& item) {
    if (item.GetRecipientCount() == 0) {
        return Fail(FailureKind::Permanent, "No Recipients");
    }
    // Checked before composing, which opens the document for nothing otherwise.
    if (!IsValidAddress(item.m_strSender)) {
        return Fail(FailureKind::InvalidAddress, "Invalid address");
    }
    for (const CMailItem::Recipient& recipient : item.m_arrRecipients) {
        if (!IsValidAddress(recipient.first)) {
            return Fail(FailureKind::InvalidAddress, "Invalid address");
        }
    }
    if (item.OpenMessage() == nullptr) {
        return Fail(FailureKind::Permanent, item.GetComposeError());
    }
    return true;
}

bool CSmtpClient::TransferMessage(CMailItem& item) {
    if (!m_bConnected) {
        return Fail(FailureKind::Permanent, "Must be connected");
    }
    // Again here, for a derived class that prepares the item its own way: nothing
    // of a bad address may reach the wire.
    const int count = item.GetRecipientCount();
    std::string address;
    std::string displayName;
    if (!IsValidAddress(item.m_strSender)) {
        return Fail(FailureKind::InvalidAddress, "Invalid address");
    }
    for (int i = 0; i < count; ++i) {
        if (!item.GetRecipient(address, displayName, i) || !IsValidAddress(address)) {
            return Fail(FailureKind::InvalidAddress, "Invalid address");
        }
    }
    MessageSource* message = item.GetMessage();
    if (message == nullptr && (message = item.OpenMessage()) == nullptr) {
        return Fail(FailureKind::Permanent, item.GetComposeError());
    }

    // The server's limit is checked before the envelope: a mail it would refuse at
    // the end is not sent in full first. Measuring reads no document.
    const std::uint64_t total = MeasureData(*message);
    m_nMessageSize = total;
    if (m_capabilities.sizeLimit != 0 && total > m_capabilities.sizeLimit) {
        return Fail(FailureKind::TooLarge, "Message too large for server");
    }
    // The plain road keeps the spelling it always had; ESMTP servers get RFC 5321's.
    const bool plain = IsPlainRoad();
    const std::string mailFrom = plain ? "MAIL From: <" : "MAIL FROM:<";
    const std::string rcptTo = plain ? "RCPT TO: <" : "RCPT TO:<";
    if (!SendCommand(mailFrom + item.m_strSender + ">\r\n") || !ReadReply(kReplyOk, m_timeouts.mailReply)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        (void)item.GetRecipient(address, displayName, i);
        if (!SendCommand(rcptTo + address + ">\r\n")) {
            return false;
        }
        // A refused recipient does not end the transfer; a lost connection does.
        if (!ReadReply(kReplyOk, m_timeouts.rcptReply) && !m_bConnected) {
            return false;
        }
    }
    if (!SendCommand("DATA\r\n") || !ReadReply(kReplyStartData, m_timeouts.dataReply)) {
        return false;
    }
    if (!SendData(*message, total)) {
        return false;
    }
    const bool accepted = ReadReply(kReplyOk, m_timeouts.dataEndReply);
    // Either way a reply came; a timeout or a broken connection leaves it empty.
    if (accepted || m_bFailedOnReply) {
        m_strEndOfDataReply = m_strLastReply;
    }
    return accepted;
}

std::uint64_t CSmtpClient::MeasureData(const MessageSource& message) {
    // The header goes through the same transformation as the body: a well-formed
    // header passes unchanged, and a hostile one still cannot end the data. The
    // document's lines pass unchanged and are counted by their size.
    std::uint64_t total = 0;
    DataTransparency measure;
    auto count = [&total](const char*, std::size_t size) { total += size; };
    message.Survey([&](const MessageSource::Stretch& stretch) {
        measure.Transform(stretch.text, count);
        if (stretch.lineBytes > 0) {
            total += stretch.lineBytes;
            measure.PassLines();
        }
    });
    return total;
}

bool CSmtpClient::SendData(MessageSource& message, std::uint64_t total) {
    if (m_progress) {
        m_progress(0, total);
    }
    DataTransparency transparency;
    DataWriter writer(m_socket, m_timeouts.sendStall, m_progress, total);
    bool ok = true;
    auto sink = [&](const char* data, std::size_t size) { ok = ok && writer.Write(data, size); };
    // The message is pulled into one buffer, the next piece only once the last
    // has gone: the document is never in memory whole. A clean buffer goes to
    // the socket in one send, straight from here. The document's lines pass the
    // transparency unchanged, so they are not scanned for it.
    const std::vector<Range> lines = DocumentLines(message);
    std::size_t next = 0;       // the first range of lines not wholly behind
    std::uint64_t position = 0; // of the buffer's first byte in the message
    std::vector<char> buffer(kDataBuffer);
    for (;;) {
        std::size_t got = 0;
        if (!message.Read(buffer.data(), buffer.size(), &got)) {
            // Part of the data has gone, and is not the document. Without the
            // end-of-data line the server must not deliver it, and a connection
            // that closes mid-data ends the transaction (RFC 5321 section 3.8).
            CloseConnection();
            return Fail(FailureKind::Permanent, message.GetError());
        }
        if (got == 0) {
            break;
        }
        for (std::size_t at = 0; at < got;) {
            const std::uint64_t here = position + at;
            while (next < lines.size() && lines[next].end <= here) {
                ++next;
            }
            const bool inLines = next < lines.size() && lines[next].begin <= here;
            const std::uint64_t stop = next == lines.size() ? position + got
                                       : inLines            ? lines[next].end
                                                            : lines[next].begin;
            const auto part = static_cast<std::size_t>(std::min<std::uint64_t>(stop, position + got) - here);
            if (inLines) {
                sink(buffer.data() + at, part);
                if (here + part == lines[next].end) {
                    transparency.PassLines();
                }
            } else {
                transparency.Transform(std::string_view(buffer.data() + at, part), sink);
            }
            at += part;
        }
        position += got;
        if (!ok) {
            return FailTransport("Timed out sending to the server");
        }
    }
    if (!writer.Flush()) {
        return FailTransport("Timed out sending to the server");
    }
    // Last look before the line that makes the server take the message.
    if (m_socket.IsAborted()) {
        CloseConnection();
        return Fail(FailureKind::Cancelled, kCancelled);
    }
    // Whoever records the mail learns it may be delivered from now on, and may
    // still hold it back.
    if (m_endOfData && !m_endOfData()) {
        CloseConnection();
        return Fail(FailureKind::Cancelled, "Stopped before the end of the message");
    }
    // Counted as gone once it is handed over: a part of it may reach the server
    // even when the write fails.
    m_bEndOfDataSent = true;
    return SendCommand("\r\n.\r\n");
}

bool CSmtpClient::Disconnect() {
    // A cancelled session has no goodbye: the connection is already gone or must
    // go at once, and the caller learns that the session did not end cleanly.
    if (m_socket.IsAborted()) {
        CloseConnection();
        return Fail(FailureKind::Cancelled, kCancelled);
    }
    if (!m_bConnected) {
        CloseConnection();
        return true;
    }
    const bool ok = SendCommand("QUIT\r\n") && ReadReply(kReplyGoodbye, m_timeouts.quitReply);
    CloseConnection();
    return ok;
}

} // namespace desklet
