#pragma once

#include <filesystem>
#include <map>
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

// Points an environment variable at a fresh temporary directory for the object's
// life, and gives the variable its old value back after.
class TempEnvironmentDir {
public:
    explicit TempEnvironmentDir(std::string variable);
    ~TempEnvironmentDir();
    TempEnvironmentDir(const TempEnvironmentDir&) = delete;
    TempEnvironmentDir& operator=(const TempEnvironmentDir&) = delete;

    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) const {
        return m_dir.WriteFile(name, bytes);
    }

private:
    TempDir m_dir;
    std::string m_variable;
    std::string m_previous;
    bool m_hadPrevious = false;
};

// XDG_CONFIG_HOME in a temporary directory, so that the settings store never
// touches the user's real file.
class TempSettingsHome : public TempEnvironmentDir {
public:
    TempSettingsHome() : TempEnvironmentDir("XDG_CONFIG_HOME") {}

    // Writes the store as an earlier run of the program would have left it: these
    // keys and values in its [Config] section, nothing else.
    void Store(const std::map<std::string, std::string>& values) const;
};

// TMPDIR, the system's temporary folder for this process, in a fresh directory:
// a place where a handed-over temporary copy may lie, which the test owns alone.
class TempTmpDir : public TempEnvironmentDir {
public:
    TempTmpDir() : TempEnvironmentDir("TMPDIR") {}
};

// XDG_DATA_HOME in a temporary directory, so that the user's database (the phone
// book) is never the real one.
class TempDataHome : public TempEnvironmentDir {
public:
    TempDataHome() : TempEnvironmentDir("XDG_DATA_HOME") {}
};

} // namespace desklet::test
