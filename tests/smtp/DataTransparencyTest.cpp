#include "smtp/DataTransparency.h"

#include "support/TestNames.h"

#include <gtest/gtest.h>

#include <random>

using namespace desklet;

namespace {

struct Case {
    const char* name;
    std::string input;
    std::string output;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

const Case kCases[] = {
    {"lone dot line in the middle is doubled", "a\r\n.\r\nb", "a\r\n..\r\nb"},
    {"lone dot as the first line is doubled", ".\r\nx", "..\r\nx"},
    {"a run of lone dot lines is doubled line by line", "a\r\n.\r\n.\r\nb", "a\r\n..\r\n..\r\nb"},
    {"dot profile line keeps its dot at the receiver", "a\r\n.profile\r\n", "a\r\n..profile\r\n"},
    {"dot in the middle of a line is left alone", "a.b\r\nc .\r\n", "a.b\r\nc .\r\n"},
    {"bare LF becomes CR LF", "a\nb", "a\r\nb"},
    {"bare CR becomes CR LF", "a\rb", "a\r\nb"},
    {"smuggled end of data with bare LFs is defused", "a\n.\nb", "a\r\n..\r\nb"},
    {"end of data with bare CRs is defused", "a\r.\rb", "a\r\n..\r\nb"},
    {"CR before CR LF gives two line breaks", "a\r\r\nb", "a\r\n\r\nb"},
    {"LF CR gives two line breaks", "a\n\rb", "a\r\n\r\nb"},
    {"dot after a bare CR is doubled", "x\r.y", "x\r\n..y"},
    {"trailing CR is completed", "abc\r", "abc\r\n"},
    {"text without a line break passes", "abc", "abc"},
    {"empty text stays empty", "", ""},
    {"NUL bytes and high bytes pass unchanged", std::string("a\0\xff\r\n", 5), std::string("a\0\xff\r\n", 5)},
};

class Transparency : public testing::TestWithParam<Case> {};

TEST_P(Transparency, GivesTheWireForm) {
    EXPECT_EQ(DataTransparency::Apply(GetParam().input), GetParam().output);
    EXPECT_EQ(DataTransparency().TransformedSize(GetParam().input), GetParam().output.size());
}

INSTANTIATE_TEST_SUITE_P(Cases, Transparency, testing::ValuesIn(kCases), desklet::test::SentenceName{});

// The obvious version: normalise every line break, then double leading dots.
std::string Oracle(const std::string& text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            lines += "\r\n";
            ++i;
        } else if (text[i] == '\r' || text[i] == '\n') {
            lines += "\r\n";
        } else {
            lines += text[i];
        }
    }
    std::string out;
    bool lineStart = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lineStart && lines[i] == '.') {
            out += '.';
        }
        out += lines[i];
        lineStart = lines[i] == '\n';
    }
    return out;
}

TEST(Transparency, MatchesTheOracleForEveryTextAndEverySplit) {
    std::mt19937 random(20261207);
    const char alphabet[] = {'.', '\r', '\n', 'a'};
    for (int round = 0; round < 3000; ++round) {
        std::string text(random() % 14, ' ');
        for (char& c : text) {
            c = alphabet[random() % 4];
        }
        const std::string expected = Oracle(text);
        ASSERT_EQ(DataTransparency::Apply(text), expected) << testing::PrintToString(text);
        // Header and body are two pieces of one stream; where they meet must not matter.
        for (std::size_t split = 0; split <= text.size(); ++split) {
            DataTransparency transparency;
            std::string out;
            auto sink = [&out](const char* data, std::size_t size) {
                ASSERT_GT(size, 0u);
                out.append(data, size);
            };
            transparency.Transform(std::string_view(text).substr(0, split), sink);
            transparency.Transform(std::string_view(text).substr(split), sink);
            ASSERT_EQ(out, expected) << testing::PrintToString(text) << " split at " << split;
        }
    }
}

TEST(Transparency, PassesCleanTextAsOnePieceWithoutCopying) {
    const std::string body = "line one\r\nline two\r\n.. not alone\r\n" + std::string(1000, 'x') + "\r\n";
    // The third line starts with a dot, so exactly one piece is inserted before it.
    std::vector<std::pair<const char*, std::size_t>> pieces;
    DataTransparency().Transform(body, [&](const char* data, std::size_t size) { pieces.emplace_back(data, size); });
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].first, body.data());
    EXPECT_EQ(std::string(pieces[1].first, pieces[1].second), ".");
    EXPECT_EQ(pieces[2].first + pieces[2].second, body.data() + body.size());
}

} // namespace
