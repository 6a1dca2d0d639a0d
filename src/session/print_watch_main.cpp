// desklet-print-watch: started with the session (XDG autostart). Runs
// `desklet --print-jobs` at login when documents wait or jobs were held for a
// full inbox, and again whenever one arrives or is held; one run at a time, one
// watcher per user. Runs `desklet --flush-outbox --due` when a kept fax is due to
// be tried again, and `desklet --flush-outbox` (every waiting fax) at once when
// the network comes back. No window, no toolkit:
// it sits in the session all day and must stay small.
#include "print/PrintInbox.h"
#include "print/SpoolNames.h"
#include "print/UniqueFd_p.h"
#include "session/NetworkMonitor.h"
#include "session/OutboxDue.h"
#include "session/WakeSchedule.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// The inbox exists only once the first job arrived, and the spool root may not be
// listed by users, so it cannot be watched for the inbox's creation: until the
// inbox is there, look for it this often. Short enough for the first document to
// open within a couple of seconds.
constexpr int kInboxPollMs = 2000;
// How often to look whether the running dialog program has ended.
constexpr int kChildPollMs = 500;

// The program beside this one (both are installed into the same folder), else the
// one on the PATH.
std::string DialogProgram() {
    std::array<char, PATH_MAX> self{};
    const ssize_t length = ::readlink("/proc/self/exe", self.data(), self.size() - 1);
    if (length > 0) {
        std::string path(self.data(), static_cast<std::size_t>(length));
        path = path.substr(0, path.rfind('/') + 1) + "desklet";
        if (::access(path.c_str(), X_OK) == 0) {
            return path;
        }
    }
    return "desklet";
}

// Only one watcher per user, also with two sessions open: two would open two
// dialogs for one document.
bool TakeUserLock(desklet::UniqueFd& lock) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || runtime[0] != '/') {
        return true; // nowhere private to lock in; run unguarded
    }
    const std::string path = std::string(runtime) + "/desklet-print-watch.lock";
    lock.Reset(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600));
    return !lock.Valid() || ::flock(lock.Get(), LOCK_EX | LOCK_NB) == 0;
}

pid_t Start(const std::string& program, std::string option, std::string second = {}) {
    std::string name = program;
    char* argv[] = {name.data(), option.data(), second.empty() ? nullptr : second.data(), nullptr};
    pid_t pid = -1;
    if (::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::perror("desklet-print-watch: cannot start desklet");
        return -1;
    }
    return pid;
}

} // namespace

int main(int argc, char** argv) {
    const std::string program = argc > 1 ? argv[1] : DialogProgram();
    const std::string inbox = desklet::InboxPath(desklet::SpoolRoot(true), ::getuid());

    desklet::UniqueFd lock;
    if (!TakeUserLock(lock)) {
        return 0;
    }
    desklet::UniqueFd events(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
    if (!events.Valid()) {
        std::perror("desklet-print-watch: inotify");
        return 1;
    }

    // Without a system bus or NetworkManager the retries still go by the clock.
    desklet::NetworkMonitor network;
    network.Open();
    const std::string database = desklet::OutboxDatabasePath();

    int watch = -1;
    pid_t child = -1;
    bool look = true; // at login: documents printed while the person was away
    pid_t flush = -1;
    bool networkBack = false;
    std::optional<desklet::WakeTime> lastFlush;
    auto nextOutboxLook = std::chrono::steady_clock::now(); // at login: jobs kept from before
    for (;;) {
        if (watch < 0) {
            // Close-write too: a document copied in by hand appears that way.
            watch = ::inotify_add_watch(events.Get(), inbox.c_str(),
                                        IN_MOVED_TO | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR);
            look = look || watch >= 0;
        }
        if (child > 0 && ::waitpid(child, nullptr, WNOHANG) == child) {
            child = -1;
        }
        if (child < 0 && look) {
            look = false;
            if (!desklet::PrintInbox::List(inbox).empty() || !desklet::PrintInbox::ListHeld(inbox).empty()) {
                child = Start(program, "--print-jobs");
            }
        }
        if (flush > 0 && ::waitpid(flush, nullptr, WNOHANG) == flush) {
            flush = -1;
            nextOutboxLook = std::chrono::steady_clock::now(); // the flush changed the due times
        }
        if (flush < 0 && (networkBack || std::chrono::steady_clock::now() >= nextOutboxLook)) {
            const auto now = std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
            const desklet::WakeDecision decision =
                desklet::WakeSchedule::Decide(desklet::ReadOutboxDue(database), lastFlush, networkBack, now);
            networkBack = false;
            if (decision.flush) {
                lastFlush = now;
                flush =
                    decision.everyJob ? Start(program, "--flush-outbox") : Start(program, "--flush-outbox", "--due");
            }
            nextOutboxLook = std::chrono::steady_clock::now() + decision.sleep;
        }

        int timeout = child > 0 || flush > 0 ? kChildPollMs : watch < 0 ? kInboxPollMs : -1;
        if (flush < 0) {
            const auto untilLook = std::chrono::duration_cast<std::chrono::milliseconds>(
                nextOutboxLook - std::chrono::steady_clock::now());
            const int lookMs = static_cast<int>(std::clamp<std::chrono::milliseconds::rep>(
                untilLook.count() + 1, 0, desklet::WakeSchedule::kLookAgain.count()));
            timeout = timeout < 0 ? lookMs : std::min(timeout, lookMs);
        }
        std::array<pollfd, 2> ready{pollfd{events.Get(), POLLIN, 0}, pollfd{network.Fd(), POLLIN, 0}};
        if (::poll(ready.data(), ready[1].fd >= 0 ? 2 : 1, timeout) < 0 && errno != EINTR) {
            std::perror("desklet-print-watch: poll");
            return 1;
        }
        if (ready[1].fd >= 0 && ready[1].revents != 0 && network.CameBack()) {
            networkBack = true;
        }
        alignas(inotify_event) std::array<char, 4096> buffer{};
        ssize_t got = 0;
        while ((got = ::read(events.Get(), buffer.data(), buffer.size())) > 0) {
            for (ssize_t offset = 0; offset < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + offset);
                if ((event->mask & IN_IGNORED) != 0) {
                    watch = -1; // the inbox went away; wait for it again
                } else if (event->len > 0 &&
                           (desklet::IsSpoolFileName(event->name) || !desklet::HeldNoteJobId(event->name).empty())) {
                    look = true;
                }
                offset += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }
}
