// How the preview weighs on the main dialog: the time from starting the program to
// the shown dialog with and without a large PDF on the command line, the time from
// setting a path to the shown preview, and the longest stall of the user-interface
// thread while a path is typed and the large document loads.
//
//   preview_bench [<large.pdf>]     (written on first use: 300 pages, about 50 MiB)
//
// Each start is a fresh process of this program, timed from the parent's spawn to
// the child's shown dialog on the system-wide monotonic clock, so that loading the
// libraries counts too. Runs on whatever platform QT_QPA_PLATFORM names.

#include "app/CFaxClientApp.h"
#include "app/CFaxClientDlg.h"
#include "controls/DocumentPreviewCtrl.h"
#include "framework/DialogServices.h"
#include "framework/WinConstants.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

using namespace desklet;

namespace {

constexpr int kLargePages = 300;
// Noise does not compress: each page's picture adds its raw size to the file.
constexpr int kNoiseSide = 394;
constexpr int kRuns = 5;
constexpr int kWaitMs = 60000;

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

bool WriteLargePdf(const QString& path) {
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    QPainter painter;
    if (!painter.begin(&writer)) {
        return false;
    }
    QImage noise(kNoiseSide, kNoiseSide, QImage::Format_RGB32);
    for (int page = 0; page < kLargePages; ++page) {
        if (page > 0 && !writer.newPage()) {
            return false;
        }
        // A new picture per page: the writer stores an image it has seen only once.
        for (int y = 0; y < noise.height(); ++y) {
            auto* line = reinterpret_cast<quint32*>(noise.scanLine(y));
            QRandomGenerator::global()->fillRange(line, noise.width());
        }
        painter.drawImage(QRect(40, 40, 515, 515), noise);
        painter.drawText(40, 600, QStringLiteral("Page %1").arg(page + 1));
    }
    return painter.end();
}

void PrepareSettingsHome(const QTemporaryDir& home) {
    std::filesystem::create_directories((home.path() + "/Quillmark").toStdString());
    std::ofstream((home.path() + "/Quillmark/Desklet.conf").toStdString()) << "[Config]\nlogon=bench\n";
    setenv("XDG_CONFIG_HOME", home.path().toLocal8Bit().constData(), 1);
}

// Runs until the preview has shown its result, or for at most kWaitMs; the longest
// gap between two turns of the event loop meanwhile, in milliseconds.
double WaitForPreview(DocumentPreviewCtrl& preview, bool* shown) {
    QEventLoop loop;
    *shown = false;
    QObject::connect(&preview, &DocumentPreviewCtrl::Shown, &loop, [&] {
        *shown = true;
        loop.quit();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(kWaitMs);
    QTimer tick;
    QElapsedTimer since;
    double longest = 0;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        longest = std::max(longest, since.nsecsElapsed() / 1e6);
        since.restart();
    });
    since.start();
    tick.start(1);
    loop.exec();
    return longest;
}

// The child: starts the dialog, prints when it was shown, then times the preview.
int Child(const std::string& mode, const std::string& pdf, const std::string& small) {
    QTemporaryDir home;
    PrepareSettingsHome(home);
    std::vector<std::string> arguments{"desklet"};
    if (mode == "with") {
        arguments.insert(arguments.end(), {"-file", pdf, "-fax", "2125551212,3105550188"});
    }
    std::vector<char*> args;
    for (std::string& a : arguments) {
        args.push_back(a.data());
    }
    int count = static_cast<int>(args.size());
    CFaxClientApp app(count, args.data());
    app.ReadCommandLine();
    CFaxClientDlg dialog;
    DialogServices::SetModalHandler([&](QDialog& running) {
        std::printf("shown %lld\n", NowNs());
        std::fflush(stdout);
        auto* preview = dialog.findChild<DocumentPreviewCtrl*>();
        auto* file = qobject_cast<QLineEdit*>(dialog.GetDlgItem(CFaxClientDlg::IDC_FILE));
        bool shown = false;
        if (mode == "with") {
            const long long start = NowNs();
            const double stall = WaitForPreview(*preview, &shown);
            std::printf("first-preview %.1f ms (shown %d), longest stall %.1f ms\n", (NowNs() - start) / 1e6, shown,
                        stall);
        } else if (mode == "set") {
            for (const std::string& path : {small, pdf}) {
                file->clear();
                const long long start = NowNs();
                file->setText(QString::fromStdString(path));
                const double stall = WaitForPreview(*preview, &shown);
                std::printf("set-path %s: %.1f ms to the shown preview (shown %d), longest stall %.1f ms\n",
                            QFileInfo(QString::fromStdString(path)).fileName().toUtf8().constData(),
                            (NowNs() - start) / 1e6, shown, stall);
            }
            // Typing the large document's path one character at a time, 40 ms apart.
            file->clear();
            const QString path = QString::fromStdString(pdf);
            const long long start = NowNs();
            QElapsedTimer since;
            double longest = 0;
            for (int i = 1; i <= path.size(); ++i) {
                file->setText(path.left(i));
                since.start();
                QEventLoop pause;
                QTimer::singleShot(40, &pause, &QEventLoop::quit);
                pause.exec();
                longest = std::max(longest, since.nsecsElapsed() / 1e6 - 40);
            }
            const double stall = std::max(longest, WaitForPreview(*preview, &shown));
            std::printf("typed %lld characters: preview %.1f ms after the first key (shown %d), longest stall %.1f "
                        "ms past the 40 ms pauses\n",
                        static_cast<long long>(path.size()), (NowNs() - start) / 1e6, shown, stall);
        }
        running.done(IDCANCEL);
    });
    dialog.DoModal();
    return 0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::string(argv[1]) == "--child") {
        return Child(argv[2], argc > 3 ? argv[3] : "", argc > 4 ? argv[4] : "");
    }
    QGuiApplication parent(argc, argv);
    const QString pdf = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("large-300-pages.pdf");
    const QString small = QStringLiteral("small-1-page.pdf");
    if (!QFileInfo::exists(pdf)) {
        std::printf("writing %s ...\n", qPrintable(pdf));
        if (!WriteLargePdf(pdf)) {
            std::fprintf(stderr, "preview_bench: cannot write %s\n", qPrintable(pdf));
            return 1;
        }
    }
    if (!QFileInfo::exists(small)) {
        QPdfWriter writer(small);
        QPainter painter(&writer);
        painter.drawText(100, 100, QStringLiteral("One page"));
    }
    std::printf("large document: %s, %.1f MiB\n", qPrintable(pdf), QFileInfo(pdf).size() / 1048576.0);

    const auto run = [&](const QString& mode, bool print) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const long long start = NowNs();
        child.start(
            QGuiApplication::applicationFilePath(),
            {QStringLiteral("--child"), mode, QFileInfo(pdf).absoluteFilePath(), QFileInfo(small).absoluteFilePath()});
        if (!child.waitForFinished(kWaitMs)) {
            child.kill();
            child.waitForFinished();
            return -1.0;
        }
        double shown = -1;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
            if (line.startsWith("shown ")) {
                shown = (line.mid(6).toLongLong() - start) / 1e6;
            } else if (print && !line.isEmpty()) {
                std::printf("  %s\n", line.constData());
            }
        }
        return shown;
    };

    for (const QString& mode : {QStringLiteral("without"), QStringLiteral("with")}) {
        std::vector<double> times;
        for (int i = 0; i < kRuns; ++i) {
            times.push_back(run(mode, i == 0));
        }
        std::printf("start to shown dialog %s the large document: median %.1f ms of %d (min %.1f, max %.1f)\n",
                    qPrintable(mode), Median(times), kRuns, *std::min_element(times.begin(), times.end()),
                    *std::max_element(times.begin(), times.end()));
    }
    run(QStringLiteral("set"), true);
    return 0;
}
