// Draws the main dialog, the three settings pages, the phone book and the dialog
// that printing to fax opens headless and saves them as
// the pictures of the README and the software-centre metadata.
//
//   QT_QPA_PLATFORM=offscreen desklet_screenshots <out-dir>
//
// In English the pictures go to <out-dir>; in a language the program has a
// catalogue for (LANGUAGE=de) to <out-dir>/<language>, so the English ones stay.
//
// The windows are filled as a user would see them with a document and two numbers
// handed over on the command line and an account already set up, a few contacts
// in the phone book, with a provider's
// mail server that takes mail on 587 with STARTTLS and a login. The document, a
// short report drawn here, and the settings live in a private temporary folder, and
// no keyring is reached; the user's own are never read.

#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "controls/DocumentPreviewCtrl.h"
#include "framework/CPropertySheet.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "i18n/Translations.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"
#include "phonebook/ui/PhoneBookDlg.h"
#include "settings/ui/CConfigSheet.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace desklet;

namespace {

bool Save(QWidget& window, const QString& path) {
    // Lets layouts and the first paint settle.
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
    const QPixmap picture = window.grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        std::fprintf(stderr, "desklet_screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// A three-page quarterly report: a title, a few lines of text and a bar chart.
bool WriteReport(const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    for (int page = 1; page <= 3; ++page) {
        if (page > 1 && !writer.newPage()) {
            return false;
        }
        painter.fillRect(0, 0, 595, 90, QColor(0x1F, 0x4E, 0x79));
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 26, QFont::Bold));
        painter.drawText(50, 60, QStringLiteral("Quarterly Report"));
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        for (int line = 0; line < 8; ++line) {
            painter.fillRect(50, 130 + line * 22, line % 3 == 2 ? 330 : 495, 8, QColor(0x90, 0x90, 0x90));
        }
        const int bars[] = {180, 240, 210, 300};
        for (int bar = 0; bar < 4; ++bar) {
            painter.fillRect(90 + bar * 110, 720 - bars[bar], 70, bars[bar], QColor(0x2E, 0x75, 0xB6));
        }
        painter.drawLine(70, 720, 530, 720);
    }
    return painter.end();
}

// Lets the preview of the handed-over document arrive; five seconds at most.
void WaitForPreview(QWidget& dialog) {
    auto* preview = dialog.findChild<DocumentPreviewCtrl*>();
    if (preview == nullptr) {
        return;
    }
    QEventLoop loop;
    QObject::connect(preview, &DocumentPreviewCtrl::Shown, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out-dir>\n", argv[0]);
        return 2;
    }
    QString outDir = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir home(QDir::tempPath() + "/desklet-XXXXXX");
    if (!home.isValid() || !QDir().mkpath(outDir) || !QDir(home.path()).mkpath("Quillmark") ||
        !QDir(home.path()).mkpath("Documents")) {
        std::fprintf(stderr, "desklet_screenshots: cannot prepare the folders\n");
        return 1;
    }
    {
        std::ofstream store((home.path() + "/Quillmark/Desklet.conf").toStdString());
        store << "[Config]\nlogon=acme\npassword=secret\nstationid=SALES\n"
                 "email_on_delivered=ann@desk.example\nemail_on_not_delivered=ann@desk.example\n"
                 "smtp=smtp.desk.example\nsmtp_port=587\nsmtp_security=starttls\nsmtp_user=ann@desk.example\n"
                 "smtp_password=secret\n";
    }
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/desklet-screenshots", 1);

    const QString report = home.path() + "/Documents/Quarterly report.pdf";
    std::vector<std::string> arguments{argv[0], "-file", report.toStdString(), "-fax", "2125551212,3105550188"};
    std::vector<char*> args;
    for (std::string& a : arguments) {
        args.push_back(a.data());
    }
    int count = static_cast<int>(args.size());
    CFaxClientApp app(count, args.data());
    Translations::Folders catalogues;
    catalogues.program = QStringLiteral(DESKLET_CATALOGUES);
    const QString language =
        Translations::Install(*QCoreApplication::instance(), QLocale::system().uiLanguages(), catalogues);
    if (!language.isEmpty()) {
        outDir += QLatin1Char('/') + language;
        if (!QDir().mkpath(outDir)) {
            std::fprintf(stderr, "desklet_screenshots: cannot make %s\n", qPrintable(outDir));
            return 1;
        }
    }
    // Drawn once the application is there to give the writer its fonts.
    if (!WriteReport(report)) {
        std::fprintf(stderr, "desklet_screenshots: cannot write the sample document\n");
        return 1;
    }
    app.ReadCommandLine();

    bool ok = true;
    const QStringList pages{"settings-account.png", "settings-confirmations.png", "settings-mail-server.png"};
    CFaxClientDlg dialog;
    DialogServices::SetModalHandler([&](QDialog& running) {
        if (&running == &dialog) {
            WaitForPreview(dialog);
            ok = Save(dialog, outDir + "/main-dialog.png") && ok;
            dialog.ConfigSheet()->DoModal();
            running.done(IDCANCEL);
            return;
        }
        if (auto* sheet = dynamic_cast<CPropertySheet*>(&running)) {
            for (int i = 0; i < pages.size() && i < sheet->GetPageCount(); ++i) {
                sheet->SetActivePage(i);
                ok = Save(*sheet, outDir + "/" + pages[i]) && ok;
            }
        }
        running.done(IDCANCEL);
    });
    dialog.DoModal();

    // The phone book, with a few contacts and a group.
    {
        Database database;
        PhoneBook phoneBook(database);
        ImportReport report;
        const QByteArray contacts =
            "BEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:5c4e0d0a-0000-4000-8000-000000000001\r\nFN:Ann Lee\r\n"
            "ORG:Desk Example Ltd.\r\nTEL;TYPE=\"fax,work\":2125551212\r\nTEL;TYPE=\"fax,home\":2125550147\r\n"
            "END:VCARD\r\nBEGIN:VCARD\r\nVERSION:4.0\r\nUID:urn:uuid:5c4e0d0a-0000-4000-8000-000000000002\r\n"
            "FN:Carlos Ruiz\r\nORG:Harbour Freight\r\nTEL;TYPE=\"fax,work\":3105550188\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Mei Chen\r\nORG:Northwind Clinic\r\n"
            "TEL;TYPE=\"fax,work\":4155550123\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Zoë Novak\r\nTEL;TYPE=\"fax,other\":6175550190\r\nEND:VCARD\r\n"
            "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Accounts\r\n"
            "MEMBER:urn:uuid:5c4e0d0a-0000-4000-8000-000000000001\r\n"
            "MEMBER:urn:uuid:5c4e0d0a-0000-4000-8000-000000000002\r\nEND:VCARD\r\n";
        if (!database.Open(Database::DefaultPath()) || !phoneBook.ImportBytes(contacts, report)) {
            std::fprintf(stderr, "desklet_screenshots: cannot fill the phone book\n");
            return 1;
        }
    }
    PhoneBookDlg phoneBook(Database::DefaultPath());
    DialogServices::SetModalHandler([&](QDialog& running) {
        QEventLoop settle;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &settle, [&] {
            if (phoneBook.Settled()) {
                settle.quit();
            }
        });
        poll.start(20);
        QTimer::singleShot(10000, &settle, &QEventLoop::quit);
        settle.exec();
        ok = Save(running, outDir + "/phone-book.png") && ok;
        running.done(IDCANCEL);
    });
    phoneBook.DoModal();

    // The dialogs as printing to fax opens them, from an inbox laid out as the
    // print system's inside the temporary folder: the first of two printed
    // documents, no numbers yet. Closing the dialogs deletes the spooled copies.
    const QString spoolRoot = home.path() + "/spool/desklet";
    const QString inbox = spoolRoot + "/" + QString::number(::getuid());
    if (!QDir().mkpath(inbox) || !QFile::copy(report, inbox + "/QUILLTMP-57-Quarterly report.pdf") ||
        !QFile::copy(report, inbox + "/QUILLTMP-58-Minutes.pdf")) {
        std::fprintf(stderr, "desklet_screenshots: cannot write the printed documents\n");
        return 1;
    }
    setenv("DESKLET_SPOOL_ROOT", spoolRoot.toLocal8Bit().constData(), 1);
    app.Settings["fax"].clear();
    bool first = true;
    DialogServices::SetModalHandler([&](QDialog& running) {
        if (first) {
            first = false;
            WaitForPreview(running);
            ok = Save(running, outDir + "/print-to-fax.png") && ok;
        }
        running.done(IDCANCEL);
    });
    app.RunPrintJobs();
    DialogServices::SetModalHandler(nullptr);
    return ok ? 0 : 1;
}
