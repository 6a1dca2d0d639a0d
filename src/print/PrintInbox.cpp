#include "print/PrintInbox.h"

#include "print/SpoolNames.h"
#include "print/UniqueFd_p.h"

#include <algorithm>
#include <array>
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

std::vector<PrintInbox::HeldJob> PrintInbox::ListHeld(const std::string& folder) {
    // The note holds one name; anything longer is not one the backend wrote.
    constexpr std::size_t kMaxNoteBytes = 512;
    std::vector<HeldJob> held;
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) {
        return held;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view jobId = HeldNoteJobId(entry->d_name);
        if (jobId.empty()) {
            continue;
        }
        HeldJob job{std::string(jobId), {}, folder + "/" + entry->d_name};
        UniqueFd note(::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat info {};
        if (note.Valid() && ::fstat(note.Get(), &info) == 0 && S_ISREG(info.st_mode)) {
            std::array<char, kMaxNoteBytes> text{};
            const ssize_t got = ::read(note.Get(), text.data(), text.size());
            const std::string_view line(text.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
            const std::size_t end = line.find('\n');
            if (end != std::string_view::npos) {
                // Written by the backend, but in a folder its owner may change.
                job.name = SanitizeTitle(line.substr(0, end)) + std::string(kSpoolExtension);
            }
        }
        held.push_back(std::move(job));
    }
    ::closedir(dir);
    std::sort(held.begin(), held.end(), [](const HeldJob& a, const HeldJob& b) {
        return std::make_tuple(a.jobId.size(), a.jobId) < std::make_tuple(b.jobId.size(), b.jobId);
    });
    return held;
}

bool PrintInbox::CanOpen(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    return fd.Valid() && ::fstat(fd.Get(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace desklet
