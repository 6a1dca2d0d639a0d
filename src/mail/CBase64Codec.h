#pragma once

#include "mail/CTransferCodec.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// Base64 (RFC 2045 section 6.8) without line breaks. One codec serves one caller at
// a time: it keeps the block it works on in its fields.
class CBase64Codec : public CTransferCodec {
public:
    CBase64Codec() = default;

    // Padded with "=" to a multiple of four characters.
    std::string Encode(const std::uint8_t* bytes, std::size_t length) override;
    // Every character outside the alphabet and "=" (line breaks and blanks too) fails
    // the decode; "=" is skipped wherever it stands; a character with its high bit set
    // counts as the one with that bit cleared.
    int Decode(std::string_view text, std::vector<std::uint8_t>& output) override;

    // Appends the coded text of the block to out, without a temporary: the attachment
    // encoder's path for large files.
    static void AppendEncoded(const std::uint8_t* bytes, std::size_t length, std::string& out);
    // Writes the coded text of the block at out, which has room for EncodedSize
    // characters, and returns that size.
    static std::size_t EncodeTo(const std::uint8_t* bytes, std::size_t length, char* out);
    static constexpr std::size_t EncodedSize(std::size_t length) { return (length + 2) / 3 * 4; }

    // The bit pump. ReadBits takes up to n bits of the current block from position
    // on, zero-filled on the right once the block is used up, and reports in obtained
    // how many were real; WriteBits feeds n bits of value in and stores every whole
    // byte at output[count]. Encode no longer pumps bits (a table does it in one
    // step); Decode still does.
    std::uint32_t ReadBits(int n, int& obtained, std::size_t& position);
    void WriteBits(std::uint32_t value, int n, std::uint8_t* output, int& count);

    // Points the pump at a block and empties the accumulator.
    void Begin(const std::uint8_t* bytes, std::size_t length);

    static constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    static constexpr char kPad = '=';

private:
    std::size_t m_nInputLength = 0;
    std::int32_t m_nBitCount = 0;
    std::uint32_t m_nBitAccumulator = 0;
    const std::uint8_t* m_pInput = nullptr;
};

} // namespace desklet
