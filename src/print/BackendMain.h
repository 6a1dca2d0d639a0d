#pragma once

namespace desklet {

// The print system's codes for how a backend ended.
enum BackendExitCode {
    kBackendOk = 0,
    kBackendFailed = 1, // the queue's error policy decides
    kBackendAuthRequired = 2,
    kBackendHold = 3,   // keep the job, held
    kBackendStop = 4,   // stop the queue
    kBackendCancel = 5, // cancel this job only
    kBackendRetry = 6,
};

// The backend as the print system runs it. Without arguments it prints its device
// line; with "uri job-id user title copies options [file]" it delivers the job
// read from the file, or from standard input when none is named. The spool root
// comes from the environment only when trustEnvironment is set.
int RunBackend(int argc, char** argv, bool trustEnvironment);

} // namespace desklet
