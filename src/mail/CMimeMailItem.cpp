#include "mail/CMimeMailItem.h"

#include "mail/CAttachmentPartEncoder.h"
#include "mail/CMimeEncoderRegistry.h"
#include "mail/CTextPartEncoder.h"
#include "mail/ComposedMessage.h"

#include <string_view>

namespace desklet {

namespace {

std::string Trimmed(const std::string& text) {
    constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

} // namespace

CMimeMailItem::CMimeMailItem()
    : m_strPreamble("This is a multi-part message in MIME format."), m_strBoundary("KX_MAIL_PaRt_BoUnDaRy_05151998"),
      m_strContentType("multipart/mixed") {
    RegisterEncoder(std::make_unique<CTextPartEncoder>(PartTypeText, GetLineWidth()));
    RegisterEncoder(std::make_unique<CAttachmentPartEncoder>(PartTypeOctetStream));
}

void CMimeMailItem::RegisterEncoder(std::unique_ptr<CMimePartEncoder> encoder) {
    if (encoder) {
        CMimeEncoderRegistry::Instance().Register(std::move(encoder));
    }
}

bool CMimeMailItem::AddMimePart(const std::string& content, std::int32_t contentType, const std::string& parameters,
                                std::int32_t encoding, bool contentIsPath, const std::string& fileName) {
    // A path stays as it is: on Linux a file name may begin or end with a blank,
    // and trimming it would name another file, or none.
    MimePartInfo part{encoding, contentType, parameters, contentIsPath, contentIsPath ? content : Trimmed(content),
                      fileName};
    if (contentType == PartTypeText) {
        m_listParts.push_front(std::move(part));
    } else {
        m_listParts.push_back(std::move(part));
    }
    return true;
}

void CMimeMailItem::PrepareHeader() {
    CMailItem::PrepareHeader();
    AddHeaderLine("MIME-Version: 1.0");
    AddHeaderLine("Content-Type: " + m_strContentType + "; boundary=" + m_strBoundary);
}

bool CMimeMailItem::PrepareBody() {
    // The body text becomes the first part, once: a message composed again does
    // not gain a second copy of it.
    if (!m_strBody.empty()) {
        AddMimePart(m_strBody, PartTypeText, "", 0, false);
        m_strBody.clear();
    }
    ComposedMessage& message = Composition();
    message.AddText(m_strPreamble + "\r\n\r\n");
    if (!AppendParts(message)) {
        return false;
    }
    AppendClosingBoundary(message);
    return true;
}

bool CMimeMailItem::AppendParts(ComposedMessage& message) {
    const CMimeEncoderRegistry& registry = CMimeEncoderRegistry::Instance();
    for (const MimePartInfo& part : m_listParts) {
        const CMimePartEncoder* encoder = registry.FindEncoder(part.m_nContentType);
        if (encoder == nullptr) {
            continue;
        }
        AppendBoundary(message);
        std::string error;
        if (!encoder->AddPart(part, message, error)) {
            SetComposeError(std::move(error));
            return false;
        }
    }
    return true;
}

void CMimeMailItem::AppendBoundary(ComposedMessage& message) const {
    if (!message.EndsWithLineBreak()) {
        message.AddText("\r\n");
    }
    message.AddText("--" + m_strBoundary + "\r\n");
}

void CMimeMailItem::AppendClosingBoundary(ComposedMessage& message) const {
    if (!message.EndsWithLineBreak()) {
        message.AddText("\r\n");
    }
    message.AddText("--" + m_strBoundary + "--\r\n");
}

} // namespace desklet
