#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

namespace desklet {

// Where printed documents wait for their owner: <spool root>/<numeric user id>/.
// The root belongs to root with mode 0711, so that every user can enter their own
// inbox but nobody can list who has one; each inbox is 0700 and its owner's.
inline constexpr std::string_view kDefaultSpoolRoot = "/var/spool/desklet";
// Names another spool root. The backend honours it only where it cannot hurt: not
// as root (see BackendMain.cpp); the session side always does.
inline constexpr std::string_view kSpoolRootVariable = "DESKLET_SPOOL_ROOT";

// The marker that tells the fax dialog the document is a copy made for it and is
// to be deleted when the dialog closes.
inline constexpr std::string_view kSpoolMarker = "QUILLTMP";
inline constexpr std::string_view kSpoolExtension = ".pdf";

// Room for the title in a file name: the name must stay under the 255 bytes most
// file systems allow, beside the marker, a job id and a numbered variant, and the
// mail shows the name to the recipient, where a shorter one reads better.
inline constexpr std::size_t kMaxTitleBytes = 120;

// The spool root to use: the variable's value when trusted and set to an absolute
// path, the default otherwise.
std::string SpoolRoot(bool trustEnvironment);

std::string InboxPath(const std::string& spoolRoot, uid_t uid);

// The title as it may stand in a file name: "/" and control characters become
// "_", leading dots too (no hidden file, no ".."), bytes that are not UTF-8 are
// replaced, a trailing ".pdf" goes (the name gets its own), and the rest is cut
// at a character boundary to kMaxTitleBytes. An empty result becomes "document".
std::string SanitizeTitle(std::string_view title);

// "QUILLTMP-<job id>-<title>.pdf"; variant 2 and later add " (n)" before the
// extension, for a name that is taken already.
std::string SpoolFileName(std::string_view jobId, std::string_view title, int variant = 1);

// True for the names SpoolFileName() makes: the marker, a dash, and the extension.
bool IsSpoolFileName(std::string_view name);

// The name a printed document is shown and sent under: its spool name without the
// marker and the job id ("QUILLTMP-57-Quarterly report.pdf" gives "Quarterly
// report.pdf"). The whole name for one that is not a spool name.
std::string PrintedDocumentName(std::string_view spoolFileName);

// The hidden note the backend leaves in the inbox for a job it held because the
// inbox was full: ".QUILLTMP-<job id>.held", holding the job's title. The session
// tells its owner and removes it; a later delivery of the job removes it too.
std::string HeldNoteName(std::string_view jobId);
// The job id of a held note's name; empty for any other name.
std::string_view HeldNoteJobId(std::string_view name);

} // namespace desklet
