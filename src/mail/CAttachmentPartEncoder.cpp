#include "mail/CAttachmentPartEncoder.h"

#include "mail/CBase64Codec.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace desklet {

namespace {

// The file is read through a buffer of many lines, so the 54-byte blocks cost no
// system call each.
constexpr std::size_t kReadBufferLines = 1214; // about 64 KiB

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

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

// What tells a change of the file while it is read: Linux cannot deny others the
// right to write while we hold it open, so we look before and after.
struct FileStamp {
    std::uintmax_t size = 0;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

bool Stamp(const std::filesystem::path& path, FileStamp& stamp, std::error_code& error) {
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return false;
    }
    stamp.modified = std::filesystem::last_write_time(path, error);
    return !error;
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

bool CAttachmentPartEncoder::AppendFileContent(std::FILE* file, std::string& body) const {
    if (file == nullptr) {
        return true;
    }
    std::vector<std::uint8_t> buffer(kBytesPerLine * kReadBufferLines);
    for (;;) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file);
        if (std::ferror(file) != 0) {
            return false;
        }
        // The lines of this read are written in place: one resize per read, not
        // one per line.
        const bool last = got < buffer.size();
        const std::size_t fullLines = got / kBytesPerLine;
        const std::size_t rest = got % kBytesPerLine;
        const std::size_t start = body.size();
        body.resize(start + fullLines * (kLineChars + 2) + (last ? CBase64Codec::EncodedSize(rest) + 2 : 0));
        char* out = body.data() + start;
        for (std::size_t line = 0; line < fullLines; ++line) {
            out += CBase64Codec::EncodeTo(buffer.data() + line * kBytesPerLine, kBytesPerLine, out);
            *out++ = '\r';
            *out++ = '\n';
        }
        if (last) {
            // The last, short block: a file whose size is a multiple of 54 ends
            // with the empty line of a read that returns nothing.
            out += CBase64Codec::EncodeTo(buffer.data() + fullLines * kBytesPerLine, rest, out);
            *out++ = '\r';
            *out++ = '\n';
            break;
        }
    }
    body += "\r\n";
    return true;
}

bool CAttachmentPartEncoder::AppendPart(const MimePartInfo& part, std::string& body, std::string& error) const {
    const std::string& content = part.m_strContent;
    const std::filesystem::path path(content);
    // A FIFO or a device would block the send or never end; only a plain file is
    // a document.
    std::error_code status;
    const std::filesystem::file_type type = std::filesystem::status(path, status).type();
    if (type == std::filesystem::file_type::not_found) {
        error = "Unable to open the file " + content + ": " + std::strerror(ENOENT);
        return false;
    }
    if (status) {
        error = "Unable to open the file " + content + ": " + status.message();
        return false;
    }
    if (type != std::filesystem::file_type::regular) {
        error = "The file " + content + " is not a regular file";
        return false;
    }
    FileStamp before;
    if (!Stamp(path, before, status)) {
        error = "Unable to open the file " + content + ": " + status.message();
        return false;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(content.c_str(), "rb"));
    if (!file) {
        error = "Unable to open the file " + content + ": " + std::strerror(errno);
        return false;
    }

    const std::size_t start = body.size();
    // Room for the whole part at once: growing by doubling would hold up to twice
    // the encoded file for a moment.
    const std::uintmax_t lines = before.size / kBytesPerLine + 1;
    body.reserve(start + static_cast<std::size_t>(lines * 74) + 1024);
    MimePartInfo asFile = part;
    asFile.m_bContentIsPath = true;
    body += BuildPartHeader(asFile);
    errno = 0;
    const bool read = AppendFileContent(file.get(), body);
    const int readErrno = errno;
    file.reset();

    FileStamp after;
    if (!read) {
        error = "Unable to read the file " + content + ": " + std::strerror(readErrno != 0 ? readErrno : EIO);
    } else if (!Stamp(path, after, status) || !(after == before)) {
        error = "The file " + content + " changed while it was being read";
    } else {
        return true;
    }
    body.resize(start);
    return false;
}

} // namespace desklet
