#include "mail/CTextPartEncoder.h"

namespace desklet {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::string CTextPartEncoder::GetContentTypeString() const {
    return "text/plain";
}

std::string CTextPartEncoder::BuildPartHeader(const MimePartInfo& part) const {
    const std::string& parameters = part.m_strParameters;
    // The parameters are the caller's; a line break in them must not start a
    // header line of its own.
    std::string header = "Content-Type: " + GetContentTypeString();
    for (const char c : parameters) {
        header += (c == '\r' || c == '\n' || c == '\0') ? ' ' : c;
    }
    header += "\r\nContent-Transfer-Encoding: 7Bit\r\n\r\n";
    return header;
}

bool CTextPartEncoder::AppendPart(const MimePartInfo& part, std::string& body, std::string& /*error*/) const {
    body += BuildPartHeader(part);
    // Nothing after the text: the next boundary line supplies a missing CR LF.
    body += WrapText(part.m_strContent);
    return true;
}

std::string CTextPartEncoder::WrapText(std::string_view text) const {
    // The text is rewritten as the scan goes: `out` holds the rewritten text up to a
    // little past the scan position, the rest is still text[next...]. A break only
    // replaces the white space around the candidate position by one CR LF, and the
    // candidate never lies far behind the scan once a break has used it, so the
    // rewrite stays close to the end of `out` and the whole pass stays linear.
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 16);
    std::size_t next = 0;
    const auto fill = [&](std::size_t length) {
        while (out.size() < length && next < text.size()) {
            out.push_back(text[next++]);
        }
    };

    std::size_t candidate = 0;
    std::int64_t column = 0;
    for (std::size_t i = 0;; ++i) {
        fill(i + 2);
        if (i >= out.size()) {
            break;
        }
        if (out[i] == ' ') {
            candidate = i;
        }
        if (out[i] == '\r' && i + 1 < out.size() && out[i + 1] == '\n') {
            column = 0;
        }
        if (column > m_nWrapWidth) {
            std::size_t from = candidate;
            while (from > 0 && IsWhiteSpace(out[from - 1])) {
                --from;
            }
            std::size_t to = candidate;
            for (;;) {
                fill(to + 1);
                if (to < out.size() && IsWhiteSpace(out[to])) {
                    ++to;
                } else {
                    break;
                }
            }
            // A break where a line already ends changes nothing.
            if (to - from != 2 || out[from] != '\r' || out[from + 1] != '\n') {
                out.replace(from, to - from, "\r\n");
            }
            column = 0;
        } else {
            ++column;
        }
    }
    out.append(text.substr(next));
    return out;
}

} // namespace desklet
