#include "mail/HeaderFolding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace desklet;

namespace {

std::vector<std::string> PhysicalLines(const std::string& folded) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = folded.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(folded.substr(start, end - start));
    }
    lines.push_back(folded.substr(start));
    return lines;
}

std::string Unfold(std::string folded) {
    for (std::size_t at; (at = folded.find("\r\n")) != std::string::npos;) {
        folded.erase(at, 2);
    }
    return folded;
}

std::string Words(std::size_t count, const std::string& word) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += " " + word;
    }
    return text;
}

TEST(HeaderFolding, ALineWithinTheLimitGoesByteForByte) {
    for (const std::string& line :
         {std::string("Subject: fax  -lowres -doca 2125551212 "),
          "Subject: " + std::string(HeaderFolding::kMaxLineOctets - 9, 'x'), "Subject: " + Words(98, "abcdefghi")}) {
        ASSERT_LE(line.size(), HeaderFolding::kMaxLineOctets);
        EXPECT_EQ(HeaderFolding::Fold(line), line);
        EXPECT_TRUE(HeaderFolding::Fits(line));
    }
}

TEST(HeaderFolding, ALongLineUnfoldsToItselfWithEveryPhysicalLineSound) {
    struct Row {
        const char* name;
        std::string line;
        bool fits;
    };
    const Row rows[] = {
        {"many short words", "Subject: fax  -lowres -re \"" + Words(600, "note") + "\" -doca 1 ", true},
        {"double blanks and a trailing blank", "Subject: fax " + Words(300, " ab") + "  ", true},
        {"a word as long as a line allows", "Subject: a" + Words(1, std::string(997, 'n')) + " z", true},
        {"one word longer than a line", "Subject: a" + Words(1, std::string(998, 'n')) + " z", false},
        {"no blank at all", "Subject: " + std::string(1200, 'x'), false},
    };
    for (const Row& row : rows) {
        const std::string folded = HeaderFolding::Fold(row.line);
        EXPECT_EQ(Unfold(folded), row.line) << row.name;
        EXPECT_EQ(HeaderFolding::Fits(row.line), row.fits) << row.name;
        const auto lines = PhysicalLines(folded);
        EXPECT_EQ(lines[0].rfind("Subject: ", 0), 0u) << row.name;
        EXPECT_GT(lines[0].size(), std::string("Subject: ").size())
            << row.name << ": the value starts on the first line";
        for (std::size_t i = 1; i < lines.size(); ++i) {
            ASSERT_FALSE(lines[i].empty()) << row.name;
            EXPECT_EQ(lines[i][0], ' ') << row.name << ": a continuation begins with a blank";
            EXPECT_NE(lines[i].find_first_not_of(" \t"), std::string::npos) << row.name << ": no line is blank";
            if (row.fits) {
                EXPECT_LE(lines[i].size(), HeaderFolding::kMaxLineOctets) << row.name;
            }
        }
    }
}

} // namespace
