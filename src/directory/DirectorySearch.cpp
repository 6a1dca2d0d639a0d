#include "directory/DirectorySearch.h"

#include "settings/PasswordVault.h"
#include "settings/SettingsKeys.h"

#include <atomic>
#include <mutex>
#include <thread>
#include <utility>

namespace desklet {

struct DirectorySearch::State {
    std::mutex mutex;
    bool bAbandoned = false;
    // Set once the search runs, so that the callback may drop its own handle.
    std::atomic<std::thread::id> worker{};
    Callback done;
};

DirectorySettings DirectorySearch::SettingsFrom(const CMapStringToString& settings, PasswordVault& vault) {
    DirectorySettings result;
    result.url = settings.LookupOrEmpty(std::string(SettingName(SettingKey::LdapUrl)));
    result.base = settings.LookupOrEmpty(std::string(SettingName(SettingKey::LdapBase)));
    result.bindDn = settings.LookupOrEmpty(std::string(SettingName(SettingKey::LdapBindDn)));
    if (!result.bindDn.empty()) {
        result.bindPassword = vault.PasswordFor(settings);
    }
    return result;
}

bool DirectorySearch::IsConfigured(const CMapStringToString& settings) {
    return !settings.LookupOrEmpty(std::string(SettingName(SettingKey::LdapUrl))).empty();
}

DirectorySearch::DirectorySearch(std::shared_ptr<State> state) : m_state(std::move(state)) {}

std::unique_ptr<DirectorySearch> DirectorySearch::Start(DirectorySettings settings, std::string text, Callback done) {
    auto state = std::make_shared<State>();
    state->done = std::move(done);
    std::thread worker([state, settings = std::move(settings), text = std::move(text)]() mutable {
        state->worker = std::this_thread::get_id();
        {
            const std::lock_guard<std::mutex> lock(state->mutex);
            if (state->bAbandoned) {
                return;
            }
        }
        Directory directory(std::move(settings));
        DirectoryResult result;
        result.ok = directory.Search(text, result.entries);
        result.failure = directory.GetFailure();
        result.error = directory.GetLastError();
        const std::lock_guard<std::mutex> lock(state->mutex);
        if (!state->bAbandoned && state->done) {
            state->done(std::move(result));
        }
        state->done = nullptr;
    });
    // Nobody joins: an abandoned search may take its time limit to end.
    worker.detach();
    return std::unique_ptr<DirectorySearch>(new DirectorySearch(std::move(state)));
}

DirectorySearch::~DirectorySearch() {
    Abandon();
}

void DirectorySearch::Abandon() {
    if (!m_state) {
        return;
    }
    // The callback itself may drop its handle; it holds the lock already.
    std::unique_lock<std::mutex> lock(m_state->mutex, std::defer_lock);
    if (m_state->worker != std::this_thread::get_id()) {
        lock.lock();
    }
    m_state->bAbandoned = true;
    m_state.reset();
}

} // namespace desklet
