#pragma once

#include "mail/CMimePartEncoder.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace desklet {

// The process's part encoders, looked up by content-type code. Created on first use
// and destroyed at exit, deleting its encoders. Encoders are only ever added, so a
// pointer from FindEncoder stays valid for the life of the process.
class CMimeEncoderRegistry {
public:
    static CMimeEncoderRegistry& Instance();

    CMimeEncoderRegistry(const CMimeEncoderRegistry&) = delete;
    CMimeEncoderRegistry& operator=(const CMimeEncoderRegistry&) = delete;

    // Appends the encoder at the end of the list; null is ignored.
    void Register(std::unique_ptr<CMimePartEncoder> encoder);
    // The first encoder registered for the code, or null.
    const CMimePartEncoder* FindEncoder(std::int32_t contentType) const;
    std::size_t GetCount() const;

private:
    CMimeEncoderRegistry() = default;
    ~CMimeEncoderRegistry() = default;

    mutable std::mutex m_lock;
    std::vector<std::unique_ptr<CMimePartEncoder>> m_listEncoders;
};

} // namespace desklet
