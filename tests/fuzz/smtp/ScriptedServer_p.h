#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace desklet::fuzz {

// The server's side of the one connection the fuzz target's CSocket has: the bytes
// the server says, cut into receives by a seed, and what the client wrote.
struct ScriptedServer {
    std::string_view said;
    std::size_t position = 0;
    // 0: each receive takes all it can; otherwise receives of 1 to 4 * cut bytes.
    std::uint32_t cut = 0;
    std::uint32_t state = 0;
    std::string heard;

    static ScriptedServer& Current() {
        static ScriptedServer server;
        return server;
    }

    std::size_t NextReceiveSize(std::size_t capacity) {
        state = state * 1103515245u + 12345u;
        const std::size_t size = cut == 0 ? capacity : 1 + (state >> 16) % (4 * cut);
        return size < capacity ? size : capacity;
    }
};

} // namespace desklet::fuzz
