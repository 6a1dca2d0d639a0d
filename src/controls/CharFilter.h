#pragma once

#include <string>
#include <string_view>

namespace desklet {

// The rule of the filtered edits: whether a typed character reaches the control.
// Backspace always passes. In reject mode the listed characters are dropped and
// all others pass; in accept mode only the listed characters pass. The character
// is one byte; control characters are judged like any other.
struct CharFilter {
    static constexpr unsigned char kBackspace = 8;

    static bool Accepts(unsigned char c, bool rejectListed, std::string_view list);
    // A typed text (one key, or an input method's commit) judged character by
    // character: the characters that pass, in order. A character of several UTF-8
    // bytes passes only when each of its bytes does.
    static std::string Filter(std::string_view typed, bool rejectListed, std::string_view list);
};

} // namespace desklet
