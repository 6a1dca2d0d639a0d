#include "directory/DirectorySearch.h"

#include "settings/PasswordVault.h"
#include "settings/SettingsKeys.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

namespace desklet {

namespace {

// The searches still running. Never destroyed: a search may outlive the wait at
// exit, and must still find its count.
struct RunningSearches {
    std::mutex mutex;
    std::condition_variable ended;
    int count = 0;
};

RunningSearches& Running() {
    static RunningSearches* running = new RunningSearches;
    return *running;
}

// At exit the process waits for the searches still running, each of which ends
// within its time limit: one cut off inside the directory library while that
// library's own state is torn down brings the process down on its way out.
constexpr std::chrono::seconds kExitWait{10};

struct WaitAtExit {
    ~WaitAtExit() {
        RunningSearches& running = Running();
        std::unique_lock<std::mutex> lock(running.mutex);
        running.ended.wait_for(lock, kExitWait, [&running] { return running.count == 0; });
    }
};

} // namespace

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
    // Made after the directory library's own state, so torn down before it.
    static WaitAtExit waitAtExit;
    auto state = std::make_shared<State>();
    state->done = std::move(done);
    {
        const std::lock_guard<std::mutex> lock(Running().mutex);
        ++Running().count;
    }
    std::thread worker([state, settings = std::move(settings), text = std::move(text)]() mutable {
        struct Leave {
            ~Leave() {
                RunningSearches& running = Running();
                {
                    const std::lock_guard<std::mutex> lock(running.mutex);
                    --running.count;
                }
                running.ended.notify_all();
            }
        } leave;
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
    // Nobody joins: an abandoned search may take its time limit to end; the exit
    // waits for it.
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
