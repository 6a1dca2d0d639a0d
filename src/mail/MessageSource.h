#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace desklet {

// A composed message read in pieces: a transport pulls it into buffers of its own
// size, so a message around a document of any size never lies whole in memory.
// The document is read, and encoded, only as its bytes are asked for.
class MessageSource {
public:
    enum class Failure {
        None,
        DocumentUnreadable, // the document could not be read to its end, or changed while it was read
    };

    // One stretch of the message as Survey walks it: text held in memory, or the
    // size of a run of lines that are made only when they are read.
    struct Stretch {
        std::string_view text;
        std::uint64_t lineBytes = 0;
    };
    using Visitor = std::function<void(const Stretch&)>;

    MessageSource() = default;
    virtual ~MessageSource() = default;
    MessageSource(const MessageSource&) = delete;
    MessageSource& operator=(const MessageSource&) = delete;

    // Copies the next bytes of the message to buffer, as many as fit or as remain,
    // and sets *got to their number: 0 only at the end. False when the message
    // cannot be had whole (its document could not be read, or changed while it was
    // read); GetFailure() and GetError() then say why, every later call fails too,
    // and the bytes read so far are no message and must not go out as one.
    [[nodiscard]] virtual bool Read(char* buffer, std::size_t capacity, std::size_t* got) = 0;

    // Walks the message in order without reading a document: the text held in
    // memory, and each run of lines made while reading (a document in base64) by
    // its size. Such lines are whole CR LF lines of base64 characters: none begins
    // with a dot and none holds a lone CR or LF, so a transport's rewriting of line
    // starts and line breaks leaves them as they are.
    virtual void Survey(const Visitor& visit) const = 0;

    // The number of bytes all reads give together.
    std::uint64_t Size() const;

    // Reads the rest of the message onto the end of text. False, text as it was,
    // when the message cannot be had whole.
    [[nodiscard]] bool AppendTo(std::string& text);

    Failure GetFailure() const { return m_failure; }
    // Names the document and the reason; empty while nothing failed.
    const std::string& GetError() const { return m_error; }

protected:
    // Records the failure and returns false; the first one recorded stays.
    bool Fail(Failure failure, std::string error);

private:
    Failure m_failure = Failure::None;
    std::string m_error;
};

} // namespace desklet
