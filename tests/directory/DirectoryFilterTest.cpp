#include "directory/DirectoryFilter.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace desklet;

namespace {

struct EscapeRow {
    const char* name;
    std::string typed;
    std::string escaped;
};

TEST(DirectoryFilter, EscapesEverySpecialByteAndLeavesPlainTextAlone) {
    const EscapeRow rows[] = {
        {"plain name stays", "Ada Lovelace", "Ada Lovelace"},
        {"star is no wildcard", "A*", "A\\2a"},
        {"parentheses cannot close the assertion", "x)(cn=*", "x\\29\\28cn=\\2a"},
        {"backslash is escaped itself", "a\\2a", "a\\5c2a"},
        {"NUL does not cut the value", std::string("a\0b", 3), "a\\00b"},
        {"line breaks and controls are escaped", "a\r\nb\t", "a\\0d\\0ab\\09"},
        {"bytes above ASCII are escaped one by one", "M\xc3\xbcller", "M\\c3\\bcller"},
        {"DEL is escaped", "\x7f", "\\7f"},
        {"empty stays empty", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(EscapeFilterValue(row.typed), row.escaped) << row.name;
        EXPECT_EQ(UnescapeFilterValue(row.escaped), std::optional<std::string>(row.typed)) << row.name;
    }
}

TEST(DirectoryFilter, UnescapeRefusesWhatNoEscapeProduces) {
    for (const char* bad : {"a*", "(", ")", "\\", "\\2", "\\zz", "a\\g0"}) {
        EXPECT_EQ(UnescapeFilterValue(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(UnescapeFilterValue("\\2A"), std::optional<std::string>("*")) << "upper-case hex is read too";
}

TEST(DirectoryFilter, SearchFilterLooksInTheFiveAttributesOfEntriesWithAFaxNumber) {
    EXPECT_EQ(DirectorySearchFilter("a(b"), "(&(facsimileTelephoneNumber=*)(|(cn=*a\\28b*)(sn=*a\\28b*)"
                                            "(givenName=*a\\28b*)(o=*a\\28b*)(mail=*a\\28b*)))");
}

struct FaxRow {
    const char* name;
    const char* value;
    const char* number;
};

TEST(DirectoryFilter, FaxNumberDropsTheFaxParameters) {
    const FaxRow rows[] = {
        {"parameters after the number go", "+1 212 555 1212$fineResolution$twoDimensional", "+1 212 555 1212"},
        {"a bare number stays", "+44 20 7946 0000", "+44 20 7946 0000"},
        {"blanks around the number go", "  555 0100 $b4Length", "555 0100"},
        {"only parameters leave no number", "$fineResolution", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FaxNumberOfValue(row.value), row.number) << row.name;
    }
}

TEST(DialableFaxNumber, KeepsWhatTheNumberFieldTakes) {
    const struct {
        const char* name;
        const char* written;
        const char* dialable;
    } rows[] = {
        {"a North American number with its country code", "+1 (212) 555-1212", "12125551212"},
        {"another country after 011", "+44 20 7946 0000", "011442079460000"},
        {"a number without a plus keeps its digits", " 212.555.1212 ", "2125551212"},
        {"the gateway's pause survives", "+1 212 555 1212!22", "12125551212!22"},
        {"nothing dialable leaves nothing", "+ext", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(DialableFaxNumber(row.written), row.dialable) << row.name;
    }
}

} // namespace
