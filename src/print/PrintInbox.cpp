#include "print/PrintInbox.h"

#include "print/SpoolNames.h"
#include "print/UniqueFd_p.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <tuple>

namespace desklet {

std::vector<PrintInbox::Document> PrintInbox::List(const std::string& folder) {
    std::vector<Document> documents;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return documents;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!IsSpoolFileName(name)) {
            continue;
        }
        Document document;
        document.name = name;
        document.path = folder + "/" + name;
        struct stat info {};
        if (::fstatat(::dirfd(dir), name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
            document.modifiedNs = static_cast<long long>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
        }
        const std::size_t digits = kSpoolMarker.size() + 1;
        for (std::size_t i = digits; i < name.size() && name[i] >= '0' && name[i] <= '9'; ++i) {
            document.jobId = document.jobId * 10 + static_cast<unsigned>(name[i] - '0');
        }
        documents.push_back(std::move(document));
    }
    ::closedir(dir);
    std::sort(documents.begin(), documents.end(), [](const Document& a, const Document& b) {
        return std::tie(a.modifiedNs, a.jobId, a.name) < std::tie(b.modifiedNs, b.jobId, b.name);
    });
    return documents;
}

bool PrintInbox::CanOpen(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    return fd.Valid() && ::fstat(fd.Get(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace desklet
