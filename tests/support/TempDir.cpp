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

TempEnvironmentDir::TempEnvironmentDir(std::string variable) : m_variable(std::move(variable)) {
    if (const char* previous = std::getenv(m_variable.c_str())) {
        m_previous = previous;
        m_hadPrevious = true;
    }
    setenv(m_variable.c_str(), m_dir.path().c_str(), 1);
}

TempEnvironmentDir::~TempEnvironmentDir() {
    if (m_hadPrevious) {
        setenv(m_variable.c_str(), m_previous.c_str(), 1);
    } else {
        unsetenv(m_variable.c_str());
    }
}

void TempSettingsHome::Store(const std::map<std::string, std::string>& values) const {
    std::string text = "[Config]\n";
    for (const auto& [key, value] : values) {
        text += key + "=" + value + "\n";
    }
    WriteFile("Quillmark/Desklet.conf", text);
}

} // namespace desklet::test
