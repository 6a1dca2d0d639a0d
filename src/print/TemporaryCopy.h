#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace desklet {

// A document handed over to the fax dialog is a copy made for it, to be deleted
// when the dialog closes, only where a handover puts one: right in the print inbox
// or in the system's temporary folder, under a file name that carries the marker
// (kSpoolMarker, in any letter case). Anywhere else the marker is a coincidence,
// a folder named "QuillTmp-archive" for one, and the document is the person's own.

// The decision, on the folder the document lies in with every link resolved, and
// the document's file name.
bool IsTemporaryCopy(std::string_view realFolder, std::string_view fileName,
                     const std::vector<std::string>& handoverFolders);

// The folders a handover puts copies into, each with its links resolved: the
// user's print inbox, $TMPDIR (when absolute), /tmp and /var/tmp. Those that do
// not exist are left out.
std::vector<std::string> HandoverFolders();

// Deletes the document at path when IsTemporaryCopy() says it is a copy, after
// resolving the links of the folder it lies in. True when it was deleted.
bool DeleteTemporaryCopy(const std::string& path);

} // namespace desklet
