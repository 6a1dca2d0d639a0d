#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace desklet::fuzz {

// Base64 decoding the slow, obvious way, beside the codec's table and bit pump:
// "=" is skipped wherever it stands, a byte counts with its high bit cleared, and
// any other byte outside the alphabet makes the text undecodable (false).
inline bool DecodeBase64(std::string_view text, std::vector<std::uint8_t>& bytes) {
    constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    bytes.clear();
    std::vector<bool> bits;
    for (const char c : text) {
        const char clear = static_cast<char>(c & 0x7F);
        if (clear == '=') {
            continue;
        }
        const std::size_t value = kAlphabet.find(clear);
        if (value == std::string_view::npos) {
            return false;
        }
        for (int bit = 5; bit >= 0; --bit) {
            bits.push_back(((value >> bit) & 1) != 0);
        }
    }
    for (std::size_t i = 0; i + 8 <= bits.size(); i += 8) {
        std::uint8_t byte = 0;
        for (std::size_t j = 0; j < 8; ++j) {
            byte = static_cast<std::uint8_t>(byte << 1 | (bits[i + j] ? 1 : 0));
        }
        bytes.push_back(byte);
    }
    return true;
}

} // namespace desklet::fuzz
