#include "mail/CBase64Codec.h"

#include <array>

namespace desklet {

namespace {

// Entry n is 2 to the power n, minus 1.
constexpr std::array<std::uint32_t, 9> kMask = {0, 1, 3, 7, 15, 31, 63, 127, 255};

constexpr int kInvalid = -2;
constexpr int kSkip = -1;

constexpr std::array<int, 256> MakeDecodeTable() {
    std::array<int, 256> table{};
    for (int& entry : table) {
        entry = kInvalid;
    }
    for (std::size_t j = 0; j < CBase64Codec::kAlphabet.size(); ++j) {
        table[static_cast<unsigned char>(CBase64Codec::kAlphabet[j])] = static_cast<int>(j);
    }
    table[static_cast<unsigned char>(CBase64Codec::kPad)] = kSkip;
    return table;
}

constexpr std::array<int, 256> kDecodeTable = MakeDecodeTable();

} // namespace

void CBase64Codec::Begin(const std::uint8_t* bytes, std::size_t length) {
    m_pInput = bytes;
    m_nInputLength = bytes != nullptr ? length : 0;
    m_nBitCount = 0;
    m_nBitAccumulator = 0;
}

std::string CBase64Codec::Encode(const std::uint8_t* bytes, std::size_t length) {
    std::string text;
    if (bytes == nullptr) {
        return text;
    }
    AppendEncoded(bytes, length, text);
    return text;
}

void CBase64Codec::AppendEncoded(const std::uint8_t* bytes, std::size_t length, std::string& out) {
    if (bytes == nullptr) {
        return;
    }
    const std::size_t start = out.size();
    out.resize(start + EncodedSize(length));
    EncodeTo(bytes, length, out.data() + start);
}

std::size_t CBase64Codec::EncodeTo(const std::uint8_t* bytes, std::size_t length, char* out) {
    char* target = out;
    std::size_t i = 0;
    // Three bytes are four characters of six bits each.
    for (; i + 3 <= length; i += 3) {
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) | (std::uint32_t{bytes[i + 1]} << 8) | bytes[i + 2];
        *target++ = kAlphabet[(group >> 18) & 63];
        *target++ = kAlphabet[(group >> 12) & 63];
        *target++ = kAlphabet[(group >> 6) & 63];
        *target++ = kAlphabet[group & 63];
    }
    const std::size_t rest = length - i;
    if (rest == 1) {
        const std::uint32_t group = std::uint32_t{bytes[i]} << 16;
        *target++ = kAlphabet[(group >> 18) & 63];
        *target++ = kAlphabet[(group >> 12) & 63];
        *target++ = kPad;
        *target++ = kPad;
    } else if (rest == 2) {
        const std::uint32_t group = (std::uint32_t{bytes[i]} << 16) | (std::uint32_t{bytes[i + 1]} << 8);
        *target++ = kAlphabet[(group >> 18) & 63];
        *target++ = kAlphabet[(group >> 12) & 63];
        *target++ = kAlphabet[(group >> 6) & 63];
        *target++ = kPad;
    }
    return static_cast<std::size_t>(target - out);
}

std::uint32_t CBase64Codec::ReadBits(int n, int& obtained, std::size_t& position) {
    while (m_nBitCount < n && position < m_nInputLength) {
        // Only the low bit-count bits matter, so the bits shifted out on the left
        // were all emitted already.
        m_nBitAccumulator = (m_nBitAccumulator << 8) | m_pInput[position];
        ++position;
        m_nBitCount += 8;
    }
    if (m_nBitCount < n) {
        obtained = m_nBitCount;
        m_nBitCount = 0;
        return (m_nBitAccumulator << (n - obtained)) & kMask[static_cast<std::size_t>(n)];
    }
    obtained = n;
    m_nBitCount -= n;
    return (m_nBitAccumulator >> m_nBitCount) & kMask[static_cast<std::size_t>(n)];
}

void CBase64Codec::WriteBits(std::uint32_t value, int n, std::uint8_t* output, int& count) {
    m_nBitAccumulator = (m_nBitAccumulator << n) | (value & kMask[static_cast<std::size_t>(n)]);
    m_nBitCount += n;
    while (m_nBitCount > 7) {
        output[count] = static_cast<std::uint8_t>(m_nBitAccumulator >> (m_nBitCount - 8));
        ++count;
        m_nBitCount -= 8;
    }
}

int CBase64Codec::Decode(std::string_view text, std::vector<std::uint8_t>& output) {
    if (text.empty()) {
        return 0;
    }
    output.assign(text.size() + 1, 0);
    Begin(nullptr, 0);
    int count = 0;
    for (const char c : text) {
        const int value = kDecodeTable[static_cast<unsigned char>(c) & 0x7F];
        if (value < kSkip) {
            return 0;
        }
        if (value == kSkip) {
            continue;
        }
        WriteBits(static_cast<std::uint32_t>(value), 6, output.data(), count);
    }
    return count;
}

} // namespace desklet
