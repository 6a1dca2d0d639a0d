#include "app/CFaxClientApp.h"
#include "app/core/LongOptions.h"
#include "cli/TerminalMode.h"

#include <QCoreApplication>

#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv) {
    const desklet::LongOptions::Parsed parsed = desklet::LongOptions::Take(std::vector<std::string>(argv, argv + argc));
    if (parsed.ok && (parsed.mode == desklet::RunMode::Window || parsed.mode == desklet::RunMode::PrintJobs)) {
        desklet::CFaxClientApp app(argc, argv);
        if (parsed.mode == desklet::RunMode::PrintJobs) {
            app.SetPrintJobsMode();
        }
        return app.Run();
    }
    // No display is needed, or opened, from here on.
    QCoreApplication core(argc, argv);
    return desklet::TerminalMode::Run(parsed, {std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1});
}
