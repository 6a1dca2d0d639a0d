#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// A content transfer coding (RFC 2045 section 6): bytes to mail-safe text and back.
class CTransferCodec {
public:
    CTransferCodec() = default;
    virtual ~CTransferCodec() = default;

    CTransferCodec(const CTransferCodec&) = delete;
    CTransferCodec& operator=(const CTransferCodec&) = delete;

    // Writes the bytes of the text into output (resized to the text's length plus
    // one, zero-filled) and returns how many it wrote; 0 when the text cannot be
    // decoded, the bytes decoded before the fault staying in output.
    virtual int Decode(std::string_view text, std::vector<std::uint8_t>& output) = 0;

    // The coded text of the block. A null pointer gives an empty text.
    virtual std::string Encode(const std::uint8_t* bytes, std::size_t length) = 0;
};

} // namespace desklet
