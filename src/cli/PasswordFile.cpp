#include "cli/PasswordFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desklet {
namespace {

PasswordFile::Result Fail(PasswordFile::Problem problem, int errorNumber = 0) {
    PasswordFile::Result result;
    result.problem = problem;
    result.errorNumber = errorNumber;
    return result;
}

} // namespace

PasswordFile::Result PasswordFile::ReadLine(int fd) {
    Result result;
    // One byte at a time, so that nothing after the line is taken from a pipe
    // another program may still want.
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(fd, &c, 1);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            result.password.assign(result.password.size(), '\0');
            return Fail(Problem::Unreadable, error);
        }
        if (n == 0 || c == '\n') {
            break;
        }
        if (c == '\0' || result.password.size() == kMaxBytes) {
            result.password.assign(result.password.size(), '\0');
            return Fail(c == '\0' ? Problem::HoldsNul : Problem::TooLong);
        }
        result.password += c;
    }
    if (!result.password.empty() && result.password.back() == '\r') {
        result.password.pop_back();
    }
    if (result.password.empty()) {
        return Fail(Problem::Empty);
    }
    return result;
}

PasswordFile::Result PasswordFile::Read(const std::string& path) {
    if (path == kStandardInput) {
        return ReadLine(STDIN_FILENO);
    }
    // O_NOFOLLOW refuses a link as the last part of the path; O_NONBLOCK keeps a
    // named pipe from holding the run before it is refused as not a file.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        const int error = errno;
        return Fail(error == ENOENT  ? Problem::Missing
                    : error == ELOOP ? Problem::Symlink
                                     : Problem::Unreadable,
                    error);
    }
    struct stat info {};
    Result result;
    if (::fstat(fd, &info) != 0) {
        result = Fail(Problem::Unreadable, errno);
    } else if (!S_ISREG(info.st_mode)) {
        result = Fail(Problem::NotAFile);
    } else if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        result = Fail(Problem::OpenToOthers);
    } else {
        result = ReadLine(fd);
    }
    ::close(fd);
    return result;
}

} // namespace desklet
