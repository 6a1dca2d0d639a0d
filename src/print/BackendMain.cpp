#include "print/BackendMain.h"

#include "print/SpoolDelivery.h"
#include "print/SpoolNames.h"
#include "print/UniqueFd_p.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace desklet {
namespace {

// What `lpinfo -v` lists: class, URI, make and model, description.
constexpr const char* kDeviceLine = "direct desklet:/ \"Quillmark Desklet\" \"Fax (Desklet)\"\n";

volatile std::sig_atomic_t g_cancelled = 0;

void OnTerminate(int) {
    g_cancelled = 1;
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
}

int ExitCodeFor(SpoolDelivery::Result result) {
    switch (result) {
    case SpoolDelivery::Result::Delivered:
        return kBackendOk;
    case SpoolDelivery::Result::Refused:
        return kBackendCancel;
    case SpoolDelivery::Result::DiskFull:
    case SpoolDelivery::Result::InboxFull:
        return kBackendHold;
    case SpoolDelivery::Result::SpoolUnsafe:
        return kBackendStop;
    case SpoolDelivery::Result::Failed:
        break;
    }
    return kBackendFailed;
}

} // namespace

int RunBackend(int argc, char** argv, bool trustEnvironment) {
    if (argc == 1) {
        std::fputs(kDeviceLine, stdout);
        return kBackendOk;
    }
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr, "Usage: %s job-id user title copies options [file]\n", argv[0]);
        return kBackendFailed;
    }

    // The print system ends a cancelled job with SIGTERM; the copy must see it to
    // clean up, so a blocked read is interrupted rather than restarted.
    struct sigaction action {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    (void)sigaction(SIGTERM, &action, nullptr);
    (void)std::signal(SIGPIPE, SIG_IGN);

    UniqueFd input(argc == 7 ? ::open(argv[6], O_RDONLY | O_CLOEXEC) : ::dup(STDIN_FILENO));
    if (!input.Valid()) {
        std::fprintf(stderr, "ERROR: Cannot open the document: %s\n", std::strerror(errno));
        return kBackendFailed;
    }

    SpoolDelivery delivery;
    delivery.SetStopFlag(&g_cancelled);
    // The print system sets AUTH_USERNAME, and AUTH_UID for a client on its local
    // socket, for the run of a job whose user it authenticated (see SpoolDelivery).
    const SpoolDelivery::Job job{SpoolRoot(trustEnvironment), argv[1], argv[2], argv[3], Environment("AUTH_USERNAME"),
                                  Environment("AUTH_UID")};
    const SpoolDelivery::Result result = delivery.Deliver(job, input.Get());
    if (result == SpoolDelivery::Result::Delivered) {
        std::fprintf(stderr, "INFO: Delivered to %s\n", delivery.GetDeliveredPath().c_str());
    } else if (ExitCodeFor(result) == kBackendHold) {
        std::fprintf(stderr, "ERROR: %s; the job is held: release it with \"lp -i %s -H resume\" once there is room\n",
                     delivery.GetLastError().c_str(), argv[1]);
    } else {
        std::fprintf(stderr, "ERROR: %s\n", delivery.GetLastError().c_str());
    }
    return ExitCodeFor(result);
}

} // namespace desklet
