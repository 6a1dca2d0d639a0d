#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace desklet {

// The transparency step of the DATA phase (RFC 5321 section 4.5.2): every line
// that begins with a dot gets a second one, and every line break (CR LF, a bare CR
// or a bare LF) goes out as CR LF, so that no text can end the data early or
// smuggle an end-of-data sequence past the server.
//
// One linear pass. Unchanged stretches are handed to the sink whole, pointing into
// the input, so a large clean body is never copied; only the inserted bytes are
// new. The state carries over between calls, so header and body are one stream.
class DataTransparency {
public:
    // Calls sink(const char* data, std::size_t size) for each piece of the output,
    // in order. Empty pieces are never passed.
    template <class Sink> void Transform(std::string_view text, Sink&& sink);

    // The number of bytes Transform would produce for the text from the current
    // state; the state is left as it was.
    std::uint64_t TransformedSize(std::string_view text) const;

    // The whole output as one string; for small texts and tests.
    static std::string Apply(std::string_view text);

    // Moves the state past whole CR LF lines that Transform passes as they are
    // (base64 lines: no dot at a line start, no lone CR or LF), without their
    // bytes: a message can be measured before its document is read.
    void PassLines() {
        m_bAtLineStart = true;
        m_bPendingCr = false;
    }

    bool AtLineStart() const { return m_bAtLineStart; }

private:
    // The data phase starts right after the server's 354, at the start of a line.
    bool m_bAtLineStart = true;
    // The previous piece ended with a CR; an LF at the start of this one belongs to it.
    bool m_bPendingCr = false;
};

template <class Sink> void DataTransparency::Transform(std::string_view text, Sink&& sink) {
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t i = 0;
    if (m_bPendingCr && size > 0) {
        m_bPendingCr = false;
        if (size > 0 && data[0] == '\n') {
            i = 1; // the CR already went out as CR LF
        }
    }
    std::size_t runStart = i;
    // The next CR and LF at or after i, found once each and reused, so a long line
    // full of bare CRs is still scanned once.
    std::size_t nextCr = i;
    std::size_t nextLf = i;
    auto find = [&](char c, std::size_t from) {
        const void* hit = from < size ? std::memchr(data + from, c, size - from) : nullptr;
        return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - data) : size;
    };
    nextCr = find('\r', i);
    nextLf = find('\n', i);

    while (i < size) {
        if (m_bAtLineStart && data[i] == '.') {
            if (i > runStart) {
                sink(data + runStart, i - runStart);
            }
            sink(".", 1);
            runStart = i; // the line's own dot follows in the next run
        }
        m_bAtLineStart = false;
        if (nextCr < i) {
            nextCr = find('\r', i);
        }
        if (nextLf < i) {
            nextLf = find('\n', i);
        }
        const std::size_t lineEnd = nextCr < nextLf ? nextCr : nextLf;
        if (lineEnd == size) {
            break;
        }
        if (data[lineEnd] == '\r' && lineEnd + 1 < size && data[lineEnd + 1] == '\n') {
            i = lineEnd + 2; // a proper CR LF travels inside the run
        } else if (data[lineEnd] == '\r' && lineEnd + 1 == size) {
            // A CR at the very end: CR LF goes out now; an LF that opens the next
            // piece is the second half of this pair.
            if (lineEnd > runStart) {
                sink(data + runStart, lineEnd - runStart);
            }
            sink("\r\n", 2);
            m_bPendingCr = true;
            i = size;
            runStart = size;
        } else {
            // A bare CR or LF.
            if (lineEnd > runStart) {
                sink(data + runStart, lineEnd - runStart);
            }
            sink("\r\n", 2);
            i = lineEnd + 1;
            runStart = i;
        }
        m_bAtLineStart = true;
    }
    if (size > runStart) {
        sink(data + runStart, size - runStart);
    }
}

} // namespace desklet
