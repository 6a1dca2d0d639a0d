#pragma once

#include "framework/CWinApp.h"
#include "framework/core/CMapStringToString.h"

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

    // The running application object; nullptr outside of one.
    static CFaxClientApp* Current();

    // Copies the stored settings into Settings; false when nothing was ever saved.
    bool LoadSettings();
    // Writes Settings to the store; a failure is told to the user here, once.
    void SaveSettings();

    CMapStringToString Settings{10};
};

} // namespace desklet
