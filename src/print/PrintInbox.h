#pragma once

#include <string>
#include <vector>

namespace desklet {

// The session's view of its inbox: the printed documents that wait for a dialog.
class PrintInbox {
public:
    struct Document {
        std::string path;
        std::string name;
        long long modifiedNs = 0; // when the print system finished writing it
        unsigned long long jobId = 0;
    };

    // The documents in the folder, oldest first (by time, then by job id, then by
    // name). Only the names the backend gives count: its hidden half-written files
    // and anything else in the folder are left out. A missing folder is empty.
    static std::vector<Document> List(const std::string& folder);

    // True when the document is a regular file that can be read, reached without
    // following a link; a planted link or folder under a document's name is not.
    static bool CanOpen(const std::string& path);

    // A job the backend held because the inbox was full, as its note tells.
    struct HeldJob {
        std::string jobId;
        std::string name; // the name its document will have; empty when the note does not say
        std::string notePath;
    };
    // The held jobs' notes in the folder, by job id. A missing folder has none.
    static std::vector<HeldJob> ListHeld(const std::string& folder);
};

} // namespace desklet
