#include "app/CFaxClientApp.h"

#include "app/CFaxClientDlg.h"
#include "app/core/CommandLine.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "settings/CSettingsStore.h"

#include <QGuiApplication>

namespace desklet {

CFaxClientApp::CFaxClientApp(int& argc, char** argv) : CWinApp(argc, argv) {
    // Wayland and X11 desktops find the menu entry, and with it the name and the
    // icon for the task bar, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(DESKLET_APP_ID));
}

CFaxClientApp::~CFaxClientApp() = default;

bool CFaxClientApp::InitInstance() {
    ReadCommandLine();
    {
        CFaxClientDlg dialog;
        m_pMainWnd = &dialog;
        dialog.DoModal();
        m_pMainWnd = nullptr;
    }
    return false;
}

int CFaxClientApp::ExitInstance() {
    Settings.RemoveAll();
    return CWinApp::ExitInstance();
}

void CFaxClientApp::ReadCommandLine() {
    desklet::ReadCommandLine(BuildCommandLine(Arguments()), Settings);
}

bool CFaxClientApp::LoadSettings() {
    CSettingsStore store;
    return store.Load(Settings);
}

void CFaxClientApp::SaveSettings() {
    CSettingsStore store;
    if (!store.Save(Settings)) {
        DialogServices::MessageBox(m_pMainWnd, std::string(CSettingsStore::kPermissionMessage),
                                   std::string(CSettingsStore::kPermissionCaption), MB_OK, store.GetLastError());
    }
}

CFaxClientApp* CFaxClientApp::Current() {
    return dynamic_cast<CFaxClientApp*>(AfxGetApp());
}

} // namespace desklet
