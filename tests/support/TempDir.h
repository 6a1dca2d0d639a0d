#pragma once

#include <filesystem>
#include <string>

namespace desklet::test {

// A fresh directory under the system's temporary folder, removed with everything
// in it when the object goes away.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes a file of these bytes below the directory and returns its path.
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// Points XDG_CONFIG_HOME at a temporary directory for the object's life, so that
// the settings store never touches the user's real file.
class TempSettingsHome {
public:
    TempSettingsHome();
    ~TempSettingsHome();
    TempSettingsHome(const TempSettingsHome&) = delete;
    TempSettingsHome& operator=(const TempSettingsHome&) = delete;

    const std::filesystem::path& path() const { return m_dir.path(); }

private:
    TempDir m_dir;
    std::string m_previous;
    bool m_hadPrevious = false;
};

// Points XDG_DATA_HOME at a temporary directory for the object's life, so that
// the user's database (the phone book) is never the real one.
class TempDataHome {
public:
    TempDataHome();
    ~TempDataHome();
    TempDataHome(const TempDataHome&) = delete;
    TempDataHome& operator=(const TempDataHome&) = delete;

    const std::filesystem::path& path() const { return m_dir.path(); }

private:
    TempDir m_dir;
    std::string m_previous;
    bool m_hadPrevious = false;
};

} // namespace desklet::test
