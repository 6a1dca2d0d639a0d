#pragma once

#include <memory>
#include <string>
#include <vector>

class QApplication;
class QWidget;

namespace desklet {

// The process's application object. main() constructs exactly one, calls Run(),
// and returns its result: InitInstance() once; a false result means there is no
// message loop of the application's own; then ExitInstance() gives the exit code.
//
// The user's whole interaction happens in modal runs inside InitInstance(), so the
// application never quits because its last window closed: the main dialog is
// hidden during a send and must not end the process by that.
class CWinApp {
public:
    // Creates the QApplication unless one exists already (tests make their own).
    CWinApp(int& argc, char** argv);
    virtual ~CWinApp();

    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance();
    virtual int ExitInstance();

    int Run();

    // The program's argument vector as the platform handed it over.
    const std::vector<std::string>& Arguments() const { return m_arguments; }

    QWidget* m_pMainWnd = nullptr;

protected:
    int m_nExitCode = 0;

private:
    std::vector<std::string> m_arguments;
    std::unique_ptr<QApplication> m_ownedApplication;
};

// The running application object, or nullptr outside of one.
CWinApp* AfxGetApp();

} // namespace desklet
