#pragma once

#include <csignal>
#include <string>

namespace desklet {

// Puts one print job's document into its owner's inbox under the spool root. Runs
// as root inside the print system on data from every user, so it trusts nothing
// below the spool root: no path component is followed through a link, the inbox
// must be a folder of the owner's, the file is created new (never opened if it
// exists) and written as the owner, and appears under its final name only when
// it is whole. Whatever fails, no partial file stays behind.
class CSpoolDelivery {
public:
    // How a delivery ended, in the terms the print system acts on.
    enum class Result {
        Delivered,
        Refused,     // this job cannot be delivered (unknown owner, unsafe inbox): drop it, keep the queue
        Failed,      // the document could not be read, or an unexpected error
        DiskFull,    // no room for the document: keep the job for later
        SpoolUnsafe, // the spool root itself is wrong: stop the queue until an administrator looks
    };

    struct Job {
        std::string spoolRoot;
        std::string jobId; // decimal digits
        std::string user;  // the job's owner, by name
        std::string title;
    };

    // Copies everything readable from inputFd into the owner's inbox. When the
    // process is not root it can deliver only to its own user.
    [[nodiscard]] Result Deliver(const Job& job, int inputFd);

    // A flag that a signal handler sets when the job is cancelled: the copy stops
    // at the next read and leaves nothing behind. The handler must be installed
    // without SA_RESTART, so that a blocked read returns.
    void SetStopFlag(const volatile std::sig_atomic_t* flag) { m_stop = flag; }

    // One line on what went wrong; empty after a delivery.
    const std::string& GetLastError() const { return m_lastError; }
    // The delivered file's path, for the log.
    const std::string& GetDeliveredPath() const { return m_deliveredPath; }

private:
    Result Fail(Result result, std::string message);
    bool Stopped() const { return m_stop != nullptr && *m_stop != 0; }

    const volatile std::sig_atomic_t* m_stop = nullptr;

    std::string m_lastError;
    std::string m_deliveredPath;
};

} // namespace desklet
