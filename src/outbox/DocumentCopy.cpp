#include "outbox/DocumentCopy.h"

#include "text/Ascii.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <openssl/evp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

constexpr mode_t kFolderMode = S_IRWXU;
constexpr char kCopyPrefix[] = "doc-";
// An extension longer than this is no extension a viewer goes by.
constexpr std::size_t kMaxExtension = 8;
constexpr std::size_t kReadChunk = 1 << 20;
// A TIFF with more pages than this is not a fax; the walk stops, as it does at a loop.
constexpr int kMaxTiffPages = 10000;

QString errnoText() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

// OpenSSL's SHA-256 runs on the processor's SHA instructions where it has them,
// several times faster than a portable one: the hash was most of what recording
// a large document cost.
class Sha256 {
public:
    Sha256() : m_context(EVP_MD_CTX_new()) {
        m_ok = m_context != nullptr && EVP_DigestInit_ex(m_context, EVP_sha256(), nullptr) == 1;
    }
    ~Sha256() { EVP_MD_CTX_free(m_context); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void Add(const char* data, std::size_t size) { m_ok = m_ok && EVP_DigestUpdate(m_context, data, size) == 1; }
    // Lowercase hex; empty when OpenSSL failed.
    std::string Hex() {
        std::array<unsigned char, EVP_MAX_MD_SIZE> digest{};
        unsigned int length = 0;
        if (!m_ok || EVP_DigestFinal_ex(m_context, digest.data(), &length) != 1) {
            return {};
        }
        constexpr char kDigits[] = "0123456789abcdef";
        std::string hex;
        for (unsigned int i = 0; i < length; ++i) {
            hex += kDigits[digest[i] >> 4];
            hex += kDigits[digest[i] & 0xF];
        }
        return hex;
    }

private:
    EVP_MD_CTX* m_context;
    bool m_ok = false;
};

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The extension kept on the copy: letters and digits only, so that nothing of a
// hostile name reaches the copies' folder.
std::string safeExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string ext = path.substr(dot + 1);
    if (ext.empty() || ext.size() > kMaxExtension ||
        !std::all_of(ext.begin(), ext.end(), [](char c) { return ascii::IsAlnum(c); })) {
        return {};
    }
    return "." + ext;
}

bool copyBytes(int from, int to, std::uint64_t size) {
    // A reflink shares the blocks (Btrfs, XFS): the copy costs no space until one side changes.
    if (::ioctl(to, FICLONE, from) == 0) {
        return true;
    }
    std::uint64_t done = 0;
    bool kernelCopy = true;
    std::vector<char> buffer;
    while (done < size) {
        if (kernelCopy) {
            const ssize_t n = ::copy_file_range(from, nullptr, to, nullptr, size - done, 0);
            if (n > 0) {
                done += static_cast<std::uint64_t>(n);
                continue;
            }
            if (n == 0) {
                return false; // the file shrank under us
            }
            if (errno == EINTR) {
                continue;
            }
            if (errno != EXDEV && errno != ENOSYS && errno != EINVAL && errno != EOPNOTSUPP) {
                return false;
            }
            kernelCopy = false;
            if (::lseek(from, static_cast<off_t>(done), SEEK_SET) < 0 ||
                ::lseek(to, static_cast<off_t>(done), SEEK_SET) < 0) {
                return false;
            }
            buffer.resize(kReadChunk);
        }
        const ssize_t n = ::read(from, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        for (ssize_t written = 0; written < n;) {
            const ssize_t w = ::write(to, buffer.data() + written, static_cast<std::size_t>(n - written));
            if (w < 0 && errno == EINTR) {
                continue;
            }
            if (w <= 0) {
                return false;
            }
            written += w;
        }
        done += static_cast<std::uint64_t>(n);
    }
    return true;
}

// The PDF's page objects: "/Type /Page" not followed by "s" (that is /Pages).
// memmem, not QByteArray::indexOf: the search was half of what examining a
// large PDF cost, and memmem is several times faster.
int countPdfPages(const QByteArray& bytes) {
    const char* const begin = bytes.constData();
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    int pages = 0;
    for (std::size_t at = 0; at < size;) {
        const void* found = ::memmem(begin + at, size - at, "/Type", 5);
        if (found == nullptr) {
            break;
        }
        const std::size_t type = static_cast<std::size_t>(static_cast<const char*>(found) - begin);
        std::size_t i = type + 5;
        while (i < size && ascii::IsSpace(begin[i])) {
            ++i;
        }
        if (i + 5 <= size && std::memcmp(begin + i, "/Page", 5) == 0 &&
            (i + 5 == size || !ascii::IsAlnum(begin[i + 5]))) {
            ++pages;
        }
        at = type + 1;
    }
    return pages;
}

int countTiffPages(QFile& file) {
    const QByteArray header = file.read(8);
    if (header.size() < 8) {
        return 0;
    }
    const bool little = header.startsWith("II*");
    auto u16 = [little](const QByteArray& b, int at) {
        const auto x = static_cast<unsigned char>(b[at]), y = static_cast<unsigned char>(b[at + 1]);
        return little ? unsigned(x | (y << 8)) : unsigned((x << 8) | y);
    };
    auto u32 = [&](const QByteArray& b, int at) {
        const unsigned lo = u16(b, little ? at : at + 2), hi = u16(b, little ? at + 2 : at);
        return static_cast<std::uint32_t>(lo | (hi << 16));
    };
    std::uint32_t offset = u32(header, 4);
    int pages = 0;
    std::vector<std::uint32_t> seen;
    while (offset != 0 && pages < kMaxTiffPages) {
        if (std::find(seen.begin(), seen.end(), offset) != seen.end() || !file.seek(offset)) {
            break;
        }
        seen.push_back(offset);
        const QByteArray count = file.read(2);
        if (count.size() < 2) {
            break;
        }
        ++pages;
        if (!file.seek(qint64(offset) + 2 + qint64(u16(count, 0)) * 12)) {
            break;
        }
        const QByteArray next = file.read(4);
        if (next.size() < 4) {
            break;
        }
        offset = u32(next, 0);
    }
    return pages;
}

} // namespace

QString DocumentCopy::FolderBeside(const QString& databasePath) {
    return QFileInfo(databasePath).absolutePath() + QStringLiteral("/outbox");
}

bool DocumentCopy::Fail(Failure failure, const QString& error) {
    m_failure = failure;
    m_error = error;
    return false;
}

bool DocumentCopy::PrepareFolder() {
    const QByteArray folder = QFile::encodeName(m_folder);
    if (::mkdir(folder.constData(), kFolderMode) != 0 && errno != EEXIST) {
        return Fail(Failure::FolderNotPrivate, m_folder + QLatin1String(": ") + errnoText());
    }
    struct stat st {};
    if (::lstat(folder.constData(), &st) != 0) {
        return Fail(Failure::FolderNotPrivate, m_folder + QLatin1String(": ") + errnoText());
    }
    if (S_ISLNK(st.st_mode)) {
        return Fail(Failure::LinkInsteadOfFolder, m_folder);
    }
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        return Fail(Failure::FolderNotPrivate, m_folder);
    }
    if ((st.st_mode & 07777) != kFolderMode && ::chmod(folder.constData(), kFolderMode) != 0) {
        return Fail(Failure::FolderNotPrivate, m_folder + QLatin1String(": ") + errnoText());
    }
    return true;
}

bool DocumentCopy::Examine(const std::string& documentPath, DocumentFacts& facts) {
    m_failure = Failure::None;
    m_error.clear();
    QFile file(QString::fromStdString(documentPath));
    if (!file.open(QIODevice::ReadOnly)) {
        return Fail(Failure::DocumentUnreadable, file.fileName() + QLatin1String(": ") + file.errorString());
    }
    Sha256 hash;
    std::uint64_t size = 0;
    // The page objects of a PDF lie anywhere: each chunk is searched with the tail
    // of the one before it, so that a marker cut in two is still found once.
    const bool pdf = file.peek(5) == "%PDF-";
    int pages = 0;
    QByteArray tail;
    for (;;) {
        const QByteArray chunk = file.read(kReadChunk);
        if (chunk.isEmpty()) {
            if (!file.atEnd()) {
                return Fail(Failure::DocumentUnreadable, file.fileName() + QLatin1String(": ") + file.errorString());
            }
            break;
        }
        hash.Add(chunk.constData(), static_cast<std::size_t>(chunk.size()));
        size += static_cast<std::uint64_t>(chunk.size());
        if (pdf) {
            // "/Type" + blanks + "/Page" + one byte: a marker is never longer than the tail kept.
            constexpr qsizetype kTail = 64;
            pages += countPdfPages(tail + chunk) - countPdfPages(tail);
            tail = chunk.right(kTail);
        }
    }
    if (!pdf) {
        file.seek(0);
        const QByteArray magic = file.peek(4);
        if (magic == QByteArray("II*\0", 4) || magic == QByteArray("MM\0*", 4)) {
            pages = countTiffPages(file);
        }
    }
    facts.size = size;
    facts.sha256 = hash.Hex();
    facts.pages = pages;
    if (facts.sha256.empty()) {
        return Fail(Failure::DocumentUnreadable, file.fileName() + QLatin1String(": no SHA-256 from OpenSSL"));
    }
    return true;
}

int DocumentCopy::CountPages(const std::string& documentPath) {
    DocumentCopy reader{QString()};
    DocumentFacts facts;
    return reader.Examine(documentPath, facts) ? facts.pages : 0;
}

bool DocumentCopy::SyncFolder() {
    const Fd folder(::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0 || ::fsync(folder.get()) != 0) {
        return Fail(Failure::CannotWrite, m_folder + QLatin1String(": ") + errnoText());
    }
    return true;
}

bool DocumentCopy::Take(const std::string& documentPath, QString& copyName, DocumentFacts& facts,
                        Durability durability) {
    if (!Examine(documentPath, facts) || !PrepareFolder()) {
        return false;
    }
    const Fd from(::open(documentPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat st {};
    if (from.get() < 0 || ::fstat(from.get(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return Fail(Failure::DocumentUnreadable, QString::fromStdString(documentPath));
    }
    const std::string ext = safeExtension(documentPath);
    QByteArray name = QFile::encodeName(m_folder) + "/" + kCopyPrefix + "XXXXXX" + QByteArray::fromStdString(ext);
    // mkstemps: a fresh name, created 0600 with O_EXCL, so no planted link is followed.
    const Fd to(::mkstemps(name.data(), static_cast<int>(ext.size())));
    if (to.get() < 0) {
        return Fail(Failure::CannotWrite, m_folder + QLatin1String(": ") + errnoText());
    }
    if (!copyBytes(from.get(), to.get(), static_cast<std::uint64_t>(st.st_size)) ||
        (durability == Durability::Synced && ::fsync(to.get()) != 0)) {
        const QString why = errnoText();
        ::unlink(name.constData());
        return Fail(Failure::CannotWrite, QFile::decodeName(name) + QLatin1String(": ") + why);
    }
    // A fresh name survives a power cut only once its folder is synced too.
    if (durability == Durability::Synced && !SyncFolder()) {
        ::unlink(name.constData());
        return false;
    }
    copyName = QFileInfo(QFile::decodeName(name)).fileName();
    return true;
}

bool DocumentCopy::Sync(const QString& copyName) {
    m_failure = Failure::None;
    m_error.clear();
    const QString path = PathOf(copyName);
    if (path.isEmpty()) {
        return Fail(Failure::CannotWrite, copyName);
    }
    const Fd copy(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    if (copy.get() < 0 || ::fsync(copy.get()) != 0) {
        return Fail(Failure::CannotWrite, path + QLatin1String(": ") + errnoText());
    }
    return SyncFolder();
}

bool DocumentCopy::Verify(const QString& copyName, const DocumentFacts& recorded) {
    m_failure = Failure::None;
    m_error.clear();
    const QString path = PathOf(copyName);
    if (path.isEmpty()) {
        return Fail(Failure::CopyChanged, copyName);
    }
    const Fd copy(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat st {};
    if (copy.get() < 0 || ::fstat(copy.get(), &st) != 0) {
        // Only a copy that is not there, or a link in its place, is known to be
        // lost; anything else may pass, and the copy is left for a later try.
        const bool gone = errno == ENOENT || errno == ELOOP || errno == ENOTDIR;
        return Fail(gone ? Failure::CopyChanged : Failure::CopyUnreadable, path + QLatin1String(": ") + errnoText());
    }
    // The size first: a copy a power cut left empty or short costs no read.
    if (!S_ISREG(st.st_mode) || static_cast<std::uint64_t>(st.st_size) != recorded.size) {
        return Fail(Failure::CopyChanged, path);
    }
    Sha256 hash;
    std::vector<char> buffer(kReadChunk);
    std::uint64_t size = 0;
    for (;;) {
        const ssize_t n = ::read(copy.get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return Fail(Failure::CopyUnreadable, path + QLatin1String(": ") + errnoText());
        }
        if (n == 0) {
            break;
        }
        hash.Add(buffer.data(), static_cast<std::size_t>(n));
        size += static_cast<std::uint64_t>(n);
    }
    if (size != recorded.size || hash.Hex() != recorded.sha256) {
        return Fail(Failure::CopyChanged, path);
    }
    return true;
}

QString DocumentCopy::PathOf(const QString& copyName) const {
    if (!copyName.startsWith(QLatin1String(kCopyPrefix)) || copyName.contains(QLatin1Char('/')) ||
        copyName.contains(QLatin1String(".."))) {
        return {};
    }
    return m_folder + QLatin1Char('/') + copyName;
}

void DocumentCopy::Remove(const QString& copyName) const {
    const QString path = PathOf(copyName);
    if (!path.isEmpty()) {
        ::unlink(QFile::encodeName(path).constData());
    }
}

int DocumentCopy::RemoveOrphans(const QStringList& named, std::chrono::seconds minAge) const {
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minAge.count());
    int removed = 0;
    const QFileInfoList entries = QDir(m_folder).entryInfoList({QLatin1String(kCopyPrefix) + QLatin1Char('*')},
                                                               QDir::Files | QDir::System | QDir::Hidden);
    for (const QFileInfo& entry : entries) {
        if (!named.contains(entry.fileName()) && entry.lastModified().toUTC() < before) {
            Remove(entry.fileName());
            ++removed;
        }
    }
    return removed;
}

} // namespace desklet
