#include "framework/TextLimit.h"

#include <gtest/gtest.h>

#include <optional>

namespace desklet {
namespace {

struct CapCase {
    const char* name;
    QString before;
    QString after;
    int cursor;
    int maxChars;
    std::optional<QString> capped; // nothing: the edit stands
    int cappedCursor = 0;
};

TEST(CapInsertion, CutsOnlyTheInsertedTextToTheRoomLeft) {
    const QString smiles = QStringLiteral("\U0001F600\U0001F600\U0001F600");
    const CapCase cases[] = {
        {"a text that fits stands", "ab", "abXY", 4, 4, std::nullopt},
        {"a paste at the end keeps its beginning", "abc", "abc0123456789", 13, 5, "abc01", 5},
        {"a paste in the middle keeps what follows it", "abcd", "abXYZcd", 5, 5, "abXcd", 3},
        {"a paste over a selection counts the text around it", "abcdef", "aXYZWf", 5, 4, "aXYf", 3},
        {"an insertion that repeats its neighbour is cut behind", "abc", "abbbc", 4, 4, "abbc", 3},
        {"a character outside the BMP counts once and is never split", "", smiles, 6, 2,
         QStringLiteral("\U0001F600\U0001F600"), 4},
        {"a stored text already too long takes nothing more", "xxxxxx", "xxxxxxyz", 8, 4, "xxxxxx", 6},
        {"an edit that shortens a long text stands", "xxxxxx", "xxxxx", 5, 4, std::nullopt},
        {"a change that is no insertion at the cursor stands", "abc", "xbcdef", 1, 4, std::nullopt},
    };
    for (const CapCase& c : cases) {
        const auto result = CapInsertion(c.before, c.after, c.cursor, c.maxChars);
        ASSERT_EQ(result.has_value(), c.capped.has_value()) << c.name;
        if (result) {
            EXPECT_EQ(result->text, *c.capped) << c.name;
            EXPECT_EQ(result->cursor, c.cappedCursor) << c.name;
        }
    }
}

} // namespace
} // namespace desklet
