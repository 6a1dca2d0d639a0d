#include "mail/CMailItem.h"

#include "mail/ComposedMessage.h"
#include "mail/HeaderFolding.h"
#include "mail/MessageId.h"

#include <iomanip>
#include <locale>
#include <ostream>
#include <sstream>
#include <vector>

namespace desklet {

namespace {

// What the whole message is written through: the document never lies in memory
// whole, and the stream still gets pieces large enough to write at once.
constexpr std::size_t kWriteBuffer = 256 * 1024;

} // namespace

CMailItem::CMailItem() : m_strMailer("KX Mail"), m_nLineWidth(76) {}

CMailItem::~CMailItem() = default;

bool CMailItem::AddRecipient(const std::string& address, const std::string& displayName) {
    m_arrRecipients.emplace_back(address, displayName);
    return true;
}

int CMailItem::GetRecipientCount() const {
    return static_cast<int>(m_arrRecipients.size());
}

bool CMailItem::GetRecipient(std::string& address, std::string& displayName, int index) const {
    if (index < 0 || index >= GetRecipientCount()) {
        return false;
    }
    const Recipient& recipient = m_arrRecipients[static_cast<std::size_t>(index)];
    address = recipient.first;
    displayName = recipient.second;
    return true;
}

MessageSource* CMailItem::OpenMessage() {
    m_message = std::make_unique<ComposedMessage>();
    m_strComposeError.clear();
    ClearHeader();
    PrepareHeader();
    EndHeader();
    m_message->AddView(m_strHeader);
    if (!PrepareBody()) {
        m_message.reset();
        return nullptr;
    }
    return m_message.get();
}

void CMailItem::CloseMessage() {
    if (m_message && m_strComposeError.empty()) {
        m_strComposeError = m_message->GetError();
    }
    m_message.reset();
}

const std::string& CMailItem::GetComposeError() const {
    return m_strComposeError.empty() && m_message ? m_message->GetError() : m_strComposeError;
}

bool CMailItem::WriteMessage(std::ostream& out) {
    MessageSource* message = OpenMessage();
    if (message == nullptr) {
        return false;
    }
    std::vector<char> buffer(kWriteBuffer);
    std::size_t got = 0;
    bool ok = true;
    while ((ok = message->Read(buffer.data(), buffer.size(), &got)) && got > 0) {
        out.write(buffer.data(), static_cast<std::streamsize>(got));
    }
    CloseMessage();
    return ok;
}

bool CMailItem::ComposeMessage() {
    MessageSource* message = OpenMessage();
    if (message == nullptr) {
        return false;
    }
    std::string whole;
    const bool ok = message->AppendTo(whole);
    CloseMessage();
    if (ok) {
        // The body piece may have been m_strBody itself: replaced only now.
        m_strBody.assign(whole, m_strHeader.size());
    }
    return ok;
}

void CMailItem::PrepareHeader() {
    AddHeaderLine("From: " + m_strSender);

    std::string to = "To: ";
    for (std::size_t i = 0; i < m_arrRecipients.size(); ++i) {
        if (i > 0) {
            to += ',';
        }
        to += m_arrRecipients[i].second;
        to += '<';
        to += m_arrRecipients[i].first;
        to += '>';
    }
    AddHeaderLine(to);

    m_timeDate = m_clock ? m_clock() : std::time(nullptr);
    AddHeaderLine("Date: " + FormatDate(m_timeDate));
    // Made once: a message composed again for another try is still the same one.
    if (m_strMessageId.empty()) {
        m_strMessageId = MessageId::Make(m_strSender);
    }
    if (!m_strMessageId.empty()) {
        AddHeaderLine("Message-ID: " + m_strMessageId);
    }
    AddHeaderLine("Subject: " + m_strSubject);
    AddHeaderLine("X-Mailer: " + m_strMailer);
}

bool CMailItem::PrepareBody() {
    if (m_strBody.size() < 2 || m_strBody.compare(m_strBody.size() - 2, 2, "\r\n") != 0) {
        m_strBody += "\r\n";
    }
    Composition().AddView(m_strBody);
    return true;
}

void CMailItem::EndHeader() {
    m_strHeader += "\r\n";
}

void CMailItem::ClearHeader() {
    m_strHeader.clear();
}

void CMailItem::AddHeaderLine(std::string_view line) {
    std::string clean;
    clean.reserve(line.size());
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\r' || c == '\n') {
            // A CR LF pair is one line break and becomes one blank.
            if (c == '\r' && i + 1 < line.size() && line[i + 1] == '\n') {
                ++i;
            }
            clean += ' ';
        } else if (c == '\0') {
            clean += ' ';
        } else {
            clean += c;
        }
    }
    // Only a line past the limit is folded; every other goes byte for byte.
    m_strHeader += HeaderFolding::Fold(clean);
    m_strHeader += "\r\n";
}

std::string CMailItem::FormatDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    std::ostringstream out;
    // Day and month names in English whatever the user's locale.
    out.imbue(std::locale::classic());
    out << std::put_time(&local, "%a, %d %b %y %H:%M:%S %Z");
    return out.str();
}

} // namespace desklet
