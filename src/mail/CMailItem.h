#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desklet {

// One outgoing e-mail message in memory: sender, recipients, subject and body, and
// the header text rendered from them just before sending. It knows nothing of the
// network; the SMTP client composes it and transmits m_strHeader and m_strBody.
//
// Composing runs small virtual steps so that a derived item can add header lines
// and replace the body preparation while the base keeps the fixed header order.
class CMailItem {
public:
    using Recipient = std::pair<std::string, std::string>; // address, display name
    using Clock = std::function<std::time_t()>;

    CMailItem();
    virtual ~CMailItem();

    CMailItem(const CMailItem&) = delete;
    CMailItem& operator=(const CMailItem&) = delete;

    // Appends one recipient; nothing is checked, trimmed or de-duplicated. Always true.
    bool AddRecipient(const std::string& address, const std::string& displayName);
    int GetRecipientCount() const;
    // False, outputs untouched, for an index outside 0 to count - 1.
    bool GetRecipient(std::string& address, std::string& displayName, int index) const;

    void SetLineWidth(int width) { m_nLineWidth = width; }
    int GetLineWidth() const { return m_nLineWidth; }

    // Renders the header and prepares the body: ClearHeader, PrepareHeader,
    // EndHeader, PrepareBody. False when the body could not be prepared whole (an
    // attachment that cannot be read); GetComposeError() then says why, and the
    // message must not be sent.
    [[nodiscard]] bool ComposeMessage();
    const std::string& GetComposeError() const { return m_strComposeError; }

    // The source of the Date line; the system clock unless replaced (tests pin it).
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // The Message-ID line's value, "<random@domain>" with the sender's domain: made
    // when the item is first composed and kept from then on, so that a log of what
    // was sent can name the mail as the service will. Empty before that.
    const std::string& GetMessageId() const { return m_strMessageId; }

    std::string m_strSender;
    std::string m_strSubject;
    std::string m_strMailer;
    std::string m_strHeader;
    std::time_t m_timeDate = 0;
    std::string m_strBody;
    std::int32_t m_nLineWidth;
    std::vector<Recipient> m_arrRecipients;

protected:
    virtual void PrepareHeader();
    // False when the body could not be prepared; set the compose error first.
    virtual bool PrepareBody();
    virtual void EndHeader();
    virtual void ClearHeader();
    // Appends the line and CR LF. Line breaks inside the text become blanks, so no
    // value can start a header line of its own; a line past the 998-octet limit is
    // then folded before blanks (HeaderFolding).
    virtual void AddHeaderLine(std::string_view line);

    void SetComposeError(std::string error) { m_strComposeError = std::move(error); }

    // The Date line's text for a time stamp: local time, English names.
    static std::string FormatDate(std::time_t when);

private:
    Clock m_clock;
    std::string m_strComposeError;
    std::string m_strMessageId;
};

} // namespace desklet
