#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// The recipient list of the main dialog as plain data, so that the dialog's list
// widget can be checked against it: entries in ascending byte order, duplicates
// kept, each entry exactly as it was added.
struct FaxNumberList {
    // The pieces of a comma-separated list handed over on the command line: a ","
    // ends a piece, only fax-number characters are kept (blanks, hyphens and
    // parentheses of a written-out number vanish), empty pieces are skipped. No
    // number rule is applied; the send operation checks every entry.
    static std::vector<std::string> Load(std::string_view commandLineList);

    // Where entry goes in a sorted list: after every entry that is not greater.
    static std::size_t InsertPosition(const std::vector<std::string>& sorted, std::string_view entry);
    // Inserts entry at its sorted place.
    static void Insert(std::vector<std::string>& sorted, std::string_view entry);

    // The entries that remain when every selected one is removed, in their order.
    // An entry without a flag (selected shorter than entries) is not selected.
    static std::vector<std::string> RemoveSelected(const std::vector<std::string>& entries,
                                                   const std::vector<bool>& selected);
};

} // namespace desklet
