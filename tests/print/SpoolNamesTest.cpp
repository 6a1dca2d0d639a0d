#include "print/SpoolNames.h"
#include "support/TestNames.h"

#include <gtest/gtest.h>

using namespace desklet;

namespace {

struct TitleCase {
    std::string name;
    std::string title;
    std::string expected;
    friend void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
};

const TitleCase kTitleCases[] = {
    {"plain title keeps its blanks", "Quarterly report", "Quarterly report"},
    {"own extension goes in any case", "scan.PDF", "scan"},
    {"slash and climbing become underscores", "../../etc/passwd", "___.._etc_passwd"},
    {"leading dots cannot hide the file", "...x", "___x"},
    {"control bytes and delete are replaced", std::string("a\tb\0c\x7f", 6), "a_b_c_"},
    {"UTF-8 stays whole", "R\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC", "R\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC"},
    {"broken, overlong and surrogate sequences are replaced", "a\xC3(\xC0\xAF\xED\xA0\x80z", "a_(_____z"},
    {"cut never splits a character", std::string(kMaxTitleBytes - 1, 'x') + "\xC3\xA9",
     std::string(kMaxTitleBytes - 1, 'x')},
    {"empty title gets a word", "", "document"},
    {"title of dots only gets underscores", "..", "__"},
};

class SanitizeTitleCases : public testing::TestWithParam<TitleCase> {};

TEST_P(SanitizeTitleCases, givesASafeName) {
    const std::string clean = SanitizeTitle(GetParam().title);
    EXPECT_EQ(clean, GetParam().expected);
    EXPECT_LE(clean.size(), kMaxTitleBytes);
}

INSTANTIATE_TEST_SUITE_P(Cases, SanitizeTitleCases, testing::ValuesIn(kTitleCases), desklet::test::SentenceName{});

TEST(SpoolFileName, carriesTheMarkerAndIsRecognised) {
    EXPECT_EQ(SpoolFileName("42", "a"), "QUILLTMP-42-a.pdf");
    EXPECT_EQ(SpoolFileName("42", "a", 3), "QUILLTMP-42-a (3).pdf");
    EXPECT_TRUE(IsSpoolFileName(SpoolFileName("42", std::string(500, 'z'), 20)));
    EXPECT_LT(SpoolFileName("4294967295", std::string(500, 'z'), 20).size(), 255u);
    for (const char* other : {".QUILLTMP-42.part", "QUILLTMP-.pdf", "notes.pdf", "QUILLTMP-42-a.pdf~"}) {
        EXPECT_FALSE(IsSpoolFileName(other)) << other;
    }
}

TEST(PrintedDocumentName, isTheTitleTheSpoolNameWasMadeOf) {
    // The round trip: the name shown and sent is the title as it may stand in a name.
    for (const char* title : {"Quarterly report.pdf", "note.txt", "../x", "", "a (2)"}) {
        EXPECT_EQ(PrintedDocumentName(SpoolFileName("57", title)), SanitizeTitle(title) + ".pdf") << title;
    }
    // Names the backend does not make are shown whole.
    for (const char* other : {"QUILLTMP-x-a.pdf", "QUILLTMP-57-.pdf", "QUILLTMP-57.pdf", "report.pdf"}) {
        EXPECT_EQ(PrintedDocumentName(other), other);
    }
}

TEST(HeldNoteName, carriesTheJobIdAndIsTheOnlyNameThatDoes) {
    EXPECT_EQ(HeldNoteName("57"), ".QUILLTMP-57.held");
    EXPECT_EQ(HeldNoteJobId(HeldNoteName("4294967295")), "4294967295");
    for (const char* other : {".QUILLTMP-57.part", ".QUILLTMP-.held", ".QUILLTMP-5x.held", "QUILLTMP-57.held"}) {
        EXPECT_EQ(HeldNoteJobId(other), "") << other;
    }
}

} // namespace
