#pragma once

#include "mail/Base64FileSource.h"
#include "mail/CMimePartEncoder.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace desklet {

// The "application/octet-stream" part: a file, named in the part header and
// written in base64, one line per 54 bytes.
class CAttachmentPartEncoder : public CMimePartEncoder {
public:
    explicit CAttachmentPartEncoder(std::int32_t contentType) : CMimePartEncoder(contentType) {}

    // The content is the path of the file. Fails, leaving body as it was, when the
    // file cannot be opened or read to its end, is not a regular file, or changes
    // while it is read; error names the file.
    bool AppendPart(const MimePartInfo& part, std::string& body, std::string& error) const override;
    // The part header, and the file as a source read while the message is: the
    // file is opened now (failing as AppendPart does when it cannot be), its bytes
    // are read and checked only as the message is read.
    bool AddPart(const MimePartInfo& part, ComposedMessage& message, std::string& error) const override;
    std::string GetContentTypeString() const override;
    // Names the file by the part's file name, or by its path's last component when
    // it has none.
    std::string BuildPartHeader(const MimePartInfo& part) const override;

    // Reads from the open file as read(2) does; the document's every read goes
    // through here.
    virtual long ReadDocument(int fd, std::uint8_t* into, std::size_t size) const;

    // Name and extension of the last "/" component of a path: the extension from
    // its last ".", dot included, empty when there is none.
    static void SplitFileName(std::string_view path, std::string& name, std::string& extension);

    // "; attribute=value" for a header parameter: the value bare when it is an
    // RFC 2045 token without "*", "'" or "%", which RFC 2231 gives a meaning; an
    // RFC 2045 quoted-string when it holds only printable ASCII,
    // else in RFC 2231 form (attribute*=UTF-8''percent-encoded), which is also
    // how CR, LF, NUL and every other control byte travel.
    static std::string FormatParameter(std::string_view attribute, std::string_view value);

    // Bytes of the file in one base64 line (72 characters).
    static constexpr std::size_t kBytesPerLine = Base64FileSource::kBytesPerLine;
    static constexpr std::size_t kLineChars = Base64FileSource::kLineChars;
};

} // namespace desklet
