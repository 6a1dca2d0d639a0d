#pragma once

#include <optional>
#include <string>
#include <utility>

namespace desklet {

// A store of secrets outside the settings file: named entries of one text each.
// The seam under PasswordVault; SecretServiceKeyring is the desktop's, tests put
// a fake in its place. No operation may wait without bound.
class Keyring {
public:
    virtual ~Keyring() = default;

    // Whether a keyring answers at all; decides quickly, without asking for a secret.
    virtual bool IsAvailable() = 0;

    // Fills secret with the entry's text, or with nothing when there is no such
    // entry. False when the keyring is absent, did not answer in time or refused;
    // GetLastError() says why.
    [[nodiscard]] virtual bool Read(const std::string& key, std::optional<std::string>& secret) = 0;
    // Creates or replaces the entry. Fails as Read does.
    [[nodiscard]] virtual bool Write(const std::string& key, const std::string& secret) = 0;
    // Removes the entry; one that is not there is no failure. Fails as Read does.
    [[nodiscard]] virtual bool Remove(const std::string& key) = 0;

    // Never holds a secret, only what went wrong.
    const std::string& GetLastError() const { return m_strLastError; }

protected:
    bool Fail(std::string message) {
        m_strLastError = std::move(message);
        return false;
    }
    void ClearError() { m_strLastError.clear(); }

private:
    std::string m_strLastError;
};

} // namespace desklet
