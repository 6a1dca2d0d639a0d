// Any typed text, escaped into a search filter. The escape undoes exactly; the
// escaped value holds no character that ends a value or starts an assertion, and
// no backslash but those of a two-digit escape; so the whole filter has the shape
// of the template, whatever was typed. Any fax value gives a number without '$'.

#include "directory/DirectoryFilter.h"
#include "fuzz/support/FuzzCheck.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace desklet;

namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string escaped = EscapeFilterValue(text);
    const auto back = UnescapeFilterValue(escaped);
    FUZZ_CHECK(back.has_value() && *back == text);
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const auto c = static_cast<unsigned char>(escaped[i]);
        FUZZ_CHECK(c >= 0x20 && c <= 0x7e && c != '*' && c != '(' && c != ')');
        if (c == '\\') {
            FUZZ_CHECK(i + 2 < escaped.size() && IsHex(escaped[i + 1]) && IsHex(escaped[i + 2]));
            i += 2;
        }
    }

    // Every parenthesis and star of the filter is the template's own.
    const std::string filter = DirectorySearchFilter(text);
    const std::string empty = DirectorySearchFilter("");
    for (const char special : {'(', ')', '*'}) {
        FUZZ_CHECK(std::count(filter.begin(), filter.end(), special) ==
                   std::count(empty.begin(), empty.end(), special));
    }
    FUZZ_CHECK(filter.size() == empty.size() + 5 * escaped.size());

    const std::string number = FaxNumberOfValue(text);
    FUZZ_CHECK(number.find('$') == std::string::npos);
    FUZZ_CHECK(text.substr(0, text.find('$')).find(number) != std::string_view::npos);
    return 0;
}
