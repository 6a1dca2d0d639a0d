#include "print/SpoolDelivery.h"

#include "print/SpoolNames.h"
#include "print/UniqueFd_p.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <stdio.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace desklet {
namespace {

// A job id is what the print system counts jobs with: decimal, and short enough
// to keep the name well inside a file name's 255 bytes.
constexpr std::size_t kMaxJobIdDigits = 10;
// How many " (n)" variants to try when the job's name is taken (a job printed
// again after the print system's job numbers started over).
constexpr int kMaxNameVariants = 20;
constexpr std::size_t kCopyBufferBytes = 64 * 1024;
// getpwnam_r's buffer; sysconf may not know a size.
constexpr std::size_t kPasswdBufferBytes = 16 * 1024;

constexpr mode_t kSpoolRootMode = 0711;
constexpr mode_t kInboxMode = 0700;
constexpr mode_t kDocumentMode = 0600;

std::string ErrnoText(int error) {
    return std::strerror(error);
}

bool IsDiskFull(int error) {
    return error == ENOSPC || error == EDQUOT || error == EFBIG;
}

bool ValidJobId(const std::string& jobId) {
    if (jobId.empty() || jobId.size() > kMaxJobIdDigits) {
        return false;
    }
    for (char c : jobId) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// Splits an absolute path into its components; false for a relative one or one
// that climbs with "..".
bool SplitAbsolute(const std::string& path, std::vector<std::string>& components) {
    if (path.empty() || path[0] != '/') {
        return false;
    }
    std::size_t start = 1;
    while (start <= path.size()) {
        std::size_t end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        std::string component = path.substr(start, end - start);
        if (component == "..") {
            return false;
        }
        if (!component.empty() && component != ".") {
            components.push_back(std::move(component));
        }
        start = end + 1;
    }
    return true;
}

constexpr int kDirectoryFlags = O_DIRECTORY | O_NOFOLLOW | O_RDONLY | O_CLOEXEC;

// Every PDF begins with these bytes; the print system's filters write nothing else.
constexpr std::string_view kPdfMagic = "%PDF-";

// The documents in the inbox and their bytes. Only the names the backend gives
// count: what else the owner keeps there is theirs to account for.
struct InboxUsage {
    std::size_t documents = 0;
    std::uint64_t bytes = 0;
};

bool MeasureInbox(int inboxFd, InboxUsage& usage) {
    const int listFd = ::openat(inboxFd, ".", O_DIRECTORY | O_RDONLY | O_CLOEXEC);
    if (listFd < 0) {
        return false;
    }
    DIR* dir = ::fdopendir(listFd);
    if (dir == nullptr) {
        (void)::close(listFd);
        return false;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsSpoolFileName(entry->d_name)) {
            continue;
        }
        ++usage.documents;
        struct stat info {};
        if (::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)) {
            usage.bytes += static_cast<std::uint64_t>(info.st_size);
        }
    }
    ::closedir(dir);
    return true;
}

// The held note for the job, written as the owner; a note that cannot be written
// costs the owner only the word about it.
void LeaveHeldNote(int inboxFd, const SpoolDelivery::Job& job) {
    UniqueFd note(::openat(inboxFd, HeldNoteName(job.jobId).c_str(),
                           O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!note.Valid()) {
        return;
    }
    const std::string text = PrintedDocumentName(SpoolFileName(job.jobId, job.title)) + "\n";
    (void)!::write(note.Get(), text.data(), text.size());
}

} // namespace

SpoolDelivery::Result SpoolDelivery::Fail(Result result, std::string message) {
    m_lastError = std::move(message);
    return result;
}

ssize_t SpoolDelivery::Read(int fd, char* buffer, std::size_t size) const {
    for (;;) {
        if (Stopped()) {
            errno = ECANCELED;
            return -1;
        }
        const ssize_t got = ::read(fd, buffer, size);
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

void SpoolDelivery::Drain(int fd, std::vector<char>& buffer) const {
    while (Read(fd, buffer.data(), buffer.size()) > 0) {
    }
}

SpoolDelivery::Result SpoolDelivery::Deliver(const Job& job, int inputFd) {
    m_lastError.clear();
    m_deliveredPath.clear();

    if (!ValidJobId(job.jobId)) {
        return Fail(Result::Refused, "the job id is not a number: " + job.jobId);
    }

    struct passwd entry {};
    struct passwd* owner = nullptr;
    std::vector<char> buffer(kPasswdBufferBytes);
    if (getpwnam_r(job.user.c_str(), &entry, buffer.data(), buffer.size(), &owner) != 0 || owner == nullptr) {
        return Fail(Result::Refused, "the job's owner \"" + job.user + "\" is not a user of this system");
    }
    const uid_t uid = owner->pw_uid;
    const gid_t gid = owner->pw_gid;
    const bool privileged = geteuid() == 0;
    if (!privileged && uid != geteuid()) {
        return Fail(Result::Refused, "without root only the own user's jobs can be delivered");
    }
    // Anyone can name anyone as a job's user; only a user the print system
    // authenticated is the person who printed.
    if (!job.authenticatedUser) {
        return Fail(Result::Refused, "the print system did not authenticate the job's owner \"" + job.user +
                                         "\": the queue needs the operation policy \"authenticated\"");
    }
    if (*job.authenticatedUser != job.user) {
        return Fail(Result::Refused, "the job's owner \"" + job.user + "\" is not the authenticated user \"" +
                                         *job.authenticatedUser + "\"");
    }
    if (job.authenticatedUid && *job.authenticatedUid != std::to_string(uid)) {
        return Fail(Result::Refused, "the job's owner \"" + job.user + "\" is not the user id " +
                                         *job.authenticatedUid + " that printed it");
    }

    // Only a PDF goes further: a job sent raw skips the filters that make one.
    std::vector<char> chunk(kCopyBufferBytes);
    std::size_t headBytes = 0;
    while (headBytes < kPdfMagic.size()) {
        const ssize_t got = Read(inputFd, chunk.data() + headBytes, kPdfMagic.size() - headBytes);
        if (got < 0) {
            return Fail(Result::Failed, errno == ECANCELED ? std::string("the job was cancelled")
                                                           : "cannot read the document: " + ErrnoText(errno));
        }
        if (got == 0) {
            break;
        }
        headBytes += static_cast<std::size_t>(got);
    }
    if (headBytes == 0) {
        return Fail(Result::Refused, "the job has no document");
    }
    if (std::string_view(chunk.data(), headBytes) != kPdfMagic) {
        return Fail(Result::Refused, "the document is not a PDF");
    }

    // The spool root, walked from "/" one component at a time without following
    // a link anywhere.
    std::vector<std::string> components;
    if (!SplitAbsolute(job.spoolRoot, components)) {
        return Fail(Result::SpoolUnsafe, "the spool root is not an absolute path: " + job.spoolRoot);
    }
    UniqueFd root(::open("/", kDirectoryFlags));
    for (std::size_t i = 0; root.Valid() && i < components.size(); ++i) {
        int next = ::openat(root.Get(), components[i].c_str(), kDirectoryFlags);
        if (next < 0 && errno == ENOENT && privileged && i + 1 == components.size()) {
            if (::mkdirat(root.Get(), components[i].c_str(), kSpoolRootMode) == 0 || errno == EEXIST) {
                next = ::openat(root.Get(), components[i].c_str(), kDirectoryFlags);
                if (next >= 0) {
                    // Past the umask, and not the print system's group the backend runs with.
                    (void)::fchown(next, 0, 0);
                    (void)::fchmod(next, kSpoolRootMode);
                }
            }
        }
        root.Reset(next);
    }
    struct stat info {};
    if (!root.Valid()) {
        return Fail(Result::SpoolUnsafe, "cannot open the spool root " + job.spoolRoot + ": " + ErrnoText(errno));
    }
    if (::fstat(root.Get(), &info) != 0 || info.st_uid != geteuid() || (info.st_mode & 022) != 0) {
        return Fail(Result::SpoolUnsafe, "the spool root " + job.spoolRoot + " is not ours alone");
    }

    // The inbox. Nobody but root can create or replace it, but the owner can turn
    // what is inside into anything, so it is checked as it stands once opened.
    const std::string inboxName = std::to_string(uid);
    const std::string inboxPath = InboxPath(job.spoolRoot, uid);
    if (::mkdirat(root.Get(), inboxName.c_str(), kInboxMode) == 0) {
        UniqueFd created(::openat(root.Get(), inboxName.c_str(), kDirectoryFlags));
        if (!created.Valid() || ::fchown(created.Get(), uid, gid) != 0 || ::fchmod(created.Get(), kInboxMode) != 0) {
            const int error = errno;
            (void)::unlinkat(root.Get(), inboxName.c_str(), AT_REMOVEDIR);
            return Fail(Result::Failed, "cannot create the inbox " + inboxPath + ": " + ErrnoText(error));
        }
    } else if (errno != EEXIST) {
        const int error = errno;
        return Fail(IsDiskFull(error) ? Result::DiskFull : Result::Failed,
                    "cannot create the inbox " + inboxPath + ": " + ErrnoText(error));
    }
    UniqueFd inbox(::openat(root.Get(), inboxName.c_str(), kDirectoryFlags));
    if (!inbox.Valid()) {
        return Fail(Result::Refused, "the inbox " + inboxPath + " is not a folder: " + ErrnoText(errno));
    }
    if (::fstat(inbox.Get(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != uid) {
        return Fail(Result::Refused, "the inbox " + inboxPath + " does not belong to " + job.user);
    }
    if ((info.st_mode & 07777) != kInboxMode && ::fchmod(inbox.Get(), kInboxMode) != 0) {
        return Fail(Result::Refused, "cannot make the inbox " + inboxPath + " private: " + ErrnoText(errno));
    }

    // From here on everything happens as the owner: the file is theirs, counts
    // against their quota, and root writes nothing into a folder a user controls.
    // The identity is the effective one only, and given back on the way out.
    struct Identity {
        bool taken = false;
        uid_t uid = ::geteuid();
        gid_t gid = ::getegid();
        ~Identity() {
            if (taken) {
                (void)::seteuid(uid);
                (void)::setegid(gid);
            }
        }
    } identity;
    if (privileged) {
        identity.taken = true;
        if (::setegid(gid) != 0 || ::seteuid(uid) != 0) {
            return Fail(Result::Failed, "cannot take the identity of " + job.user + ": " + ErrnoText(errno));
        }
    }

    InboxUsage usage;
    if (!MeasureInbox(inbox.Get(), usage)) {
        return Fail(Result::Failed, "cannot list the inbox " + inboxPath + ": " + ErrnoText(errno));
    }
    const auto inboxFull = [&](std::string message) {
        LeaveHeldNote(inbox.Get(), job);
        Drain(inputFd, chunk);
        return Fail(Result::InboxFull, std::move(message));
    };
    if (usage.documents >= kMaxInboxDocuments) {
        return inboxFull("the inbox " + inboxPath + " holds " + std::to_string(usage.documents) + " documents already");
    }

    // Written under a hidden name that the session ignores, then renamed, so the
    // session never opens half a document.
    const std::string partName = "." + std::string(kSpoolMarker) + "-" + job.jobId + ".part";
    UniqueFd part(
        ::openat(inbox.Get(), partName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kDocumentMode));
    if (!part.Valid() && errno == EEXIST) {
        // Left by an attempt that was killed, or planted: either way not ours to
        // write through.
        (void)::unlinkat(inbox.Get(), partName.c_str(), 0);
        part.Reset(::openat(inbox.Get(), partName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                            kDocumentMode));
    }
    if (!part.Valid()) {
        const int error = errno;
        return Fail(IsDiskFull(error) ? Result::DiskFull : Result::Failed,
                    "cannot create a file in " + inboxPath + ": " + ErrnoText(error));
    }
    const auto discard = [&](Result result, std::string message) {
        part.Reset();
        (void)::unlinkat(inbox.Get(), partName.c_str(), 0);
        return Fail(result, std::move(message));
    };
    if (::fchmod(part.Get(), kDocumentMode) != 0) {
        return discard(Result::Failed, "cannot make the document private: " + ErrnoText(errno));
    }

    const auto writeAll = [&](const char* data, std::size_t size) {
        for (std::size_t done = 0; done < size;) {
            const ssize_t put = ::write(part.Get(), data + done, size - done);
            if (put < 0 && errno == EINTR) {
                continue;
            }
            if (put <= 0) {
                return put < 0 ? errno : ENOSPC;
            }
            done += static_cast<std::size_t>(put);
        }
        return 0;
    };
    const auto writeFailed = [&](int error) {
        if (!IsDiskFull(error)) {
            return discard(Result::Failed, "cannot write the document into " + inboxPath + ": " + ErrnoText(error));
        }
        Drain(inputFd, chunk);
        return discard(Result::DiskFull, "cannot write the document into " + inboxPath + ": " + ErrnoText(error));
    };

    std::uint64_t total = headBytes;
    std::size_t pending = headBytes; // the head is in the buffer already
    for (;;) {
        if (usage.bytes + total > kMaxInboxBytes) {
            part.Reset();
            (void)::unlinkat(inbox.Get(), partName.c_str(), 0);
            return inboxFull("the inbox " + inboxPath + " would hold more than " + std::to_string(kMaxInboxBytes) +
                             " bytes");
        }
        if (const int error = writeAll(chunk.data(), pending); error != 0) {
            return writeFailed(error);
        }
        const ssize_t got = Read(inputFd, chunk.data(), chunk.size());
        if (got < 0) {
            return discard(Result::Failed, errno == ECANCELED ? std::string("the job was cancelled")
                                                              : "cannot read the document: " + ErrnoText(errno));
        }
        if (got == 0) {
            break;
        }
        pending = static_cast<std::size_t>(got);
        total += pending;
    }
    if (Stopped()) {
        return discard(Result::Failed, "the job was cancelled");
    }
    // Some file systems report a full disk only when the data reaches it.
    if (::fsync(part.Get()) != 0 || ::close(part.Release()) != 0) {
        return writeFailed(errno);
    }

    // The final name never replaces anything: a name that is taken, by an earlier
    // document or by a planted link, moves us on to the next variant.
    for (int variant = 1; variant <= kMaxNameVariants; ++variant) {
        const std::string name = SpoolFileName(job.jobId, job.title, variant);
        if (::renameat2(inbox.Get(), partName.c_str(), inbox.Get(), name.c_str(), RENAME_NOREPLACE) == 0) {
            m_deliveredPath = inboxPath + "/" + name;
            // Held once for a full inbox and released since: the note has had its say.
            (void)::unlinkat(inbox.Get(), HeldNoteName(job.jobId).c_str(), 0);
            return Result::Delivered;
        }
        if (errno != EEXIST) {
            return discard(Result::Failed, "cannot name the document in " + inboxPath + ": " + ErrnoText(errno));
        }
    }
    return discard(Result::Failed, "every name for job " + job.jobId + " is taken in " + inboxPath);
}

} // namespace desklet
