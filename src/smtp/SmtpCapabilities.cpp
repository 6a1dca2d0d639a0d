#include "smtp/SmtpCapabilities.h"

#include "text/Ascii.h"

#include <limits>

namespace desklet {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii::ToUpper(a[i]) != ascii::ToUpper(b[i])) {
            return false;
        }
    }
    return true;
}

// The next word of the text from position on, skipping blanks before it.
std::string_view NextWord(std::string_view text, std::size_t& position) {
    while (position < text.size() && IsBlank(text[position])) {
        ++position;
    }
    const std::size_t start = position;
    while (position < text.size() && !IsBlank(text[position])) {
        ++position;
    }
    return text.substr(start, position - start);
}

// A decimal number; false for anything else, an empty word or one that overflows.
bool ParseNumber(std::string_view word, std::uint64_t& value) {
    if (word.empty()) {
        return false;
    }
    std::uint64_t result = 0;
    for (const char c : word) {
        if (!ascii::IsDigit(c)) {
            return false;
        }
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (result > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) {
            return false;
        }
        result = result * 10 + digit;
    }
    value = result;
    return true;
}

void ReadMechanisms(std::string_view text, std::size_t position, SmtpCapabilities& capabilities) {
    for (std::string_view word = NextWord(text, position); !word.empty(); word = NextWord(text, position)) {
        if (EqualsIgnoringAsciiCase(word, "PLAIN")) {
            capabilities.authPlain = true;
        } else if (EqualsIgnoringAsciiCase(word, "LOGIN")) {
            capabilities.authLogin = true;
        }
    }
}

void ReadKeywordLine(std::string_view text, SmtpCapabilities& capabilities) {
    std::size_t position = 0;
    const std::string_view keyword = NextWord(text, position);
    if (EqualsIgnoringAsciiCase(keyword, "STARTTLS")) {
        capabilities.startTls = true;
    } else if (EqualsIgnoringAsciiCase(keyword, "AUTH")) {
        ReadMechanisms(text, position, capabilities);
    } else if (keyword.size() > 5 && EqualsIgnoringAsciiCase(keyword.substr(0, 5), "AUTH=")) {
        // The pre-standard form some servers still send beside the proper one. The
        // mechanisms start after the "=", wherever blanks put the keyword.
        ReadMechanisms(text, position - keyword.size() + 5, capabilities);
    } else if (EqualsIgnoringAsciiCase(keyword, "SIZE")) {
        capabilities.size = true;
        std::uint64_t limit = 0;
        // "SIZE" alone or "SIZE 0" means no fixed limit (RFC 1870 section 4).
        if (ParseNumber(NextWord(text, position), limit)) {
            capabilities.sizeLimit = limit;
        }
    }
}

} // namespace

SmtpCapabilities SmtpCapabilities::Parse(std::string_view reply) {
    SmtpCapabilities capabilities;
    bool first = true;
    while (!reply.empty()) {
        const std::size_t end = reply.find('\n');
        std::string_view line = reply.substr(0, end);
        reply = end == std::string_view::npos ? std::string_view() : reply.substr(end + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const bool wellFormed = line.size() >= 3 && (line.size() == 3 || line[3] == '-' || line[3] == ' ');
        if (first) {
            first = false;
            continue;
        }
        if (wellFormed && line.size() > 4) {
            ReadKeywordLine(line.substr(4), capabilities);
        }
    }
    return capabilities;
}

} // namespace desklet
