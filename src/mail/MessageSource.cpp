#include "mail/MessageSource.h"

namespace desklet {

std::uint64_t MessageSource::Size() const {
    std::uint64_t size = 0;
    Survey([&size](const Stretch& stretch) { size += stretch.text.size() + stretch.lineBytes; });
    return size;
}

bool MessageSource::AppendTo(std::string& text) {
    // Read in pieces of this size into room made up front: the text grows once.
    constexpr std::size_t kPiece = 64 * 1024;
    const std::size_t start = text.size();
    text.reserve(start + static_cast<std::size_t>(Size()));
    for (;;) {
        const std::size_t have = text.size();
        text.resize(have + kPiece);
        std::size_t got = 0;
        if (!Read(text.data() + have, kPiece, &got)) {
            text.resize(start);
            return false;
        }
        text.resize(have + got);
        if (got == 0) {
            return true;
        }
    }
}

bool MessageSource::Fail(Failure failure, std::string error) {
    if (m_failure == Failure::None) {
        m_failure = failure;
        m_error = std::move(error);
    }
    return false;
}

} // namespace desklet
