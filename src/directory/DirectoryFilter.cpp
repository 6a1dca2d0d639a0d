#include "directory/DirectoryFilter.h"

#include <array>

namespace desklet {
namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

// The attributes a typed text is looked for in.
constexpr std::array<std::string_view, 5> kSearchedAttributes = {"cn", "sn", "givenName", "o", "mail"};

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c > 0x7e || c == '*' || c == '(' || c == ')' || c == '\\';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string EscapeFilterValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (NeedsEscape(c)) {
            out += '\\';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0x0f];
        } else {
            out += ch;
        }
    }
    return out;
}

std::optional<std::string> UnescapeFilterValue(std::string_view escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c == '*' || c == '(' || c == ')' || c == '\0') {
            return std::nullopt;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 2 >= escaped.size()) {
            return std::nullopt;
        }
        const int high = HexValue(escaped[i + 1]);
        const int low = HexValue(escaped[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

std::string DirectorySearchFilter(std::string_view text) {
    const std::string value = EscapeFilterValue(text);
    std::string filter = "(&(facsimileTelephoneNumber=*)(|";
    for (const std::string_view attribute : kSearchedAttributes) {
        filter += '(';
        filter += attribute;
        filter += "=*";
        filter += value;
        filter += "*)";
    }
    filter += "))";
    return filter;
}

std::string FaxNumberOfValue(std::string_view value) {
    return std::string(TrimBlanks(value.substr(0, value.find('$'))));
}

std::string DialableFaxNumber(std::string_view number) {
    std::string digits;
    for (const char c : number) {
        if ((c >= '0' && c <= '9') || c == '!') {
            digits += c;
        }
    }
    const std::string_view trimmed = TrimBlanks(number);
    if (trimmed.empty() || trimmed.front() != '+' || digits.empty()) {
        return digits;
    }
    // The country code 1 is dialled as it is; every other one after 011.
    return digits.front() == '1' ? digits : "011" + digits;
}

} // namespace desklet
