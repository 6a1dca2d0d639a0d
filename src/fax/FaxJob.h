#pragma once

#include <string>
#include <vector>

namespace desklet {

// What the main dialog holds about one fax job, as the fax command reads it.
struct FaxJob {
    // The fax numbers in the recipient list's (ascending) order.
    std::vector<std::string> recipients;
    int resolution = 0; // 0 low, 1 high
    int font = 0;       // 0 regular, 1 bold
    bool coverPage = true;
    std::string comment;
    std::string from;
    std::string attention;
    // The name the document travels under at the service; empty for its file's
    // own name. A printed document goes under its print title, not its spool name.
    std::string documentName;
};

} // namespace desklet
