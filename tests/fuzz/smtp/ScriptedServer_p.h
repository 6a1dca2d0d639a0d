#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace desklet::fuzz {

// The server's side of the one connection the fuzz target's CSocket has: the bytes
// the server says, cut into receives by a seed, what the client wrote, and when
// the client started TLS.
struct ScriptedServer {
    std::string_view said;
    std::size_t position = 0;
    // 0: each receive takes all it can; otherwise receives of 1 to 4 * cut bytes.
    std::uint32_t cut = 0;
    std::uint32_t state = 0;
    std::string heard;
    // How much the client had written when it started TLS; npos while it has not.
    // There is no real TLS: the bytes go on as they are.
    std::size_t heardBeforeTls = std::string::npos;

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
