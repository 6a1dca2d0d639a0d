#include "mail/MessageId.h"

#include "text/Ascii.h"

#include <sys/random.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

namespace desklet::MessageId {

namespace {

// At least 128 bits, so that identifiers made anywhere by anyone do not meet.
constexpr std::size_t kRandomBytes = 16;
// RFC 1035 section 2.3.4: a label holds at most 63 octets, a name at most 253 in text.
constexpr std::size_t kMaxLabel = 63;
constexpr std::size_t kMaxDomain = 253;

bool IsHostName(std::string_view name) {
    if (name.empty() || name.size() > kMaxDomain) {
        return false;
    }
    std::size_t labelStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i == name.size() || name[i] == '.') {
            const std::size_t length = i - labelStart;
            if (length == 0 || length > kMaxLabel || name[labelStart] == '-' || name[i - 1] == '-') {
                return false;
            }
            labelStart = i + 1;
        } else if (!ascii::IsAlnum(name[i]) && name[i] != '-') {
            return false;
        }
    }
    return true;
}

// getrandom(2) without flags waits only until the kernel's generator is seeded
// once after boot, and then never fails for a request this small but by a signal.
bool RandomBytes(std::uint8_t* bytes, std::size_t count) {
    std::size_t have = 0;
    for (int tries = 0; have < count && tries < 100; ++tries) {
        const ssize_t got = ::getrandom(bytes + have, count - have, 0);
        if (got < 0 && errno != EINTR) {
            return false;
        }
        have += got > 0 ? static_cast<std::size_t>(got) : 0;
    }
    return have == count;
}

} // namespace

std::string Domain(std::string_view sender) {
    const std::size_t at = sender.rfind('@');
    const std::string_view domain = at == std::string_view::npos ? std::string_view() : sender.substr(at + 1);
    return std::string(IsHostName(domain) ? domain : kFallbackDomain);
}

std::string Make(std::string_view sender) {
    std::uint8_t random[kRandomBytes];
    if (!RandomBytes(random, sizeof random)) {
        return {};
    }
    static constexpr char kHex[] = "0123456789abcdef";
    std::string id = "<";
    for (const std::uint8_t byte : random) {
        id += kHex[byte >> 4];
        id += kHex[byte & 15];
    }
    return id + "@" + Domain(sender) + ">";
}

} // namespace desklet::MessageId
