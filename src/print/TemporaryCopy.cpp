#include "print/TemporaryCopy.h"

#include "print/SpoolNames.h"
#include "text/Ascii.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace desklet {
namespace {

// The path with every link resolved; empty when it does not exist.
std::string RealPath(const std::string& path) {
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(path.c_str(), nullptr), &std::free);
    return real ? std::string(real.get()) : std::string();
}

} // namespace

bool IsTemporaryCopy(std::string_view realFolder, std::string_view fileName,
                     const std::vector<std::string>& handoverFolders) {
    if (fileName.empty() || fileName.find('/') != std::string_view::npos ||
        ascii::FindNoCase(fileName, kSpoolMarker) == std::string_view::npos) {
        return false;
    }
    return std::any_of(handoverFolders.begin(), handoverFolders.end(),
                       [&](const std::string& folder) { return !folder.empty() && folder == realFolder; });
}

std::vector<std::string> HandoverFolders() {
    std::vector<std::string> folders;
    std::vector<std::string> candidates{InboxPath(SpoolRoot(true), ::getuid())};
    if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && tmpdir[0] == '/') {
        candidates.emplace_back(tmpdir);
    }
    candidates.emplace_back("/tmp");
    candidates.emplace_back("/var/tmp");
    for (const std::string& candidate : candidates) {
        std::string real = RealPath(candidate);
        if (!real.empty()) {
            folders.push_back(std::move(real));
        }
    }
    return folders;
}

bool DeleteTemporaryCopy(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string realFolder = RealPath(folder);
    if (realFolder.empty() || !IsTemporaryCopy(realFolder, name, HandoverFolders())) {
        return false;
    }
    // Through the resolved folder: the path as given may pass a link that is
    // changed meanwhile.
    return ::unlink((realFolder + (realFolder == "/" ? "" : "/") + name).c_str()) == 0;
}

} // namespace desklet
