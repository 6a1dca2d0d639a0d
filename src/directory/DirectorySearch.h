#pragma once

#include "directory/Directory.h"
#include "framework/core/CMapStringToString.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace desklet {

class PasswordVault;

// What one search of the directory brought.
struct DirectoryResult {
    bool ok = false;
    std::vector<DirectoryEntry> entries;
    DirectoryFailure failure = DirectoryFailure::None;
    // For a person; decisions read failure.
    std::string error;
};

// One search of the company directory on a thread of its own, so that a server
// that does not answer never holds up typing or sending. The handle that Start()
// returns abandons the search when it goes: the callback is then never called,
// and the search ends by itself within Directory::kTimeLimit.
class DirectorySearch {
public:
    using Callback = std::function<void(DirectoryResult)>;

    // The directory's settings from the settings map, the bind password from vault
    // (one made for PasswordVault::Account::Directory). The vault may ask the
    // desktop keyring: read them once, not at every key press.
    static DirectorySettings SettingsFrom(const CMapStringToString& settings, PasswordVault& vault);
    // Whether the settings name a directory at all; without one the front ends do
    // not search.
    static bool IsConfigured(const CMapStringToString& settings);

    // Searches for text and calls done with the result, once, on the search's own
    // thread: a window hands it over to its own thread (a queued call) and must not
    // wait there for its own thread. Never waits itself.
    [[nodiscard]] static std::unique_ptr<DirectorySearch> Start(DirectorySettings settings, std::string text,
                                                                Callback done);

    // Abandons the search without waiting for it; a callback that is running
    // already is waited for, unless it is the caller.
    ~DirectorySearch();
    void Abandon();

    DirectorySearch(const DirectorySearch&) = delete;
    DirectorySearch& operator=(const DirectorySearch&) = delete;

    struct State;

private:
    explicit DirectorySearch(std::shared_ptr<State> state);
    std::shared_ptr<State> m_state;
};

} // namespace desklet
