#include "app/CFaxClientApp.h"

#include "app/CFaxClientDlg.h"
#include "commandline/CommandLine.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "print/SpoolDelivery.h"
#include "print/PrintInbox.h"
#include "print/SpoolNames.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
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

namespace {

// Tells of the jobs the print system holds because the inbox was full, and how to
// let them through once there is room; each job is told of once.
void TellHeldJobs(const std::string& inbox) {
    const std::vector<PrintInbox::HeldJob> held = PrintInbox::ListHeld(inbox);
    if (held.empty()) {
        return;
    }
    QString jobs;
    QString release;
    for (const PrintInbox::HeldJob& job : held) {
        const QString id = QString::fromStdString(job.jobId);
        jobs +=
            job.name.empty()
                ? QCoreApplication::translate("PrintJobs", "job %1").arg(id) + "\n"
                : QCoreApplication::translate("PrintJobs", "%1 (job %2)").arg(QString::fromStdString(job.name), id) +
                      "\n";
        release += "lp -i " + id + " -H resume\n";
    }
    const QString text =
        QCoreApplication::translate(
            "PrintJobs",
            "The fax printer holds these printed documents in the print queue because your fax inbox is full "
            "(%1 documents or %2 GiB):\n\n%3\nSend or close the faxes that wait, then let the held documents "
            "through with:\n\n%4")
            .arg(SpoolDelivery::kMaxInboxDocuments)
            .arg(SpoolDelivery::kMaxInboxBytes >> 30)
            .arg(jobs, release);
    DialogServices::MessageBox(nullptr, text.toStdString(),
                               QCoreApplication::translate("PrintJobs", "Print to fax").toStdString(),
                               MB_OK | MB_ICONEXCLAMATION);
    for (const PrintInbox::HeldJob& job : held) {
        (void)::unlink(job.notePath.c_str());
    }
}

} // namespace

void CFaxClientApp::RunPrintJobs() {
    const std::string inbox = InboxPath(SpoolRoot(true), ::getuid());
    TellHeldJobs(inbox);
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
                nullptr,
                QCoreApplication::translate("PrintJobs",
                                            "The printed document\n%1\ncannot be opened. It stays where it is.")
                    .arg(QString::fromStdString(next->path))
                    .toStdString(),
                QCoreApplication::translate("PrintJobs", "Print to fax").toStdString(), MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        SetSetting(Settings, SettingKey::File, next->path);
        const auto waiting = std::count_if(documents.begin(), documents.end(),
                                           [&](const PrintInbox::Document& d) { return offered.count(d.name) == 0; });
        m_printed = PrintedDocument{next->path, PrintedDocumentName(next->name), static_cast<std::size_t>(waiting)};
        RunMainDialog();
        m_printed.reset();
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
    SettingsStore store;
    return store.Load(Settings);
}

void CFaxClientApp::SaveSettings() {
    SettingsStore store;
    if (!store.Save(Settings)) {
        DialogServices::MessageBox(
            m_pMainWnd, QCoreApplication::translate("SettingsStore", SettingsStore::kPermissionMessage).toStdString(),
            QCoreApplication::translate("SettingsStore", SettingsStore::kPermissionCaption).toStdString(), MB_OK,
            store.GetLastError());
    }
}

CFaxClientApp* CFaxClientApp::Current() {
    return dynamic_cast<CFaxClientApp*>(AfxGetApp());
}

} // namespace desklet
