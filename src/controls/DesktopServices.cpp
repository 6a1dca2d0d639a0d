#include "controls/DesktopServices.h"

#include "controls/OpenCommand.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <utility>

namespace desklet {
namespace {

// xdg-mime is a small shell script; a desktop whose lookup hangs gets no fallback
// rather than a frozen dialog.
constexpr int kXdgMimeTimeoutMs = 3000;
// A desktop entry is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxDesktopEntryBytes = 1 << 20;

DesktopServices::UrlOpener& urlOpener() {
    static DesktopServices::UrlOpener opener;
    return opener;
}

DesktopServices::BrowserCommandFinder& browserCommandFinder() {
    static DesktopServices::BrowserCommandFinder finder;
    return finder;
}

DesktopServices::Launcher& launcher() {
    static DesktopServices::Launcher launch;
    return launch;
}

std::optional<QString> defaultHttpHandler() {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/http")});
    if (!query.waitForStarted(kXdgMimeTimeoutMs)) {
        return std::nullopt;
    }
    if (!query.waitForFinished(kXdgMimeTimeoutMs)) {
        query.kill();
        query.waitForFinished(kXdgMimeTimeoutMs);
        return std::nullopt;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) {
        return std::nullopt;
    }
    const QString id = QString::fromUtf8(query.readAllStandardOutput()).trimmed();
    // A desktop-file id is a bare file name; anything else is not looked up.
    if (id.isEmpty() || id.contains(QLatin1Char('/')) || id.startsWith(QLatin1Char('.')) ||
        !id.endsWith(QStringLiteral(".desktop"))) {
        return std::nullopt;
    }
    return id;
}

std::optional<std::string> execOfDesktopEntry(const QString& id) {
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QFile file(path);
    if (file.size() > kMaxDesktopEntryBytes || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray text = file.read(kMaxDesktopEntryBytes);
    return DesktopEntryExec(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
}

std::optional<std::string> browserFromEnvironment() {
    const QByteArray value = qgetenv("BROWSER");
    // $BROWSER may list several commands separated by colons; the first is the choice.
    for (const QByteArray& command : value.split(':')) {
        const QByteArray trimmed = command.trimmed();
        if (!trimmed.isEmpty()) {
            return trimmed.toStdString();
        }
    }
    return std::nullopt;
}

} // namespace

void DesktopServices::OpenUrl(const QUrl& url, OpenAnswer answer) {
    if (urlOpener()) {
        urlOpener()(url, std::move(answer));
        return;
    }
    OpenUrlWithDesktop(url, std::move(answer));
}

std::optional<std::string> DesktopServices::FindBrowserCommand() {
    if (browserCommandFinder()) {
        return browserCommandFinder()();
    }
    return FindRegisteredBrowserCommand();
}

int DesktopServices::Launch(const std::string& commandLine, int showCommand) {
    if (launcher()) {
        return launcher()(commandLine, showCommand);
    }
    return LaunchDetached(commandLine, showCommand);
}

void DesktopServices::SetUrlOpener(UrlOpener opener) {
    urlOpener() = std::move(opener);
}

void DesktopServices::SetBrowserCommandFinder(BrowserCommandFinder finder) {
    browserCommandFinder() = std::move(finder);
}

void DesktopServices::SetLauncher(Launcher launch) {
    launcher() = std::move(launch);
}

void DesktopServices::OpenUrlWithDesktop(const QUrl& url, OpenAnswer answer) {
    // Not QDesktopServices::openUrl(): it reports success as soon as xdg-open
    // starts, so that a desktop with no browser would count the page as opened.
    RunOpener(QStringLiteral("xdg-open"), url, std::move(answer));
}

void DesktopServices::RunOpener(const QString& program, const QUrl& url, OpenAnswer answer, int stillRunningMs) {
    // Whichever comes first answers: the exit, a failed start or the time limit.
    auto pending = std::make_shared<OpenAnswer>(std::move(answer));
    const auto reply = [pending](int result) {
        if (*pending) {
            const OpenAnswer once = std::exchange(*pending, nullptr);
            once(result);
        }
    };
    const QString argument = url.toString(QUrl::FullyEncoded);
    if (!url.isValid() || argument.isEmpty() || argument.startsWith(QLatin1Char('-'))) {
        reply(kOpenFileNotFound);
        return;
    }

    // Owned by the application, not by the control that asked: the opener may
    // outlive the dialog, and a QProcess that goes down kills its program.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments({argument});
    process->setStandardInputFile(QProcess::nullDevice());
    // Its messages go where ours go; kept, they would fill memory while a browser
    // runs in its foreground.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process, [process, reply](int status, QProcess::ExitStatus how) {
        reply(how == QProcess::NormalExit ? OpenerExitResult(status) : kOpenAssociationIncomplete);
        process->deleteLater();
    });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, reply](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            reply(kOpenNoAssociation);
            process->deleteLater();
        }
    });
    QTimer::singleShot(stillRunningMs, process, [reply] { reply(kOpenSucceeded); });
    process->start();
}

std::optional<std::string> DesktopServices::FindRegisteredBrowserCommand() {
    if (const auto id = defaultHttpHandler()) {
        if (auto exec = execOfDesktopEntry(*id)) {
            return exec;
        }
    }
    return browserFromEnvironment();
}

int DesktopServices::LaunchDetached(const std::string& commandLine, int /*showCommand*/) {
    // The desktop decides how a new window appears; the show command has no say.
    const auto words = SplitCommandLine(commandLine);
    if (!words) {
        return kOpenFileNotFound;
    }
    const QString program = QString::fromStdString(words->front());
    QString executable;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        if (!info.exists() || info.isDir()) {
            return kOpenFileNotFound;
        }
        if (!info.isExecutable()) {
            return kOpenAccessDenied;
        }
        executable = program;
    } else {
        executable = QStandardPaths::findExecutable(program);
        if (executable.isEmpty()) {
            return kOpenFileNotFound;
        }
    }
    QStringList arguments;
    for (std::size_t i = 1; i < words->size(); ++i) {
        arguments << QString::fromStdString((*words)[i]);
    }
    if (!QProcess::startDetached(executable, arguments)) {
        return kOpenBadFormat;
    }
    return kOpenSucceeded;
}

} // namespace desklet
