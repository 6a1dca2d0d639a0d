// The base64 codec: any bytes encode to padded alphabet text that decodes back to
// them; any text decodes as the slow model says; and the bit pump reads a block in
// pieces of 1 to 8 bits that write back to the same bytes.

#include "fuzz/mail/Base64Model_p.h"
#include "fuzz/support/FuzzCheck.h"
#include "mail/CBase64Codec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace desklet;

namespace {

void CheckRoundTrip(const std::uint8_t* data, std::size_t size) {
    CBase64Codec codec;
    const std::string text = codec.Encode(data, size);
    FUZZ_CHECK(text.size() == CBase64Codec::EncodedSize(size));
    const std::size_t pad = size % 3 == 0 ? 0 : 3 - size % 3;
    const std::size_t firstOther = std::min(text.find_first_not_of(CBase64Codec::kAlphabet), text.size());
    FUZZ_CHECK(firstOther == text.size() - pad);
    FUZZ_CHECK(text.find_first_not_of('=', text.size() - pad) == std::string::npos);
    std::string appended = "x";
    CBase64Codec::AppendEncoded(data, size, appended);
    FUZZ_CHECK(appended == "x" + text);
    std::vector<std::uint8_t> decoded;
    FUZZ_CHECK(codec.Decode(text, decoded) == static_cast<int>(size));
    FUZZ_CHECK(std::equal(data, data + size, decoded.begin()));
}

void CheckDecode(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::uint8_t> expected;
    const bool valid = fuzz::DecodeBase64(text, expected);
    CBase64Codec codec;
    std::vector<std::uint8_t> decoded;
    const int count = codec.Decode(text, decoded);
    FUZZ_CHECK(count == (valid ? static_cast<int>(expected.size()) : 0));
    FUZZ_CHECK(!valid || std::equal(expected.begin(), expected.end(), decoded.begin()));
}

// Bit i of the block is bit 7 - i % 8 of byte i / 8; the widths of the reads come
// from the block itself.
void CheckBitPump(const std::uint8_t* data, std::size_t size) {
    CBase64Codec reader;
    CBase64Codec writer;
    reader.Begin(data, size);
    writer.Begin(nullptr, 0);
    std::vector<std::uint8_t> rebuilt(size + 1);
    int count = 0;
    std::size_t position = 0;
    const std::size_t total = size * 8;
    std::size_t bit = 0;
    for (std::size_t i = 0;; ++i) {
        const int n = 1 + data[i % size] % 8;
        std::uint32_t expected = 0;
        for (int j = 0; j < n; ++j) {
            const std::size_t at = bit + static_cast<std::size_t>(j);
            const int value = at < total ? (data[at / 8] >> (7 - at % 8)) & 1 : 0;
            expected = expected << 1 | static_cast<std::uint32_t>(value);
        }
        int obtained = -1;
        const std::uint32_t value = reader.ReadBits(n, obtained, position);
        FUZZ_CHECK(obtained == static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(n), total - bit)));
        FUZZ_CHECK(value == expected);
        if (obtained < n) {
            break;
        }
        writer.WriteBits(value, n, rebuilt.data(), count);
        bit += static_cast<std::size_t>(n);
    }
    FUZZ_CHECK(count >= 0 && static_cast<std::size_t>(count) == bit / 8);
    FUZZ_CHECK(std::equal(data, data + count, rebuilt.begin()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckRoundTrip(data, size);
    CheckDecode(data, size);
    if (size > 0) {
        CheckBitPump(data, size);
    }
    return 0;
}
