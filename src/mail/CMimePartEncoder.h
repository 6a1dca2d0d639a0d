#pragma once

#include "mail/MimePartInfo.h"

#include <cstdint>
#include <string>

namespace desklet {

class ComposedMessage;

// Writes one part of a multipart message: its header block and its encoded content.
// Encoders keep no state of their own beyond the content type they serve, so one
// encoder serves every message, on any thread.
class CMimePartEncoder {
public:
    explicit CMimePartEncoder(std::int32_t contentType) : m_nContentType(contentType) {}
    virtual ~CMimePartEncoder() = default;

    CMimePartEncoder(const CMimePartEncoder&) = delete;
    CMimePartEncoder& operator=(const CMimePartEncoder&) = delete;

    // Appends this part's header block and encoded content to body. False when the
    // part could not be written whole; error then says why, and body holds no byte
    // of this part (a half-written part must not go out as if it were whole).
    [[nodiscard]] virtual bool AppendPart(const MimePartInfo& part, std::string& body, std::string& error) const = 0;

    // Adds this part to a message being composed, the same bytes as AppendPart
    // writes. False, the message as it was, when the part cannot be written;
    // error then says why. By default the part is written whole, with AppendPart;
    // an encoder of documents adds them as sources that are read with the message.
    [[nodiscard]] virtual bool AddPart(const MimePartInfo& part, ComposedMessage& message, std::string& error) const;

    virtual std::string GetContentTypeString() const = 0;

    // The part's header lines and the empty line that ends them.
    virtual std::string BuildPartHeader(const MimePartInfo& part) const = 0;

    bool IsType(std::int32_t contentType) const { return contentType == m_nContentType; }

protected:
    const std::int32_t m_nContentType;
};

} // namespace desklet
