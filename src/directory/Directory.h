#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

namespace desklet {

// Where the company directory is and how to log in to it.
struct DirectorySettings {
    // ldap://host[:port] (StartTLS whenever the server offers it) or ldaps://host[:port].
    std::string url;
    // The subtree searched.
    std::string base;
    // Empty for an anonymous search.
    std::string bindDn;
    std::string bindPassword;
};

// One person (or office) of the directory who can take a fax.
struct DirectoryEntry {
    std::string name;
    std::string company;
    std::string faxNumber;
    bool operator==(const DirectoryEntry&) const = default;
};

enum class DirectoryFailure {
    None,
    // No URL or base, a URL that is not ldap:// or ldaps://, or that names more than a server.
    BadSettings,
    // No connection: no such host, refused, or no answer to the connection attempt in time.
    Unreachable,
    // Connected, but the server did not finish the search in time.
    Timeout,
    // The TLS handshake failed (the certificate was refused), or a password would
    // have gone out unencrypted because the server offers no StartTLS.
    TlsRefused,
    // The server refused the bind name or its password.
    BindRefused,
    // The server refused the search itself (no such base, not allowed).
    SearchRefused,
};

// A synchronous search of the company directory; it waits, so the interface
// thread runs it through DirectorySearch. One object serves one search at a time.
class Directory {
public:
    // The whole search (connection, StartTLS, bind, search) ends within this.
    static constexpr std::chrono::seconds kTimeLimit{5};
    // The most entries asked for: a completion list shows no more, and a server
    // that holds thousands of matches is not made to send them all.
    static constexpr int kSizeLimit = 50;
    // The typed text is cut here: no person types more to find a name.
    static constexpr std::size_t kMaxSearchChars = 256;
    // Longer names, companies and numbers from the server are cut.
    static constexpr std::size_t kMaxValueChars = 256;

    explicit Directory(DirectorySettings settings);

    // Fills entries with those whose name, surname, given name, company or mail
    // address holds text and that have a fax number, kSizeLimit entries at most
    // (more than one per entry with several fax numbers). An empty text finds
    // nothing without asking the server. False with GetFailure() set on every
    // DirectoryFailure but None; GetLastError() tells a person why.
    [[nodiscard]] bool Search(const std::string& text, std::vector<DirectoryEntry>& entries);

    DirectoryFailure GetFailure() const { return m_failure; }
    const std::string& GetLastError() const { return m_strLastError; }
    // Whether the last search ran over TLS (ldaps:// or StartTLS).
    bool UsedTls() const { return m_bUsedTls; }

private:
    bool Fail(DirectoryFailure failure, std::string message);

    DirectorySettings m_settings;
    DirectoryFailure m_failure = DirectoryFailure::None;
    std::string m_strLastError;
    bool m_bUsedTls = false;
};

} // namespace desklet
