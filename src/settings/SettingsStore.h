#pragma once

#include "framework/core/CMapStringToString.h"

#include <QString>

#include <string>
#include <string_view>

namespace desklet {

// The per-user store of the persisted settings: one text value per persisted key
// of kSettings (SettingsKeys.h), in the group "Config" of the application's native
// settings (on Linux $XDG_CONFIG_HOME/Quillmark/Desklet.conf). The store keeps no
// state between calls; the map it is handed is the only copy in memory.
class SettingsStore {
public:
    // The longest value that loads, as the read buffer of the original store held
    // 259 characters and its terminating zero. A longer value is left unread.
    static constexpr int kMaxValueChars = 259;

    // The English source texts of the failed save's box; shown translated.
    static constexpr const char* kPermissionMessage =
        QT_TRANSLATE_NOOP("SettingsStore", "You don't have permission to store information in the Windows Registry");
    static constexpr const char* kPermissionCaption =
        QT_TRANSLATE_NOOP("SettingsStore", "Insuffucient security clearance");

    // Copies every stored value into the map; entries of values that are not
    // stored, or are too long, keep what they had. False when there is no store
    // (nothing saved yet, or the file cannot be read); the map is then unchanged.
    [[nodiscard]] bool Load(CMapStringToString& settings);

    // Writes every persisted value, an absent entry counting as empty; an empty one
    // not at all where the key's rule keeps the stored value (logon, password and
    // station ID), so that a stored one survives. The file
    // is replaced as a whole or not at all. False when the folder or file cannot be
    // created, made private or written; GetLastError() says why. The map is only read.
    // A file that is a symbolic link (as dotfile managers place it) is saved
    // through the link: the file it names is replaced, the link stays.
    [[nodiscard]] bool Save(const CMapStringToString& settings);

    const std::string& GetLastError() const { return m_strLastError; }

    // Where the values live for the current environment.
    static QString FilePath();

private:
    bool Fail(std::string message);
    // Makes the file ready for a save and names in target the file the save
    // replaces: the path itself, or the end of the symbolic links it starts.
    bool PrepareFile(const QString& path, QString& target);

    std::string m_strLastError;
};

} // namespace desklet
