#include "mail/Base64FileSource.h"

#include "mail/CBase64Codec.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace desklet {

namespace {

// Lines' worth of the file read at a time: large reads cost few system calls, and
// 216 KiB is still nothing beside the document.
constexpr std::size_t kReadLines = 4096;
constexpr std::size_t kLineSize = Base64FileSource::kLineChars + 2; // with CR LF

long ReadFile(int fd, std::uint8_t* into, std::size_t size) {
    return static_cast<long>(::read(fd, into, size));
}

} // namespace

std::unique_ptr<Base64FileSource> Base64FileSource::Open(const std::string& path, std::string& error,
                                                         ReadFunction read) {
    const std::filesystem::path file(path);
    // Looked at before it is opened: opening a device can already do something.
    std::error_code status;
    const std::filesystem::file_type type = std::filesystem::status(file, status).type();
    if (type == std::filesystem::file_type::not_found) {
        error = "Unable to open the file " + path + ": " + std::strerror(ENOENT);
        return nullptr;
    }
    if (status) {
        error = "Unable to open the file " + path + ": " + status.message();
        return nullptr;
    }
    if (type != std::filesystem::file_type::regular) {
        error = "The file " + path + " is not a regular file";
        return nullptr;
    }
    Stamp stamp;
    if (!TakeStamp(file, stamp, status)) {
        error = "Unable to open the file " + path + ": " + status.message();
        return nullptr;
    }
    // Without blocking, and looked at again once open: a FIFO put in the file's
    // place since would otherwise wait for a writer that never comes.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = "Unable to open the file " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        error = "The file " + path + " is not a regular file";
        return nullptr;
    }
    (void)::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::unique_ptr<Base64FileSource>(
        new Base64FileSource(path, fd, stamp, read ? std::move(read) : ReadFunction(ReadFile)));
}

Base64FileSource::Base64FileSource(std::string path, int fd, Stamp stamp, ReadFunction read)
    : m_path(std::move(path)), m_fd(fd), m_stamp(stamp), m_read(std::move(read)) {}

Base64FileSource::~Base64FileSource() {
    Close();
}

void Base64FileSource::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

bool Base64FileSource::TakeStamp(const std::filesystem::path& path, Stamp& stamp, std::error_code& error) {
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return false;
    }
    stamp.modified = std::filesystem::last_write_time(path, error);
    return !error;
}

std::uint64_t Base64FileSource::EncodedSize(std::uint64_t documentSize) {
    // Every whole block a full line; the rest, even none, a line of its own; then
    // the empty line.
    return documentSize / kBytesPerLine * kLineSize + CBase64Codec::EncodedSize(documentSize % kBytesPerLine) + 4;
}

void Base64FileSource::Survey(const Visitor& visit) const {
    visit({{}, EncodedSize(m_stamp.size)});
}

bool Base64FileSource::Refill() {
    if (m_input.empty()) {
        m_input.resize(kBytesPerLine * kReadLines);
    }
    const std::size_t rest = m_inputEnd - m_inputBegin;
    std::memmove(m_input.data(), m_input.data() + m_inputBegin, rest);
    m_inputBegin = 0;
    m_inputEnd = rest;
    while (m_inputEnd < m_input.size()) {
        errno = 0;
        const long read = m_read(m_fd, m_input.data() + m_inputEnd, m_input.size() - m_inputEnd);
        if (read < 0 && errno == EINTR) {
            continue;
        }
        if (read < 0) {
            const int code = errno != 0 ? errno : EIO;
            Close();
            return Fail(Failure::DocumentUnreadable, "Unable to read the file " + m_path + ": " + std::strerror(code));
        }
        if (read == 0) {
            return Finish();
        }
        m_inputEnd += static_cast<std::size_t>(read);
        m_consumed += static_cast<std::uint64_t>(read);
        if (m_consumed > m_stamp.size) {
            // Grown: what was announced is no longer the document.
            return Finish();
        }
    }
    return true;
}

bool Base64FileSource::Finish() {
    Close();
    Stamp after;
    std::error_code error;
    if (m_consumed != m_stamp.size || !TakeStamp(m_path, after, error) || !(after == m_stamp)) {
        return Fail(Failure::DocumentUnreadable, "The file " + m_path + " changed while it was being read");
    }
    m_atEnd = true;
    return true;
}

bool Base64FileSource::Read(char* buffer, std::size_t capacity, std::size_t* got) {
    *got = 0;
    if (GetFailure() != Failure::None) {
        return false;
    }
    char* out = buffer;
    char* const end = buffer + capacity;
    while (out < end) {
        if (m_lineBegin < m_lineEnd) {
            const std::size_t part = std::min(m_lineEnd - m_lineBegin, static_cast<std::size_t>(end - out));
            std::memcpy(out, m_line + m_lineBegin, part);
            out += part;
            m_lineBegin += part;
            continue;
        }
        if (m_done) {
            break;
        }
        const std::size_t lines = (m_inputEnd - m_inputBegin) / kBytesPerLine;
        if (lines == 0 && !m_atEnd) {
            if (!Refill()) {
                return false;
            }
            continue;
        }
        // Whole lines straight into the caller's buffer; one that does not fit
        // goes through m_line.
        const std::size_t direct = std::min(lines, static_cast<std::size_t>(end - out) / kLineSize);
        for (std::size_t i = 0; i < direct; ++i) {
            out += CBase64Codec::EncodeTo(m_input.data() + m_inputBegin, kBytesPerLine, out);
            *out++ = '\r';
            *out++ = '\n';
            m_inputBegin += kBytesPerLine;
        }
        if (direct > 0) {
            continue;
        }
        std::size_t size = 0;
        if (lines > 0) {
            size = CBase64Codec::EncodeTo(m_input.data() + m_inputBegin, kBytesPerLine, m_line);
            m_inputBegin += kBytesPerLine;
        } else {
            // The file ended and was checked: its last, short block, then the
            // empty line that ends the part.
            size = CBase64Codec::EncodeTo(m_input.data() + m_inputBegin, m_inputEnd - m_inputBegin, m_line);
            m_line[size++] = '\r';
            m_line[size++] = '\n';
            m_inputBegin = m_inputEnd;
            m_done = true;
            std::vector<std::uint8_t>().swap(m_input);
        }
        m_line[size++] = '\r';
        m_line[size++] = '\n';
        m_lineBegin = 0;
        m_lineEnd = size;
    }
    *got = static_cast<std::size_t>(out - buffer);
    return true;
}

} // namespace desklet
