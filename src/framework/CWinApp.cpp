#include "framework/CWinApp.h"

#include <QApplication>

namespace desklet {
namespace {
CWinApp* g_currentApp = nullptr;
}

CWinApp::CWinApp(int& argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        m_arguments.emplace_back(argv[i] ? argv[i] : "");
    }
    if (QCoreApplication::instance() == nullptr) {
        m_ownedApplication = std::make_unique<QApplication>(argc, argv);
    }
    QApplication::setQuitOnLastWindowClosed(false);
    g_currentApp = this;
}

CWinApp::~CWinApp() {
    if (g_currentApp == this) {
        g_currentApp = nullptr;
    }
}

bool CWinApp::InitInstance() {
    return true;
}

int CWinApp::ExitInstance() {
    return m_nExitCode;
}

int CWinApp::Run() {
    if (InitInstance()) {
        m_nExitCode = QApplication::exec();
    }
    return ExitInstance();
}

CWinApp* AfxGetApp() {
    return g_currentApp;
}

} // namespace desklet
