#pragma once

#include "mail/MessageSource.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace desklet {

// A document as the content of a base64 part, read from its file only as the
// message is read: one 72-character line per 54 bytes, then the line of the last
// short (or empty) block, then the empty line that ends the part. Only the file's
// bytes of one read are held at a time, whatever the size of the document.
//
// The size is fixed when the file is opened, for a transport that must announce
// it; a file that is cut, grows or is written to before its end has been read
// fails the read, so a truncated or mixed document never passes for the one
// chosen.
class Base64FileSource final : public MessageSource {
public:
    // read(2) by default; tests put a failing one in.
    using ReadFunction = std::function<long(int fd, std::uint8_t* into, std::size_t size)>;

    // Opens a regular file and notes its size and time. Null when the file does
    // not exist, cannot be opened or is no regular file (a FIFO or a device would
    // block the send or never end); error then names the file and the reason.
    static std::unique_ptr<Base64FileSource> Open(const std::string& path, std::string& error, ReadFunction read = {});
    ~Base64FileSource() override;

    // Fails with DocumentUnreadable on a read error, and when the file changed
    // while it was read (its size or time, or the bytes it gave).
    bool Read(char* buffer, std::size_t capacity, std::size_t* got) override;
    void Survey(const Visitor& visit) const override;

    // The bytes of the lines for a document of the given size.
    static std::uint64_t EncodedSize(std::uint64_t documentSize);

    static constexpr std::size_t kBytesPerLine = 54;
    static constexpr std::size_t kLineChars = 72;

private:
    struct Stamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        bool operator==(const Stamp&) const = default;
    };

    Base64FileSource(std::string path, int fd, Stamp stamp, ReadFunction read);
    static bool TakeStamp(const std::filesystem::path& path, Stamp& stamp, std::error_code& error);
    // Reads until the buffer holds a whole line or more, or the file ends.
    bool Refill();
    // Checks, at the end of the file, that it is the file that was opened.
    bool Finish();
    void Close();

    std::string m_path;
    int m_fd;
    Stamp m_stamp;
    ReadFunction m_read;
    std::uint64_t m_consumed = 0; // bytes read from the file
    bool m_atEnd = false;         // the file gave its last byte and was checked
    bool m_done = false;          // every byte of the part was made
    std::vector<std::uint8_t> m_input;
    std::size_t m_inputBegin = 0;
    std::size_t m_inputEnd = 0;
    // A line, or the closing lines, made whole but handed out only in part.
    char m_line[kLineChars + 4];
    std::size_t m_lineBegin = 0;
    std::size_t m_lineEnd = 0;
};

} // namespace desklet
