#include "app/CFaxClientApp.h"

#include "app/CFaxClientDlg.h"
#include "app/core/CommandLine.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "print/PrintInbox.h"
#include "print/SpoolNames.h"
#include "settings/CSettingsStore.h"

#include <QGuiApplication>

#include <algorithm>
#include <set>
#include <unistd.h>

namespace desklet {

CFaxClientApp::CFaxClientApp(int& argc, char** argv) : CWinApp(argc, argv) {
    // Wayland and X11 desktops find the menu entry, and with it the name and the
    // icon for the task bar, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(DESKLET_APP_ID));
}

CFaxClientApp::~CFaxClientApp() = default;

bool CFaxClientApp::InitInstance() {
    if (m_bPrintJobs) {
        RunPrintJobs();
        return false;
    }
    ReadCommandLine();
    RunMainDialog();
    return false;
}

void CFaxClientApp::RunMainDialog() {
    // The dialog deletes a handed-over copy when it is destroyed, so it lives
    // exactly as long as its modal run.
    CFaxClientDlg dialog;
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
}

void CFaxClientApp::RunPrintJobs() {
    const std::string inbox = InboxPath(SpoolRoot(true), ::getuid());
    // Every document is offered once per run, whatever became of it: one whose
    // dialog could not delete it, or that cannot be opened, must not come round
    // again and again.
    std::set<std::string> offered;
    for (;;) {
        const std::vector<PrintInbox::Document> documents = PrintInbox::List(inbox);
        const auto next = std::find_if(documents.begin(), documents.end(),
                                       [&](const PrintInbox::Document& d) { return offered.count(d.name) == 0; });
        if (next == documents.end()) {
            return;
        }
        offered.insert(next->name);
        if (!PrintInbox::CanOpen(next->path)) {
            DialogServices::MessageBox(
                nullptr, "The printed document\n" + next->path + "\ncannot be opened. It stays where it is.",
                "Print to fax", MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        Settings["file"] = next->path;
        RunMainDialog();
    }
}

int CFaxClientApp::ExitInstance() {
    Settings.RemoveAll();
    return CWinApp::ExitInstance();
}

void CFaxClientApp::ReadCommandLine() {
    ReadArguments(Arguments(), Settings);
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
