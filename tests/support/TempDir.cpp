#include "support/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace desklet::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "desklet-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempDir::WriteFile(const std::string& name, const std::string& bytes) const {
    const std::filesystem::path file = m_path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

TempSettingsHome::TempSettingsHome() {
    if (const char* previous = std::getenv("XDG_CONFIG_HOME")) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    setenv("XDG_CONFIG_HOME", m_dir.path().c_str(), 1);
}

TempSettingsHome::~TempSettingsHome() {
    if (m_hadPrevious) {
        setenv("XDG_CONFIG_HOME", m_previous.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

TempDataHome::TempDataHome() {
    if (const char* previous = std::getenv("XDG_DATA_HOME")) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    setenv("XDG_DATA_HOME", m_dir.path().c_str(), 1);
}

TempDataHome::~TempDataHome() {
    if (m_hadPrevious) {
        setenv("XDG_DATA_HOME", m_previous.c_str(), 1);
    } else {
        unsetenv("XDG_DATA_HOME");
    }
}

} // namespace desklet::test
