#pragma once

#include "mail/CMimePartEncoder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace desklet {

// The "text/plain" part: the text as it is, with line breaks added at blanks so that
// lines stay near the wrap width.
class CTextPartEncoder : public CMimePartEncoder {
public:
    CTextPartEncoder(std::int32_t contentType, std::int32_t wrapWidth)
        : CMimePartEncoder(contentType), m_nWrapWidth(wrapWidth) {}

    bool AppendPart(const MimePartInfo& part, std::string& body, std::string& error) const override;
    std::string GetContentTypeString() const override;
    std::string BuildPartHeader(const MimePartInfo& part) const override;

    // Breaks a line once its column count passes the width, at the latest blank seen
    // (which may lie in an earlier line), the white space around the break removed.
    // The column count restarts at each break and at each CR LF of the text, and it
    // counts scan positions of the text as rewritten so far, so wrapped lines may
    // come out a few characters longer than the width. Linear in the text's length.
    std::string WrapText(std::string_view text) const;

    std::int32_t GetWrapWidth() const { return m_nWrapWidth; }

private:
    std::int32_t m_nWrapWidth;
};

} // namespace desklet
