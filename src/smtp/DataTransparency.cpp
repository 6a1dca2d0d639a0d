#include "smtp/DataTransparency.h"

namespace desklet {

std::uint64_t DataTransparency::TransformedSize(std::string_view text) const {
    DataTransparency copy = *this;
    std::uint64_t total = 0;
    copy.Transform(text, [&total](const char*, std::size_t size) { total += size; });
    return total;
}

std::string DataTransparency::Apply(std::string_view text) {
    DataTransparency transparency;
    std::string out;
    out.reserve(text.size() + text.size() / 64 + 2);
    transparency.Transform(text, [&out](const char* data, std::size_t size) { out.append(data, size); });
    return out;
}

} // namespace desklet
