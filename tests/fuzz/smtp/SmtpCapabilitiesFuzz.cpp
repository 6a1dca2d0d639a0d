// The EHLO reply's capabilities from any bytes, against a model that reads each
// line as upper-case words: what the server offers is decided by the keyword that
// opens a line after the greeting, whatever its ASCII case, its blanks and tabs,
// and its line ending.

#include "fuzz/support/FuzzCheck.h"
#include "smtp/SmtpCapabilities.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

using namespace desklet;

namespace {

std::vector<std::string> UpperWords(std::string_view text) {
    std::vector<std::string> words(1);
    for (const char c : text) {
        if (c == ' ' || c == '\t') {
            if (!words.back().empty()) {
                words.emplace_back();
            }
        } else {
            words.back() += c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        }
    }
    if (words.back().empty()) {
        words.pop_back();
    }
    return words;
}

SmtpCapabilities Model(std::string_view reply) {
    SmtpCapabilities expected;
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < reply.size();) {
        const std::size_t end = std::min(reply.find('\n', start), reply.size());
        lines.push_back(reply.substr(start, end - start));
        start = end + 1;
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() <= 4 || (line[3] != '-' && line[3] != ' ')) {
            continue;
        }
        std::vector<std::string> words = UpperWords(line.substr(4));
        if (words.empty()) {
            continue;
        }
        if (words[0].size() > 5 && words[0].compare(0, 5, "AUTH=") == 0) {
            words[0].erase(0, 5);
            words.insert(words.begin(), "AUTH");
        }
        if (words[0] == "STARTTLS") {
            expected.startTls = true;
        } else if (words[0] == "AUTH") {
            for (std::size_t w = 1; w < words.size(); ++w) {
                expected.authPlain = expected.authPlain || words[w] == "PLAIN";
                expected.authLogin = expected.authLogin || words[w] == "LOGIN";
            }
        } else if (words[0] == "SIZE") {
            expected.size = true;
            // A limit that is not a plain decimal, or does not fit, leaves the last one.
            std::uint64_t limit = 0;
            bool number = words.size() > 1;
            for (std::size_t c = 0; number && c < words[1].size(); ++c) {
                const auto digit = static_cast<std::uint64_t>(words[1][c] - '0');
                number = words[1][c] >= '0' && words[1][c] <= '9' &&
                         limit <= (std::numeric_limits<std::uint64_t>::max() - digit) / 10;
                limit = number ? limit * 10 + digit : limit;
            }
            expected.sizeLimit = number ? static_cast<std::uint64_t>(limit) : expected.sizeLimit;
        }
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view reply(reinterpret_cast<const char*>(data), size);
    const SmtpCapabilities parsed = SmtpCapabilities::Parse(reply);
    const SmtpCapabilities expected = Model(reply);
    FUZZ_CHECK(parsed.startTls == expected.startTls);
    FUZZ_CHECK(parsed.authPlain == expected.authPlain);
    FUZZ_CHECK(parsed.authLogin == expected.authLogin);
    FUZZ_CHECK(parsed.size == expected.size);
    FUZZ_CHECK(parsed.sizeLimit == expected.sizeLimit);
    return 0;
}
