#include "mail/CAttachmentPartEncoder.h"

#include "mail/ComposedMessage.h"

#include <unistd.h>

#include <cstring>
#include <memory>

namespace desklet {

namespace {

bool IsTokenChar(unsigned char c) {
    // RFC 2045 section 5.1: any CHAR except SPACE, CTLs and tspecials.
    if (c <= 32 || c >= 127) {
        return false;
    }
    return std::strchr("()<>@,;:\\\"/[]?=", c) == nullptr;
}

bool IsAttributeChar(unsigned char c) {
    // RFC 2231 section 7: attribute-char, a token char other than "*", "'" and "%".
    return IsTokenChar(c) && c != '*' && c != '\'' && c != '%';
}

} // namespace

std::string CAttachmentPartEncoder::GetContentTypeString() const {
    return "application/octet-stream";
}

void CAttachmentPartEncoder::SplitFileName(std::string_view path, std::string& name, std::string& extension) {
    const std::size_t slash = path.rfind('/');
    const std::string_view last = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = last.rfind('.');
    if (dot == std::string_view::npos) {
        name.assign(last);
        extension.clear();
    } else {
        name.assign(last.substr(0, dot));
        extension.assign(last.substr(dot));
    }
}

std::string CAttachmentPartEncoder::FormatParameter(std::string_view attribute, std::string_view value) {
    bool token = !value.empty();
    bool printable = true;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        // "*", "'" and "%" are token characters, but parsers that know RFC 2231
        // read them as its markers in a bare value too ("report*2.pdf" as "report").
        token = token && IsAttributeChar(byte);
        printable = printable && byte >= 32 && byte < 127;
    }
    std::string text = "; ";
    text += attribute;
    if (token) {
        text += '=';
        text += value;
    } else if (printable) {
        text += "=\"";
        for (const char c : value) {
            if (c == '"' || c == '\\') {
                text += '\\';
            }
            text += c;
        }
        text += '"';
    } else {
        static constexpr char kHex[] = "0123456789ABCDEF";
        text += "*=UTF-8''";
        for (const char c : value) {
            const auto byte = static_cast<unsigned char>(c);
            if (IsAttributeChar(byte)) {
                text += c;
            } else {
                text += '%';
                text += kHex[byte >> 4];
                text += kHex[byte & 15];
            }
        }
    }
    return text;
}

std::string CAttachmentPartEncoder::BuildPartHeader(const MimePartInfo& part) const {
    std::string name;
    std::string extension;
    SplitFileName(part.m_strFileName.empty() ? part.m_strContent : part.m_strFileName, name, extension);
    const std::string fileName = name + extension;
    std::string header = "Content-Type: " + GetContentTypeString();
    if (part.m_bContentIsPath) {
        header += FormatParameter("file", fileName);
    }
    header += "\r\nContent-Transfer-Encoding: base64\r\n";
    header += "Content-Disposition: attachment" + FormatParameter("filename", fileName) + "\r\n";
    header += "\r\n";
    return header;
}

long CAttachmentPartEncoder::ReadDocument(int fd, std::uint8_t* into, std::size_t size) const {
    return static_cast<long>(::read(fd, into, size));
}

bool CAttachmentPartEncoder::AddPart(const MimePartInfo& part, ComposedMessage& message, std::string& error) const {
    std::unique_ptr<Base64FileSource> document = Base64FileSource::Open(
        part.m_strContent, error, [this](int fd, std::uint8_t* into, std::size_t size) { return ReadDocument(fd, into, size); });
    if (!document) {
        return false;
    }
    MimePartInfo asFile = part;
    asFile.m_bContentIsPath = true;
    message.AddText(BuildPartHeader(asFile));
    message.AddSource(std::move(document));
    return true;
}

bool CAttachmentPartEncoder::AppendPart(const MimePartInfo& part, std::string& body, std::string& error) const {
    ComposedMessage composed;
    if (!AddPart(part, composed, error)) {
        return false;
    }
    if (!composed.AppendTo(body)) {
        error = composed.GetError();
        return false;
    }
    return true;
}

} // namespace desklet
