#pragma once

#include "fax/FaxJob.h"
#include "framework/core/CMapStringToString.h"

#include <string>
#include <utility>
#include <vector>

namespace desklet {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

// A job as the outbox keeps it between tries: its fields, and the settings that
// make its fax what it was when it was made (the account, the station id, the
// confirmation addresses). The mail server's settings are not kept: a retry
// goes through the server configured at the time of the try. No password is
// ever kept.
struct JobSnapshot {
    static KeyValues Fields(const FaxJob& job); // everything but the numbers
    static FaxJob JobFrom(const KeyValues& fields, std::vector<std::string> numbers);

    // The settings kept with a job: the fax's own, those that are set.
    static KeyValues KeptSettings(const CMapStringToString& settings);
    // The settings of a try: the current ones, with the fax's own as they were
    // when the job was made (a key unset then is unset now).
    static CMapStringToString SettingsForTry(const KeyValues& kept, const CMapStringToString& current);
};

} // namespace desklet
