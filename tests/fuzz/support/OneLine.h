#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace desklet::fuzz {

// A header value as it must reach its line: a CR LF pair, a lone CR or LF, and a
// NUL each become one blank.
inline std::string OneLine(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        i += text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 1 : 0;
        out += text[i] == '\r' || text[i] == '\n' || text[i] == '\0' ? ' ' : text[i];
    }
    return out;
}

} // namespace desklet::fuzz
