#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace desklet {

// The form rules of one fax number. They know three forms: eleven characters with
// a leading 1 (a North American number with its 1), 011 and a foreign number, and
// ten characters (a North American number without the 1). The rules look only at
// the length and at the first three characters; "!" is an ordinary character that
// the gateway interprets.
struct FaxNumberRules {
    // The characters a fax number may contain.
    static constexpr std::string_view FaxNumberChars = "1234567890!";
    // The longest number the entry field takes; also the upper bound of the 0 form.
    static constexpr std::size_t kMaxLength = 35;

    enum class Rule {
        None,
        LeadingOneNeedsElevenChars,   // 1: begins with 1, not 11 characters
        LeadingOneBadSecondDigit,     // 2: begins with 1, second is 0 or 1
        LeadingZeroLength,            // 3: begins with 0, not 8 to 35 characters
        LeadingZeroNeedsElevenPrefix, // 4: begins with 0, not followed by 11
        OtherLeadNeedsTenChars,       // 5: any other start (empty too), not 10 characters
    };

    // The first rule the number violates, or None.
    [[nodiscard]] static Rule Check(std::string_view number);
    // 1 to 5 for a violation, 0 for None.
    static int Number(Rule rule);

    // The message box text of a violation, translated; empty for None.
    static std::string Text(Rule rule);
    // The caption Add shows with the text, translated; empty for None.
    static std::string AddCaption(Rule rule);
    // The caption the send operation shows for the entry that failed.
    static std::string SendCaption(std::string_view entry);
};

} // namespace desklet
