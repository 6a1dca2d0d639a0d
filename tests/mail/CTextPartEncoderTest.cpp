#include "mail/CTextPartEncoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace desklet {
namespace {

// The wrapping as first described, which rebuilds the text at every break: slow,
// but plainly right. The fast one must give the same text for every input.
std::string WrapOracle(std::string w, int width) {
    const auto trimRight = [](std::string s) {
        const std::size_t end = s.find_last_not_of(" \t\n\v\f\r");
        return end == std::string::npos ? std::string() : s.substr(0, end + 1);
    };
    const auto trimLeft = [](std::string s) {
        const std::size_t begin = s.find_first_not_of(" \t\n\v\f\r");
        return begin == std::string::npos ? std::string() : s.substr(begin);
    };
    std::size_t c = 0;
    int n = 0;
    for (std::size_t i = 0; i < w.size(); ++i) {
        if (w[i] == ' ') {
            c = i;
        }
        if (w.compare(i, 2, "\r\n") == 0) {
            n = 0;
        }
        if (n > width) {
            w = trimRight(w.substr(0, c)) + "\r\n" + trimLeft(w.substr(c));
            n = 0;
        } else {
            ++n;
        }
    }
    return w;
}

std::string RandomText(std::mt19937& random, std::size_t words) {
    static const char* const kSeparators[] = {" ", " ", " ", "  ", "   ", "\r\n", "\r\n\r\n", " \r\n ", "\t", "\n"};
    std::string text;
    for (std::size_t i = 0; i < words; ++i) {
        // Mostly short words, now and then one longer than any width.
        const std::size_t length = random() % 10 == 0 ? 60 + random() % 150 : 1 + random() % 12;
        text.append(length, static_cast<char>('a' + random() % 26));
        text += kSeparators[random() % std::size(kSeparators)];
    }
    return text;
}

TEST(CTextPartEncoder, WrapMatchesTheDescribedAlgorithmOnGeneratedTexts) {
    std::mt19937 random(1998);
    for (int width = 1; width <= 100; ++width) {
        const CTextPartEncoder encoder(0, width);
        for (int round = 0; round < 6; ++round) {
            const std::string text = RandomText(random, 5 + random() % 60);
            ASSERT_EQ(encoder.WrapText(text), WrapOracle(text, width)) << "width " << width << " text " << text;
        }
    }
}

struct WrapCase {
    const char* name;
    std::string text;
    int width;
};

TEST(CTextPartEncoder, WrapMatchesTheDescribedAlgorithmOnAwkwardTexts) {
    const WrapCase cases[] = {
        {"empty text", "", 76},
        {"only blanks", std::string(200, ' '), 10},
        {"one word longer than the width", std::string(300, 'x'), 10},
        {"long word after a run of blanks", "aaa    " + std::string(40, 'b'), 5},
        {"blank in an earlier line", "a b\r\nccc\r\nddd\r\n" + std::string(50, 'e'), 8},
        {"break candidate before a line break", "word \r\n \r\n   " + std::string(30, 'z'), 4},
        {"tabs and form feeds", "one\ttwo\fthree four\vfive six seven eight", 6},
        {"zero width", "a b c d e f", 0},
        {"negative width", "a b c", -3},
        {"trailing line break", "abc def ghi\r\n", 3},
        {"lone carriage return", "abc\rdef ghi jkl", 3},
    };
    for (const WrapCase& c : cases) {
        const CTextPartEncoder encoder(0, c.width);
        EXPECT_EQ(encoder.WrapText(c.text), WrapOracle(c.text, c.width)) << c.name;
    }
}

TEST(CTextPartEncoder, FirstLineStaysWholeUpTo77Characters) {
    const CTextPartEncoder encoder(0, 76);
    const std::string line77 = std::string(40, 'a') + " " + std::string(36, 'b');
    ASSERT_EQ(line77.size(), 77u);
    EXPECT_EQ(encoder.WrapText(line77), line77);

    const std::string line78 = std::string(40, 'a') + " " + std::string(37, 'b');
    EXPECT_EQ(encoder.WrapText(line78), std::string(40, 'a') + "\r\n" + std::string(37, 'b'));
}

TEST(CTextPartEncoder, WrappedLinesHaveNoBlankAtTheBreak) {
    std::mt19937 random(42);
    const CTextPartEncoder encoder(0, 20);
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += std::string(1 + random() % 8, 'w') + "  ";
    }
    const std::string wrapped = encoder.WrapText(text);
    EXPECT_EQ(wrapped.find(" \r\n"), std::string::npos);
    EXPECT_EQ(wrapped.find("\r\n "), std::string::npos);
}

TEST(CTextPartEncoder, PartHeaderIsTextPlainIn7Bit) {
    const CTextPartEncoder encoder(0, 76);
    std::string body;
    std::string error;
    ASSERT_TRUE(encoder.AppendPart({0, 0, "; charset=us-ascii", false, "Hello"}, body, error));
    EXPECT_EQ(body, "Content-Type: text/plain; charset=us-ascii\r\nContent-Transfer-Encoding: 7Bit\r\n\r\nHello");
}

TEST(CTextPartEncoder, LineBreakInTheParametersCannotStartAHeaderLine) {
    const CTextPartEncoder encoder(0, 76);
    EXPECT_EQ(encoder.BuildPartHeader({0, 0, "; a=b\r\nBcc: x@y", false, ""}),
              "Content-Type: text/plain; a=b  Bcc: x@y\r\nContent-Transfer-Encoding: 7Bit\r\n\r\n");
}

} // namespace
} // namespace desklet
