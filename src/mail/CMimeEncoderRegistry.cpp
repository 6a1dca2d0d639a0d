#include "mail/CMimeEncoderRegistry.h"

namespace desklet {

CMimeEncoderRegistry& CMimeEncoderRegistry::Instance() {
    static CMimeEncoderRegistry registry;
    return registry;
}

void CMimeEncoderRegistry::Register(std::unique_ptr<CMimePartEncoder> encoder) {
    if (!encoder) {
        return;
    }
    const std::lock_guard<std::mutex> guard(m_lock);
    m_listEncoders.push_back(std::move(encoder));
}

const CMimePartEncoder* CMimeEncoderRegistry::FindEncoder(std::int32_t contentType) const {
    const std::lock_guard<std::mutex> guard(m_lock);
    for (const std::unique_ptr<CMimePartEncoder>& encoder : m_listEncoders) {
        if (encoder->IsType(contentType)) {
            return encoder.get();
        }
    }
    return nullptr;
}

std::size_t CMimeEncoderRegistry::GetCount() const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_listEncoders.size();
}

} // namespace desklet
