#pragma once

#include "mail/CMailItem.h"
#include "mail/MimePartInfo.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>

namespace desklet {

class ComposedMessage;
class CMimePartEncoder;

// A "multipart/mixed" message: the parts (the body text, files to attach) follow
// one boundary line each, written by the encoder that serves their content type.
class CMimeMailItem : public CMailItem {
public:
    enum PartType : std::int32_t { PartTypeText = 0, PartTypeOctetStream = 1 };

    // Registers a text encoder and an attachment encoder with the process's
    // registry; the first ones registered serve every item.
    CMimeMailItem();

    // Queues a part; a text content is stored without surrounding white space, a
    // path as it is. A text part goes to the front, every other part to the back.
    // A file travels under fileName, or under its own name when that is empty.
    // Always true.
    bool AddMimePart(const std::string& content, std::int32_t contentType, const std::string& parameters,
                     std::int32_t encoding, bool contentIsPath, const std::string& fileName = {});

    const std::list<MimePartInfo>& GetParts() const { return m_listParts; }

    std::string m_strPreamble;
    std::string m_strBoundary;
    std::string m_strContentType;

protected:
    void PrepareHeader() override;
    // The body text, when there is one, becomes the first part; then the preamble,
    // every part and the closing boundary. False when a part could not be added
    // (an attachment that cannot be opened): such a message must not go out.
    bool PrepareBody() override;
    // Adds every part whose content type has an encoder; a part without one is
    // left out. False at the first part that fails, with the compose error set.
    virtual bool AppendParts(ComposedMessage& message);

    void RegisterEncoder(std::unique_ptr<CMimePartEncoder> encoder);
    void AppendBoundary(ComposedMessage& message) const;
    void AppendClosingBoundary(ComposedMessage& message) const;

private:
    std::list<MimePartInfo> m_listParts;
};

} // namespace desklet
