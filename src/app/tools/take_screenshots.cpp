// Draws the main dialog, the three settings pages, the phone book, the Outbox and
// Sent Faxes windows and the dialog that printing to fax opens headless and saves
// them as the pictures of the README and the software-centre metadata.
//
//   QT_QPA_PLATFORM=offscreen desklet_screenshots <out-dir>
//
// In English the pictures go to <out-dir>; in a language the program has a
// catalogue for (LANGUAGE=de) to <out-dir>/<language>, so the English ones stay.
//
// The windows are filled as a user would see them with a document and two numbers
// handed over on the command line and an account already set up, a few contacts
// in the phone book, a morning's faxes in the sent log and three in the outbox, with
// a provider's mail server that takes mail on 587 with STARTTLS and a login. The
// document, a short report drawn here, the settings and the database live in a
// private temporary folder, and no keyring is reached; the user's own are never
// read. The sent log is written at fixed times and drawn in one zone with the
// language's own date format, so the pictures come out the same on every run and
// machine.

#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "controls/DocumentPreviewCtrl.h"
#include "framework/CPropertySheet.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"
#include "i18n/Translations.h"
#include "outbox/Outbox.h"
#include "outbox/ui/OutboxDlg.h"
#include "outbox/ui/SentFaxesDlg.h"
#include "phonebook/Database.h"
#include "phonebook/PhoneBook.h"
#include "phonebook/ui/PhoneBookDlg.h"
#include "settings/ui/CConfigSheet.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHeaderView>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

using namespace desklet;

namespace {

// Lets layouts and the first paint settle.
void Settle() {
    QEventLoop settle;
    QTimer::singleShot(50, &settle, &QEventLoop::quit);
    settle.exec();
}

bool Save(QWidget& window, const QString& path) {
    Settle();
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

// Widens and lengthens a window until its list shows every column and row whole:
// the lists size their columns to their contents, wider than the window opens.
void ShowWhole(QWidget& window, QTreeWidget& list) {
    Settle();
    QHeaderView& header = *list.header();
    header.setStretchLastSection(false);
    list.resizeColumnToContents(header.count() - 1);
    // Two characters to spare, so that the last column's text does not meet the frame.
    const int wider = header.length() + 2 * list.fontMetrics().averageCharWidth() - list.viewport()->width();
    const int rows = list.topLevelItemCount();
    const int taller =
        rows > 0 ? rows * list.visualItemRect(list.topLevelItem(0)).height() - list.viewport()->height() : 0;
    window.resize(window.width() + std::max(wider, 0), window.height() + std::max(taller, 0));
    header.setStretchLastSection(true);
}

// The sample sent log's clock: every step happens at the moment it is set to.
class SampleClock : public Clock {
public:
    TimePoint Now() const override { return m_now; }
    void Set(TimePoint at) { m_now = at; }

private:
    TimePoint m_now{};
};

// The pictures' zone, the numbers' own: New York, five hours behind UTC in November.
constexpr const char* kZone = "America/New_York";
constexpr int kZoneBehindUtc = 5;

// A time of Tuesday 17 November 2026 in New York.
TimePoint At(int hour, int minute, int second) {
    using namespace std::chrono;
    return time_point_cast<milliseconds>(sys_days{November / 17 / 2026} + hours(hour + kZoneBehindUtc) +
                                         minutes(minute) + seconds(second));
}

FaxJob SampleJob(std::vector<std::string> numbers, const char* document) {
    FaxJob job;
    job.recipients = std::move(numbers);
    job.documentName = document;
    return job;
}

// A mail as the program names it: 128 random bits at the sender's domain.
AttemptResult::Mail SampleMail(std::vector<std::string> numbers, const char* id, AttemptResult::Mail::State state,
                               const char* reply = "") {
    AttemptResult::Mail mail;
    mail.numbers = std::move(numbers);
    mail.messageId = std::string("<") + id + "@fax.quillmark.example>";
    mail.state = state;
    mail.finalReply = reply;
    return mail;
}

AttemptResult SampleTry(AttemptResult::Kind kind, AttemptResult::Mail mail, const char* error = "") {
    AttemptResult result;
    result.kind = kind;
    result.mails.push_back(std::move(mail));
    result.server = "smtp.desk.example";
    result.port = 587;
    result.error = error;
    return result;
}

// A morning at the desk, through the outbox as the dialog and the terminal use it:
// faxes that went, one the service refused, one queued and then discarded, one
// whose answer never came, one the server put off twice and one queued while the
// network was down. The numbers are of the range kept for fiction (555-01xx).
bool FillOutbox(const std::string& document, const CMapStringToString& settings) {
    using Kind = AttemptResult::Kind;
    using State = AttemptResult::Mail::State;
    Database database;
    if (!database.Open(Database::DefaultPath())) {
        return false;
    }
    SampleClock clock;
    Outbox outbox(database, clock);
    // A try recorded by Record or Claim, ended at `end` with `result`.
    auto tried = [&](std::optional<ClaimedJob> claim, TimePoint end, const AttemptResult& result) {
        clock.Set(end);
        return claim && outbox.Finish(*claim, result).has_value();
    };
    auto recorded = [&](TimePoint start, FaxJob job) {
        clock.Set(start);
        return outbox.Record(job, document, settings);
    };
    auto claimed = [&](TimePoint start, std::optional<std::int64_t> id) -> std::optional<ClaimedJob> {
        clock.Set(start);
        return id ? outbox.Claim(*id) : std::nullopt;
    };

    const std::vector<std::string> twoNumbers{"2125550142", "3105550188"};
    bool ok = tried(recorded(At(8, 52, 10), SampleJob(twoNumbers, "Quarterly report.pdf")), At(8, 52, 31),
                    SampleTry(Kind::Sent, SampleMail(twoNumbers, "4f2a1c9e07b3d56a8e21f04c6b9d3a17", State::Accepted,
                                                     "250 2.0.0 Ok: queued as 4F2A1")));
    ok = ok && tried(recorded(At(9, 14, 2), SampleJob({"4155550123"}, "Price list.pdf")), At(9, 14, 9),
                     SampleTry(Kind::Sent, SampleMail({"4155550123"}, "9b03e7c1d2a84f6e0c5b19d7e3a26f80",
                                                      State::Accepted, "250 2.0.0 Ok: queued as 9B03E")));
    ok = ok && tried(recorded(At(9, 37, 45), SampleJob({"6175550190"}, "Contract draft.pdf")), At(9, 37, 52),
                     SampleTry(Kind::Final,
                               SampleMail({"6175550190"}, "c27d0e5a19f3b84c6d2e07a1f95b3c48", State::Refused,
                                          "554 5.7.1 Fax number blocked for this account"),
                               "554 5.7.1 Fax number blocked for this account"));
    clock.Set(At(10, 5, 40));
    const auto minutes = outbox.Queue(SampleJob({"7185550164"}, "Minutes.pdf"), document, settings);
    clock.Set(At(10, 11, 2));
    ok = ok && minutes && outbox.Discard(*minutes);
    ok = ok &&
         tried(recorded(At(11, 48, 20), SampleJob({"2125550147"}, "Invoice 2291.pdf")), At(11, 58, 21),
               SampleTry(Kind::Unknown, SampleMail({"2125550147"}, "5e8b2f0d4c7a19e36b0d8f2c1a5e9d74", State::Unknown),
                         "Timed out waiting for the server"));
    const char* busy = "451 4.3.0 Server busy, please try again later";
    const auto note = recorded(At(13, 20, 2), SampleJob({"3105550188"}, "Delivery note.pdf"));
    ok = ok &&
         tried(note, At(13, 20, 9),
               SampleTry(Kind::MayPass,
                         SampleMail({"3105550188"}, "a6d40c3e8f2b71d95e0a4c6b3f8d2e15", State::Refused, busy), busy));
    ok = ok &&
         tried(claimed(At(13, 21, 9), note ? std::optional(note->id) : std::nullopt), At(13, 21, 16),
               SampleTry(Kind::MayPass,
                         SampleMail({"3105550188"}, "e1f7b9a3c05d28e46f1a7c3d9b2e0f68", State::Refused, busy), busy));
    clock.Set(At(13, 22, 5));
    const auto plan = outbox.Queue(SampleJob({"6175550190"}, "Site plan.pdf"), document, settings);
    ok = ok &&
         tried(claimed(At(13, 22, 5), plan), At(13, 22, 35),
               SampleTry(Kind::MayPass, SampleMail({"6175550190"}, "3c9e5a17d4b0f82e6a1c7d3b9e5f0a24", State::NotTried),
                         "Unable to connect to server"));
    if (!ok) {
        std::fprintf(stderr, "desklet_screenshots: %s\n", qPrintable(outbox.LastFailure().Text()));
    }
    return ok;
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
    setenv("TZ", kZone, 1);

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
    // Dates as a reader of that language writes them, whatever this machine's own locale.
    QLocale::setDefault(language.isEmpty() ? QLocale(QLocale::English, QLocale::UnitedStates) : QLocale(language));
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

    // The Outbox with the fax whose fate is unknown chosen, so that its buttons
    // show; the sent log with its newest row chosen, as it opens.
    if (!FillOutbox(report.toStdString(), app.Settings)) {
        std::fprintf(stderr, "desklet_screenshots: cannot fill the sent log\n");
        return 1;
    }
    OutboxDlg outbox(Database::DefaultPath());
    // As the main dialog opens it: Send Again has somewhere to go.
    outbox.SetSendAgain([](std::int64_t, const QStringList&, const SendAgainDocument&) {});
    DialogServices::SetModalHandler([&](QDialog& running) {
        QTreeWidget& list = *outbox.List();
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            if (list.topLevelItem(row)->text(OutboxDlg::kState) == OutboxDlg::StateText(JobState::Unknown)) {
                list.setCurrentItem(list.topLevelItem(row));
            }
        }
        ShowWhole(running, list);
        ok = Save(running, outDir + "/outbox.png") && ok;
        running.done(IDCANCEL);
    });
    outbox.DoModal();
    SentFaxesDlg sent(Database::DefaultPath());
    DialogServices::SetModalHandler([&](QDialog& running) {
        ShowWhole(running, *sent.List());
        ok = Save(running, outDir + "/sent-faxes.png") && ok;
        running.done(IDCANCEL);
    });
    sent.DoModal();

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
