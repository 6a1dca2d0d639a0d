#include "settings/SettingsStore.h"

#include "settings/SettingsKeys.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

constexpr auto kOrganization = "Quillmark";
constexpr auto kApplication = "Desklet";
constexpr auto kGroup = "Config";

// The file holds the password in plain text: only its owner may read it.
constexpr mode_t kFileMode = S_IRUSR | S_IWUSR;
constexpr mode_t kFolderMode = S_IRWXU;
// Links followed to the file a save replaces; Linux gives up on a path after 40
// (MAXSYMLINKS), which also ends a chain that loops.
constexpr int kMaxLinks = 40;

QString keyName(std::string_view key) {
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

std::string errnoText(const std::string& what, const QString& path) {
    return what + " " + path.toStdString() + ": " + std::strerror(errno);
}

// A fresh object per operation: QSettings shares parsed files within the process,
// and only a new object with sync() is sure to see the file as it is now.
std::unique_ptr<QSettings> openSettings(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication);
#else
    // The path is built here rather than by QSettings, which reads the
    // environment once per process.
    return std::make_unique<QSettings>(path, QSettings::NativeFormat);
#endif
}

int countChars(const std::string& utf8) {
    int count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

// The end of the chain of symbolic links that starts at path: the path itself
// when it is no link. The end need not exist. False, with errno set, when the
// chain is too long or loops, or a link cannot be read.
bool followLinks(std::filesystem::path& path) {
    for (int links = 0; links <= kMaxLinks; ++links) {
        std::error_code error;
        if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::symlink) {
            return true;
        }
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) {
            errno = error.value();
            return false;
        }
        // Left as text for the kernel to walk: folding ".." by text goes wrong
        // where a folder on the way is itself a link.
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    errno = ELOOP;
    return false;
}

} // namespace

QString SettingsStore::FilePath() {
#ifdef Q_OS_WIN
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication).fileName();
#else
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') +
           QLatin1String(kOrganization) + QLatin1Char('/') + QLatin1String(kApplication) + QLatin1String(".conf");
#endif
}

bool SettingsStore::Fail(std::string message) {
    m_strLastError = std::move(message);
    return false;
}

bool SettingsStore::Load(CMapStringToString& settings) {
    m_strLastError.clear();
    const QString path = FilePath();
#ifndef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists()) {
        return Fail("No settings have been saved yet.");
    }
    if (!info.isFile() || !info.isReadable()) {
        return Fail("The settings file " + path.toStdString() + " cannot be read.");
    }
#endif
    const auto store = openSettings(path);
    store->sync();
    if (store->status() != QSettings::NoError) {
        return Fail("The settings file " + path.toStdString() + " cannot be read.");
    }
#ifdef Q_OS_WIN
    if (!store->childGroups().contains(QLatin1String(kGroup))) {
        return Fail("No settings have been saved yet.");
    }
#endif
    store->beginGroup(QLatin1String(kGroup));
    for (const SettingEntry& entry : kSettings) {
        if (!entry.persisted) {
            continue;
        }
        const QVariant stored = store->value(keyName(entry.name));
        if (!stored.isValid()) {
            continue;
        }
        // An edited file may hold an unquoted list ("a,b"); it was meant as one text.
        const QString text = stored.typeId() == QMetaType::QStringList ? stored.toStringList().join(QLatin1Char(','))
                                                                       : stored.toString();
        std::string value = text.toStdString();
        if (countChars(value) > kMaxValueChars) {
            continue;
        }
        settings.SetAt(std::string(entry.name), value);
    }
    store->endGroup();
    return true;
}

#ifndef Q_OS_WIN
// Makes the folder and the file private before QSettings writes: it replaces the
// file through a temporary that keeps the mode of the file it replaces, so a file
// created here with 0600 stays 0600 across saves.
//
// A link is followed to the file it names, which is made private too (created
// if its folder exists) and is the file QSettings then replaces, through a
// temporary in that file's folder. The folder of a link's target belongs to
// whoever placed the link and keeps its mode.
bool SettingsStore::PrepareFile(const QString& path, QString& target) {
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray folderBytes = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(folderBytes.constData(), &st) != 0) {
        // The folder and any missing parent of it, outermost first, all private.
        QStringList missing;
        for (QString at = folder; !QFileInfo::exists(at); at = QFileInfo(at).absolutePath()) {
            missing.prepend(at);
            if (QDir(at).isRoot() || missing.size() > 64) {
                break;
            }
        }
        for (const QString& dir : missing) {
            if (::mkdir(QFile::encodeName(dir).constData(), kFolderMode) != 0 && errno != EEXIST) {
                return Fail(errnoText("Cannot create the folder", dir));
            }
        }
        if (::stat(folderBytes.constData(), &st) != 0) {
            return Fail(errnoText("Cannot create the folder", folder));
        }
    }
    if (!S_ISDIR(st.st_mode)) {
        return Fail("Cannot create the folder " + folder.toStdString() + ": a file of that name is in the way");
    }
    if ((st.st_mode & 07777) != kFolderMode && ::chmod(folderBytes.constData(), kFolderMode) != 0) {
        return Fail(errnoText("Cannot make private the folder", folder));
    }

    std::filesystem::path end(QFile::encodeName(path).toStdString());
    if (!followLinks(end)) {
        return Fail(errnoText("Cannot follow the link", path));
    }
    target = QFile::decodeName(QByteArray::fromStdString(end.native()));
    const QByteArray fileBytes = QFile::encodeName(target);
    const int fd = ::open(fileBytes.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW, kFileMode);
    if (fd < 0) {
        return Fail(errnoText("Cannot create the file", target));
    }
    const bool statOk = ::fstat(fd, &st) == 0;
    bool modeOk = statOk && S_ISREG(st.st_mode);
    if (modeOk && (st.st_mode & 07777) != kFileMode) {
        modeOk = ::fchmod(fd, kFileMode) == 0;
    }
    const int savedErrno = errno;
    ::close(fd);
    if (!modeOk) {
        errno = savedErrno;
        return Fail(errnoText("Cannot make private the file", target));
    }
    return true;
}
#else
bool SettingsStore::PrepareFile(const QString& path, QString& target) {
    target = path;
    return true;
}
#endif

bool SettingsStore::Save(const CMapStringToString& settings) {
    m_strLastError.clear();
    const QString path = FilePath();
    QString target;
    if (!PrepareFile(path, target)) {
        return false;
    }
    const auto store = openSettings(target);
    store->sync();
    if (store->status() != QSettings::NoError) {
        return Fail("The settings file " + path.toStdString() + " cannot be read back for writing.");
    }
    if (!store->isWritable()) {
        return Fail("The settings file " + path.toStdString() + " is not writable.");
    }
    store->beginGroup(QLatin1String(kGroup));
    for (const SettingEntry& entry : kSettings) {
        if (!entry.persisted) {
            continue;
        }
        // The map's own value: a default is what an empty one means, never what is stored.
        const std::string value = settings.LookupOrEmpty(std::string(entry.name));
        if (value.empty() && entry.whenEmpty == WhenEmpty::KeepStored) {
            continue;
        }
        store->setValue(keyName(entry.name), QString::fromStdString(value));
    }
    store->endGroup();
    store->sync();
    if (store->status() != QSettings::NoError) {
        return Fail("The settings file " + path.toStdString() + " could not be written.");
    }
    return true;
}

} // namespace desklet
