#include "mail/CBase64Codec.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace desklet {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

// The encoder as it was first written, one ReadBits call per character: the table
// encoder must give exactly its output.
std::string EncodeWithBitPump(CBase64Codec& codec, const std::vector<std::uint8_t>& bytes) {
    codec.Begin(bytes.data(), bytes.size());
    std::string text;
    std::size_t position = 0;
    int obtained = 0;
    std::uint32_t value = codec.ReadBits(6, obtained, position);
    while (obtained > 0) {
        text += CBase64Codec::kAlphabet[value];
        value = codec.ReadBits(obtained, obtained, position);
    }
    while (text.size() % 4 != 0) {
        text += '=';
    }
    return text;
}

struct Vector {
    const char* plain;
    const char* coded;
};

TEST(CBase64Codec, EncodesAndDecodesTheKnownVectors) {
    // RFC 4648 section 10, and the short ones every mail reader knows.
    const Vector vectors[] = {{"", ""},
                              {"f", "Zg=="},
                              {"fo", "Zm8="},
                              {"foo", "Zm9v"},
                              {"foob", "Zm9vYg=="},
                              {"fooba", "Zm9vYmE="},
                              {"foobar", "Zm9vYmFy"},
                              {"a", "YQ=="},
                              {"ab", "YWI="},
                              {"abc", "YWJj"}};
    CBase64Codec codec;
    for (const Vector& v : vectors) {
        const std::vector<std::uint8_t> plain = Bytes(v.plain);
        EXPECT_EQ(codec.Encode(plain.data(), plain.size()), v.coded) << v.plain;
        std::vector<std::uint8_t> out;
        const int count = codec.Decode(v.coded, out);
        ASSERT_EQ(count, static_cast<int>(plain.size())) << v.coded;
        EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.begin() + count), plain) << v.coded;
    }
}

TEST(CBase64Codec, NullInputEncodesToNothing) {
    CBase64Codec codec;
    EXPECT_EQ(codec.Encode(nullptr, 12), "");
}

TEST(CBase64Codec, TableEncoderMatchesTheBitPumpForEveryLengthAndByte) {
    std::mt19937 random(20261207);
    CBase64Codec codec;
    for (std::size_t length = 0; length <= 300; ++length) {
        std::vector<std::uint8_t> bytes(length);
        for (std::uint8_t& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        ASSERT_EQ(codec.Encode(bytes.data(), bytes.size()), EncodeWithBitPump(codec, bytes)) << length;
    }
    std::vector<std::uint8_t> every(256);
    for (int i = 0; i < 256; ++i) {
        every[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    }
    EXPECT_EQ(codec.Encode(every.data(), every.size()), EncodeWithBitPump(codec, every));
}

TEST(CBase64Codec, RoundTripGivesTheBytesBack) {
    std::mt19937 random(7);
    CBase64Codec codec;
    for (std::size_t length = 1; length <= 200; length += 7) {
        std::vector<std::uint8_t> bytes(length);
        for (std::uint8_t& b : bytes) {
            b = static_cast<std::uint8_t>(random());
        }
        std::vector<std::uint8_t> out;
        const int count = codec.Decode(codec.Encode(bytes.data(), bytes.size()), out);
        ASSERT_EQ(count, static_cast<int>(length));
        EXPECT_EQ(std::vector<std::uint8_t>(out.begin(), out.begin() + count), bytes);
    }
}

struct DecodeCase {
    const char* name;
    std::string text;
    int count;
};

TEST(CBase64Codec, DecodeRefusesWhatIsNotOneLineOfBase64) {
    const DecodeCase cases[] = {
        {"empty text", "", 0},
        {"line break inside", "YWJj\r\nYWJj", 0},
        {"blank inside", "YW Jj", 0},
        {"pad in the middle is skipped", "YQ==YWJj", 4},
        {"high bit is cleared before the lookup", std::string("YWJ") + static_cast<char>('j' | 0x80), 3},
        {"character outside the alphabet", "YW*j", 0},
    };
    CBase64Codec codec;
    for (const DecodeCase& c : cases) {
        std::vector<std::uint8_t> out;
        EXPECT_EQ(codec.Decode(c.text, out), c.count) << c.name;
    }
}

TEST(CBase64Codec, FailedDecodeKeepsTheBytesBeforeTheFault) {
    CBase64Codec codec;
    std::vector<std::uint8_t> out;
    EXPECT_EQ(codec.Decode("YWJj!", out), 0);
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(std::string(out.begin(), out.begin() + 3), "abc");
}

} // namespace
} // namespace desklet
