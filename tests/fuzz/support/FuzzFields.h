#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace desklet::fuzz {

// Cuts a fuzz input into text fields at each 0xFF byte, so that seeds stay
// readable and every other byte, NUL and CR LF included, can stand in a value.
// Past the last field every further one is empty.
class FuzzFields {
public:
    FuzzFields(const std::uint8_t* data, std::size_t size)
        : m_data(reinterpret_cast<const char*>(data)), m_size(size) {}

    static constexpr char kSeparator = '\xff';

    std::string Next() {
        std::size_t end = m_pos;
        while (end < m_size && m_data[end] != kSeparator) {
            ++end;
        }
        std::string field(m_data + m_pos, end - m_pos);
        m_pos = end < m_size ? end + 1 : end;
        return field;
    }

    // The first byte of the next field, which is consumed whole; 0 when empty.
    std::uint8_t NextByte() {
        const std::string field = Next();
        return field.empty() ? 0 : static_cast<std::uint8_t>(field[0]);
    }

    bool AtEnd() const { return m_pos >= m_size; }

private:
    const char* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace desklet::fuzz
