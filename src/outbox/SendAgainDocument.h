#pragma once

#include "outbox/Outbox.h"

#include <string>

namespace desklet {

// The document a job of the sent log or the outbox goes again with: the person's
// own file while it is still where it was, else the outbox's copy while the job
// keeps one (sent under the document's name: the copy's own name is made up),
// else none.
struct SendAgainDocument {
    enum class Source {
        Original, // path is the document where it was
        KeptCopy, // path is the outbox's copy; name is what to show and send it as
        Gone,     // the document is no longer there: the numbers alone go again
    };
    Source source = Source::Gone;
    std::string path;
    std::string name; // the document's name as the log keeps it

    static SendAgainDocument For(const SentLogLine& line);
    static SendAgainDocument For(const OutboxEntry& entry);

private:
    static SendAgainDocument For(const std::string& name, const std::string& documentPath, const std::string& keptCopy);
};

} // namespace desklet
