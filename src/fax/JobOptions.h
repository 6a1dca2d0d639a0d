#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <string>
#include <vector>

namespace desklet {

// The job's fields as a launching program hands them over in Settings: -font
// ("regular" or "bold"), -resolution ("low" or "high"), -cover ("yes" or "no"),
// -comment, -from and -attention. The main dialog starts with them; the send
// without a window takes them as the job.
class JobOptions {
public:
    // Sets each field whose key is present and whose value is known, leaving the
    // others as they are. False when a value is unknown (or, for the three texts,
    // holds a double quote, which would end the fax command's quoted text): error
    // then names the first such key and its value, and that field is left unset.
    static bool Read(const CMapStringToString& settings, FaxJob& job, std::string& error);

    // The numbers of a handed-over list in the order of the dialog's recipient
    // list, which sorts them as they are inserted.
    static std::vector<std::string> Recipients(const std::string& list);
};

} // namespace desklet
