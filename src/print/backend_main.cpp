// The print system's backend "desklet": puts each job into its owner's inbox.
#include "print/BackendMain.h"
#include "print/SpoolNames.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
#ifdef DESKLET_BACKEND_TRUSTS_ENVIRONMENT
    // The tests' build: they run it as root under their own print server, with
    // their own spool root, and it never falls back to the system's.
    const bool trustEnvironment = true;
    if (argc > 1 && std::getenv(std::string(desklet::kSpoolRootVariable).c_str()) == nullptr) {
        std::fputs("ERROR: the tests' backend needs DESKLET_SPOOL_ROOT\n", stderr);
        return desklet::kBackendStop;
    }
#else
    // As root the backend writes into every user's inbox, so the spool root is not
    // taken from an environment that someone other than root may have shaped
    // (the print server's SetEnv can be edited by print administrators). Without
    // root it can only write as its own user, and another root harms nobody.
    const bool trustEnvironment = getuid() != 0 && geteuid() != 0;
#endif
    return desklet::RunBackend(argc, argv, trustEnvironment);
}
