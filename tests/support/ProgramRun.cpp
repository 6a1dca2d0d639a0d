#include "support/ProgramRun.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace desklet::test {
namespace {

constexpr auto kRunLimit = std::chrono::seconds(60);

constexpr uid_t kNobody = 65534;

bool Unset(const char* entry, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        if (std::strncmp(entry, name.c_str(), name.size()) == 0 && entry[name.size()] == '=') {
            return true;
        }
    }
    return false;
}

std::vector<char*> Environment(const std::vector<std::string>& unset) {
    std::vector<char*> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (!Unset(*e, unset)) {
            env.push_back(*e);
        }
    }
    env.push_back(nullptr);
    return env;
}

std::vector<char*> Arguments(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    return args;
}

} // namespace

bool ReapWithin(pid_t pid, std::chrono::steady_clock::time_point deadline, int& status) {
    pid_t reaped = 0;
    while ((reaped = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (reaped == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return false;
    }
    return reaped == pid;
}

ProgramResult RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& unset) {
    ProgramResult result;
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) {
        return result;
    }
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return result;
    }
    std::vector<char*> args = Arguments(argv);
    std::vector<char*> env = Environment(unset);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), env.data());
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&result.out, &result.err};
    int reading = 2;
    char buffer[4096];
    while (reading > 0 && std::chrono::steady_clock::now() < deadline) {
        if (poll(fds, 2, 200) <= 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --reading;
            }
        }
    }
    for (pollfd& p : fds) {
        if (p.fd >= 0) {
            close(p.fd);
        }
    }
    int status = 0;
    if (!ReapWithin(pid, deadline, status)) {
        return result;
    }
    result.finished = WIFEXITED(status);
    result.exitCode = result.finished ? WEXITSTATUS(status) : -1;
    return result;
}

StartedProgram StartProgram(const std::vector<std::string>& argv, const std::vector<std::string>& unset) {
    StartedProgram started;
    int inPipe[2];
    if (pipe2(inPipe, O_CLOEXEC) != 0) {
        return started;
    }
    // Everything the child needs is made before the fork: between fork and exec
    // only async-signal-safe calls.
    std::vector<char*> args = Arguments(argv);
    std::vector<char*> env = Environment(unset);
    started.uid = getuid() == 0 ? kNobody : getuid();
    const pid_t pid = fork();
    if (pid == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        if (dup2(inPipe[0], STDIN_FILENO) < 0 || nowhere < 0 || dup2(nowhere, STDOUT_FILENO) < 0 ||
            dup2(nowhere, STDERR_FILENO) < 0) {
            _exit(127);
        }
        if (getuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(127);
        }
        execve(args[0], args.data(), env.data());
        _exit(127);
    }
    close(inPipe[0]);
    if (pid < 0) {
        close(inPipe[1]);
        return started;
    }
    started.pid = pid;
    started.input = inPipe[1];
    return started;
}

} // namespace desklet::test
