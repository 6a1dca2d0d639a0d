#include "app/CFaxClientApp.h"
#include "app/DisplayGuard.h"
#include "commandline/LongOptions.h"
#include "cli/TerminalMode.h"
#include "i18n/Translations.h"

#include <QCoreApplication>

#include <iostream>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    // Every run but --help and --version may hold the mail server's password (from
    // the keyring, the settings or a password file). A process that may not be
    // dumped leaves no core file to keep it, and no other process of the same user
    // may read its memory; set before anything is read.
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);

    const desklet::LongOptions::Parsed parsed = desklet::LongOptions::Take(std::vector<std::string>(argv, argv + argc));
    if (parsed.ok && (parsed.mode == desklet::RunMode::Window || parsed.mode == desklet::RunMode::PrintJobs)) {
        std::optional<desklet::DisplayGuard> guard(std::in_place);
        desklet::CFaxClientApp app(argc, argv);
        guard.reset();
        (void)desklet::Translations::Install(*QCoreApplication::instance());
        if (parsed.mode == desklet::RunMode::PrintJobs) {
            app.SetPrintJobsMode();
        }
        return app.Run();
    }
    // No display is needed, or opened, from here on.
    QCoreApplication core(argc, argv);
    (void)desklet::Translations::Install(core);
    return desklet::TerminalMode::Run(parsed, {std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1});
}
