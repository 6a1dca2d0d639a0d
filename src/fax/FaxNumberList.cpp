#include "fax/FaxNumberList.h"

#include "fax/FaxNumberRules.h"

#include <algorithm>

namespace desklet {

std::vector<std::string> FaxNumberList::Load(std::string_view commandLineList) {
    std::vector<std::string> pieces;
    std::string piece;
    for (const char c : commandLineList) {
        if (c == ',') {
            if (!piece.empty()) {
                pieces.push_back(std::move(piece));
                piece.clear();
            }
        } else if (FaxNumberRules::FaxNumberChars.find(c) != std::string_view::npos) {
            piece.push_back(c);
        }
    }
    if (!piece.empty()) {
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::size_t FaxNumberList::InsertPosition(const std::vector<std::string>& sorted, std::string_view entry) {
    // std::string compares by char_traits<char>, which orders as unsigned bytes.
    const auto at = std::upper_bound(sorted.begin(), sorted.end(), entry,
                                     [](std::string_view a, const std::string& b) { return a < b; });
    return static_cast<std::size_t>(at - sorted.begin());
}

void FaxNumberList::Insert(std::vector<std::string>& sorted, std::string_view entry) {
    const auto at = InsertPosition(sorted, entry);
    sorted.insert(sorted.begin() + static_cast<std::ptrdiff_t>(at), std::string(entry));
}

std::vector<std::string> FaxNumberList::RemoveSelected(const std::vector<std::string>& entries,
                                                       const std::vector<bool>& selected) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i >= selected.size() || !selected[i]) {
            kept.push_back(entries[i]);
        }
    }
    return kept;
}

} // namespace desklet
