#pragma once

#include <cstdint>
#include <string>

namespace desklet {

// One queued part of a multipart message.
struct MimePartInfo {
    // Chosen by the caller and handed to the encoder unchanged.
    std::int32_t m_nEncoding = 0;
    // Selects the encoder (CMimeMailItem::PartTypeText, PartTypeOctetStream).
    std::int32_t m_nContentType = 0;
    // Written right after the MIME type on the part's Content-Type line (text parts).
    std::string m_strParameters;
    bool m_bContentIsPath = false;
    // The part's text, without surrounding blanks, or the path of the file to
    // attach, exactly as given.
    std::string m_strContent;
    // The name an attached file travels under; empty for the last component of
    // its path.
    std::string m_strFileName = {};
};

} // namespace desklet
