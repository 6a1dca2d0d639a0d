#pragma once

#include <string>

namespace desklet {

// The mail server's password handed to a run without a window in a file only its
// owner can read, or on standard input, so that no other user can see it the way
// every user can see a command line.
class PasswordFile {
public:
    // The name that stands for standard input.
    static constexpr const char* kStandardInput = "-";
    // A password is one short line; more is not a password file.
    static constexpr std::size_t kMaxBytes = 4096;

    enum class Problem {
        None,
        Missing,      // no such file
        Unreadable,   // it cannot be opened or read (errorNumber says why)
        Symlink,      // a symbolic link: whoever can change the link chooses the file
        NotAFile,     // a folder, a device, a pipe with a name
        OpenToOthers, // its group or others may read or write it
        Empty,        // the first line holds nothing
        TooLong,      // no line break within kMaxBytes
        HoldsNul,     // a zero byte, which no password holds
    };

    struct Result {
        Problem problem = Problem::None;
        int errorNumber = 0; // errno of Unreadable
        std::string password;
    };

    // The first line of the file, without its line break (LF or CR LF); the rest
    // of the file is not read. A named file must be a regular file that only its
    // owner can read or write, and not a symbolic link; standard input is taken as
    // it is.
    static Result Read(const std::string& path);
    // The same from an open descriptor (standard input's, or a test's pipe).
    static Result ReadLine(int fd);
};

} // namespace desklet
