#include "mail/CMimePartEncoder.h"

#include "mail/ComposedMessage.h"

namespace desklet {

bool CMimePartEncoder::AddPart(const std::string& content, const std::string& parameters, std::int32_t encoding,
                               bool contentIsPath, ComposedMessage& message, std::string& error) const {
    std::string text;
    if (!AppendPart(content, parameters, encoding, contentIsPath, text, error)) {
        return false;
    }
    message.AddText(text);
    return true;
}

} // namespace desklet
