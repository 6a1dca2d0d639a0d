#include "mail/CMimePartEncoder.h"

#include "mail/ComposedMessage.h"

namespace desklet {

bool CMimePartEncoder::AddPart(const MimePartInfo& part, ComposedMessage& message, std::string& error) const {
    std::string text;
    if (!AppendPart(part, text, error)) {
        return false;
    }
    message.AddText(text);
    return true;
}

} // namespace desklet
