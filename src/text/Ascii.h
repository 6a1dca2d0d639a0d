#pragma once

#include <cstddef>
#include <string_view>

// Character classes and letter case of ASCII alone. The <cctype> functions follow
// the C locale, which Qt sets from the environment: under a Turkish locale "i"
// does not become "I", and in a single-byte locale bytes above 127 count as
// letters. Protocol words, markers and numbers must read the same everywhere.
namespace desklet::ascii {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

constexpr bool IsAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

constexpr bool IsAlnum(char c) {
    return IsDigit(c) || IsAlpha(c);
}

// The blanks of the "C" locale's isspace.
constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char ToUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Where `word` first occurs in `text` with ASCII letters matched in either case;
// npos when it does not.
constexpr std::size_t FindNoCase(std::string_view text, std::string_view word) {
    if (word.size() > text.size()) {
        return std::string_view::npos;
    }
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < word.size() && ToUpper(text[at + i]) == ToUpper(word[i])) {
            ++i;
        }
        if (i == word.size()) {
            return at;
        }
    }
    return std::string_view::npos;
}

} // namespace desklet::ascii
