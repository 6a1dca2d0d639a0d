#pragma once

#include "mail/ComposedMessage.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace desklet {

// One outgoing e-mail message: sender, recipients, subject and body, the header
// text rendered from them, and the message composed from them as a source that
// a transport reads in pieces. It knows nothing of the network.
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

    // Composes the item and opens its message for reading: ClearHeader,
    // PrepareHeader, EndHeader, PrepareBody. Null when the body could not be
    // prepared (an attachment that cannot be opened); GetComposeError() then says
    // why, and nothing of the message may be sent. The message is the item's: it
    // stays open until CloseMessage() or the next open, and a document is read
    // only while the message is.
    MessageSource* OpenMessage();
    // The open message, or null.
    MessageSource* GetMessage() { return m_message.get(); }
    // Lets go of the message and the files it reads; why it could not be read
    // whole, if so, stays in GetComposeError().
    void CloseMessage();

    // Composes the item and writes the whole message to out, read piece by piece.
    // False when it could not be composed or read whole (GetComposeError); the
    // bytes written before such a failure stay written.
    [[nodiscard]] bool WriteMessage(std::ostream& out);

    // Composes the whole message into memory: the header in m_strHeader, the body
    // in m_strBody. False, as OpenMessage, when it cannot be composed whole.
    [[nodiscard]] bool ComposeMessage();
    // Why the message could not be composed, or read whole once open; empty when
    // nothing failed.
    const std::string& GetComposeError() const;

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
    // Adds the body to the message being composed (Composition()), after the
    // header: here m_strBody, ended with CR LF. False when the body could not be
    // prepared; set the compose error first.
    virtual bool PrepareBody();
    virtual void EndHeader();
    virtual void ClearHeader();
    // Appends the line and CR LF. Line breaks inside the text become blanks, so no
    // value can start a header line of its own; a line past the 998-octet limit is
    // then folded before blanks (HeaderFolding).
    virtual void AddHeaderLine(std::string_view line);

    void SetComposeError(std::string error) { m_strComposeError = std::move(error); }
    // The message being composed; valid in PrepareBody.
    ComposedMessage& Composition() { return *m_message; }

    // The Date line's text for a time stamp: local time, English names.
    static std::string FormatDate(std::time_t when);

private:
    Clock m_clock;
    std::string m_strComposeError;
    std::string m_strMessageId;
    std::unique_ptr<ComposedMessage> m_message;
};

} // namespace desklet
