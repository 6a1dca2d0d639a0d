#pragma once

#include "submission/Outcome.h"

namespace desklet {

// The exit status of a run without a window, in the codes mail tools use
// (sysexits.h), so that a script can tell a bad command from a server that said
// "later".
class ExitStatus {
public:
    static constexpr int kOk = 0;
    static constexpr int kUsage = 64;        // EX_USAGE: the command line is wrong
    static constexpr int kDataError = 65;    // EX_DATAERR: a fax number breaks a rule
    static constexpr int kNoInput = 66;      // EX_NOINPUT: the document is missing or unreadable
    static constexpr int kUnavailable = 69;  // EX_UNAVAILABLE: no server, or a refusal for good
    static constexpr int kSoftware = 70;     // EX_SOFTWARE: the program could not run
    static constexpr int kTempFail = 75;     // EX_TEMPFAIL: refused for now, or no answer; try again later
    static constexpr int kProtocol = 76;     // EX_PROTOCOL: the server's replies made no sense
    static constexpr int kNoPermission = 77; // EX_NOPERM: login or certificate refused
    static constexpr int kConfig = 78;       // EX_CONFIG: no account set up

    static int For(const Outcome& outcome);
};

} // namespace desklet
