#include "controls/CharFilter.h"

namespace desklet {

bool CharFilter::Accepts(unsigned char c, bool rejectListed, std::string_view list) {
    if (c == kBackspace) {
        return true;
    }
    const bool listed = list.find(static_cast<char>(c)) != std::string_view::npos;
    return rejectListed ? !listed : listed;
}

std::string CharFilter::Filter(std::string_view typed, bool rejectListed, std::string_view list) {
    std::string out;
    std::string_view::size_type i = 0;
    while (i < typed.size()) {
        // One character: a lead byte and its continuation bytes.
        std::string_view::size_type end = i + 1;
        while (end < typed.size() && (static_cast<unsigned char>(typed[end]) & 0xC0) == 0x80) {
            ++end;
        }
        bool pass = true;
        for (auto j = i; j < end; ++j) {
            pass = pass && Accepts(static_cast<unsigned char>(typed[j]), rejectListed, list);
        }
        if (pass) {
            out.append(typed.substr(i, end - i));
        }
        i = end;
    }
    return out;
}

} // namespace desklet
