#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace desklet {

// Long header lines broken into physical lines the way a reader puts back together:
// CR LF inserted before a blank, so that removing every CR LF gives the line again.
class HeaderFolding {
public:
    // A physical line holds at most 998 octets before its CR LF; servers refuse
    // longer ones or break them where they like (RFC 5322 section 2.1.1).
    static constexpr std::size_t kMaxLineOctets = 998;
    // Where a folded line is broken when it can be: the length RFC 5322 recommends.
    static constexpr std::size_t kFoldTarget = 78;

    // The line, without its CR LF, as it goes out: unchanged when it is within the
    // limit; otherwise broken before blanks into lines of about kFoldTarget octets.
    // A line is only broken before a blank that follows a non-blank and after the
    // value's first word, so no physical line is blank and the value keeps its
    // start. A run of non-blanks longer than the limit cannot be broken and stays long.
    static std::string Fold(std::string_view line);

    // True when every physical line of Fold(line) is within the limit.
    static bool Fits(std::string_view line);
};

} // namespace desklet
