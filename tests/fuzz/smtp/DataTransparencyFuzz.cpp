// The DATA phase's transparency step over any text, fed in pieces. What goes out
// holds CR LF line breaks only and no end-of-data line before the client's own;
// the receiver's undo (drop one leading dot per line) gives back the input with
// every bare CR and LF made CR LF; and the pieces change nothing.

#include "fuzz/support/FuzzCheck.h"
#include "smtp/DataTransparency.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace desklet;

namespace {

std::string WithCrLf(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += "\r\n";
            i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string Undone(std::string_view sent) {
    std::string out;
    for (std::size_t start = 0; start <= sent.size();) {
        std::size_t end = sent.find("\r\n", start);
        end = end == std::string_view::npos ? sent.size() : end;
        const std::size_t from = start < end && sent[start] == '.' ? start + 1 : start;
        out.append(sent.substr(from, end - from));
        if (end == sent.size()) {
            break;
        }
        out += "\r\n";
        start = end + 2;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte seeds where the text is cut; a piece may be empty.
    std::uint32_t seed = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    DataTransparency transparency;
    std::string sent;
    std::size_t at = 0;
    do {
        seed = seed * 1103515245u + 12345u;
        const std::string_view piece = text.substr(at, (seed >> 16) % 97);
        const std::uint64_t predicted = transparency.TransformedSize(piece);
        const std::size_t before = sent.size();
        transparency.Transform(piece, [&sent](const char* bytes, std::size_t count) {
            FUZZ_CHECK(count > 0);
            sent.append(bytes, count);
        });
        FUZZ_CHECK(sent.size() - before == predicted);
        at += piece.size();
    } while (at < text.size());

    FUZZ_CHECK(sent == DataTransparency::Apply(text));
    for (std::size_t i = 0; i < sent.size(); ++i) {
        FUZZ_CHECK(sent[i] != '\r' || (i + 1 < sent.size() && sent[i + 1] == '\n'));
        FUZZ_CHECK(sent[i] != '\n' || (i > 0 && sent[i - 1] == '\r'));
    }
    FUZZ_CHECK(("\r\n" + sent + "\r\n.\r\n").find("\r\n.\r\n") == sent.size() + 2);
    FUZZ_CHECK(Undone(sent) == WithCrLf(text));
    return 0;
}
