#pragma once

#include <csignal>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace desklet {

// Puts one print job's document into its owner's inbox under the spool root. Runs
// as root inside the print system on data from every user, so it trusts nothing
// below the spool root: no path component is followed through a link, the inbox
// must be a folder of the owner's, the file is created new (never opened if it
// exists) and written as the owner, and appears under its final name only when
// it is whole. Whatever fails, no partial file stays behind.
//
// The job's user name is whatever the client claimed unless the print system
// authenticated it, so a job is delivered only when the print system says it
// authenticated that very user; and only a PDF is delivered, also from a job sent
// raw past the print system's filters.
class SpoolDelivery {
public:
    // What one inbox holds at most: a flood of jobs must neither fill the owner's
    // disk nor open a dialog after dialog. A job past either limit is held in the
    // queue, to be released once there is room.
    static constexpr std::size_t kMaxInboxDocuments = 50;
    static constexpr std::uint64_t kMaxInboxBytes = 1024ULL * 1024 * 1024;

    // How a delivery ended, in the terms the print system acts on.
    enum class Result {
        Delivered,
        Refused,     // this job cannot be delivered (unknown owner, unsafe inbox): drop it, keep the queue
        Failed,      // the document could not be read, or an unexpected error
        DiskFull,    // no room for the document: keep the job for later
        InboxFull,   // the inbox holds as many documents or bytes as it may: keep the job for later
        SpoolUnsafe, // the spool root itself is wrong: stop the queue until an administrator looks
    };

    struct Job {
        std::string spoolRoot;
        std::string jobId; // decimal digits
        std::string user;  // the job's owner, by name
        std::string title;
        // The user the print system authenticated for the job (its AUTH_USERNAME),
        // and their user id where it knows it from the local socket (AUTH_UID).
        std::optional<std::string> authenticatedUser;
        std::optional<std::string> authenticatedUid;
    };

    // Copies everything readable from inputFd into the owner's inbox. When the
    // process is not root it can deliver only to its own user. A job held for a
    // full inbox leaves a note for its owner's session (HeldNoteName()); the
    // delivery of a job removes its note.
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
    // Reads into buffer, retrying after a signal unless the job was cancelled; -1
    // with errno ECANCELED for a cancelled job.
    ssize_t Read(int fd, char* buffer, std::size_t size) const;
    // Reads the rest of the input and throws it away: the print system's filters
    // that still write into it would otherwise fail, and a failed filter aborts a
    // job that the backend meant to keep.
    void Drain(int fd, std::vector<char>& buffer) const;
    bool Stopped() const { return m_stop != nullptr && *m_stop != 0; }

    const volatile std::sig_atomic_t* m_stop = nullptr;

    std::string m_lastError;
    std::string m_deliveredPath;
};

} // namespace desklet
