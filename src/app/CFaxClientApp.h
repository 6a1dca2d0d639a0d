#pragma once

#include "framework/CWinApp.h"
#include "framework/core/CMapStringToString.h"

#include <cstddef>
#include <optional>
#include <string>

namespace desklet {

// The process's application object: owns Settings, fills it from the command
// line and runs the main fax dialog modally. When the dialog closes the program
// ends; there is no message loop of the application's own.
class CFaxClientApp : public CWinApp {
public:
    CFaxClientApp(int& argc, char** argv);
    ~CFaxClientApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // Copies every key/value pair of the command line into Settings.
    void ReadCommandLine();

    // The session's side of printing to fax: first tells of the jobs held in the
    // print queue because the inbox was full, once, then opens each document
    // waiting in the user's inbox, oldest first, in one main dialog after another,
    // each as if handed over with -file, so the dialog deletes it when it closes.
    // Documents that arrive meanwhile are taken too; one that cannot be opened
    // stays where it is and is reported once. Returns when no document is left
    // to open.
    void RunPrintJobs();

    // The printed document a dialog of RunPrintJobs() is open for: shown and sent
    // under its print title rather than its spool name.
    struct PrintedDocument {
        std::string path;
        std::string name;
        std::size_t waiting = 0; // documents that wait after this one
    };
    // The one the running dialog shows; none outside of RunPrintJobs().
    const std::optional<PrintedDocument>& CurrentPrintedDocument() const { return m_printed; }
    // Makes InitInstance() run RunPrintJobs() instead of one dialog from the
    // command line.
    void SetPrintJobsMode() { m_bPrintJobs = true; }

    // The running application object; nullptr outside of one.
    static CFaxClientApp* Current();

    // Copies the stored settings into Settings; false when nothing was ever saved.
    bool LoadSettings();
    // Writes Settings to the store; a failure is told to the user here, once.
    void SaveSettings();

    CMapStringToString Settings{10};

private:
    void RunMainDialog();

    bool m_bPrintJobs = false;
    std::optional<PrintedDocument> m_printed;
};

} // namespace desklet
