#pragma once

#include <functional>
#include <optional>
#include <string>

class QString;
class QUrl;

namespace desklet {

// The controls' door to the desktop: its URL opener, the web-browser command it
// registers, and the start of a program. Tests replace each of them, so that no
// test opens a browser, asks xdg-mime or starts a process.
class DesktopServices {
public:
    // The outcome of an open, once it is known: a launch result code (above 32:
    // the page was opened; else what FormatOpenError() explains).
    using OpenAnswer = std::function<void(int result)>;
    // Asks the desktop to open the URL. The answer comes once, maybe at once and
    // maybe later from the event loop; an empty answer is not wanted.
    using UrlOpener = std::function<void(const QUrl&, OpenAnswer)>;
    // The command line the desktop registers for web pages, or nothing.
    using BrowserCommandFinder = std::function<std::optional<std::string>()>;
    // Starts a command line detached; the launch result code (above 32: success).
    using Launcher = std::function<int(const std::string& commandLine, int showCommand)>;

    static void OpenUrl(const QUrl& url, OpenAnswer answer);
    static std::optional<std::string> FindBrowserCommand();
    static int Launch(const std::string& commandLine, int showCommand);

    // Pass nullptr to restore the real implementation.
    static void SetUrlOpener(UrlOpener opener);
    static void SetBrowserCommandFinder(BrowserCommandFinder finder);
    static void SetLauncher(Launcher launcher);

    // The real implementations.
    // Runs xdg-open (RunOpener).
    static void OpenUrlWithDesktop(const QUrl& url, OpenAnswer answer);
    // Runs the opener program with the URL as its only argument, without waiting
    // for it, and answers from its exit status (OpenerExitResult); a program that
    // cannot be started answers 31. One still running after `stillRunningMs` counts
    // as opened: without a desktop of its own, xdg-open runs the browser in the
    // foreground and ends only with it. A URL that is not valid or would be read as
    // an option answers 2 without running anything.
    static void RunOpener(const QString& program, const QUrl& url, OpenAnswer answer,
                          int stillRunningMs = kOpenerStillRunningMs);
    static constexpr int kOpenerStillRunningMs = 5000;
    // The Exec line of the desktop entry `xdg-mime query default
    // x-scheme-handler/http` names, else the first command of $BROWSER.
    static std::optional<std::string> FindRegisteredBrowserCommand();
    // Splits the line (no shell) and starts it detached. A program that is not
    // found gives 2, one that may not be run 5, one that fails to start 11, an empty
    // or badly quoted line 2.
    static int LaunchDetached(const std::string& commandLine, int showCommand);
};

} // namespace desklet
